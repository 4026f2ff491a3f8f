#include "core/config/settings_file.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <unistd.h>
#include <variant>

#include "core/config/environment.h"
#include "core/config/file_lock.h"
#include "core/config/profile_file.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/number_reading.h"
#include "core/text/paths.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

constexpr const char* kVersionSection = "Version";
constexpr const char* kVersionKey = "INIFileVersion";

// Where a key's value lives in the settings record.
using FieldRef = std::variant<int16_t*, float*, std::string*>;

// One key of a section: its type and range, the default its read passes
// (nullptr when none) and the record field it belongs to.
struct SettingsKey {
    std::string key;
    bool ranged = true;
    int16_t low = 0;
    int16_t high = 1;
    const char* readDefault = nullptr;
    std::function<FieldRef(SettingsRecord&)> field;
};

SettingsKey Int(std::string key, int16_t low, int16_t high, int16_t SettingsRecord::*member, const char* def = nullptr)
{
    return {std::move(key), true, low, high, def, [member](SettingsRecord& s) { return FieldRef(&(s.*member)); }};
}

SettingsKey Size(std::string key, float SettingsRecord::*member)
{
    return {std::move(key), true, 7, 24, nullptr, [member](SettingsRecord& s) { return FieldRef(&(s.*member)); }};
}

SettingsKey Text(std::string key, std::string SettingsRecord::*member)
{
    return {std::move(key), false, 0, 0, nullptr, [member](SettingsRecord& s) { return FieldRef(&(s.*member)); }};
}

// The groups of the settings record, in the file's order.
constexpr SettingsGroup kSettingsGroups[] = {SettingsGroup::Settings,    SettingsGroup::FileMenu,
                                             SettingsGroup::TextBrowse,  SettingsGroup::Graph,
                                             SettingsGroup::VELBOptions, SettingsGroup::Studies};

const char* SectionOf(SettingsGroup group)
{
    switch (group) {
    case SettingsGroup::Settings:
        return "Settings";
    case SettingsGroup::FileMenu:
        return "FileMenu";
    case SettingsGroup::TextBrowse:
        return "TextBrowse";
    case SettingsGroup::Graph:
        return "Graph";
    case SettingsGroup::VELBOptions:
        return "VELBOptions";
    case SettingsGroup::Studies:
        return "Studies";
    case SettingsGroup::VELBDefaults:
        return "VELBDefaults";
    case SettingsGroup::VELBBoltGrade:
        return "VELBBoltGrade";
    default:
        return "";
    }
}

