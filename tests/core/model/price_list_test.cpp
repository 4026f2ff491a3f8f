// Price lists: reading the CSV with its comments and errors, and writing it
// back so that the same floats come out.

#include <cmath>

#include <gtest/gtest.h>

#include "core/model/price_list.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

TEST(PriceList, ReadsRowsAroundCommentsBlankLinesAndLineEnds)
{
    const std::string text = "\xEF\xBB\xBF# supplier list\r\n"
                             "\r\n"
                             " Length , DIAMETER,grade,price,name\r\n"
                             "6,0.75,75,4.25,6 ft No. 6\r\n"
                             "   # a comment after the header\n"
                             "\n"
                             "5.5, 0.625 ,60,2.4\n"
                             "7,0.875,75,8.6,\"No. 7, \"\"long\"\"\"";
    const PriceListRead read = ParsePriceList(text);
    ASSERT_FALSE(read.problem) << ProblemText(*read.problem);
    const std::vector<PriceRow> expected = {
        {6, 0.75f, 75, 4.25f, "6 ft No. 6"},
        {5.5f, 0.625f, 60, 2.4f, ""},  // the name column may be left out
        {7, 0.875f, 75, 8.6f, "No. 7, \"long\""},
    };
    EXPECT_EQ(read.rows, expected);
}

TEST(PriceList, HeaderWithoutNamesAndAListWithoutRows)
{
    PriceListRead read = ParsePriceList("length,diameter,grade,price\n20,22,520,3.9\n");
    ASSERT_FALSE(read.problem);
    EXPECT_EQ(read.rows, (std::vector<PriceRow>{{20, 22, 520, 3.9f, ""}}));

    read = ParsePriceList("# nothing offered yet\nlength,diameter,grade,price\n");
    EXPECT_FALSE(read.problem);
    EXPECT_TRUE(read.rows.empty());
}

// Each bad line is reported with its number in the file, comments and blank
// lines counted; the first problem ends the reading.
TEST(PriceList, BadLinesAreNamedByTheirNumber)
{
    const std::string head = "# list\nlength,diameter,grade,price\n\n6,0.75,75,4\n";  // data starts on line 4
    const struct {
        std::string line;
        std::string expected;
    } cases[] = {
        {"6,0.7x5,75,4", "line 5: the diameter \"0.7x5\" is not a number"},
        {"6,,75,4", "line 5: the diameter \"\" is not a number"},
        {"6,0.75,75", "line 5: expected 4 values, found 3"},
        {"6,0.75,75,4,name", "line 5: expected 4 values, found 5"},
        {"6,0.75,75,-0.5", "line 5: the price is below 0"},
        {"6,0.75,1e39,4", "line 5: the grade 1e39 is too large"},
        {"6,0.75,75,4 $", "line 5: the price \"4 $\" is not a number"},
        // File bytes reach the message escaped and cut, never raw.
        {"6,0.75,75,4\x1b[2J", "line 5: the price \"4\\x1B[2J\" is not a number"},
        {"6,0.75,75," + std::string(60, '9') + "x",
         "line 5: the price \"" + std::string(40, '9') + "\xE2\x80\xA6\" is not a number"},
    };
    for (const auto& c : cases) {
        const PriceListRead read = ParsePriceList(head + c.line + "\n7,1,75,5\n");
        ASSERT_TRUE(read.problem) << c.line;
        EXPECT_EQ(ProblemText(*read.problem), c.expected);
    }

    PriceListRead read = ParsePriceList("length,diameter,grade,price,name\n6,0.75,75,4,\"open\n");
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(ProblemText(*read.problem), "line 2: a quoted name is not closed");

    read = ParsePriceList("\n# no header\n6,0.75,75,4\n");
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(ProblemText(*read.problem), "line 3: expected the header length,diameter,grade,price[,name]");
}

// Without a header no line is at fault: the message says what the file holds
// instead of naming the line after its end.
TEST(PriceList, TextWithoutAHeaderNamesNoLine)
{
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", "the price list is empty"},
        {"\xEF\xBB\xBF", "the price list is empty"},
        {"# prices to come\n\n  # none yet\r\n",
         "the price list holds only comments and blank lines, no header length,diameter,grade,price[,name]"},
    };
    for (const auto& c : cases) {
        const PriceListRead read = ParsePriceList(c.text);
        ASSERT_TRUE(read.problem) << c.text;
        EXPECT_EQ(read.problem->line, 0) << c.text;
        EXPECT_EQ(ProblemText(*read.problem), c.expected);
    }
}

