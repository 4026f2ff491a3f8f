#include "core/config/folders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/config/environment.h"
#include "core/text/atomic_file.h"
#include "core/text/paths.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != PathSeparator)
        folder += PathSeparator;
    return folder;
}

// The user-dirs file of the desktop is a few hundred bytes; anything much
// larger is not one.
constexpr std::size_t MaxUserDirsBytes = 64 * 1024;

// The text of the user-dirs file; empty when it cannot be read. Read through
// the program's reader so that a FIFO or a device in its place cannot hold up
// the start-up: the folders then fall back as for a missing file.
std::string UserDirsText(const std::string& config)
{
    try {
        return ReadWholeFile(config + "/user-dirs.dirs", MaxUserDirsBytes);
    } catch (const std::exception&) {
        return {};
    }
}

std::string Getenv(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string ConfigHome(const UserEnvironment& env)
{
    if (!env.xdgConfigHome.empty() && env.xdgConfigHome.front() == '/')
        return env.xdgConfigHome;
    return env.home.empty() ? std::string() : env.home + "/.config";
}

// Creates one folder level; failures are left for the caller to notice.
void MakeFolder(const std::string& path)
{
    ::mkdir(path.c_str(), 0755);
}

// Creates a folder with every missing parent; true when it exists after.
bool MakeFolders(const std::string& path)
{
    for (std::size_t slash = path.find(PathSeparator, 1); slash != std::string::npos;
         slash = path.find(PathSeparator, slash + 1))
        MakeFolder(path.substr(0, slash));
    MakeFolder(path);
    return IsFolder(path);
}

std::string DataHome(const UserEnvironment& env)
{
    if (!env.xdgDataHome.empty() && env.xdgDataHome.front() == '/')
        return env.xdgDataHome;
    return env.home.empty() ? std::string() : env.home + "/.local/share";
}

// The per-user fall-back: "castovin/" and "castovin/Temp/" under the data
// home. False (and nothing set) when it cannot be created.
bool UseDataHomeFolders(Environment& state, const UserEnvironment& user)
{
    const std::string home = DataHome(user);
    if (home.empty())
        return false;
    const std::string folder = WithSeparator(home) + UserDataFolderName + PathSeparator;
    if (!MakeFolders(folder))
        return false;
    state.DataFolder = folder;
    const std::string temp = folder + "Temp" + PathSeparator;
    MakeFolder(temp);
    state.TempFolder = IsFolder(temp) ? temp : folder;
    return true;
}

}  // namespace

bool IsFolder(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

UserEnvironment EnvironmentFromProcess()
{
    return {Getenv("HOME"), Getenv("XDG_CONFIG_HOME"), Getenv("XDG_DATA_HOME")};
}

std::string ExecutableFolder()
{
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0)
        return "./";
    buffer.resize(static_cast<std::size_t>(n));
    return WithSeparator(FolderPart(buffer));
}

std::optional<std::string> XdgUserDir(const UserEnvironment& env, std::string_view name)
{
    const std::string config = ConfigHome(env);
    if (config.empty())
        return std::nullopt;
    std::istringstream in(UserDirsText(config));
    const std::string variable = "XDG_" + std::string(name) + "_DIR";
    for (std::string line; std::getline(in, line);) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        if (line.compare(start, variable.size() + 1, variable + "=") != 0)
            continue;
        std::string value = line.substr(start + variable.size() + 1);
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) {
            if (env.home.empty())
                return std::nullopt;
            value = env.home + value.substr(5);
        }
        if (value.empty() || value.front() != '/')
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}

std::optional<std::string> DocumentsFolder(const UserEnvironment& env)
{
    if (const auto documents = XdgUserDir(env, "DOCUMENTS"); documents && IsFolder(*documents))
        return documents;
    if (!env.home.empty() && IsFolder(env.home + "/Documents"))
        return env.home + "/Documents";
    std::optional<std::string> desktop = XdgUserDir(env, "DESKTOP");
    if (!desktop && !env.home.empty())
        desktop = env.home + "/Desktop";
    if (desktop && IsFolder(*desktop))
        return desktop;
    return std::nullopt;
}

std::string FindDataFolder(const std::string& appFolder, const std::string& buildDataFolder)
{
    // The parent of the program's folder, written out rather than as "..",
    // so that the path reads well in messages.
    std::string folder = appFolder;
    while (folder.size() > 1 && folder.back() == PathSeparator)
        folder.pop_back();
    const std::size_t cut = folder.rfind(PathSeparator);
    if (cut != std::string::npos) {
        const std::string installed = folder.substr(0, cut + 1) + "share/castovin";
        if (IsFolder(installed))
            return WithSeparator(installed);
    }
    if (IsFolder(buildDataFolder))
        return WithSeparator(buildDataFolder);
    return {};
}

std::string FindBuildRoot(const std::string& appFolder)
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(appFolder).lexically_normal();
    if (folder.empty())
        return {};
    // Programs sit at most a few folders below the top of the build tree.
    for (int level = 0; level < 6; ++level) {
        if (std::filesystem::is_regular_file(folder / BuildTreeMarker, ec))
            return WithSeparator(folder.string());
        if (!folder.has_relative_path())
            break;
        folder = folder.has_filename() ? folder.parent_path() : folder.parent_path().parent_path();
    }
    return {};
}

std::string FindDataFolder(const std::string& appFolder)
{
    const std::string buildRoot = FindBuildRoot(appFolder);
    return FindDataFolder(appFolder, buildRoot.empty() ? std::string() : buildRoot + "share/castovin");
}

std::vector<std::string> ModuleFolders(const std::string& installRelDir, const std::string& buildRelDir)
{
    const std::filesystem::path program = ExecutableFolder();
    std::vector<std::string> folders{(program / installRelDir).lexically_normal().string()};
    const std::string buildRoot = FindBuildRoot(program.string());
    if (!buildRoot.empty())
        folders.emplace_back(buildRoot + buildRelDir);
    return folders;
}

void CreateUserFolders(Environment& state, const UserEnvironment& user)
{
    const std::optional<std::string> documents = DocumentsFolder(user);
    if (documents) {
        const std::string base = WithSeparator(*documents);
        const std::string data = base + UserFolderName + PathSeparator;
        MakeFolder(data);
        if (IsFolder(data)) {
            state.DataFolder = data;
            state.TempFolder = data + "Temp" + PathSeparator;
            MakeFolder(state.TempFolder);
            if (!IsFolder(state.TempFolder))
                state.TempFolder = state.AppFolder;
            return;
        }
    }
    if (UseDataHomeFolders(state, user))
        return;
    state.DataFolder = state.AppFolder;
    state.TempFolder = state.AppFolder;
}

std::vector<std::string> CopyMissingExamples(const std::string& exampleFolder, const std::string& dataFolder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> copied;
    std::error_code error;
    fs::directory_iterator entries(exampleFolder, error);
    if (error || !IsFolder(dataFolder))
        return copied;
    for (const fs::directory_entry& entry : entries) {
        std::string name = entry.path().filename().string();
        const std::string ending = LowerCase(name.size() > 4 ? name.substr(name.size() - 4) : std::string());
        if (ending != ".vlb" || !entry.is_regular_file(error))
            continue;
        // copy_file with skip_existing never touches a file the user has.
        const fs::path target = fs::path(dataFolder) / name;
        if (fs::copy_file(entry.path(), target, fs::copy_options::skip_existing, error) && !error)
            copied.push_back(name);
    }
    std::sort(copied.begin(), copied.end());
    return copied;
}

}  // namespace castovin