std::vector<SettingsKey> Keys(SettingsGroup group)
{
    using S = SettingsRecord;
    switch (group) {
    case SettingsGroup::Settings:
        return {Int("DefaultUnits", 0, 1, &S::DefaultUnits),
                Int("DisplayHistoryWin", 0, 1, &S::DisplayHistoryWin),
                Int("MaxDisplaySize", 4096, 16384, &S::MaxDisplaySize),
                Text("DisplayFontName", &S::DisplayFontName),
                Size("DisplayFontSize", &S::DisplayFontSize),
                Int("DisplayFontBold", FontBitOn, FontBitOff, &S::DisplayFontBold),
                Int("DisplayFontItalic", FontBitOn, FontBitOff, &S::DisplayFontItalic),
                Int("KeepFileNames", 0, 1, &S::KeepFileNames),
                Int("ShowDisclaim", 0, 1, &S::ShowDisclaim),
                Int("MaxMainMenu", 0, 1, &S::MaxMainMenu),
                Int("EnableMainMenuToolbar", 0, 1, &S::EnableMainMenuToolbar),
                Int("ShortRecentFiles", 0, 1, &S::ShortRecentFiles),
                Int("LoadLastInputFile", 0, 1, &S::LoadLastInputFile),
                Int("RemindAnnualUpdates", 0, 1, &S::RemindAnnualUpdates),
                Int("CopyExampleFiles", 0, 1, &S::CopyExampleFiles, "1"),
                Text("ExternalEditor", &S::ExternalEditor),
                Text("DataPath", &S::DataPath),
                Text("FileExtension", &S::FileExtension)};
    case SettingsGroup::TextBrowse:
        return {Text("BrowseFontName", &S::BrowseFontName),
                Size("BrowseFontSize", &S::BrowseFontSize),
                Int("BrowseFontBold", FontBitOn, FontBitOff, &S::BrowseFontBold),
                Int("BrowseFontItalic", FontBitOn, FontBitOff, &S::BrowseFontItalic),
                Text("BrowseDefaultFilter", &S::BrowseDefaultFilter),
                Int("BrowseUseNotepad", 0, 1, &S::BrowseUseNotepad)};
    case SettingsGroup::Graph: {
        std::vector<SettingsKey> keys = {Int("GraphSetParams", 0, 1, &S::GraphSetParams),
                                         Int("GridStyle", 0, 3, &S::GridStyle),
                                         Int("GraphStyle", 1, 3, &S::GraphStyle),
                                         Int("CurveLegend", 0, 1, &S::CurveLegend),
                                         Int("SymbolSize", 3, 20, &S::SymbolSize),
                                         Int("GraphUnits", 0, 1, &S::GraphUnits),
                                         Text("GraphTitle", &S::GraphTitle)};
        for (std::size_t i = 0; i < 4; ++i)
            keys.push_back({"XAxisTitle" + std::to_string(i), false, 0, 0, nullptr,
                            [i](S& s) { return FieldRef(&s.XAxisTitle[i]); }});
        keys.push_back(Text("YAxisTitle0", &S::YAxisTitle0));
        return keys;
    }
    case SettingsGroup::VELBOptions:
        return {Int("OutputStrUnits", 0, 1, &S::OutputStrUnits, "0"),
                Int("OutputStrGradUnits", 0, 1, &S::OutputStrGradUnits, "0"),
                Int("ShowInputScreenOnLoad", 0, 1, &S::ShowInputScreenOnLoad, "1"),
                Int("ViewChildWindow", 0, 1, &S::ViewChildWindow, "1"),
                Int("PrintModuleHeader", 0, 1, &S::PrintModuleHeader, "1"),
                Int("AskOfficeInstall", 0, 1, &S::AskOfficeInstall, "1"),
                Int("SearchKeepBest", 10, 10000, &S::SearchKeepBest, "1000")};
    default:
        return {};
    }
}

// A value as read: the text, or the default when the text is empty.
std::string ValueOrDefault(const ProfileFile& ini, std::string_view section, std::string_view key,
                           std::optional<std::string_view> defaultValue)
{
    std::string text = ini.Read(section, key).value_or(std::string());
    if (text.empty() && defaultValue)
        text = std::string(*defaultValue);
    return text;
}

