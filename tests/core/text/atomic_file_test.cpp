#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "text/atomic_file.h"
#include "test_state.h"
#include "test_text.h"
#include "text/runtime_error.h"

namespace castovin {
namespace {

using test::ReadFile;

using test::TempDir;

// A write that stops after a few bytes as a full disk does.
ssize_t DiskFullAfterTenBytes(int fd, const void* data, size_t size)
{
    if (size > 10) {
        const ssize_t n = ::write(fd, data, 10);
        return n;
    }
    errno = ENOSPC;
    return -1;
}

TEST(AtomicFile, FullDiskLeavesThePreviousFileAndNoTemporary)
{
    TempDir dir;
    const std::string path = dir.File("mine.vlb");
    WriteFileAtomically(path, "old contents\r\n");
    try {
        WriteFileAtomically(path, std::string(1000, 'n'), &DiskFullAfterTenBytes);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::DiskFull);
    }
    EXPECT_EQ(ReadFile(path), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicFile, KeepsPermissionsAndFollowsLinks)
{
    TempDir dir;
    const std::string real = dir.File("real.vlb");
    WriteFileAtomically(real, "one");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink("real.vlb", dir.File("link.vlb"));
    WriteFileAtomically(dir.File("link.vlb"), "two");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.vlb")));
    EXPECT_EQ(ReadFile(real), "two");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, ReadOnlyTargetIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    TempDir dir;
    const std::string path = dir.File("locked.vlb");
    WriteFileAtomically(path, "locked");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW(WriteFileAtomically(path, "new"), RuntimeError);
    EXPECT_EQ(ReadFile(path), "locked");
}

TEST(AtomicFile, ReadWholeFileErrors)
{
    TempDir dir;
    try {
        ReadWholeFile(dir.File("missing/x.vlb"));
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::PathNotFound);
    }
    try {
        ReadWholeFile(dir.Path().string());
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::PathFileAccessError);
    }
}

// The one-line description of the error ReadWholeFile throws.
std::string ReadError(const std::string& path, std::size_t maxBytes = MaxReadFileBytes)
{
    try {
        ReadWholeFile(path, maxBytes);
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::PathFileAccessError) << path;
        return e.description();
    }
    return "no error";
}

TEST(AtomicFile, OnlyRegularFilesAreRead)
{
    TempDir dir;
    // A FIFO without a writer would block a plain open forever.
    const std::string fifo = dir.File("fifo.vlb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadError(fifo), "Path/File access error (" + fifo + ": not a regular file)");
    // A device that never ends.
    EXPECT_EQ(ReadError("/dev/zero"), "Path/File access error (/dev/zero: not a regular file)");
    EXPECT_EQ(ReadError(dir.Path().string()), "Path/File access error (" + dir.Path().string() + ")");
    // A link to a FIFO is judged by what it points at.
    std::filesystem::create_symlink("fifo.vlb", dir.File("link.vlb"));
    EXPECT_EQ(ReadError(dir.File("link.vlb")), "Path/File access error (" + dir.File("link.vlb") + ": not a regular file)");
}

TEST(AtomicFile, FilesAboveTheLimitAreRefused)
{
    TempDir dir;
    const std::string path = dir.File("big.vlb");
    std::ofstream(path, std::ios::binary) << std::string(101, '\n');
    EXPECT_EQ(ReadError(path, 100), "Path/File access error (" + path + ": larger than 100 bytes)");
    EXPECT_EQ(ReadWholeFile(path, 101).size(), 101u);
    // 100 MB (sparse, so the test stays cheap) against the default limit.
    ASSERT_EQ(::truncate(path.c_str(), 100 * 1000 * 1000), 0);
    EXPECT_EQ(ReadError(path), "Path/File access error (" + path + ": larger than 16 MiB)");
}

}  // namespace
}  // namespace castovin
