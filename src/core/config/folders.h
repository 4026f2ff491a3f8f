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
    std::string xdgDataHome;    // $XDG_DATA_HOME, empty when unset
};

// The program's per-user data folder when the user has no documents folder:
// "castovin/" under $XDG_DATA_HOME (default ~/.local/share); empty when
// there is no home to put it in.
inline constexpr const char* UserDataFolderName = "castovin";

UserEnvironment EnvironmentFromProcess();

// The folder of the running program file, ending with the separator.
std::string ExecutableFolder();

// A folder named in the user-dirs file ("DOCUMENTS" reads
// XDG_DOCUMENTS_DIR) with $HOME expanded; nullopt when it is not configured.
std::optional<std::string> XdgUserDir(const UserEnvironment& env, std::string_view name);

// The user's documents folder: the XDG documents folder, else
// $HOME/Documents, else the XDG desktop folder; nullopt when none exists.
std::optional<std::string> DocumentsFolder(const UserEnvironment& env);

// Sets DataFolder and TempFolder, creating them when needed: "MyTELVOR"
// under the documents folder; without one (or when it cannot be created)
// the program's folder under the user's data home; AppFolder only when even
// that cannot be had, so that an installed program never writes into its
// own, shared folder while a per-user folder exists. Needs AppFolder.
void CreateUserFolders(Environment& state, const UserEnvironment& user);

bool IsFolder(const std::string& path);

// The folder of the data shipped with the program (examples and the like),
// ending with the separator: "share/castovin/" in the parent of `appFolder` when the program
// runs installed (bin/ beside share/), else `buildDataFolder`, the build
// tree's copy, when that exists; empty when neither does.
std::string FindDataFolder(const std::string& appFolder, const std::string& buildDataFolder);

// A build tree is known by this file at its top, written when the build is
// configured; the programs find the build's data and modules through it
// rather than through a path compiled in, so that no build path ends up in
// an installed program.
inline constexpr const char* BuildTreeMarker = "castovin-build-tree";

// The build tree `appFolder` lies in, ending with the separator: the nearest
// of `appFolder` and its ancestors that holds the BuildTreeMarker; empty when
// the program runs outside a build tree.
std::string FindBuildRoot(const std::string& appFolder);

// The same, with the build tree the program runs in, if any.
std::string FindDataFolder(const std::string& appFolder);

// The folders where the program's loadable modules may be, in order: beside
// the installed program (`installRelDir` from the running program's folder),
// then the build tree's `buildRelDir`, but only for a program that runs from
// inside the build tree, so that a program copied or installed elsewhere
// never picks up a build's module.
std::vector<std::string> ModuleFolders(const std::string& installRelDir, const std::string& buildRelDir);

// Copies the example projects (files ending in ".vlb", any letter case) of
// `exampleFolder` that `dataFolder` lacks into it; a file already there,
// changed or not, is never replaced. Returns the names copied; a folder
// that cannot be read or written copies nothing and raises nothing.
std::vector<std::string> CopyMissingExamples(const std::string& exampleFolder, const std::string& dataFolder);

}  // namespace castovin
