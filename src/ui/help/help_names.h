#pragma once
// objectNames of the help window, the notices and the unit calculator, the
// names by which the tests and the screenshots find them.

namespace castovin::names {

inline constexpr const char* HelpWindow = "frmHelp";
inline constexpr const char* HelpContents = "helpContents";
inline constexpr const char* HelpIndex = "helpIndex";
inline constexpr const char* HelpPanes = "helpPanes";
inline constexpr const char* HelpBrowser = "helpBrowser";

inline constexpr const char* ResourceDialog = "frmResource";
inline constexpr const char* ResourceButton = "cmdView_%1";  // 0..5

inline constexpr const char* DisclaimerDialog = "frmDisclaimer";
inline constexpr const char* DisclaimerLabel = "lblDisclaimer";

inline constexpr const char* UpdateDialog = "frmUpdate";
inline constexpr const char* UpdateLabel = "lblUpdate";
inline constexpr const char* UpdateUrl = "lblURL";
inline constexpr const char* UpdateUrlBox = "Picture1";
inline constexpr const char* UpdateUrlCaption = "Label2";
inline constexpr const char* UpdateInfo = "lblInfo";

// Shared by the disclaimer and the update dialog.
inline constexpr const char* DontShowAgain = "chkShow";
inline constexpr const char* OkButton = "Command1";
inline constexpr const char* HelpButton = "Command3";

inline constexpr const char* UnitCalculator = "frmUnits";
inline constexpr const char* UnitTabs = "SSTab1";

}  // namespace castovin::names
