#include "core/config/file_lock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "core/text/paths.h"

namespace castovin {

namespace {

// The lock file opened without following a link (another user's link in a
// shared folder would make us create or lock a file of their choice) and
// without waiting on a FIFO; -1 unless it is a regular file.
int OpenLockFile(const std::string& lockPath)
{
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::string FileLock::LockPath(const std::string& path)
{
    return FolderPart(path) + "." + BaseName(path) + ".lock";
}

// No settings file (an empty path) has nothing to lock: the lock file would
// otherwise be "..lock" in whatever folder the program runs in.
FileLock::FileLock(const std::string& path) : m_fd(path.empty() ? -1 : OpenLockFile(LockPath(path)))
{
    if (m_fd < 0)
        return;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(MaxWaitMilliseconds);
    while (!m_held) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_held = true;
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EWOULDBLOCK || Clock::now() >= deadline) {
            return;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

FileLock::~FileLock()
{
    // Closing the descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

}  // namespace castovin
