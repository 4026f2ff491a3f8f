#pragma once
// An advisory lock (flock) on a lock file beside a file that several running
// programs read, change and write back, such as the settings file: each
// holds the lock from its read to its rename, so that one's save never
// starts from a text older than the other's save, and both changes survive.
// The lock file is ".<name>.lock" in the file's folder, hidden so that it
// does not show among the user's files in the data folder (the text
// browser, the file dialogs). It stays once made: removing it would let a
// program that is waiting on the old one and a newcomer on a new one hold
// "the" lock at the same time.

#include <string>

namespace castovin {

class FileLock {
public:
    // Waits at most this long for another program's lock: a save takes
    // milliseconds, so a lock held longer belongs to a program that is stuck,
    // and the save goes on unlocked rather than hanging with it.
    static constexpr int MaxWaitMilliseconds = 5000;

    // The lock file of `path`.
    static std::string LockPath(const std::string& path);

    // Locks the lock file of `path`, made when missing. A lock file that cannot be
    // made (a read-only folder) or is not a regular file leaves the object
    // without the lock; the caller goes on, as the save would fail anyway.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

}  // namespace castovin
