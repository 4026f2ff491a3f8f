#include "core/config/settings.h"

namespace castovin {

int16_t LimitToRange(double value, int16_t low, int16_t high)
{
    if (!(value >= low && value <= high))
        return low;
    return static_cast<int16_t>(value);
}

namespace {

// The four keys of one font of the record.
struct FontKeys {
    std::string SettingsRecord::*name;
    float SettingsRecord::*size;
    int16_t SettingsRecord::*bold;
    int16_t SettingsRecord::*italic;
};

constexpr FontKeys kDisplayKeys{&SettingsRecord::DisplayFontName, &SettingsRecord::DisplayFontSize,
                                &SettingsRecord::DisplayFontBold, &SettingsRecord::DisplayFontItalic};
constexpr FontKeys kBrowseKeys{&SettingsRecord::BrowseFontName, &SettingsRecord::BrowseFontSize,
                               &SettingsRecord::BrowseFontBold, &SettingsRecord::BrowseFontItalic};

FontSetting ReadFont(const SettingsRecord& s, const FontKeys& k)
{
    return {s.*k.name, s.*k.size, s.*k.bold != FontBitOff, s.*k.italic != FontBitOff};
}

void WriteFont(SettingsRecord& s, const FontKeys& k, const FontSetting& font)
{
    s.*k.name = font.name;
    s.*k.size = font.size;
    s.*k.bold = font.bold ? FontBitOn : FontBitOff;
    s.*k.italic = font.italic ? FontBitOn : FontBitOff;
}

}  // namespace

FontSetting DisplayFont(const SettingsRecord& s)
{
    return ReadFont(s, kDisplayKeys);
}

void SetDisplayFont(SettingsRecord& s, const FontSetting& font)
{
    WriteFont(s, kDisplayKeys, font);
}

FontSetting BrowseFont(const SettingsRecord& s)
{
    return ReadFont(s, kBrowseKeys);
}

void SetBrowseFont(SettingsRecord& s, const FontSetting& font)
{
    WriteFont(s, kBrowseKeys, font);
}

std::string RememberedStudyFile(const SettingsRecord& s, const std::string& projectFile)
{
    for (const RememberedStudy& r : s.Studies)
        if (r.ProjectFile == projectFile)
            return r.StudyFile;
    return {};
}

void RememberStudy(SettingsRecord& s, const std::string& projectFile, const std::string& studyFile)
{
    std::erase_if(s.Studies, [&](const RememberedStudy& r) { return r.ProjectFile == projectFile; });
    s.Studies.insert(s.Studies.begin(), {projectFile, studyFile});
    if (s.Studies.size() > MaxRememberedStudies)
        s.Studies.resize(MaxRememberedStudies);
}

}  // namespace castovin
