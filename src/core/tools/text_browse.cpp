#include "core/tools/text_browse.h"

#include <sys/stat.h>

#include "core/config/environment.h"
#include "core/text/atomic_file.h"
#include "core/text/messages.h"
#include "core/text/paths.h"
#include "core/text/text_format.h"
#include "core/text/unicode.h"

namespace castovin {

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// One "[...]" set at the start of `pattern` (just after the "["): whether
// `c` is in it, and where the set ends (npos when it has no "]").
std::size_t MatchSet(std::string_view pattern, std::size_t start, char c, bool& matched)
{
    std::size_t i = start;
    const bool negated = i < pattern.size() && (pattern[i] == '!' || pattern[i] == '^');
    if (negated)
        ++i;
    bool found = false;
    bool first = true;
    for (; i < pattern.size() && (first || pattern[i] != ']'); ++i, first = false) {
        const char low = Lower(pattern[i]);
        if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
            found = found || (Lower(c) >= low && Lower(c) <= Lower(pattern[i + 2]));
            i += 2;
        } else {
            found = found || Lower(c) == low;
        }
    }
    if (i >= pattern.size())
        return std::string_view::npos;
    matched = found != negated;
    return i;
}

bool Match(std::string_view name, std::string_view pattern)
{
    // Backtracking over the last "*" keeps this linear in practice.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        bool step = false;
        std::size_t next = p + 1;
        if (p < pattern.size()) {
            if (pattern[p] == '*') {
                starP = p++;
                starN = n;
                continue;
            }
            if (pattern[p] == '?') {
                step = true;
            } else if (pattern[p] == '[') {
                bool inSet = false;
                const std::size_t end = MatchSet(pattern, p + 1, name[n], inSet);
                step = end != std::string_view::npos && inSet;
                next = end + 1;
            } else {
                step = Lower(pattern[p]) == Lower(name[n]);
            }
        }
        if (step) {
            p = next;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool UsablePattern(std::string_view pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto c = static_cast<unsigned char>(pattern[i]);
        if (c < 32 || c == 127 || c == '/')
            return false;
        if (c == '[' && pattern.find(']', i + 2) == std::string_view::npos)
            return false;
    }
    return true;
}

// The lines of a text: they end at CR LF, LF or a lone CR.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::string JoinLines(std::string_view text, const char* ending)
{
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (const std::string_view line : Lines(text)) {
        out += line;
        out += ending;
    }
    return out;
}

// The length of `text` without what would be an incomplete UTF-8 character
// at its end. A cut at a byte limit can fall inside a character, and a text
// ending in half a character is no longer UTF-8: the whole excerpt would
// then be read as Windows-1252.
std::size_t WithoutSplitCharacter(std::string_view text)
{
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const auto c = static_cast<unsigned char>(text[text.size() - back]);
        if ((c & 0xC0) == 0x80)
            continue;
        const std::size_t length = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

}  // namespace

std::string InitialBrowsePattern(const Environment& env)
{
    const std::string& kept = env.Settings.BrowseDefaultFilter;
    return TrimBlanks(kept).empty() ? "*." + env.Settings.FileExtension : kept;
}

std::string InitialBrowseFolder(const Environment& env)
{
    return env.LastBrowsedFolder.empty() ? env.Settings.DataPath : env.LastBrowsedFolder;
}

std::optional<std::vector<std::string>> SplitPatterns(std::string_view text)
{
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string piece = TrimBlanks(text.substr(start, end - start));
        if (!piece.empty()) {
            if (!UsablePattern(piece))
                return std::nullopt;
            patterns.push_back(piece);
        }
        start = end + 1;
    }
    if (patterns.empty())
        return std::nullopt;
    return patterns;
}

bool MatchesPattern(std::string_view name, std::string_view pattern)
{
    return Match(name, pattern);
}

bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns)
{
    for (const std::string& pattern : patterns)
        if (Match(name, pattern))
            return true;
    return false;
}

