#include "core/program/startup.h"

#include "core/config/font_names.h"
#include "core/config/settings_file.h"
#include "core/files/lifecycle.h"
#include "core/program/program_state.h"
#include "core/text/messages.h"
#include "core/tools/decimal_separator.h"

namespace castovin {

StartupOptions StartupOptionsFromProcess(const std::string& executablePath)
{
    StartupOptions options;
    options.executablePath = executablePath;
    options.appFolder = ExecutableFolder();
    options.environment = EnvironmentFromProcess();
    const std::string shipped = FindDataFolder(options.appFolder);
    if (!shipped.empty())
        options.exampleFolder = shipped + "examples/";
    return options;
}

namespace {

void StartDetached(ProgramState& state, const StartupOptions& options)
{
    state.environment.Settings.DefaultUnits = UnitNumber(options.defaultUnits);
    state.environment.Settings.DisplayHistoryWin = options.keepHistory ? 1 : 0;
    state.environment.Settings.MaxDisplaySize = 16384;
    FileNew(state.project, state.environment, state.messenger, true, true);
}

}  // namespace

void StartProgram(ProgramState& state, const StartupOptions& options)
{
    InitialiseModel(state, options.executablePath);

    state.environment.DefaultFont = DefaultFontName(options.installedFonts, options.fixedPitchFonts);
    state.environment.Settings = SettingsRecord{};
    state.environment.Settings.DefaultUnits = UnitNumber(UnitSystem::English);
    state.environment.Settings.DisplayFontName = state.environment.DefaultFont;
    state.environment.Settings.BrowseFontName = state.environment.DefaultFont;
    state.environment.AppFolder = options.appFolder;
    state.environment.User = options.environment;
    FillCategoryPrefixes(state.messenger.MsgCategory);
    if (options.detached) {
        StartDetached(state, options);
        return;
    }
    CreateUserFolders(state.environment, options.environment);
    state.environment.EditedPath = state.environment.DataFolder;
    state.environment.Settings.DataPath = state.environment.DataFolder;

    state.environment.Settings.DisplayHistoryWin = 0;

    state.environment.Settings.GraphUnits = UnitNumber(UnitSystem::English);

    ForceDecimalPoint(state.environment);

    CheckSettingsFile(state.environment, state.messenger);

    if (state.environment.Settings.CopyExampleFiles == 1 && !options.exampleFolder.empty())
        CopyMissingExamples(options.exampleFolder, state.environment.DataFolder);
}

}  // namespace castovin
