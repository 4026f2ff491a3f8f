#pragma once
// The settings record: one field per settings key, named as the key, with
// the built-in values a newly created settings file receives.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace castovin {

inline constexpr const char* SettingsFileVersionTag = "050817";

// The desktop's opener: it hands the file to the user's preferred text
// application. A settings file from the Windows program names Notepad,
// which means the same.
inline constexpr const char* DefaultViewer = "xdg-open";

// Codes by which the settings file is written and read section by section.
enum class SettingsGroup : int16_t {
    All = 1,
    Settings = 2,
    FileMenu = 3,
    TextBrowse = 4,
    Graph = 5,
    VELBOptions = 6,
    Studies = 7,
    VELBDefaults = 10,
    VELBBoltGrade = 11,
};

// A style bit of the settings file: -1 is on, 0 off (the file's own values).
inline constexpr int16_t FontBitOn = -1;
inline constexpr int16_t FontBitOff = 0;

// A font of the settings: the history pane's (the Display keys) or the text
// browser's (the Browse keys). A size of 0 or less keeps the font's own.
struct FontSetting {
    std::string name;
    float size = 10;
    bool bold = false;
    bool italic = false;
};

// One entry of the recent-file list.
struct RecentFile {
    std::string LastFile;      // short name shown in the menu
    int16_t LastFileMode = 0;  // always 1 for entries the program adds
    std::string LastFileLong;  // full path
};

// The study file last saved or opened for a project in the probabilistic
// window, which opens it again with that project.
struct RememberedStudy {
    std::string ProjectFile;  // full paths
    std::string StudyFile;
};
inline constexpr std::size_t MaxRememberedStudies = 8;

struct SettingsRecord {
    // [Version]
    std::string INIFileVersion;

    // [Settings]
    int16_t DefaultUnits = 0;
    int16_t DisplayHistoryWin = 1;
    int16_t MaxDisplaySize = 2048;
    std::string DisplayFontName = "Arial";
    float DisplayFontSize = 10;
    int16_t DisplayFontBold = 0;
    int16_t DisplayFontItalic = 0;
    int16_t KeepFileNames = 1;
    int16_t ShowDisclaim = 1;
    int16_t MaxMainMenu = 0;
    int16_t EnableMainMenuToolbar = 1;
    int16_t ShortRecentFiles = 0;
    int16_t LoadLastInputFile = 0;
    int16_t RemindAnnualUpdates = 1;
    int16_t CopyExampleFiles = 1;
    std::string ExternalEditor = DefaultViewer;
    std::string DataPath;
    std::string FileExtension = "VLB";

    // [FileMenu]
    int16_t MaxLastFiles = 0;
    std::array<RecentFile, 5> LastFiles{};  // entries 1..4; entry 0 unused

    // [TextBrowse]
    std::string BrowseFontName = "Arial";
    float BrowseFontSize = 10;
    int16_t BrowseFontBold = 0;
    int16_t BrowseFontItalic = 0;
    std::string BrowseDefaultFilter;
    int16_t BrowseUseNotepad = 0;

    // [Graph]
    int16_t GraphSetParams = 0;
    int16_t GridStyle = 0;
    int16_t GraphStyle = 3;
    int16_t CurveLegend = 1;
    int16_t SymbolSize = 5;
    int16_t GraphUnits = 0;
    std::string GraphTitle = "Castovin";
    std::array<std::string, 4> XAxisTitle{};
    std::string YAxisTitle0;

    // [VELBOptions]
    int16_t OutputStrUnits = 0;
    int16_t OutputStrGradUnits = 0;
    int16_t ShowInputScreenOnLoad = 1;
    int16_t ViewChildWindow = 1;
    int16_t PrintModuleHeader = 1;
    int16_t AskOfficeInstall = 1;
    // The most passing patterns the design search window keeps and lists.
    int16_t SearchKeepBest = 1000;

    // [Studies]: the most recent first.
    std::vector<RememberedStudy> Studies;
};

// The study file remembered for a project, or "" when there is none.
std::string RememberedStudyFile(const SettingsRecord& s, const std::string& projectFile);
// Makes `studyFile` the project's study, the most recent of at most
// MaxRememberedStudies.
void RememberStudy(SettingsRecord& s, const std::string& projectFile, const std::string& studyFile);

// `low` when the value lies outside low..high, else the value.
int16_t LimitToRange(double value, int16_t low, int16_t high);

// The two fonts of the settings as one record each; any bit but 0 reads as
// on, and on is written as -1.
FontSetting DisplayFont(const SettingsRecord& s);
void SetDisplayFont(SettingsRecord& s, const FontSetting& font);
FontSetting BrowseFont(const SettingsRecord& s);
void SetBrowseFont(SettingsRecord& s, const FontSetting& font);

}  // namespace castovin
