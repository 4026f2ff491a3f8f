#include <gtest/gtest.h>

#include "core/text/text_format.h"

namespace castovin {
namespace {

TEST(PadWithDots, PadsOrLeavesWhole)
{
    EXPECT_EQ(PadWithDots("Depth", 8), "Depth...");
    EXPECT_EQ(PadWithDots("Stability Fact", 8), "Stability Fact");
    EXPECT_EQ(PadWithDots("Depth", 5), "Depth");
    // Characters, not bytes: the e-acute counts once.
    EXPECT_EQ(PadWithDots("D\xC3\xA9pth", 8), "D\xC3\xA9pth...");
}

TEST(AlignRight, PadsOrLeavesWhole)
{
    EXPECT_EQ(AlignRight("3.50", 8), "    3.50");
    EXPECT_EQ(AlignRight("123456789", 8), "123456789");
    EXPECT_EQ(AlignRight("\xC2\xB0", 3), "  \xC2\xB0");
}

TEST(WrapText, WidthTwentyOrLessLeavesTheText)
{
    const std::string text(50, 'x');
    EXPECT_EQ(WrapText(text, 20), text);
}

TEST(WrapText, ExactWidthGetsOneLineEnd)
{
    const std::string text(70, 'a');
    EXPECT_EQ(WrapText(text, 70), text + "\r\n");
}

TEST(WrapText, CutsBeforeTheLastBlankInReach)
{
    // 75 characters, the only blank at position 14.
    const std::string text = std::string(13, 'a') + " " + std::string(61, 'b');
    EXPECT_EQ(WrapText(text, 70), std::string(13, 'a') + "\r\n" + std::string(61, 'b') + "\r\n");
    EXPECT_EQ(WrapText("Project File: /home/engineer/mines/north panel/entries/design case 12.vlb", 30),
              "Project File:\r\n/home/engineer/mines/north\r\npanel/entries/design case\r\n12.vlb\r\n");
}

TEST(WrapText, NoBlankInReachCutsHard)
{
    const std::string path = "Project File: " + std::string(100, 'p');
    EXPECT_EQ(WrapText(path, 70), "Project File:\r\n" + std::string(70, 'p') + "\r\n" + std::string(30, 'p') + "\r\n");
    const std::string solid(150, 'q');
    EXPECT_EQ(WrapText(solid, 70),
              std::string(70, 'q') + "\r\n" + std::string(70, 'q') + "\r\n" + std::string(10, 'q') + "\r\n");
    // The remainder after a hard cut loses its blanks at both ends.
    EXPECT_EQ(WrapText(std::string(70, 'r') + "   tail  ", 70), std::string(70, 'r') + "\r\ntail\r\n");
}

TEST(FileNumberText, PointAsSeparator)
{
    EXPECT_EQ(FileNumberText(1.5f), "1.5");
    EXPECT_EQ(FileNumberText(int16_t{45}), "45");
    EXPECT_EQ(FileNumberText("1,5"), "1.5");
    EXPECT_EQ(FileNumberText("1,5,2"), "1.5,2");
}

TEST(VersionText, RevisionHasTwoDigits)
{
    EXPECT_EQ(VersionText(), "2.5.02");
}

TEST(MessageExcerpt, EscapesControlsAndCutsLongText)
{
    EXPECT_EQ(MessageExcerpt("abc"), "abc");
    EXPECT_EQ(MessageExcerpt("a\x1B[31mb\a\x7F"), "a\\x1B[31mb\\x07\\x7F");
    EXPECT_EQ(MessageExcerpt("a\tb\rc"), "a\\x09b\\x0Dc");
    EXPECT_EQ(MessageExcerpt(std::string(40, 'x')), std::string(40, 'x'));
    EXPECT_EQ(MessageExcerpt(std::string(41, 'x')), std::string(40, 'x') + "\u2026");
    // Characters, not bytes, are counted: "é" is two bytes.
    EXPECT_EQ(MessageExcerpt("\u00e9\u00e9\u00e9", 2), "\u00e9\u00e9\u2026");
}

TEST(EscapeControls, EscapesAsTheExcerptDoesButNeverCuts)
{
    const std::string name = "/tmp/" + std::string(300, 'n') + "\n\x1B]0;x\a.vlb";
    EXPECT_EQ(EscapeControls(name), "/tmp/" + std::string(300, 'n') + "\\x0A\\x1B]0;x\\x07.vlb");
    EXPECT_EQ(EscapeControls("caf\u00e9 \\x41"), "caf\u00e9 \\x41");  // escaped text stays as it is
}

}  // namespace
}  // namespace castovin