// A whole number read by the leading-number rule and rounded half to even;
// nullopt when it does not fit 16 bits.
std::optional<int16_t> ReadWhole(const std::string& text)
{
    double value = 0;
    try {
        value = std::nearbyint(LeadingNumber(text));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
    if (!(value >= -32768 && value <= 32767))
        return std::nullopt;
    return static_cast<int16_t>(value);
}

int16_t ReadRanged(const std::string& text, int16_t low, int16_t high)
{
    const std::optional<int16_t> value = ReadWhole(text);
    return value ? LimitToRange(*value, low, high) : low;
}

std::string DataPathFromText(Environment& env, Messenger& messenger, const std::string& text)
{
    if (text.empty() || text == "0")
        return env.DataFolder;
    std::string path = TrimBlanks(text);
    if (path.empty() || path.back() != PathSeparator)
        path += PathSeparator;
    return ValidPath(messenger, path, true) ? path : env.DataFolder;
}

void ReadKey(Environment& env, Messenger& messenger, const ProfileFile& ini, std::string_view section,
             const SettingsKey& entry)
{
    const std::string text = ValueOrDefault(
        ini, section, entry.key, entry.readDefault ? std::optional<std::string_view>(entry.readDefault) : std::nullopt);
    const FieldRef field = entry.field(env.Settings);
    if (int16_t* const* whole = std::get_if<int16_t*>(&field)) {
        **whole = ReadRanged(text, entry.low, entry.high);
    } else if (float* const* size = std::get_if<float*>(&field)) {
        **size = ReadRanged(text, entry.low, entry.high);
    } else {
        std::string& value = *std::get<std::string*>(field);
        if (entry.key == "DataPath")
            value = DataPathFromText(env, messenger, text);
        else if (entry.key == "FileExtension")
            value = text == "0" ? "VLB" : text;
        else if ((entry.key == "DisplayFontName" || entry.key == "BrowseFontName") && text.empty())
            value = env.DefaultFont;
        else
            value = text;
    }
}

std::string ValueText(const FieldRef& field)
{
    if (const int16_t* const* whole = std::get_if<int16_t*>(&field))
        return GeneralNumber(**whole);
    if (const float* const* size = std::get_if<float*>(&field))
        return GeneralNumber(**size);
    return *std::get<std::string*>(field);
}

void ReadFileMenu(Environment& env, const ProfileFile& ini)
{
    SettingsRecord& s = env.Settings;
    s.MaxLastFiles = ReadRanged(ValueOrDefault(ini, "FileMenu", "MaxLastFiles", std::nullopt), 0, 4);
    for (int n = 1; n <= s.MaxLastFiles; ++n) {
        RecentFile& entry = s.LastFiles[static_cast<std::size_t>(n)];
        const std::string number = std::to_string(n);
        entry.LastFile = ValueOrDefault(ini, "FileMenu", "LastFile" + number, std::nullopt);
        entry.LastFileMode =
            ReadWhole(ValueOrDefault(ini, "FileMenu", "LastFileMode" + number, std::nullopt)).value_or(0);
        entry.LastFileLong = ValueOrDefault(ini, "FileMenu", "LastFileLong" + number, std::nullopt);
    }
}

void WriteFileMenu(Environment& env, ProfileFile& ini)
{
    SettingsRecord& s = env.Settings;
    s.MaxLastFiles = LimitToRange(s.MaxLastFiles, 0, 4);
    ini.Write("FileMenu", "MaxLastFiles", GeneralNumber(s.MaxLastFiles));
    for (int n = 1; n <= s.MaxLastFiles; ++n) {
        const RecentFile& entry = s.LastFiles[static_cast<std::size_t>(n)];
        const std::string number = std::to_string(n);
        ini.Write("FileMenu", "LastFile" + number, entry.LastFile);
        ini.Write("FileMenu", "LastFileMode" + number, GeneralNumber(entry.LastFileMode));
        ini.Write("FileMenu", "LastFileLong" + number, entry.LastFileLong);
    }
}

// [Studies]: Project1 and Study1 for the most recent, and so on; an entry
// without both paths is left out.
void ReadStudies(Environment& env, const ProfileFile& ini)
{
    env.Settings.Studies.clear();
    for (std::size_t n = 1; n <= MaxRememberedStudies; ++n) {
        const std::string number = std::to_string(n);
        RememberedStudy r{ini.Read("Studies", "Project" + number).value_or(""),
                          ini.Read("Studies", "Study" + number).value_or("")};
        if (!r.ProjectFile.empty() && !r.StudyFile.empty())
            env.Settings.Studies.push_back(std::move(r));
    }
}

// Whether the settings file reads `path` back as it is (no line end in it,
// not cut, no blanks or quotes lost at its ends).
bool HoldsPath(const std::string& path)
{
    ProfileFile trial;
    return trial.Write("Studies", "Path", path) && trial.Read("Studies", "Path") == path;
}

void WriteStudies(Environment& env, ProfileFile& ini)
{
    // A pair goes in whole or not at all, so that a path the file cannot
    // hold never pairs a project with another project's study; a slot the
    // list no longer fills is emptied where the file has it.
    for (std::size_t n = 1; n <= MaxRememberedStudies; ++n) {
        const std::string number = std::to_string(n);
        RememberedStudy r;
        if (n <= env.Settings.Studies.size())
            r = env.Settings.Studies[n - 1];
        if (!HoldsPath(r.ProjectFile) || !HoldsPath(r.StudyFile))
            r = {};
        if (r.ProjectFile.empty() && !ini.Read("Studies", "Project" + number) && !ini.Read("Studies", "Study" + number))
            continue;
        ini.Write("Studies", "Project" + number, r.ProjectFile);
        ini.Write("Studies", "Study" + number, r.StudyFile);
    }
}

void WriteGroup(Environment& env, ProfileFile& ini, SettingsGroup group)
{
    if (group == SettingsGroup::FileMenu) {
        WriteFileMenu(env, ini);
        return;
    }
    if (group == SettingsGroup::Studies) {
        WriteStudies(env, ini);
        return;
    }
    const char* section = SectionOf(group);
    for (const SettingsKey& entry : Keys(group))
        ini.Write(section, entry.key, ValueText(entry.field(env.Settings)));
}

void ReadGroup(Environment& env, Messenger& messenger, const ProfileFile& ini, SettingsGroup group)
{
    if (group == SettingsGroup::FileMenu) {
        ReadFileMenu(env, ini);
        return;
    }
    if (group == SettingsGroup::Studies) {
        ReadStudies(env, ini);
        return;
    }
    const char* section = SectionOf(group);
    for (const SettingsKey& entry : Keys(group))
        ReadKey(env, messenger, ini, section, entry);
}

void WriteDefaultInputs(Environment& env, ProfileFile& ini)
{
    const DefaultInputsRecord& d = env.DefaultInputs;
    const auto put = [&ini](const char* key, auto value) { ini.Write("VELBDefaults", key, GeneralNumber(value)); };
    put("DefaultCMRR", d.DefaultCMRR);
    put("DefaultMETDepthofCover", d.DefaultMETDepthofCover);
    put("DefaultENGDepthofCover", d.DefaultENGDepthofCover);
    put("DefaultMETUnitWeight", d.DefaultMETUnitWeight);
    put("DefaultENGUnitWeight", d.DefaultENGUnitWeight);
    put("DefaultStabilityFactor", d.DefaultStabilityFactor);
    put("DefaultMETActualBoltLength", d.DefaultMETActualBoltLength);
    put("DefaultENGActualBoltLength", d.DefaultENGActualBoltLength);
    put("DefaultMETboltDiameter", d.DefaultMETboltDiameter);
    put("DefaultENGboltDiameter", d.DefaultENGboltDiameter);
    put("DefaultMETBoltGrade", d.DefaultMETBoltGrade);
    put("DefaultENGBoltGrade", d.DefaultENGBoltGrade);
    put("DefaultNumberBoltsPerRow", d.DefaultNumberBoltsPerRow);
    put("DefaultMETrowSpacing", d.DefaultMETrowSpacing);
    put("DefaultENGrowSpacing", d.DefaultENGrowSpacing);
    put("DefaultMETActualInterSpan", d.DefaultMETActualInterSpan);
    put("DefaultENGActualInterSpan", d.DefaultENGActualInterSpan);
    put("DefaultMETEntryWidth", d.DefaultMETEntryWidth);
    put("DefaultENGEntryWidth", d.DefaultENGEntryWidth);
}

void WriteBoltGrades(Environment& env, ProfileFile& ini)
{
    static constexpr const char* kIndexKeys[BoltGradeListCount] = {
        "DefaultBoltGradeIndexENG1", "DefaultBoltGradeIndexENG2", "DefaultBoltGradeIndexMET1",
        "DefaultBoltGradeIndexMET2"};
    for (std::size_t k = 0; k < BoltGradeListCount; ++k)
        ini.Write("VELBBoltGrade", kIndexKeys[k], GeneralNumber(env.BoltGradeLast[k]));
    for (std::size_t k = 0; k < BoltGradeListCount; ++k) {
        const int last = std::min<int>(env.BoltGradeLast[k], static_cast<int>(BoltGradeListSize) - 1);
        for (int i = 0; i <= last; ++i)
            ini.Write("VELBBoltGrade", "DefaultBoltGradeArray" + std::to_string(i) + "_" + std::to_string(k),
                      GeneralNumber(env.BoltGradeList[k][static_cast<std::size_t>(i)]));
    }
}

// The whole default file: version, every settings group, default inputs and
// bolt grades.
ProfileFile DefaultSettingsFile(Environment& env, Messenger& messenger)
{
    ProfileFile ini;
    env.Settings.INIFileVersion = SettingsFileVersionTag;
    ini.Write(kVersionSection, kVersionKey, env.Settings.INIFileVersion);
    AppendHistory(messenger, "Saving default settings to file: " + env.SettingsFilePath);
    for (SettingsGroup g : kSettingsGroups)
        WriteGroup(env, ini, g);
    WriteDefaultInputs(env, ini);
    WriteBoltGrades(env, ini);
    return ini;
}

}  // namespace

