#include "core/text/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text/io_errors.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link in a sticky folder that others may write to (such as /tmp) is
// followed only when it belongs to the user or to the folder's owner: the
// kernel's own rule, checked here too so that it holds wherever the kernel's
// protection is switched off.
bool ForeignLinkInStickyFolder(const std::string& path, const struct stat& link)
{
    struct stat folder {};
    if (::stat(FolderOf(path).c_str(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

// The file a path finally names. The kernel follows the links (with its
// protection of links in shared folders), so that saving through a link to
// the user's own file replaces that file and keeps the link; a link that
// points at nothing is an error rather than a new file somewhere else.
std::string ResolveTarget(const std::string& path)
{
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    if (ForeignLinkInStickyFolder(path, link))
        ThrowFileError(EACCES, true, path);
    const int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            ThrowAccessError(path, "the link points to nothing");
        ThrowFileError(errno, true, path);
    }
    std::string resolved(4096, '\0');
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(self.c_str(), resolved.data(), resolved.size());
    ::close(fd);
    if (n > 0 && static_cast<std::size_t>(n) < resolved.size()) {
        resolved.resize(static_cast<std::size_t>(n));
        return resolved;
    }
    // Without /proc the C library names the file.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr)
        ThrowFileError(errno, true, path);
    std::string out(real);
    std::free(real);
    return out;
}

// The file the new contents go to before they replace the target. It is
// unnamed (O_TMPFILE) until just before the rename, so that a save killed
// half way leaves nothing behind; where the file system has no unnamed
// files, it is a named ".NAME.NNNNNN.tmp" beside the target.
class TemporaryFile {
public:
    TemporaryFile(const std::string& folder, const std::string& name, mode_t mode, bool unnamed)
        : m_folder(folder), m_name(name)
    {
        if (unnamed) {
            m_fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
            m_error = m_fd < 0 ? errno : 0;
            return;
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = NewName();
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (m_fd >= 0 || errno != EEXIST)
                break;
        }
        m_error = m_fd < 0 ? errno : 0;
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept && !m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }
    int error() const { return m_error; }
    const std::string& path() const { return m_path; }
    // Gives an unnamed file its name beside the target (a named file has
    // one already); false when the system cannot.
    bool Name()
    {
        if (!m_path.empty())
            return true;
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = NewName();
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                m_path = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }
    // Closes the descriptor; the error code of close, or 0.
    int Close()
    {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }
    void Keep() { m_kept = true; }

private:
    std::string NewName() const
    {
        std::random_device seed;
        std::mt19937 random(seed());
        return m_folder + "/." + m_name + "." + std::to_string(random() % 1000000) + ".tmp";
    }

    std::string m_folder;
    std::string m_name;
    std::string m_path;
    int m_fd = -1;
    int m_error = 0;
    bool m_kept = false;
};

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { ::close(m_fd); }
    int fd() const { return m_fd; }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int m_fd;
};

std::string SizeText(std::size_t bytes)
{
    return bytes % (1024 * 1024) == 0 ? std::to_string(bytes / (1024 * 1024)) + " MiB"
                                      : std::to_string(bytes) + " bytes";
}

[[noreturn]] void ThrowTooLarge(std::size_t maxBytes, const std::string& path)
{
    ThrowAccessError(path, "larger than " + SizeText(maxBytes));
}

void RefuseUnlessReadable(const struct stat& st, std::size_t maxBytes, const std::string& path)
{
    if (S_ISDIR(st.st_mode))
        ThrowFileError(EISDIR, false, path);
    if (!S_ISREG(st.st_mode))
        ThrowAccessError(path, "not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        ThrowTooLarge(maxBytes, path);
}

void WriteAll(TemporaryFile& file, std::string_view content, WriteFunction write, const std::string& path)
{
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = write(file.fd(), data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError(errno, true, path);
        }
        if (n == 0)
            ThrowFileError(ENOSPC, true, path);
        data += n;
        left -= static_cast<std::size_t>(n);
    }
}

// Writes the contents into a temporary file and renames it over the target.
// False, with nothing written, when an unnamed temporary file cannot be made
// or named: the caller then uses a named one.
bool ReplaceThrough(const std::string& target, std::string_view content, WriteFunction write,
                    const struct stat* existing, bool unnamed, const std::string& path)
{
    // A new file gets the usual permissions (0666 less the umask); a replaced
    // one keeps its own.
    const mode_t mode = existing ? (existing->st_mode & 07777) : 0666;
    TemporaryFile temp(FolderOf(target), NameOf(target), mode, unnamed);
    if (temp.fd() < 0) {
        if (unnamed)
            return false;
        ThrowFileError(temp.error(), true, path);
    }
    if (existing)
        ::fchmod(temp.fd(), mode);
    WriteAll(temp, content, write, path);
    if (::fsync(temp.fd()) != 0)
        ThrowFileError(errno, true, path);
    if (!temp.Name())
        return false;
    if (const int closeError = temp.Close(); closeError != 0)
        ThrowFileError(closeError, true, path);
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        ThrowFileError(errno, true, path);
    temp.Keep();
    return true;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view content, WriteFunction write)
{
    if (write == nullptr)
        write = &::write;
    const std::string target = ResolveTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        ThrowFileError(EISDIR, true, path);
    // A file without any write permission is read-only for everyone, the
    // administrator included.
    if (exists && (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0))
        ThrowFileError(EACCES, true, path);
    if (exists && !S_ISREG(st.st_mode))
        ThrowAccessError(path, "not a regular file");

    const struct stat* existing = exists ? &st : nullptr;
    if (!ReplaceThrough(target, content, write, existing, true, path))
        ReplaceThrough(target, content, write, existing, false, path);

    // Make the rename itself durable; a failure here cannot undo the save.
    const int dirFd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

namespace {

// Opens a file for reading after the checks of RefuseUnlessReadable, on the
// path and again on the descriptor; `st` receives what fstat says.
int OpenRegularFile(const std::string& path, std::size_t maxBytes, struct stat& st)
{
    // Look before opening: opening a device can have effects of its own.
    if (::stat(path.c_str(), &st) == 0)
        RefuseUnlessReadable(st, maxBytes, path);
    // Without O_NONBLOCK, opening a FIFO that took the file's place since
    // would wait for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowFileError(errno, false, path);
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        ThrowFileError(error, false, path);
    }
    try {
        RefuseUnlessReadable(st, maxBytes, path);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Reads until the end of the file or until `count` bytes are read.
std::string ReadAtMost(int fd, std::size_t count, std::size_t expected, const std::string& path)
{
    std::string content;
    content.reserve(std::min(count, expected));
    char buffer[65536];
    while (content.size() < count) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, count - content.size()));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError(errno, false, path);
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes)
{
    struct stat st {};
    const Descriptor file(OpenRegularFile(path, maxBytes, st));
    // One byte more than allowed tells a file that grew while it was read.
    const std::size_t count = maxBytes == SIZE_MAX ? maxBytes : maxBytes + 1;
    std::string content = ReadAtMost(file.fd(), count, static_cast<std::size_t>(st.st_size), path);
    if (content.size() > maxBytes)
        ThrowTooLarge(maxBytes, path);
    return content;
}

FileStart ReadFileStart(const std::string& path, std::size_t limit)
{
    struct stat st {};
    const Descriptor file(OpenRegularFile(path, SIZE_MAX, st));
    FileStart start;
    start.size = static_cast<std::size_t>(st.st_size);
    start.bytes = ReadAtMost(file.fd(), limit, start.size, path);
    return start;
}

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace castovin
