#pragma once
// File and path helpers. Folder paths end with the platform's separator.

#include <string>
#include <string_view>

namespace castovin {

struct Messenger;

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// The text after the last separator (the whole text when there is none).
std::string BaseName(std::string_view path);

// The folder part of a path up to and including its last separator; empty
// when the path has none.
std::string FolderPart(std::string_view path);

// True when `path` names an existing ordinary file, or when a pattern with
// "*" or "?" in its file-name part matches one. Hidden files (names starting
// with ".") and folders do not count. Never shows a message.
bool FileExists(std::string_view path);

// True when `path` names an existing folder or file. A path the system
// refuses gives false and "Invalid path: " unless `quiet`.
bool ValidPath(Messenger& messenger, std::string_view path, bool quiet);

// The file-name part of a path, without its extension when `stripExtension`
// (cut before the first "." after the first character). A path ending in the
// separator shows "Error in filename: " and gives the whole path.
std::string FileNamePart(Messenger& messenger, std::string_view path, bool stripExtension);

}  // namespace castovin
