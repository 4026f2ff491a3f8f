#include "core/tools/release_notices.h"

#include <chrono>

#include "core/config/settings.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

constexpr const char* kNewLine = "\r\n";

std::chrono::sys_days CalendarDay(int year, int month, int day)
{
    return std::chrono::sys_days{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                                 std::chrono::day{static_cast<unsigned>(day)}};
}

}  // namespace

CalendarDate ReleaseDate()
{
    constexpr std::chrono::year_month_day built{std::chrono::year{CASTOVIN_RELEASE_YEAR},
                                                std::chrono::month{CASTOVIN_RELEASE_MONTH},
                                                std::chrono::day{CASTOVIN_RELEASE_DAY}};
    static_assert(built.ok(), "the configured release date is not a day of the calendar");
    return {CASTOVIN_RELEASE_YEAR, CASTOVIN_RELEASE_MONTH, CASTOVIN_RELEASE_DAY};
}

int DaysSinceRelease(const CalendarDate& release, const DateTime& today)
{
    const auto days =
        CalendarDay(today.year, today.month, today.day) - CalendarDay(release.year, release.month, release.day);
    return static_cast<int>(days.count());
}

bool AnnualUpdateDue(const SettingsRecord& settings, const CalendarDate& release, const DateTime& today)
{
    return settings.RemindAnnualUpdates == 1 && DaysSinceRelease(release, today) > QuietDaysAfterRelease;
}

std::string ReleaseDateText(const CalendarDate& release, std::string_view monthAbbreviation)
{
    // The day always has two digits, as in 05-Sep-2013.
    const std::string day = (release.day < 10 ? "0" : "") + std::to_string(release.day);
    return day + "-" + std::string(monthAbbreviation) + "-" + std::to_string(release.year);
}

std::string AboutTitle(std::string_view programName)
{
    return "About the " + std::string(programName) + " Program";
}

std::string AboutText(std::string_view programName, std::string_view releaseDate)
{
    std::string text = std::string(programName) + "\r\n\n";
    text += "Version: " + VersionText() + "\r\n\n";
    text += "Revision Date: " + std::string(releaseDate) + "\r\n\n";
    // Five credit lines; the third is followed by a blank line.
    text += "Castovin roof-bolt design program\r\n";
    text += "Written by the Castovin developers\r\n";
    text += "Copyright (c) the Castovin developers\r\n\n";
    text += "Released under the MIT licence (SPDX: MIT)\r\n";
    text += "See the LICENSE file shipped with the program\r\n";
    return text;
}

std::string DisclaimerCaption(std::string_view programName)
{
    return "Disclaimer for " + std::string(programName);
}

std::string DisclaimerText(std::string_view questionsAddress)
{
    std::string text = "DISCLAIMER";
    text += kNewLine;
    text += kNewLine;
    // Nine lines disclaiming warranty and liability.
    text += "This program is provided \"as is\", without warranty of any kind, express or ";
    text += "implied, including but not limited to the warranties of merchantability, ";
    text += "fitness for a particular purpose and noninfringement. ";
    text += "The results are an aid to the engineering judgement of a qualified person ";
    text += "and do not replace it: the design of roof support remains the responsibility ";
    text += "of the mine operator and of the engineer who signs it. ";
    text += "In no event shall the authors or copyright holders be liable for any claim, ";
    text += "damages or other liability arising from, out of or in connection with the ";
    text += "program or the use of its results.";
    text += kNewLine;
    text += kNewLine;
    // Four lines naming where questions go.
    text += "Questions, comments and reports of errors are welcome. ";
    text += "Please direct them to the Castovin developers through the project's issue tracker, ";
    text += std::string(questionsAddress) + ", ";
    text += "and include the program version and, if possible, the project file.";
    return text;
}

std::string UpdateCaption(std::string_view programName)
{
    return "Program Update for " + std::string(programName);
}

std::string UpdateText(int days)
{
    std::string text;
    if (days < QuietDaysAfterRelease + 1)
        text = "Clicking on the URL below will connect you directly with the program website. ";
    else
        text = std::string("This version was released over a year ago. ") +
               "Although major updates may not be scheduled, interim updates may be released with bug fixes. " +
               "Check for an updated version by visiting the program web page below.  ";
    text += "\r\n\r\n";
    text += "You may manually update the program by downloading and installing the new setup file.";
    return text;
}

std::string UpdateInfoText(std::string_view releaseDate)
{
    return "Current Program Version: " + VersionText() + "\r\nCurrent Revision Date: " + std::string(releaseDate);
}

}  // namespace castovin
