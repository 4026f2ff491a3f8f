#include "core/files/lifecycle.h"

#include "core/config/environment.h"
#include "core/config/profile_file.h"
#include "core/config/settings_file.h"
#include "core/model/project.h"
#include "core/text/messages.h"
#include "core/text/paths.h"
#include "core/text/text_format.h"
#include "core/text/unicode.h"

namespace castovin {

namespace {

constexpr std::size_t kCaptionLimit = 50;

}  // namespace

void FileNew(Project& project, const Environment& env, Messenger& messenger, bool resetName, bool resetUnits)
{
    ApplyNewProjectValues(project, env.DefaultInputs, resetUnits, resetName, UnitSystemOf(env.Settings.DefaultUnits));
    AppendHistory(messenger, "File initialized. Use Edit-Project Parameters to enter data");
    project.InputsEntered = FlagFalse;
}

bool RefusedAsEmpty(const Project& project, Messenger& messenger)
{
    if (project.ProjectEmpty == FlagFalse)
        return false;
    ShowMessage(messenger, "Current file is empty", MsgButtons::OK);
    return true;
}

bool ProjectNeedsName(const Project& project)
{
    return PathNeedsName(project.ProjectFilePath);
}

bool PathNeedsName(std::string_view path)
{
    return path.empty() || UpperCase(path) == "UNTITLED";
}

std::string WindowCaption(const Project& project)
{
    const std::u32string path = ToU32(project.ProjectFilePath);
    std::string shown = project.ProjectFilePath;
    if (path.size() > kCaptionLimit)
        shown = ToUtf8(path.substr(0, 10)) + "..." + ToUtf8(path.substr(path.size() - 37));
    std::string caption = "VELB: " + shown;
    if (project.ProjectSaved == FlagFalse)
        caption += "*";
    return caption;
}

std::string RecentFileCaption(const SettingsRecord& settings, const std::string& shortName, const std::string& fullPath)
{
    return settings.ShortRecentFiles == 1 ? shortName : fullPath;
}

bool BuildRecentFileMenu(Environment& env)
{
    env.RecentFileCaptions.fill({});
    if (env.Settings.KeepFileNames != 1)
        return false;
    bool any = false;
    for (int n = 1; n <= env.Settings.MaxLastFiles; ++n) {
        const RecentFile& entry = env.Settings.LastFiles[static_cast<std::size_t>(n)];
        if (entry.LastFile.empty())
            continue;
        env.RecentFileCaptions[static_cast<std::size_t>(n)] =
            RecentFileCaption(env.Settings, entry.LastFile, entry.LastFileLong);
        any = true;
    }
    return any;
}

void RecentFileUpdate(Environment& env, Messenger& messenger, const std::string& projectPath)
{
    SettingsRecord& s = env.Settings;
    const std::string shortName = BaseName(projectPath);
    const std::string display = RecentFileCaption(s, shortName, projectPath);
    if (s.KeepFileNames == 0)
        return;
    // The list is kept in the settings file, one line a name: a line break
    // in the name would end that line and let the rest be read as settings
    // of its own at the next start.
    if (!ProfileFile::CanHold(projectPath)) {
        ShowMessage(messenger,
                    "The file " + MessageExcerpt(projectPath, 200) +
                        " is not kept in the recent-file list: its name holds a line break or another control "
                        "character.",
                    MsgIcon::Exclamation);
        return;
    }
    auto& entries = s.LastFiles;
    auto& captions = env.RecentFileCaptions;
    for (int i = 1; i <= s.MaxLastFiles; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (captions[k] != display)
            continue;
        std::swap(captions[k], captions[1]);
        std::swap(entries[k], entries[1]);
        entries[1].LastFileLong = projectPath;
        return;
    }
    if (s.MaxLastFiles < 4)
        ++s.MaxLastFiles;
    for (int k = s.MaxLastFiles - 1; k >= 1; --k) {
        entries[static_cast<std::size_t>(k + 1)] = entries[static_cast<std::size_t>(k)];
        captions[static_cast<std::size_t>(k + 1)] = captions[static_cast<std::size_t>(k)];
    }
    entries[1] = RecentFile{shortName, 1, projectPath};
    captions[1] = display;
    SaveSettings(env, messenger, SettingsGroup::FileMenu);
}

}  // namespace castovin
