#include "text/description.h"

#include "text/text_format.h"
#include "text/unicode.h"

namespace castovin {

namespace {

constexpr std::size_t kDescriptionWidth = 60;
constexpr std::size_t kLowestCut = 40;

// Characters in the first piece of `rest`: the highest position from 60 down
// to 40 that holds a blank, or 60 when none does.
std::size_t CutLength(std::u32string_view rest)
{
    for (std::size_t k = kDescriptionWidth; k >= kLowestCut; --k)
        if (k <= rest.size() && rest[k - 1] == U' ')
            return k;
    return kDescriptionWidth;
}

}  // namespace

std::string WrapDescriptionLine(std::string_view line)
{
    std::u32string rest = ToU32(line);
    std::u32string out;
    while (!rest.empty()) {
        const std::size_t k = CutLength(rest);
        out += rest.substr(0, k);
        if (rest.size() <= k)
            break;
        rest.erase(0, k);
        out += U"\r\n";
    }
    return ToUtf8(out);
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
        rebuilt += CharCount(trimmed) > kDescriptionWidth ? WrapDescriptionLine(line) : line;
        rebuilt += CrLf;
    }
    if (!rebuilt.empty())
        rebuilt.resize(rebuilt.size() - 2);
    description = std::move(rebuilt);
}

}  // namespace castovin
