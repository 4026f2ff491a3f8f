#include "program/startup.h"

#include "config/font_names.h"
#include "config/settings_file.h"
#include "files/lifecycle.h"
#include "program/program_state.h"
#include "text/messages.h"
#include "tools/decimal_separator.h"

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
    state.Settings.DefaultUnits = UnitNumber(options.defaultUnits);
    state.Settings.DisplayHistoryWin = options.keepHistory ? 1 : 0;
    state.Settings.MaxDisplaySize = 16384;
    FileNew(state.project(), state.environment(), state.messenger(), true, true);
}

}  // namespace

void StartProgram(ProgramState& state, const StartupOptions& options)
{
    InitialiseModel(state, options.executablePath);

    state.DefaultFont = DefaultFontName(options.installedFonts, options.fixedPitchFonts);
    state.Settings = SettingsRecord{};
    state.Settings.DefaultUnits = UnitNumber(UnitSystem::English);
    state.Settings.DisplayFontName = state.DefaultFont;
    state.Settings.BrowseFontName = state.DefaultFont;
    state.AppFolder = options.appFolder;
    FillCategoryPrefixes(state.MsgCategory);
    state.DefaultGraphFormat = GraphFormat{};
    if (options.detached) {
        StartDetached(state, options);
        return;
    }
    CreateUserFolders(state, options.environment);
    state.EditedPath = state.DataFolder;
    state.Settings.DataPath = state.DataFolder;

    state.Settings.DisplayHistoryWin = 0;

    state.Settings.GraphUnits = UnitNumber(UnitSystem::English);

    ForceDecimalPoint(state);

    CheckSettingsFile(state.environment(), state.messenger());

    if (state.Settings.CopyExampleFiles == 1 && !options.exampleFolder.empty())
        CopyMissingExamples(options.exampleFolder, state.DataFolder);
}

}  // namespace castovin
