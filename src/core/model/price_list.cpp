#include "core/model/price_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/text/atomic_file.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"
#include "core/text/unicode.h"

namespace castovin {

namespace {

constexpr std::array<std::string_view, 4> kNumberColumns = {"length", "diameter", "grade", "price"};
constexpr std::string_view kHeader = "length,diameter,grade,price";

std::string_view TrimSpace(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The fields of one CSV line, without the blanks around them. A field in
// double quotes keeps its blanks and may hold commas and doubled quotes;
// nullopt when a quote is left open.
std::optional<std::vector<std::string>> SplitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::string field;
        const std::size_t start = i;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return std::nullopt;
                if (line[i] == '"' && !(i + 1 < line.size() && line[i + 1] == '"'))
                    break;
                if (line[i] == '"')
                    ++i;  // a doubled quote stands for one
                field += line[i];
            }
            ++i;
            const std::size_t comma = line.find(',', i);
            field += TrimSpace(line.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
            i = comma;
        } else {
            const std::size_t comma = line.find(',', start);
            field =
                TrimSpace(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
            i = comma;
        }
        fields.push_back(std::move(field));
        if (i == std::string_view::npos)
            return fields;
        ++i;  // past the comma
    }
}

// Which header a line is: 4 or 5 columns, 0 when it is no price-list header.
std::size_t HeaderColumns(std::string_view line)
{
    const auto fields = SplitFields(line);
    if (!fields || fields->size() < 4 || fields->size() > 5)
        return 0;
    for (std::size_t i = 0; i < kNumberColumns.size(); ++i)
        if (LowerCase(TrimSpace((*fields)[i])) != kNumberColumns[i])
            return 0;
    if (fields->size() == 5 && LowerCase(TrimSpace((*fields)[4])) != "name")
        return 0;
    return fields->size();
}

// One column value as a float, or the message that says why it is none.
std::optional<float> ColumnNumber(std::string_view text, std::string_view column, std::string& message)
{
    const std::string_view trimmed = TrimSpace(text);
    const std::optional<double> value = ParseStrictNumber(trimmed);
    if (!value) {
        message = "the " + std::string(column) + " \"" + MessageExcerpt(trimmed) + "\" is not a number";
        return std::nullopt;
    }
    // Values up to half a unit in the last place above the largest float
    // still round to it, as "3.4028235e+38" does.
    constexpr double kRoundsToInfinity = 0x1.ffffffp127;
    if (!(std::fabs(*value) < kRoundsToInfinity)) {
        message = "the " + std::string(column) + " " + MessageExcerpt(trimmed) + " is too large";
        return std::nullopt;
    }
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    return std::fabs(*value) > kFloatMax ? static_cast<float>(std::copysign(kFloatMax, *value))
                                         : TextToFloatAsRead(*value);
}

// A data line into `row`; the problem message when it is not a price row.
std::optional<std::string> ParseRow(std::string_view line, std::size_t columns, PriceRow& row)
{
    const auto fields = SplitFields(line);
    if (!fields)
        return "a quoted name is not closed";
    if (fields->size() != columns && !(columns == 5 && fields->size() == 4))
        return "expected " + std::to_string(columns) + " values, found " + std::to_string(fields->size());
    std::array<float, 4> numbers{};
    std::string message;
    for (std::size_t i = 0; i < kNumberColumns.size(); ++i) {
        const std::optional<float> number = ColumnNumber((*fields)[i], kNumberColumns[i], message);
        if (!number)
            return message;
        numbers[i] = *number;
    }
    if (numbers[3] < 0)
        return "the price is below 0";
    row = {numbers[0], numbers[1], numbers[2], numbers[3], fields->size() == 5 ? (*fields)[4] : ""};
    return std::nullopt;
}

// The shortest text that reads back as exactly this float: typed values
// such as 4.25 come back as typed, and no float needs more than 9 digits.
std::string ExactText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A name as a CSV field: in quotes when it holds a comma, a quote, a control
// character (a CR at its end would be lost as a line end) or blanks at either
// end. A line break cannot be kept in a line-based file and becomes a blank.
std::string QuotedName(const std::string& name)
{
    const bool plain =
        std::none_of(name.begin(), name.end(),
                     [](char c) { return c == ',' || c == '"' || static_cast<unsigned char>(c) < 0x20; }) &&
        TrimSpace(name) == name;
    if (plain)
        return name;
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c == '\n' ? ' ' : c;
    }
    return out + "\"";
}

}  // namespace

PriceListRead ParsePriceList(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    PriceListRead result;
    std::size_t columns = 0;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view content = TrimSpace(line);
        if (content.empty() || content.front() == '#')
            continue;
        if (columns == 0) {
            columns = HeaderColumns(content);
            if (columns == 0) {
                result.problem =
                    PriceListProblem{lineNumber, "expected the header " + std::string(kHeader) + "[,name]"};
                return result;
            }
            continue;
        }
        PriceRow row;
        if (const std::optional<std::string> message = ParseRow(content, columns, row)) {
            result.problem = PriceListProblem{lineNumber, *message};
            return result;
        }
        result.rows.push_back(std::move(row));
    }
    // No line of the file is at fault, so none is named.
    if (columns == 0)
        result.problem = PriceListProblem{0, lineNumber == 0 ? "the price list is empty"
                                                             : "the price list holds only comments and blank lines, "
                                                               "no header " +
                                                                   std::string(kHeader) + "[,name]"};
    return result;
}

std::string PriceListText(const std::vector<PriceRow>& rows)
{
    bool named = false;
    for (const PriceRow& row : rows)
        named = named || !row.name.empty();
    std::string out(kHeader);
    out += named ? ",name\n" : "\n";
    for (const PriceRow& row : rows) {
        out += ExactText(row.length) + "," + ExactText(row.diameter) + "," + ExactText(row.grade) + "," +
               ExactText(row.price);
        out += named ? "," + QuotedName(row.name) + "\n" : "\n";
    }
    return out;
}

PriceListRead ReadPriceListFile(const std::string& path)
{
    try {
        return ParsePriceList(DecodeFileText(ReadWholeFile(path)));
    } catch (const RuntimeError& e) {
        PriceListRead result;
        result.problem = PriceListProblem{0, e.description()};
        return result;
    }
}

std::optional<std::string> WritePriceListFile(const std::string& path, const std::vector<PriceRow>& rows)
{
    try {
        WriteFileAtomically(path, PriceListText(rows));
        return std::nullopt;
    } catch (const RuntimeError& e) {
        return e.description();
    }
}

PriceListRead ParsePriceCells(const std::vector<std::array<std::string, 5>>& cells)
{
    std::string text = "length,diameter,grade,price,name\n";
    for (const auto& row : cells) {
        const bool blank =
            std::all_of(row.begin(), row.end(), [](const std::string& cell) { return TrimSpace(cell).empty(); });
        if (!blank)
            for (std::size_t c = 0; c < row.size(); ++c)
                text += (c > 0 ? "," : "") + QuotedName(std::string(TrimSpace(row[c])));
        text += "\n";
    }
    return ParsePriceList(text);
}

std::string ProblemText(const PriceListProblem& problem)
{
    return problem.line > 0 ? "line " + std::to_string(problem.line) + ": " + problem.message : problem.message;
}

}  // namespace castovin
