#include "core/editing/settings_editor.h"

#include <cmath>

#include "core/config/environment.h"
#include "core/config/profile_file.h"
#include "core/config/settings_file.h"
#include "core/editing/validation.h"
#include "core/text/messages.h"
#include "core/text/number_reading.h"
#include "core/text/paths.h"
#include "core/text/text_format.h"
#include "core/text/unicode.h"

namespace castovin {

namespace {

int16_t Switch(bool on)
{
    return on ? 1 : 0;
}

// The history size as the record keeps it: the lenient reading, rounded.
// The check before guarantees the range, so the cast cannot overflow.
int16_t HistorySize(const std::string& text, int16_t fallback)
{
    const double value = std::nearbyint(FieldValue(text));
    return (value >= -32768 && value <= 32767) ? static_cast<int16_t>(value) : fallback;
}

void StoreFields(SettingsRecord& s, const SettingsFields& f)
{
    s.DefaultUnits = static_cast<int16_t>(f.defaultUnits);
    s.DisplayHistoryWin = Switch(f.displayHistory);
    s.MaxDisplaySize = HistorySize(f.historySize, s.MaxDisplaySize);
    s.KeepFileNames = Switch(f.keepFileNames);
    s.ShowDisclaim = Switch(f.showDisclaim);
    s.MaxMainMenu = Switch(f.maxMainMenu);
    s.EnableMainMenuToolbar = Switch(f.enableToolbar);
    s.ShortRecentFiles = Switch(f.shortRecentFiles);
    s.LoadLastInputFile = Switch(f.loadLastInputFile);
    s.RemindAnnualUpdates = Switch(f.remindUpdates);
    s.CopyExampleFiles = Switch(f.copyExamples);
    s.DataPath = f.dataPath;
    s.FileExtension = f.fileExtension;
    s.ExternalEditor = f.externalEditor;
}

}  // namespace

SettingsFields SettingsFieldsFromState(const Environment& env)
{
    const SettingsRecord& s = env.Settings;
    SettingsFields f;
    f.defaultUnits = s.DefaultUnits;
    f.displayHistory = s.DisplayHistoryWin == 1;
    f.historySize = std::to_string(s.MaxDisplaySize);
    f.keepFileNames = s.KeepFileNames == 1;
    f.shortRecentFiles = s.ShortRecentFiles == 1;
    f.showDisclaim = s.ShowDisclaim == 1;
    f.maxMainMenu = s.MaxMainMenu == 1;
    f.enableToolbar = s.EnableMainMenuToolbar == 1;
    f.loadLastInputFile = s.LoadLastInputFile == 1;
    f.remindUpdates = s.RemindAnnualUpdates == 1;
    f.copyExamples = s.CopyExampleFiles == 1;
    f.dataPath = s.DataPath;
    f.fileExtension = s.FileExtension;
    f.externalEditor = s.ExternalEditor;
    return f;
}

std::string CompletedFolderPath(std::string_view path)
{
    std::string folder = TrimBlanks(path);
    if (folder.empty() || folder.back() != PathSeparator)
        folder += PathSeparator;
    return folder;
}

bool ValidFileExtension(std::string_view extension)
{
    // As many characters from the start as the trimmed text is long: a
    // leading blank fails, trailing blanks are never looked at.
    const std::size_t length = TrimBlanks(extension).size();
    for (std::size_t i = 0; i < length; ++i) {
        const char c = extension[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// A value the settings file, one line of at most 254 characters a value,
// can keep; otherwise says so (a longer one would be cut at the next start).
static bool Keepable(Messenger& messenger, const std::string& what, const std::string& value)
{
    const bool holdable = ProfileFile::CanHold(value);
    if (holdable && CharCount(value) <= ProfileFile::MaxValueLength)
        return true;
    const std::string why = holdable ? "it is longer than the " + std::to_string(ProfileFile::MaxValueLength) +
                                           " characters a setting can hold."
                                     : "it holds a line break or another control character.";
    ShowMessage(messenger, what + " " + MessageExcerpt(value, 200) + " cannot be kept: " + why, MsgIcon::Critical,
                messenger.MsgCategory.Error);
    return false;
}

SettingsValidation CheckSettings(Messenger& messenger, SettingsFields& fields)
{
    fields.dataPath = CompletedFolderPath(fields.dataPath);
    // Checked before the folder itself: such a folder may well exist, but
    // the settings file, one line a value, cannot keep its name.
    if (!Keepable(messenger, "The data folder", fields.dataPath))
        return {false, SettingsField::DataPath};
    if (!ValidPath(messenger, fields.dataPath, true)) {
        ShowMessage(messenger, "Invalid Path for Data Files", MsgIcon::Critical, messenger.MsgCategory.Error);
        return {false, SettingsField::DataPath};
    }
    if (!CheckRange(messenger, fields.historySize, 4096, 16384, "Size of Command History Window"))
        return {false, SettingsField::None};
    if (!ValidFileExtension(fields.fileExtension)) {
        ShowMessage(messenger, "Invalid character in file extension", MsgIcon::Critical,
                    messenger.MsgCategory.InvalidCharacter);
        return {false, SettingsField::FileExtension};
    }
    if (!Keepable(messenger, "The text viewer", fields.externalEditor))
        return {false, SettingsField::ExternalEditor};
    return {};
}

void CloseSettings(Environment& env, Messenger& messenger, const SettingsFields& fields, bool accepted,
                   const std::function<void()>& applyToMainWindow)
{
    if (!accepted) {
        AppendHistory(messenger, "Settings Not Modified");
        return;
    }
    StoreFields(env.Settings, fields);
    if (applyToMainWindow)
        applyToMainWindow();
    AppendHistory(messenger, "Settings Modified");
    SaveSettings(env, messenger, SettingsGroup::Settings);
}

std::string CopyExamplesMessage(const std::string& dataFolder)
{
    return "When this option is enabled, every time the program runs, it will try to copy the example files from "
           "the install directory to the " +
           dataFolder + " directory. The modified files will not be overridden, but missing files will be replaced. ";
}

std::string ViewerDialogFolder(std::string_view viewer)
{
    const std::string folder = FolderPart(TrimBlanks(viewer));
    return folder.empty() ? std::string("/usr/bin/") : folder;
}

}  // namespace castovin
