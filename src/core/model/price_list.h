#pragma once
// A price list of roof bolts: one row per bolt a supplier offers, with its
// length, diameter and grade in the project's units and its price in $ per
// bolt. Kept as CSV text with the header "length,diameter,grade,price" and
// an optional fifth column "name"; blank lines and lines starting with "#"
// are comments.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace castovin {

struct PriceRow {
    float length = 0;    // ft | m
    float diameter = 0;  // in | mm
    float grade = 0;     // ksi | MPa
    float price = 0;     // $ per bolt
    std::string name;

    bool operator==(const PriceRow&) const = default;
};

// Why a price list could not be read. `line` counts from 1 in the file;
// 0 when the file itself could not be read or no one line is at fault.
struct PriceListProblem {
    int line = 0;
    std::string message;
};

// The rows of a price list, or the first problem found in it.
struct PriceListRead {
    std::vector<PriceRow> rows;
    std::optional<PriceListProblem> problem;
};

// Reads CSV text (LF or CR LF line ends, an optional UTF-8 byte-order mark).
// Numbers are plain decimals with "." whatever the locale; a price below 0
// or a value too large for the project's numbers is a problem of its line.
// A value outside the editor's ranges is not: the search skips that bolt.
// Text without a header (empty, or only comments and blank lines) is a
// problem of no line (0); a header without rows is no problem.
PriceListRead ParsePriceList(std::string_view text);

// The rows of a table of cells (length, diameter, grade, price, name), read
// exactly as a file holding them would be. An empty row stays a blank line,
// so that a problem's line is the table's row + 1.
PriceListRead ParsePriceCells(const std::vector<std::array<std::string, 5>>& cells);

// The CSV text of a price list, with the name column when any row has a
// name. Numbers are written so that reading them back gives the same floats;
// names are quoted where needed, and a line break in a name becomes a blank.
std::string PriceListText(const std::vector<PriceRow>& rows);

// The file forms of the two above. Reading reports an unreadable file as a
// problem of line 0; writing replaces the file atomically and returns the
// problem text when it could not.
PriceListRead ReadPriceListFile(const std::string& path);
std::optional<std::string> WritePriceListFile(const std::string& path, const std::vector<PriceRow>& rows);

// "line 7: ..." or, for line 0, the message alone.
std::string ProblemText(const PriceListProblem& problem);

}  // namespace castovin
