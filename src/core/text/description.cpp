#include "core/text/description.h"

#include <algorithm>

#include "core/text/text_format.h"
#include "core/text/unicode.h"

namespace castovin {

namespace {

constexpr std::size_t kDescriptionWidth = 60;
constexpr std::size_t kLowestCut = 40;

// Characters in the first piece of `rest`: the highest position from 60 down
// to 40 that holds a blank, or 60 when none does.
template <typename View> std::size_t CutLength(View rest)
{
    for (std::size_t k = kDescriptionWidth; k >= kLowestCut; --k)
        if (k <= rest.size() && rest[k - 1] == ' ')
            return k;
    return kDescriptionWidth;
}

// A view moves along the line, so a long line is wrapped in one pass
// (erasing each piece from the front would copy the rest every time).
template <typename Text, typename View> Text Wrap(View rest)
{
    Text out;
    out.reserve(rest.size() + rest.size() / kLowestCut * 2 + 2);
    while (!rest.empty()) {
        const std::size_t k = CutLength(rest);
        out += rest.substr(0, k);
        if (rest.size() <= k)
            break;
        rest.remove_prefix(k);
        out += '\r';
        out += '\n';
    }
    return out;
}

}  // namespace

std::string WrapDescriptionLine(std::string_view line)
{
    // Plain ASCII has one byte per character and is cut as it is; other text
    // is cut by characters.
    const bool ascii =
        std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return Wrap<std::string>(line);
    const std::u32string whole = ToU32(line);
    return ToUtf8(Wrap<std::u32string>(std::u32string_view(whole)));
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

void NormaliseDescription(std::string& description)
{
    if (description.empty())
        return;
    std::string rebuilt;
    for (const std::string& line : SplitLines(description)) {
        const std::string trimmed = TrimBlanks(line);
        if (trimmed.empty())
            continue;
        if (CharCount(trimmed) <= kDescriptionWidth) {
            rebuilt += line;
            rebuilt += CrLf;
            continue;
        }
        // A wrapped line can end in a piece of blanks alone (a long line with
        // blanks after its last word); the file would keep it, and the next
        // reading drop it, so it is dropped here as every blank line is.
        for (const std::string& piece : SplitLines(WrapDescriptionLine(line))) {
            if (TrimBlanks(piece).empty())
                continue;
            rebuilt += piece;
            rebuilt += CrLf;
        }
    }
    if (!rebuilt.empty())
        rebuilt.resize(rebuilt.size() - 2);
    description = std::move(rebuilt);
}

}  // namespace castovin
