#pragma once
// Font family names as the window system lists them, and the rule that picks
// the panes' default font from them. Families installed from more than one
// foundry are listed as "Name [Foundry]"; the rules compare names without it.
#include <string>
#include <string_view>
#include <vector>

namespace castovin {

// "C059 [UKWN]" gives "C059"; a name without a foundry is returned whole.
std::string FamilyWithoutFoundry(std::string_view family);

// True when `family` is `preferred` (ignoring case and foundry) or a face
// with the same metrics that the system substitutes for it (Liberation Sans
// or Arimo for Arial, Liberation Mono or Cousine for Courier New and Courier).
bool StandsFor(std::string_view family, std::string_view preferred);

// The default font of the history and browser panes, which show aligned text
// and so take a fixed-pitch face: "Courier New" when it or its substitute is
// installed, else "Terminal", else the first of `fixedPitchFonts`, else the
// first installed font, else "Courier New". A name is returned without its
// foundry, a substitute under the preferred name.
std::string DefaultFontName(const std::vector<std::string>& installedFonts,
                            const std::vector<std::string>& fixedPitchFonts);

}  // namespace castovin
