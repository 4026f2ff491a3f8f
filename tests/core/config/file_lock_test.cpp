// Two running programs saving the settings file at the same time: each
// save reads, changes and renames the whole file, so without the lock one
// program's rename drops what the other wrote since its read.

#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/config/file_lock.h"
#include "core/config/profile_file.h"
#include "core/config/settings_file.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::TempDir;

constexpr int kWritesPerProcess = 150;

// A process of its own writing keys 0 .. kWritesPerProcess-1 of `section`;
// it exits 0 only when every write succeeded.
pid_t StartWriter(const std::string& file, const std::string& section)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    bool written = true;
    for (int i = 0; i < kWritesPerProcess; ++i)
        written = WriteIniString(file, section, "Key" + std::to_string(i), std::to_string(i)) && written;
    ::_exit(written ? 0 : 1);
}

TEST(FileLock, TwoProcessesWritingAtOnceLoseNoKey)
{
    TempDir dir;
    const std::string file = dir.File("VELB.INI");
    ASSERT_TRUE(WriteIniString(file, "Version", "INIFileVersion", "050817"));
    const std::vector<std::string> sections = {"Graph", "TextBrowse"};
    std::vector<pid_t> writers;
    for (const std::string& section : sections) {
        writers.push_back(StartWriter(file, section));
        ASSERT_GT(writers.back(), 0);
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const ProfileFile ini = ProfileFile::Load(file);
    int lost = 0;
    for (const std::string& section : sections)
        for (int i = 0; i < kWritesPerProcess; ++i)
            lost += ini.Read(section, "Key" + std::to_string(i)) != std::to_string(i);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(ini.Read("Version", "INIFileVersion"), "050817");
}

TEST(FileLock, NoSettingsFileLeavesNoLockFile)
{
    const bool before = std::filesystem::exists("..lock");
    EXPECT_FALSE(FileLock(std::string()).Held());
    EXPECT_EQ(std::filesystem::exists("..lock"), before);
}

TEST(FileLock, LockFileThatIsNotARegularFileIsNotUsed)
{
    TempDir dir;
    const std::string file = dir.File("VELB.INI");
    ASSERT_EQ(::mkfifo(dir.File(".VELB.INI.lock").c_str(), 0600), 0);
    // Neither waits on the FIFO nor refuses the save.
    const FileLock lock(file);
    EXPECT_FALSE(lock.Held());
    EXPECT_TRUE(WriteIniString(file, "Settings", "DefaultUnits", "1"));
    EXPECT_EQ(ReadIniString(file, "Settings", "DefaultUnits"), "1");
}

TEST(FileLock, SecondProcessWaitsUntilTheFirstLetsGo)
{
    TempDir dir;
    const std::string file = dir.File("VELB.INI");
    int go[2];
    int taken[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(taken), 0);
    // Forked before the first lock is taken: a child would otherwise share
    // the parent's open lock file, and with it the lock.
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Only the parent may keep the write end open, so that the child
        // sees the end of the pipe and leaves when the parent is gone.
        ::close(go[1]);
        ::close(taken[0]);
        char start = 0;
        if (::read(go[0], &start, 1) != 1)
            ::_exit(1);
        const FileLock second(file);
        const char held = second.Held() ? 'y' : 'n';
        ::_exit(::write(taken[1], &held, 1) == 1 ? 0 : 1);
    }
    ::close(taken[1]);
    std::optional<FileLock> first(std::in_place, file);
    ASSERT_TRUE(first->Held());
    ASSERT_EQ(::write(go[1], "g", 1), 1);
    ::fcntl(taken[0], F_SETFL, O_NONBLOCK);
    ::usleep(300 * 1000);
    char held = 0;
    EXPECT_EQ(::read(taken[0], &held, 1), -1) << "the second lock was taken while the first was held";
    first.reset();
    ::fcntl(taken[0], F_SETFL, 0);
    EXPECT_EQ(::read(taken[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    for (const int fd : {go[0], go[1], taken[0]})
        ::close(fd);
    int status = 0;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
}

}  // namespace
}  // namespace castovin
