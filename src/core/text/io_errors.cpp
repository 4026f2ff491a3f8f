#include "core/text/io_errors.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>

#include "core/text/runtime_error.h"

namespace castovin {

namespace {

bool ParentFolderExists(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos)
        return true;
    const std::string parent(slash == 0 ? std::string_view("/") : path.substr(0, slash));
    struct stat st {};
    return ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int FileErrorNumber(int errorCode, bool writing, std::string_view path)
{
    switch (errorCode) {
    case ENOENT:
        return (!writing && ParentFolderExists(path)) ? err::FileNotFound : err::PathNotFound;
    case ENOTDIR:
        return err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EEXIST:
        return err::PathFileAccessError;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return err::DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return err::BadFileName;
    case EIO:
        return err::DeviceIoError;
    case ENOMEM:
        return err::OutOfMemory;
    default:
        return err::PathFileAccessError;
    }
}

void ThrowFileError(int errorCode, bool writing, std::string_view path)
{
    // "Path/File access error" would leave the user guessing; a folder is
    // the one case the reason is certain.
    if (errorCode == EISDIR)
        throw RuntimeError(err::PathFileAccessError, "Is a folder (" + std::string(path) + ")");
    const int number = FileErrorNumber(errorCode, writing, path);
    throw RuntimeError(number, StandardDescription(number) + " (" + std::string(path) + ")");
}

void ThrowAccessError(std::string_view path, std::string_view why)
{
    throw RuntimeError(err::PathFileAccessError, StandardDescription(err::PathFileAccessError) + " (" +
                                                     std::string(path) + ": " + std::string(why) + ")");
}

}  // namespace castovin
