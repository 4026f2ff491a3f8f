#pragma once
// The program's state for one run: the open project with its work copies and
// report pages, the settings record, the folders, the history log and the
// message categories. Created once by the program (or per test case) and
// passed by reference; there is no other mutable state.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/settings.h"
#include "model/curves.h"
#include "model/project.h"
#include "text/history_log.h"
#include "text/messages.h"

namespace castovin {

// The built-in format of the graphs, set at start-up and never changed.
struct GraphFormat {
    std::string GraphTitle = "Castovin";
    std::array<std::string, 4> XAxisTitle = {"CMRR", "Depth of Cover", "Stability Factor", "Intersection Span"};
    std::string YAxisTitle = "Suggested VELB";
    int16_t GridStyle = 0;
    int16_t GraphStyle = 3;
    int16_t CurveLegend = 1;
    int16_t SymbolSize = 5;
};

inline constexpr uint8_t FlagTrue = 255;
inline constexpr uint8_t FlagFalse = 0;
inline constexpr int16_t SwitchTrue = -1;

struct ProgramState {
    explicit ProgramState(MessageBoxService& messageBox) : MessageBox(messageBox) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // Program constants.
    std::string ProgramTitle;
    std::string ProgramName;  // the program file's base name in upper case
    std::string ProgramFile;  // the program file's base name as it is
    std::string HelpFileName;
    std::string HelpPdfName;
    std::string ProgramWebPage;
    std::string DefaultExtension;
    std::string CurrentExtension;

    // The open project.
    int16_t UnitSystem = English;
    std::array<SupportRecord, 2> Support{};
    CostRecord Cost{};
    std::string ProjectTitle;
    std::string ProjectDescription;  // lines separated by CR LF
    std::string ProjectFilePath;
    uint8_t ProjectSaved = FlagTrue;
    uint8_t ProjectEmpty = FlagTrue;
    uint8_t InputsEntered = FlagFalse;
    int16_t EditorOpen = 0;

    // Work copies the analyses read, and the report pages they write.
    std::array<SupportRecord, 2> WorkSupport{};
    CostRecord WorkCost{};
    std::array<std::string, 5> OutputBuffer{};
    int16_t LastOutputPage = 4;
    int16_t ReportKind = 0;  // 1 design output, 2 cost output

    // Values given to new projects and bolt grades offered by the editors.
    DefaultInputsRecord DefaultInputs{};
    BoltGradeLists BoltGradeList{};
    std::array<int16_t, BoltGradeListCount> BoltGradeLast{};

    // Configuration and environment.
    SettingsRecord Settings{};
    std::string SettingsFileVersion;
    std::string SettingsFilePath;
    std::string AppFolder;
    std::string DataFolder;
    std::string TempFolder;
    std::string EditedPath;
    std::string TempDescriptionFile;
    std::string DefaultFont = "Arial";
    std::string SavedDecimalSeparator = ".";
    std::string SavedNumericLocale;  // the process's numeric locale before the switch to "."

    // The graph formats and the last curve computed.
    GraphFormat DefaultGraphFormat{};
    std::vector<CurvePoint> CurveData;
    int32_t CurvePointCount = 0;
    int16_t GraphIndex = 0;

    // The project conversion.
    int16_t ConvertTarget = Metric;
    int16_t ConvertFileOption = 0;

    // Captions of the recent-file menu items 1..4 (empty: no item).
    std::array<std::string, 5> RecentFileCaptions{};

    // Messages.
    HistoryLog History;
    MessageCategories MsgCategory;
    MessageBoxService& MessageBox;
};

// The first step of the program: constants, tables and built-in defaults.
// `executablePath` gives the program name (its base name in upper case).
void InitialiseModel(ProgramState& state, std::string_view executablePath);

// Fills the project with the values of a new project. `resetUnits` takes
// `defaultUnitSystem` as the unit system; `resetName` names it "Untitled".
void ApplyNewProjectValues(ProgramState& state, bool resetUnits, bool resetName, int16_t defaultUnitSystem);

// WorkSupport := Support and WorkCost := Cost.
void FillWorkCopies(ProgramState& state);

}  // namespace castovin