// Values outside the editor's ranges are rows like any other: the search,
// not the reader, skips them.
TEST(PriceList, ValuesOutsideTheEditorsRangesAreRead)
{
    const PriceListRead read = ParsePriceList("length,diameter,grade,price\n12,1.5,0,0\n");
    ASSERT_FALSE(read.problem);
    EXPECT_EQ(read.rows, (std::vector<PriceRow>{{12, 1.5f, 0, 0, ""}}));
}

TEST(PriceList, WrittenTextReadsBackToTheSameRows)
{
    const std::vector<PriceRow> rows = {
        {1.1f, 16, 420, 0.1f, "M16, \"short\""},
        {2.4f, 22.2f, 640, 12345.67f, " padded "},
        {3.3f, 25, 520, 7.8f, ""},
    };
    const std::string text = PriceListText(rows);
    EXPECT_EQ(text.substr(0, text.find('\n')), "length,diameter,grade,price,name");
    EXPECT_TRUE(test::Contains(text, "\n1.1,16,420,0.1,\"M16, \"\"short\"\"\"\n")) << text;
    const PriceListRead read = ParsePriceList(text);
    ASSERT_FALSE(read.problem);
    EXPECT_EQ(read.rows, rows);

    // Floats that need 8 or 9 digits to be told from their neighbours.
    const std::vector<PriceRow> fine = {{4.2777777f, std::nextafter(0.1f, 1.0f), 16777217.0f, 3.4028235e38f, ""}};
    const PriceListRead fineRead = ParsePriceList(PriceListText(fine));
    ASSERT_FALSE(fineRead.problem);
    EXPECT_EQ(fineRead.rows, fine);

    const std::vector<PriceRow> unnamed = {{6, 0.75f, 75, 4.25f, ""}};
    EXPECT_EQ(PriceListText(unnamed), "length,diameter,grade,price\n6,0.75,75,4.25\n");
}

TEST(PriceList, FilesAreWrittenAndReadOrTheProblemIsReturned)
{
    test::TempDir dir;
    const std::vector<PriceRow> rows = {{6, 0.75f, 75, 4.25f, "No. 6"}};
    EXPECT_FALSE(WritePriceListFile(dir.File("prices.csv"), rows));
    const PriceListRead read = ReadPriceListFile(dir.File("prices.csv"));
    ASSERT_FALSE(read.problem);
    EXPECT_EQ(read.rows, rows);

    const PriceListRead missing = ReadPriceListFile(dir.File("missing.csv"));
    ASSERT_TRUE(missing.problem);
    EXPECT_EQ(missing.problem->line, 0);
    EXPECT_TRUE(test::Contains(ProblemText(*missing.problem), "missing.csv")) << missing.problem->message;

    const std::optional<std::string> failed = WritePriceListFile(dir.File("no-folder/prices.csv"), rows);
    ASSERT_TRUE(failed);
    EXPECT_TRUE(test::Contains(*failed, "no-folder")) << *failed;
}

}  // namespace
// The design search's table is read as a file of its cells would be: a
// name may hold what CSV must quote, a blank row keeps the numbering, and a
// line break pasted into a cell cannot split a row.
TEST(PriceList, TableCellsReadAsTheirFile)
{
    using Row = std::array<std::string, 5>;
    PriceListRead read = ParsePriceCells(
        {Row{" 6 ", "0.75", "75", "4.25", "No. 6, \"grouted\""}, Row{}, Row{"5", "0.75", "75", "3.7", "two\nlines"}});
    ASSERT_FALSE(read.problem) << read.problem->message;
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0], (PriceRow{6, 0.75f, 75, 4.25f, "No. 6, \"grouted\""}));
    EXPECT_EQ(read.rows[1].name, "two lines");

    read = ParsePriceCells({Row{"6", "0.75", "75", "4"}, Row{}, Row{"6", "0,75", "75", "4"}});
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(ProblemText(*read.problem), "line 4: the diameter \"0,75\" is not a number");
}

}  // namespace castovin
