#pragma once
// The rules of the text file browser apart from its widgets: the file
// pattern, the starting folder, the temporary copy for the external viewer,
// the viewer's command line and the text the read-only pane shows.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace castovin {

struct Environment;
struct Messenger;

// The work file the external viewer receives, in the temporary folder.
inline constexpr const char* BrowseCopyName = "~tmpbr.tmp";
// The pattern a refused one is replaced by.
inline constexpr const char* AllFilesPattern = "*";

// The pattern the browser opens with: the one kept in the settings, or
// "*." and the project extension when none is kept.
std::string InitialBrowsePattern(const Environment& env);

// The folder the browser opens in: the last browsed folder of this run,
// else the data path.
std::string InitialBrowseFolder(const Environment& env);

// The single patterns of a pattern text: several may be given, separated by
// ";" (blanks around each and empty pieces do not count). nullopt when the
// file list cannot use the text: nothing left, a "/" in a pattern, a control
// character, or a "[" without its "]".
std::optional<std::vector<std::string>> SplitPatterns(std::string_view text);

// Whether a file name matches one wildcard pattern ("*" any run, "?" one
// character, "[abc]" / "[a-z]" / "[!a]" one of a set), without regard to
// letter case, as the project-file dialogs match.
bool MatchesPattern(std::string_view name, std::string_view pattern);
bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns);

// The full path of a file in a folder, with no doubled separator when the
// folder already ends with one.
std::string PathInFolder(std::string_view folder, std::string_view name);

// Whether the browser can show a chosen file. A missing one shows
// "Requested File not found: " and its path; one that is there but is not a
// regular file, or a link to one (a FIFO or a device that took a listed
// file's place), its path and " is not a regular file" (Error category, OK).
bool CheckBrowsable(Messenger& messenger, const std::string& path);

// Copies a text file line by line, every line ending in CR LF. A source the
// browser cannot show gives CheckBrowsable's message; a failed copy
// "File I/O problem with TMP file: " and the target (Error category, OK).
// True when copied.
bool CopyTextFile(Messenger& messenger, const std::string& source, const std::string& target);

// The words of a command line, split as a shell splits words (blanks
// separate, single quotes keep everything, double quotes and a backslash
// keep the next character), but never run through a shell.
std::vector<std::string> SplitCommandWords(std::string_view text);

struct ViewerCommand {
    std::string program;
    std::vector<std::string> arguments;
};

// True when a viewer setting means the desktop's opener: empty, "xdg-open",
// or the Windows program's default "Notepad.exe" (in any letter case).
bool IsDefaultViewer(std::string_view viewer);

// The program and arguments that show `file` in the external viewer: the
// viewer setting's words, then the file. The default setting (empty,
// "xdg-open" or the Windows program's "Notepad.exe") gives the desktop's
// opener.
ViewerCommand ViewerCommandFor(std::string_view viewerSetting, const std::string& file);

// What the pane shows of a file.
struct PaneText {
    enum class Kind { Text, Shortened, Binary };
    Kind kind = Kind::Text;
    std::string text;  // UTF-8, lines ending in "\n"
};

// The pane's largest share of a file, in bytes.
inline constexpr std::size_t PaneLimit = 4 * 1024 * 1024;

// The pane text of a file's bytes: UTF-8, or Windows-1252 when the bytes are
// not valid UTF-8. More than `limit` bytes show their first part, cut at a
// line end (or, without one, before the character the limit falls in),
// followed by a note; bytes with a zero byte among them are not
// text and give a short message instead.
PaneText PaneTextOf(std::string_view bytes, std::size_t totalSize, std::size_t limit = PaneLimit);

// Reads at most `limit` bytes of a file (plus the file's size) for the pane,
// through the program's reader: anything but a regular file is refused
// without waiting on it. A file that cannot be read raises the run-time
// error of the failure.
PaneText ReadPaneText(const std::string& path, std::size_t limit = PaneLimit);

}  // namespace castovin
