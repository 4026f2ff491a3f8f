#pragma once
// The program's one way to read a file it did not write itself (regular
// files only, opened without waiting on a FIFO or a device, a size limit),
// and writing a whole file so that it either has its new contents or stays
// as it was: the bytes go to a temporary file in the same folder (unnamed
// until the last moment, so a killed save leaves nothing), which is flushed
// to disk and then renamed over the target.

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace castovin {

// The system call that writes bytes; replaceable so that tests can make a
// write fail half way (a full disk).
using WriteFunction = ssize_t (*)(int fd, const void* data, size_t size);

// Replaces the file at `path` by `content`. An existing target keeps its
// permissions; a symbolic link keeps pointing at the replaced file. Refused:
// a read-only target, one that is not a regular file, a link that points at
// nothing, and another user's link in a shared sticky folder. On any
// failure the previous file is left untouched, the temporary file is
// removed, and a run-time error naming the path is thrown (75 access error,
// 76 path not found, 61 disk full, ...).
void WriteFileAtomically(const std::string& path, std::string_view content, WriteFunction write = nullptr);

// The largest file read by default (project files): far above any real one, low
// enough that a wrong file is refused before it fills the memory.
inline constexpr std::size_t MaxReadFileBytes = 16u * 1024 * 1024;

// Reads a whole regular file of at most `maxBytes` bytes; a run-time error
// naming the path when it cannot. Anything that is not a regular file (a
// FIFO, a device, a folder) is refused without waiting on it.
std::string ReadWholeFile(const std::string& path, std::size_t maxBytes = MaxReadFileBytes);

// The first bytes of a file and the size of the whole file.
struct FileStart {
    std::string bytes;
    std::size_t size = 0;
};

// Reads at most `limit` bytes from the start of a regular file of any size,
// refusing everything else as ReadWholeFile does, without waiting on it.
FileStart ReadFileStart(const std::string& path, std::size_t limit);

// Whether a path names a regular file once its links are followed (not a
// FIFO, a device, a socket or a folder, nor a link to one).
bool IsRegularFile(const std::string& path);

}  // namespace castovin
