#pragma once
// The per-user folders: "MyTELVOR" for the settings file and project files,
// "MyTELVOR/Temp" for temporary files, under the user's documents folder.
// Every folder path ends with the separator.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace castovin {

struct Environment;

inline constexpr const char* UserFolderName = "MyTELVOR";

// What the folders are derived from; read from the process environment by
// the program, given by the tests.
struct UserEnvironment {
    std::string home;           // $HOME
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
};

UserEnvironment EnvironmentFromProcess();

// The folder of the running program file, ending with the separator.
std::string ExecutableFolder();

// A folder named in the user-dirs file ("DOCUMENTS" reads
// XDG_DOCUMENTS_DIR) with $HOME expanded; nullopt when it is not configured.
std::optional<std::string> XdgUserDir(const UserEnvironment& env, std::string_view name);

// The user's documents folder: the XDG documents folder, else
// $HOME/Documents, else the XDG desktop folder; nullopt when none exists.
std::optional<std::string> DocumentsFolder(const UserEnvironment& env);

// Sets DataFolder and TempFolder, creating them when needed; a folder that
// cannot be had falls back to AppFolder. Needs AppFolder.
void CreateUserFolders(Environment& state, const UserEnvironment& user);

bool IsFolder(const std::string& path);

// The folder of the data shipped with the program (examples and the like),
// ending with the separator: "share/castovin/" in the parent of `appFolder` when the program
// runs installed (bin/ beside share/), else `buildDataFolder`, the build
// tree's copy, when that exists; empty when neither does.
std::string FindDataFolder(const std::string& appFolder, const std::string& buildDataFolder);

// The same, with the build tree this program was built in.
std::string FindDataFolder(const std::string& appFolder);

// Copies the example projects (files ending in ".vlb", any letter case) of
// `exampleFolder` that `dataFolder` lacks into it; a file already there,
// changed or not, is never replaced. Returns the names copied; a folder
// that cannot be read or written copies nothing and raises nothing.
std::vector<std::string> CopyMissingExamples(const std::string& exampleFolder, const std::string& dataFolder);

}  // namespace castovin
