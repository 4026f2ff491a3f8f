#pragma once
// The settings and environment of a run: the program's names, the settings
// record and its file, the user folders, the default inputs and bolt grades,
// the recent-file captions and what the decimal-point switch saved.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/config/default_inputs.h"
#include "core/config/folders.h"
#include "core/config/settings.h"
#include "core/text/number_format.h"

namespace castovin {

struct Environment {
    // Program constants.
    std::string ProgramTitle;
    std::string ProgramName;  // the program file's base name in upper case
    std::string ProgramFile;  // the program file's base name as it is

    // The settings record and its file.
    SettingsRecord Settings{};
    std::string SettingsFilePath;

    // Folders; each ends with the path separator.
    std::string AppFolder;
    std::string DataFolder;
    std::string TempFolder;
    std::string EditedPath;
    // The text browser's folder when it last closed; kept for the run only.
    std::string LastBrowsedFolder;
    // Kept for the run only as well: the project conversion dialog's file
    // option when it last closed, the folder the graph export last wrote to,
    // the one the design search's price lists were last loaded from or saved
    // to, and the search's price table (its cells as text) when it closed.
    int16_t ConvertFileOption = 0;
    std::string LastExportFolder;
    std::string LastPriceFolder;
    std::vector<std::vector<std::string>> LastPriceTable;
    // The probabilistic window's study as a study file holds it, and the
    // project file it was made for, as the window last ran, saved, opened or
    // closed with it: the design search's minimum probability goes by it.
    std::string StudyProjectFile;
    std::string StudyText;
    std::string DefaultFont = "Arial";
    // The process environment the user folders came from, given at start-up;
    // the file association is written under its data home.
    UserEnvironment User;

    // Values given to new projects and bolt grades offered by the editors.
    DefaultInputsRecord DefaultInputs{};
    BoltGradeLists BoltGradeList{};
    std::array<int16_t, BoltGradeListCount> BoltGradeLast{};

    // Captions of the recent-file menu items 1..4 (empty: no item).
    std::array<std::string, 5> RecentFileCaptions{};

    // What the switch to the "." decimal point saved for the end of the run.
    std::string SavedDecimalSeparator = ".";
    std::string SavedNumericLocale;

    // Today's date for the rules that depend on it (the annual update
    // reminder); the tests set it.
    std::function<DateTime()> Today = LocalNow;
};

}  // namespace castovin
