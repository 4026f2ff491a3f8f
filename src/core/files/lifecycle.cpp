#include "files/lifecycle.h"

#include <algorithm>
#include <cctype>

#include "config/settings_file.h"
#include "program/program_state.h"
#include "text/messages.h"
#include "text/paths.h"
#include "text/unicode.h"

namespace castovin {

namespace {

constexpr std::size_t kCaptionLimit = 50;

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

void FileNew(ProgramState& state, bool resetName, bool resetUnits)
{
    ApplyNewProjectValues(state, resetUnits, resetName, state.Settings.DefaultUnits);
    AppendHistory(state, "File initialized. Use Edit-Project Parameters to enter data");
    state.InputsEntered = FlagFalse;
}

void MarkProjectEdited(ProgramState& state)
{
    state.ProjectSaved = FlagFalse;
    state.ProjectEmpty = FlagFalse;
    state.InputsEntered = FlagTrue;
}

bool ProjectNeedsName(const ProgramState& state)
{
    return state.ProjectFilePath.empty() || Upper(state.ProjectFilePath) == "UNTITLED";
}

std::string WindowCaption(const ProgramState& state)
{
    const std::u32string path = ToU32(state.ProjectFilePath);
    std::string shown = state.ProjectFilePath;
    if (path.size() > kCaptionLimit)
        shown = ToUtf8(path.substr(0, 10)) + "..." + ToUtf8(path.substr(path.size() - 37));
    std::string caption = "VELB: " + shown;
    if (state.ProjectSaved == FlagFalse)
        caption += "*";
    return caption;
}

std::string RecentFileCaption(const ProgramState& state, const std::string& shortName, const std::string& fullPath)
{
    return state.Settings.ShortRecentFiles == 1 ? shortName : fullPath;
}

bool BuildRecentFileMenu(ProgramState& state)
{
    state.RecentFileCaptions.fill({});
    if (state.Settings.KeepFileNames != 1)
        return false;
    bool any = false;
    for (int n = 1; n <= state.Settings.MaxLastFiles; ++n) {
        const RecentFile& entry = state.Settings.LastFiles[static_cast<std::size_t>(n)];
        if (entry.LastFile.empty())
            continue;
        state.RecentFileCaptions[static_cast<std::size_t>(n)] = RecentFileCaption(state, entry.LastFile, entry.LastFileLong);
        any = true;
    }
    return any;
}

void RecentFileUpdate(ProgramState& state)
{
    SettingsRecord& s = state.Settings;
    const std::string shortName = BaseName(state.ProjectFilePath);
    const std::string display = RecentFileCaption(state, shortName, state.ProjectFilePath);
    if (s.KeepFileNames == 0)
        return;
    auto& entries = s.LastFiles;
    auto& captions = state.RecentFileCaptions;
    for (int i = 1; i <= s.MaxLastFiles; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (captions[k] != display)
            continue;
        std::swap(captions[k], captions[1]);
        std::swap(entries[k], entries[1]);
        entries[1].LastFileLong = state.ProjectFilePath;
        return;
    }
    if (s.MaxLastFiles < 4)
        ++s.MaxLastFiles;
    for (int k = s.MaxLastFiles - 1; k >= 1; --k) {
        entries[static_cast<std::size_t>(k + 1)] = entries[static_cast<std::size_t>(k)];
        captions[static_cast<std::size_t>(k + 1)] = captions[static_cast<std::size_t>(k)];
    }
    entries[1] = RecentFile{shortName, 1, state.ProjectFilePath};
    captions[1] = display;
    SaveSettings(state, SettingsGroup::FileMenu);
}

}  // namespace castovin
