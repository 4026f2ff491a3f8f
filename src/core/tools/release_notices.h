#pragma once
// The texts and the date rule of the notices around this release: the about
// box, the disclaimer and the annual reminder that a newer version may exist.
// The month abbreviation of a date is given by the caller, who knows how the
// user's locale writes it.

#include <string>
#include <string_view>

#include "core/text/number_format.h"

namespace castovin {

struct SettingsRecord;

// A calendar day; month 1 to 12.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The release date of this build, as the build was configured: by default
// the date of the commit it was built from (never the time of the build).
CalendarDate ReleaseDate();

// The reminder stays quiet for this many days after the release.
inline constexpr int QuietDaysAfterRelease = 360;

// Whole calendar days from `release` to `today` (negative before it).
int DaysSinceRelease(const CalendarDate& release, const DateTime& today);

// True when the start-up should show the update dialog: the reminder is on
// ("RemindAnnualUpdates" is 1) and more than 360 days have passed since
// `release`.
bool AnnualUpdateDue(const SettingsRecord& settings, const CalendarDate& release, const DateTime& today);

// A release date as "dd-mmm-yyyy" with the month written as given
// ("20-Aug-2013").
std::string ReleaseDateText(const CalendarDate& release, std::string_view monthAbbreviation);

// "About the " + name + " Program", and the box's text: name, version and
// release date, each followed by a blank line, then the credit lines.
std::string AboutTitle(std::string_view programName);
std::string AboutText(std::string_view programName, std::string_view releaseDate);

// "Disclaimer for NAME" and the disclaimer's text, naming where questions go.
std::string DisclaimerCaption(std::string_view programName);
std::string DisclaimerText(std::string_view questionsAddress);

// "Program Update for NAME"; the explanation for `days` since the release
// (the text within the first year differs from the one after it); the
// version and release date lines.
std::string UpdateCaption(std::string_view programName);
std::string UpdateText(int days);
std::string UpdateInfoText(std::string_view releaseDate);

}  // namespace castovin
