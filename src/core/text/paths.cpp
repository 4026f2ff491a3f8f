#include "core/text/paths.h"

#include <cerrno>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include "core/text/io_errors.h"
#include "core/text/messages.h"
#include "core/text/runtime_error.h"

namespace castovin {

std::string BaseName(std::string_view path)
{
    const std::size_t sep = path.find_last_of(PathSeparator);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string FolderPart(std::string_view path)
{
    const std::size_t sep = path.find_last_of(PathSeparator);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

namespace {

bool IsHidden(std::string_view name)
{
    return !name.empty() && name.front() == '.';
}

bool IsOrdinaryFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

bool FileExists(std::string_view path)
{
    if (path.empty() || path.find('\0') != std::string_view::npos)
        return false;
    const std::string name = BaseName(path);
    if (name.find_first_of("*?") == std::string::npos)
        return !IsHidden(name) && IsOrdinaryFile(std::string(path));

    const std::string folder = FolderPart(path);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (!IsHidden(candidate) && ::fnmatch(name.c_str(), candidate.c_str(), 0) == 0 &&
            IsOrdinaryFile(folder + candidate)) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

bool ValidPath(Messenger& messenger, std::string_view path, bool quiet)
{
    const std::string text(path);
    struct stat st {};
    int error = 0;
    if (text.find('\0') != std::string::npos)
        error = EINVAL;
    else if (::stat(text.c_str(), &st) == 0)
        return true;
    else
        error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return false;

    const RuntimeError problem(FileErrorNumber(error, false, text));
    if (ReportRunTimeError(messenger, problem, false) == ErrorAction::Leave) {
        if (!quiet)
            ShowMessage(messenger, "Invalid path: " + text, MsgButtons::OK, messenger.MsgCategory.Error);
        return false;
    }
    ShowMessage(messenger, "Internal Error in ValidPath Function: Contact Developer", MsgButtons::OK,
                messenger.MsgCategory.RangeError);
    return true;
}

std::string FileNamePart(Messenger& messenger, std::string_view path, bool stripExtension)
{
    if (path.empty())
        return {};
    std::string_view rest = path;
    for (std::size_t sep = rest.find(PathSeparator); sep != std::string_view::npos; sep = rest.find(PathSeparator)) {
        if (sep + 1 == rest.size()) {
            ShowMessage(messenger, "Error in filename: " + std::string(path), MsgButtons::OK,
                        messenger.MsgCategory.Error);
            return std::string(path);
        }
        rest.remove_prefix(sep + 1);
    }
    std::string name(rest);
    if (stripExtension) {
        const std::size_t dot = name.find('.');
        if (dot != std::string::npos && dot > 0)
            name.resize(dot);
    }
    return name;
}

}  // namespace castovin