std::string PathInFolder(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != PathSeparator)
        path += PathSeparator;
    path += name;
    return path;
}

bool CheckBrowsable(Messenger& messenger, const std::string& path)
{
    struct stat st {};
    std::string problem;
    if (::stat(path.c_str(), &st) != 0)
        problem = "Requested File not found: " + path;
    else if (!S_ISREG(st.st_mode))
        problem = path + " is not a regular file";
    if (problem.empty())
        return true;
    ShowMessage(messenger, problem, MsgButtons::OK, messenger.MsgCategory.Error);
    return false;
}

bool CopyTextFile(Messenger& messenger, const std::string& source, const std::string& target)
{
    if (!CheckBrowsable(messenger, source))
        return false;
    bool copied = false;
    try {
        // The copy replaces the last one whole, and like any file the
        // program writes, never through a FIFO or device put in its place.
        WriteFileAtomically(target, JoinLines(ReadWholeFile(source), "\r\n"));
        copied = true;
    } catch (const std::exception&) {
        copied = false;
    }
    if (!copied)
        ShowMessage(messenger, "File I/O problem with TMP file: " + target, MsgButtons::OK,
                    messenger.MsgCategory.Error);
    return copied;
}

std::vector<std::string> SplitCommandWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\' && i + 1 < text.size()) {
            word += text[++i];
        } else if (c == '\'' || c == '"') {
            // The quoted run up to the matching quote (or the end); inside
            // double quotes a backslash keeps a quote or a backslash.
            for (++i; i < text.size() && text[i] != c; ++i) {
                if (c == '"' && text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\'))
                    ++i;
                word += text[i];
            }
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

bool IsDefaultViewer(std::string_view viewer)
{
    const std::string name = LowerCase(TrimBlanks(viewer));
    return name.empty() || name == DefaultViewer || name == "notepad.exe";
}

ViewerCommand ViewerCommandFor(std::string_view viewerSetting, const std::string& file)
{
    std::vector<std::string> words;
    if (!IsDefaultViewer(viewerSetting))
        words = SplitCommandWords(viewerSetting);
    if (words.empty())
        words = {DefaultViewer};
    ViewerCommand command;
    command.program = words.front();
    command.arguments.assign(words.begin() + 1, words.end());
    command.arguments.push_back(file);
    return command;
}

PaneText PaneTextOf(std::string_view bytes, std::size_t totalSize, std::size_t limit)
{
    PaneText pane;
    if (bytes.substr(0, limit).find('\0') != std::string_view::npos) {
        pane.kind = PaneText::Kind::Binary;
        pane.text = "This file is not a text file and is not shown.\n";
        return pane;
    }
    std::string_view shown = bytes;
    if (totalSize > limit || bytes.size() > limit) {
        // Cut at the last line end inside the limit; a text without one is
        // cut before the character the limit falls in.
        shown = bytes.substr(0, limit);
        const std::size_t lineEnd = shown.find_last_of('\n');
        if (lineEnd != std::string_view::npos)
            shown = shown.substr(0, lineEnd + 1);
        // Only UTF-8 text loses the piece of a character at its end; in
        // Windows-1252 text every byte is a character of its own.
        const std::size_t whole = WithoutSplitCharacter(shown);
        if (whole < shown.size() && IsValidUtf8(shown.substr(0, whole)))
            shown = shown.substr(0, whole);
        pane.kind = PaneText::Kind::Shortened;
    }
    pane.text = JoinLines(DecodeFileText(shown), "\n");
    if (pane.kind == PaneText::Kind::Shortened)
        pane.text += "\n[The file holds " + std::to_string(totalSize) + " bytes; only its first " +
                     std::to_string(shown.size()) + " bytes are shown here.]\n";
    return pane;
}

PaneText ReadPaneText(const std::string& path, std::size_t limit)
{
    const FileStart start = ReadFileStart(path, limit);
    return PaneTextOf(start.bytes, start.size, limit);
}

}  // namespace castovin
