#include "tools/file_association.h"

#include <algorithm>
#include <cctype>
#include <sys/stat.h>

#include "text/atomic_file.h"
#include "text/runtime_error.h"

namespace castovin {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string XmlEscaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A program path as an argument of an Exec line: quoted, with the characters
// the desktop-entry format reserves inside quotes escaped, when it needs it.
std::string ExecArgument(const std::string& path)
{
    if (path.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos)
        return path;
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    // Inside a desktop file, a backslash itself is written twice.
    std::string escaped;
    for (char c : quoted) {
        if (c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
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

FileAssociation RegisterFileType(const std::string& dataHome, const std::string& appFolder,
                                 const std::string& exeName, const std::string& extension)
{
    FileAssociation a;
    a.mimeType = "application/x-" + Lower(exeName) + ".document";
    a.comment = exeName + " Document";
    a.command = ExecArgument(appFolder + exeName) + " %f";
    if (dataHome.empty())
        return a;
    const std::string name = Lower(exeName);
    a.mimePackage = dataHome + "/mime/packages/" + name + ".xml";
    a.desktopEntry = dataHome + "/applications/" + name + ".desktop";

    const std::string mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" + XmlEscaped(a.mimeType) + "\">\n"
        "    <comment>" + XmlEscaped(a.comment) + "</comment>\n"
        "    <glob pattern=\"*." + XmlEscaped(Upper(extension)) + "\" case-sensitive=\"true\"/>\n"
        "    <glob pattern=\"*." + XmlEscaped(Lower(extension)) + "\" case-sensitive=\"true\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    const std::string desktop =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Castovin\n"
        "Comment=" + a.comment + "\n"
        "Exec=" + a.command + "\n"
        "MimeType=" + a.mimeType + ";\n"
        "Terminal=false\n"
        "Categories=Science;Engineering;\n";
    a.written = MakeFolders(dataHome + "/mime/packages") && MakeFolders(dataHome + "/applications") &&
                Write(a.mimePackage, mime) && Write(a.desktopEntry, desktop);
    return a;
}

}  // namespace castovin
