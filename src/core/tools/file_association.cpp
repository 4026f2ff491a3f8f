#include "core/tools/file_association.h"

#include <algorithm>
#include <sys/stat.h>

#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

std::string XmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

// A value of a desktop-entry string key: a backslash is written twice.
std::string DesktopString(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

// A program path as an argument of an Exec line: quoted, with the characters
// the desktop-entry format reserves inside quotes escaped, when it needs it;
// a literal "%" is doubled so that it is not taken for a field code.
std::string ExecArgument(const std::string& path)
{
    std::string argument;
    if (path.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos) {
        argument = path;
    } else {
        argument = "\"";
        for (char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    std::string percent;
    for (char c : argument) {
        if (c == '%')
            percent += '%';
        percent += c;
    }
    return DesktopString(percent);
}

// A list value (MimeType=): string escapes, and ";" separates entries.
std::string DesktopListItem(std::string_view text)
{
    std::string out;
    for (char c : DesktopString(text)) {
        if (c == ';')
            out += '\\';
        out += c;
    }
    return out;
}

bool MakeFolders(const std::string& path)
{
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/')
            continue;
        const std::string part = path.substr(0, pos);
        struct stat st {};
        if (::stat(part.c_str(), &st) != 0 && ::mkdir(part.c_str(), 0755) != 0)
            return false;
    }
    return true;
}

bool Write(const std::string& path, const std::string& content)
{
    try {
        WriteFileAtomically(path, content);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

}  // namespace

std::string UserDataHome(const std::string& xdgDataHome, const std::string& home)
{
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/')
        return xdgDataHome;
    return home.empty() ? std::string() : home + "/.local/share";
}

FileAssociation RegisterFileType(const std::string& dataHome, const std::string& appFolder, const std::string& exeName,
                                 const std::string& extension)
{
    FileAssociation a;
    a.mimeType = "application/x-" + LowerCase(exeName) + ".document";
    a.comment = exeName + " Document";
    // A line break in the path would end the Exec line and start a line of
    // its own (a second command); no escape of the format can carry it.
    if (HasControlCharacter(appFolder + exeName)) {
        a.refusal = "The file association cannot be made: the program path " +
                    MessageExcerpt(appFolder + exeName, 200) + " holds a line break or another control character.";
        return a;
    }
    a.command = ExecArgument(appFolder + exeName) + " %f";
    if (dataHome.empty())
        return a;
    const std::string name = LowerCase(exeName);
    a.mimePackage = dataHome + "/mime/packages/" + name + ".xml";
    a.desktopEntry = dataHome + "/applications/" + name + ".desktop";

    const std::string mime = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                             "  <mime-type type=\"" +
                             XmlEscaped(a.mimeType) +
                             "\">\n"
                             "    <comment>" +
                             XmlEscaped(a.comment) +
                             "</comment>\n"
                             "    <glob pattern=\"*." +
                             XmlEscaped(UpperCase(extension)) +
                             "\" case-sensitive=\"true\"/>\n"
                             "    <glob pattern=\"*." +
                             XmlEscaped(LowerCase(extension)) +
                             "\" case-sensitive=\"true\"/>\n"
                             "  </mime-type>\n"
                             "</mime-info>\n";
    const std::string desktop = "[Desktop Entry]\n"
                                "Type=Application\n"
                                "Name=Castovin\n"
                                "Comment=" +
                                DesktopString(a.comment) +
                                "\n"
                                "Exec=" +
                                a.command +
                                "\n"
                                "MimeType=" +
                                DesktopListItem(a.mimeType) +
                                ";\n"
                                "Terminal=false\n"
                                "Categories=Science;Engineering;\n";
    a.written = MakeFolders(dataHome + "/mime/packages") && MakeFolders(dataHome + "/applications") &&
                Write(a.mimePackage, mime) && Write(a.desktopEntry, desktop);
    return a;
}

}  // namespace castovin
