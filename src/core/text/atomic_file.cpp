#include "text/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "text/io_errors.h"
#include "text/runtime_error.h"

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

// The file a path finally names: symbolic links are followed, so that saving
// through a link replaces the linked file and keeps the link.
std::string ResolveLinks(const std::string& path)
{
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0)
            return current;
        target.resize(static_cast<std::size_t>(n));
        current = (!target.empty() && target[0] == '/') ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

class TemporaryFile {
public:
    TemporaryFile(const std::string& folder, const std::string& name, mode_t mode)
    {
        std::random_device seed;
        std::mt19937 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = folder + "/." + name + "." + std::to_string(random() % 1000000) + ".tmp";
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
        if (!m_kept)
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }
    int error() const { return m_error; }
    const std::string& path() const { return m_path; }
    // Closes the descriptor; the error code of close, or 0.
    int Close()
    {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }
    void Keep() { m_kept = true; }

private:
    std::string m_path;
    int m_fd = -1;
    int m_error = 0;
    bool m_kept = false;
};

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

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { ::close(m_fd); }
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
    throw RuntimeError(err::PathFileAccessError, StandardDescription(err::PathFileAccessError) + " (" + path +
                                                     ": larger than " + SizeText(maxBytes) + ")");
}

void RefuseUnlessReadable(const struct stat& st, std::size_t maxBytes, const std::string& path)
{
    if (S_ISDIR(st.st_mode))
        ThrowFileError(EISDIR, false, path);
    if (!S_ISREG(st.st_mode))
        throw RuntimeError(err::PathFileAccessError,
                           StandardDescription(err::PathFileAccessError) + " (" + path + ": not a regular file)");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        ThrowTooLarge(maxBytes, path);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view content, WriteFunction write)
{
    if (write == nullptr)
        write = &::write;
    const std::string target = ResolveLinks(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && (S_ISDIR(st.st_mode) || ::access(target.c_str(), W_OK) != 0))
        ThrowFileError(S_ISDIR(st.st_mode) ? EISDIR : EACCES, true, path);

    TemporaryFile temp(FolderOf(target), NameOf(target), exists ? (st.st_mode & 07777) : 0666);
    if (temp.fd() < 0)
        ThrowFileError(temp.error(), true, path);
    if (exists)
        ::fchmod(temp.fd(), st.st_mode & 07777);
    WriteAll(temp, content, write, path);
    if (::fsync(temp.fd()) != 0)
        ThrowFileError(errno, true, path);
    if (const int closeError = temp.Close(); closeError != 0)
        ThrowFileError(closeError, true, path);
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        ThrowFileError(errno, true, path);
    temp.Keep();

    // Make the rename itself durable; a failure here cannot undo the save.
    const int dirFd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes)
{
    // Look before opening: opening a device can have effects of its own.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        RefuseUnlessReadable(st, maxBytes, path);
    // Without O_NONBLOCK, opening a FIFO that took the file's place since
    // would wait for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        ThrowFileError(errno, false, path);
    const Descriptor file(fd);
    if (::fstat(fd, &st) != 0)
        ThrowFileError(errno, false, path);
    RefuseUnlessReadable(st, maxBytes, path);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    std::string content;
    content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError(errno, false, path);
        }
        if (n == 0)
            break;
        // The file may grow while it is read.
        if (content.size() + static_cast<std::size_t>(n) > maxBytes)
            ThrowTooLarge(maxBytes, path);
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

}  // namespace castovin
