#include "core/config/font_names.h"

#include <array>

#include "core/text/text_format.h"

namespace castovin {

namespace {

struct Substitutes {
    std::string_view preferred;
    std::array<std::string_view, 4> faces;
};

// The metric-compatible faces fontconfig puts in place of the families the
// program's layouts and printed pages were made for.
constexpr std::array<Substitutes, 3> kSubstitutes = {{
    {"arial", {"liberation sans", "arimo", "nimbus sans", "nimbus sans l"}},
    {"courier new", {"liberation mono", "cousine", "nimbus mono ps", "nimbus mono l"}},
    {"courier", {"liberation mono", "cousine", "nimbus mono ps", "nimbus mono l"}},
}};

}  // namespace

std::string FamilyWithoutFoundry(std::string_view family)
{
    const std::size_t open = family.rfind(" [");
    if (open != std::string_view::npos && family.size() > open + 3 && family.back() == ']')
        family = family.substr(0, open);
    return std::string(family);
}

bool StandsFor(std::string_view family, std::string_view preferred)
{
    const std::string name = LowerCase(FamilyWithoutFoundry(family));
    const std::string wanted = LowerCase(preferred);
    if (name == wanted)
        return true;
    for (const Substitutes& s : kSubstitutes)
        if (s.preferred == wanted)
            for (std::string_view face : s.faces)
                if (name == face)
                    return true;
    return false;
}

std::string DefaultFontName(const std::vector<std::string>& installedFonts,
                            const std::vector<std::string>& fixedPitchFonts)
{
    for (std::string_view preferred : {"Courier New", "Terminal"}) {
        for (const std::string& font : installedFonts) {
            if (LowerCase(FamilyWithoutFoundry(font)) == LowerCase(preferred))
                return FamilyWithoutFoundry(font);
        }
        for (const std::string& font : installedFonts)
            if (StandsFor(font, preferred))
                return std::string(preferred);
    }
    if (!fixedPitchFonts.empty())
        return FamilyWithoutFoundry(fixedPitchFonts.front());
    return installedFonts.empty() ? std::string("Courier New") : FamilyWithoutFoundry(installedFonts.front());
}

}  // namespace castovin