std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                          std::optional<std::string_view> defaultValue)
{
    return ValueOrDefault(ProfileFile::Load(file), section, key, defaultValue);
}

bool WriteIniString(const std::string& file, std::string_view section, std::string_view key, std::string_view value)
{
    const FileLock lock(file);
    std::optional<ProfileFile> ini = ProfileFile::LoadForUpdate(file);
    if (!ini || !ini->Write(section, key, value))
        return false;
    return ini->Save(file);
}

void CheckSettingsFile(Environment& env, Messenger& messenger)
{
    env.SettingsFilePath = env.DataFolder + SettingsFileName;
    std::optional<ProfileFile> ini;
    {
        // Reading and any replacing under the lock, so that a second
        // program starting at the same time reads the new file whole; the
        // lock is let go before any message waits for the user.
        const FileLock lock(env.SettingsFilePath);
        ini = ProfileFile::LoadForUpdate(env.SettingsFilePath);
        // The file read once: a missing file reads as an empty one, whose
        // version is not current either.
        if (ini)
            env.Settings.INIFileVersion = ini->Read(kVersionSection, kVersionKey).value_or(std::string());
        if (ini && env.Settings.INIFileVersion != SettingsFileVersionTag) {
            // An outdated file is replaced whole by the rename of the new
            // one, so that a failed write still leaves the old file, which
            // is then what the run reads.
            ProfileFile defaults = DefaultSettingsFile(env, messenger);
            if (defaults.Save(env.SettingsFilePath))
                ini = std::move(defaults);
        }
    }
    if (!ini) {
        // The file is there but cannot be read (permissions, not a plain
        // file, too large): the user's settings may all be in it, so it is
        // left alone, and every later save skips it too.
        ShowMessage(messenger,
                    "The settings file " + env.SettingsFilePath +
                        " cannot be read. The built-in settings are used this time; the file is left as it is.",
                    MsgIcon::Exclamation);
        LoadSettingsFrom(env, messenger, DefaultSettingsFile(env, messenger));
        return;
    }
    LoadSettingsFrom(env, messenger, *ini);
}

