#include "core/config/settings.h"

namespace castovin {

int16_t LimitToRange(double value, int16_t low, int16_t high)
{
    if (!(value >= low && value <= high))
        return low;
    return static_cast<int16_t>(value);
}

namespace {

int16_t FontBit(bool on)
{
    return on ? FontBitOn : FontBitOff;
}

}  // namespace

FontSetting DisplayFont(const SettingsRecord& s)
{
    return {s.DisplayFontName, s.DisplayFontSize, s.DisplayFontBold != FontBitOff, s.DisplayFontItalic != FontBitOff};
}

void SetDisplayFont(SettingsRecord& s, const FontSetting& font)
{
    s.DisplayFontName = font.name;
    s.DisplayFontSize = font.size;
    s.DisplayFontBold = FontBit(font.bold);
    s.DisplayFontItalic = FontBit(font.italic);
}

FontSetting BrowseFont(const SettingsRecord& s)
{
    return {s.BrowseFontName, s.BrowseFontSize, s.BrowseFontBold != FontBitOff, s.BrowseFontItalic != FontBitOff};
}

void SetBrowseFont(SettingsRecord& s, const FontSetting& font)
{
    s.BrowseFontName = font.name;
    s.BrowseFontSize = font.size;
    s.BrowseFontBold = FontBit(font.bold);
    s.BrowseFontItalic = FontBit(font.italic);
}

}  // namespace castovin
