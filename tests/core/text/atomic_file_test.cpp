#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"
#include "test_state.h"
#include "test_text.h"

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
    // Refused for the administrator too: no write permission at all.
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

// A write that stops the process after its first bytes, so that the test
// can kill it in the middle of a save.
ssize_t StopAfterFirstBytes(int fd, const void* data, size_t size)
{
    const ssize_t n = ::write(fd, data, std::min<size_t>(size, 10));
    ::raise(SIGSTOP);
    return n;
}

std::vector<std::string> Names(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, KilledSaveLeavesNothingBehind)
{
    TempDir dir;
    const std::string path = dir.File("mine.vlb");
    WriteFileAtomically(path, "old contents\r\n");
    for (int round = 0; round < 5; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteFileAtomically(path, std::string(1000, 'n'), &StopAfterFirstBytes);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
        ASSERT_TRUE(WIFSTOPPED(status));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"mine.vlb"});
        EXPECT_EQ(ReadFile(path), "old contents\r\n");
    }
}

TEST(AtomicFile, DanglingLinkIsAnError)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("elsewhere"));
    std::filesystem::create_symlink("elsewhere/new.vlb", dir.File("link.vlb"));
    try {
        WriteFileAtomically(dir.File("link.vlb"), "data");
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.description(), "Path/File access error (" + dir.File("link.vlb") + ": the link points to nothing)");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("elsewhere")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.vlb")));
}

TEST(AtomicFile, ForeignLinkInASharedStickyFolderIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs the administrator";
    TempDir dir;
    const std::string shared = dir.File("shared");
    std::filesystem::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string real = dir.File("real.vlb");
    WriteFileAtomically(real, "mine");
    // Our own link there is followed.
    std::filesystem::create_symlink(real, shared + "/own.vlb");
    WriteFileAtomically(shared + "/own.vlb", "through my link");
    EXPECT_EQ(ReadFile(real), "through my link");
    // Another user's link (neither ours nor the folder owner's) is not.
    std::filesystem::create_symlink(real, shared + "/foreign.vlb");
    ASSERT_EQ(::lchown((shared + "/foreign.vlb").c_str(), 65534, 65534), 0);
    try {
        WriteFileAtomically(shared + "/foreign.vlb", "planted");
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.description(), "Path/File access error (" + shared + "/foreign.vlb)");
    }
    EXPECT_EQ(ReadFile(real), "through my link");
}

TEST(AtomicFile, OnlyRegularFilesAreReplaced)
{
    TempDir dir;
    const std::string fifo = dir.File("fifo.vlb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(WriteFileAtomically(fifo, "data"), RuntimeError);
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
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
    EXPECT_EQ(ReadError(dir.Path().string()), "Is a folder (" + dir.Path().string() + ")");
    // A link to a FIFO is judged by what it points at.
    std::filesystem::create_symlink("fifo.vlb", dir.File("link.vlb"));
    EXPECT_EQ(ReadError(dir.File("link.vlb")),
              "Path/File access error (" + dir.File("link.vlb") + ": not a regular file)");
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

// The start of a file of any size, with the same refusals as a whole read.
TEST(AtomicFile, StartOfAFile)
{
    TempDir dir;
    const std::string path = dir.File("big.txt");
    std::ofstream(path, std::ios::binary) << "first\nsecond\n";
    ASSERT_EQ(::truncate(path.c_str(), 100 * 1000 * 1000), 0);
    const FileStart start = ReadFileStart(path, 8);
    EXPECT_EQ(start.bytes, "first\nse");
    EXPECT_EQ(start.size, 100u * 1000 * 1000);
    EXPECT_EQ(ReadFileStart(path, 0).bytes, "");

    const std::string fifo = dir.File("fifo.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& refused : {fifo, std::string("/dev/zero")}) {
        try {
            ReadFileStart(refused, 8);
            ADD_FAILURE() << refused << " was read";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.description(), "Path/File access error (" + refused + ": not a regular file)");
        }
    }
    EXPECT_TRUE(IsRegularFile(path));
    EXPECT_FALSE(IsRegularFile(fifo));
    EXPECT_FALSE(IsRegularFile(dir.Path().string()));
    EXPECT_FALSE(IsRegularFile(dir.File("missing.txt")));
}

}  // namespace
}  // namespace castovin
