#include <cstdio>

#include <gtest/gtest.h>

#include "core/config/settings.h"
#include "core/tools/release_notices.h"

namespace castovin {
namespace {

DateTime Day(int year, int month, int day)
{
    return DateTime{year, month, day, 12, 0, 0};
}

constexpr CalendarDate kAug2013{2013, 8, 20};

TEST(ReleaseNotices, DaysCountCalendarDaysAcrossMonthsAndLeapYears)
{
    EXPECT_EQ(DaysSinceRelease(kAug2013, Day(2013, 8, 20)), 0);
    EXPECT_EQ(DaysSinceRelease(kAug2013, Day(2013, 8, 21)), 1);
    EXPECT_EQ(DaysSinceRelease(kAug2013, Day(2013, 9, 1)), 12);
    EXPECT_EQ(DaysSinceRelease(kAug2013, Day(2013, 8, 19)), -1);
    // 20 Aug 2013 to 20 Aug 2014 is 365 days; to 20 Aug 2016 crosses 29 Feb 2016.
    EXPECT_EQ(DaysSinceRelease(kAug2013, Day(2014, 8, 20)), 365);
    EXPECT_EQ(DaysSinceRelease(kAug2013, Day(2016, 8, 20)), 365 * 3 + 1);
}

TEST(ReleaseNotices, ReminderStartsOnTheThreeHundredSixtyFirstDay)
{
    SettingsRecord settings;
    settings.RemindAnnualUpdates = 1;
    // Release date, today, due. Built today: quiet; built from a commit 400
    // days old (10 Dec 2026 back to 5 Nov 2025): due.
    const struct {
        CalendarDate release;
        DateTime today;
        bool due;
    } cases[] = {
        {kAug2013, Day(2014, 8, 15), false},                                                    // 360 days
        {kAug2013, Day(2014, 8, 16), true},                                                     // 361 days
        {kAug2013, Day(2026, 1, 1), true},         {{2026, 12, 10}, Day(2026, 12, 10), false},  // built today
        {{2025, 11, 5}, Day(2026, 12, 10), true},                                               // 400 days
        {{2026, 12, 10}, Day(2026, 12, 1), false},  // a clock before the release
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnnualUpdateDue(settings, c.release, c.today), c.due)
            << c.release.year << "-" << c.release.month << "-" << c.release.day << " to " << c.today.year << "-"
            << c.today.month << "-" << c.today.day;
    EXPECT_EQ(DaysSinceRelease({2025, 11, 5}, Day(2026, 12, 10)), 400);
    // Switched off, or any value other than 1: never.
    for (int16_t off : {0, 2, -1}) {
        settings.RemindAnnualUpdates = off;
        EXPECT_FALSE(AnnualUpdateDue(settings, kAug2013, Day(2026, 1, 1))) << off;
    }
}

TEST(ReleaseNotices, BuiltReleaseDateIsTheConfiguredOne)
{
    // CASTOVIN_RELEASE_DATE as CMake worked it out (the commit's date by default).
    const std::string configured = CASTOVIN_CONFIGURED_RELEASE_DATE;
    const CalendarDate built = ReleaseDate();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", built.year, built.month, built.day);
    EXPECT_EQ(text, configured);
}

TEST(ReleaseNotices, UpdateTextWithinAndAfterTheFirstYear)
{
    const std::string tail =
        "\r\n\r\nYou may manually update the program by downloading and installing the new setup file.";
    EXPECT_EQ(UpdateText(360), "Clicking on the URL below will connect you directly with the program website. " + tail);
    EXPECT_EQ(UpdateText(0), "Clicking on the URL below will connect you directly with the program website. " + tail);
    EXPECT_EQ(UpdateText(361),
              "This version was released over a year ago. Although major updates may not be scheduled, interim "
              "updates may be released with bug fixes. Check for an updated version by visiting the program web "
              "page below.  " +
                  tail);
    EXPECT_EQ(UpdateInfoText("20-Aug-2013"), "Current Program Version: 2.5.02\r\nCurrent Revision Date: 20-Aug-2013");
    EXPECT_EQ(UpdateCaption("CASTOVIN"), "Program Update for CASTOVIN");
}

TEST(ReleaseNotices, AboutTextLeadsWithNameVersionAndDate)
{
    EXPECT_EQ(ReleaseDateText(kAug2013, "Aug"), "20-Aug-2013");
    EXPECT_EQ(ReleaseDateText({2026, 1, 5}, "août"), "05-août-2026");
    EXPECT_EQ(AboutTitle("CASTOVIN"), "About the CASTOVIN Program");
    const std::string text = AboutText("CASTOVIN", "20-Aug-2013");
    const std::string head = "CASTOVIN\r\n\nVersion: 2.5.02\r\n\nRevision Date: 20-Aug-2013\r\n\n";
    ASSERT_EQ(text.substr(0, head.size()), head);
    // Five credit lines, each ending CR LF, the third with an extra LF.
    const std::string credits = text.substr(head.size());
    std::size_t lines = 0;
    std::size_t blankAfter = 0;
    for (std::size_t at = credits.find("\r\n"); at != std::string::npos; at = credits.find("\r\n", at + 2)) {
        ++lines;
        if (at + 2 < credits.size() && credits[at + 2] == '\n')
            blankAfter = lines;
    }
    EXPECT_EQ(lines, 5u);
    EXPECT_EQ(blankAfter, 3u);
    EXPECT_EQ(credits.substr(credits.size() - 2), "\r\n");
    EXPECT_NE(credits.find("Castovin developers"), std::string::npos);
    EXPECT_NE(credits.find("MIT"), std::string::npos);
}

TEST(ReleaseNotices, DisclaimerNamesWhereQuestionsGo)
{
    EXPECT_EQ(DisclaimerCaption("CASTOVIN"), "Disclaimer for CASTOVIN");
    const std::string text = DisclaimerText("https://tracker.example/issues");
    EXPECT_EQ(text.substr(0, 14), "DISCLAIMER\r\n\r\n");
    EXPECT_NE(text.find("without warranty"), std::string::npos);
    EXPECT_NE(text.find("https://tracker.example/issues"), std::string::npos);
    // Heading, warranty paragraph, questions paragraph.
    EXPECT_NE(text.find("\r\n\r\n", 14), std::string::npos);
    EXPECT_LT(text.find("liable"), text.find("https://tracker.example/issues"));
}

}  // namespace
}  // namespace castovin
