#include <algorithm>

#include <gtest/gtest.h>

#include "core/text/description.h"

namespace castovin {
namespace {

TEST(WrapDescriptionLine, CutsAtTheLastBlankFromSixtyDownToForty)
{
    // 61 characters, only blank at 30: no blank in 40..60, cut hard at 60.
    const std::string blank30 = std::string(29, 'a') + " " + std::string(31, 'b');
    EXPECT_EQ(WrapDescriptionLine(blank30), blank30.substr(0, 60) + "\r\n" + blank30.substr(60));
    // Only blank at 45: the first piece keeps that blank at its end.
    const std::string blank45 = std::string(44, 'a') + " " + std::string(16, 'b');
    EXPECT_EQ(WrapDescriptionLine(blank45), std::string(44, 'a') + " \r\n" + std::string(16, 'b'));
}

TEST(WrapDescriptionLine, ShortRemainderIsCutOnceMore)
{
    // 100 characters: cut at 60 (blank), then the 40-character remainder holds
    // no blank at 40..59 and stays whole.
    const std::string first = std::string(59, 'a') + " ";
    const std::string rest = std::string(40, 'c');
    EXPECT_EQ(WrapDescriptionLine(first + rest), first + "\r\n" + rest);
    // A 50-character remainder with a blank at its position 42 is cut there.
    const std::string remainder = std::string(41, 'd') + " " + std::string(8, 'e');
    EXPECT_EQ(WrapDescriptionLine(first + remainder),
              first + "\r\n" + std::string(41, 'd') + " \r\n" + std::string(8, 'e'));
}

TEST(WrapDescriptionLine, TenMegabyteLine)
{
    // One million ten-character words: six words to a 60-character line,
    // and four words (40 characters) left for the last line. The time this
    // takes is measured in bench/, not here.
    std::string line;
    for (int i = 0; i < 1000000; ++i)
        line += "abcdefghi ";
    std::string description = line;
    NormaliseDescription(description);
    const std::vector<std::string> lines = SplitLines(description);
    ASSERT_EQ(lines.size(), 166667u);
    const std::string six = "abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi ";
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end() - 1, [&](const std::string& l) { return l == six; }));
    EXPECT_EQ(lines.back(), six.substr(0, 40));
    EXPECT_EQ(description.size(), line.size() + 2 * 166666);
}

TEST(NormaliseDescription, DropsBlankLinesAndTheFinalLineEnd)
{
    std::string d = "first line\r\n\r\n   \r\nsecond line\r\n";
    NormaliseDescription(d);
    EXPECT_EQ(d, "first line\r\nsecond line");
}

TEST(NormaliseDescription, EmptyAndBlankOnly)
{
    std::string empty;
    NormaliseDescription(empty);
    EXPECT_EQ(empty, "");
    std::string blanks = "  \r\n\r\n \r\n";
    NormaliseDescription(blanks);
    EXPECT_EQ(blanks, "");
}

TEST(NormaliseDescription, KeepsShortLinesUntrimmedAndWrapsLongOnes)
{
    std::string d = "   indented, with, commas  \r\n" + std::string(70, 'x');
    NormaliseDescription(d);
    EXPECT_EQ(d, "   indented, with, commas  \r\n" + std::string(60, 'x') + "\r\n" + std::string(10, 'x'));
}

TEST(NormaliseDescription, AWrappedPieceOfBlanksAloneIsDropped)
{
    // Cut hard at 60, then after the blank at 60 of the rest, the line
    // leaves one blank as its last piece.
    std::string d = std::string(100, 'x') + std::string(21, ' ') + "\r\nnext";
    NormaliseDescription(d);
    EXPECT_EQ(d, std::string(60, 'x') + "\r\n" + std::string(40, 'x') + std::string(20, ' ') + "\r\nnext");
}

TEST(NormaliseDescription, LoneCrAndLoneLfEndLines)
{
    // A lone LF ends a line too, so that the file reader (which splits at LF)
    // reads back exactly the lines that were written.
    std::string d = "one\rtwo\nthree\r\nfour";
    NormaliseDescription(d);
    EXPECT_EQ(d, "one\r\ntwo\r\nthree\r\nfour");
}

TEST(NormaliseDescription, IsStableWhenRepeated)
{
    std::string d = std::string(130, 'w') + "\r\nshort\r\n" + std::string(45, 'a') + " " + std::string(30, 'b');
    NormaliseDescription(d);
    std::string again = d;
    NormaliseDescription(again);
    EXPECT_EQ(again, d);
}

TEST(NormaliseDescription, CountsCharactersNotBytes)
{
    // 60 two-byte characters fit one line; 61 do not.
    std::string sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "\xC3\xA9";
    std::string d = sixty;
    NormaliseDescription(d);
    EXPECT_EQ(d, sixty);
    std::string d61 = sixty + "\xC3\xA9";
    NormaliseDescription(d61);
    EXPECT_EQ(d61, sixty + "\r\n\xC3\xA9");
}

}  // namespace
}  // namespace castovin
