#pragma once
// Run-time errors of file operations, from the system's error codes.

#include <string_view>

namespace castovin {

// Throws the run-time error for a failed open, create, read or write of
// `path` with the system error code `errorCode`. The description names the
// path; for a folder (EISDIR) it says "Is a folder".
[[noreturn]] void ThrowFileError(int errorCode, bool writing, std::string_view path);

// Throws "Path/File access error" naming `path` and why it cannot be used
// (a link to nothing, not a regular file, too large).
[[noreturn]] void ThrowAccessError(std::string_view path, std::string_view why);

// The run-time error number for a system error code.
int FileErrorNumber(int errorCode, bool writing, std::string_view path);

}  // namespace castovin