void LoadSettings(Environment& env, Messenger& messenger)
{
    LoadSettingsFrom(env, messenger, ProfileFile::Load(env.SettingsFilePath));
}

void LoadSettingsFrom(Environment& env, Messenger& messenger, const ProfileFile& ini)
{
    for (SettingsGroup g : kSettingsGroups)
        ReadGroup(env, messenger, ini, g);
}

void SaveSettings(Environment& env, Messenger& messenger, SettingsGroup group)
{
    AppendHistory(messenger, "Saving default settings to file: " + env.SettingsFilePath);
    // Read, changed and written under the lock: another program's save of
    // another group between our read and our rename would otherwise be lost.
    const FileLock lock(env.SettingsFilePath);
    std::optional<ProfileFile> ini = ProfileFile::LoadForUpdate(env.SettingsFilePath);
    if (!ini)
        return;  // an unreadable file is never overwritten
    for (SettingsGroup g : kSettingsGroups)
        if (group == SettingsGroup::All || group == g)
            WriteGroup(env, *ini, g);
    ini->Save(env.SettingsFilePath);
}

void SaveDefaultInputs(Environment& env, SettingsGroup group)
{
    if (group != SettingsGroup::VELBDefaults && group != SettingsGroup::VELBBoltGrade)
        return;
    const FileLock lock(env.SettingsFilePath);
    std::optional<ProfileFile> ini = ProfileFile::LoadForUpdate(env.SettingsFilePath);
    if (!ini)
        return;  // an unreadable file is never overwritten
    if (group == SettingsGroup::VELBDefaults)
        WriteDefaultInputs(env, *ini);
    else
        WriteBoltGrades(env, *ini);
    ini->Save(env.SettingsFilePath);
}

}  // namespace castovin
