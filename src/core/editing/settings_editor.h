#pragma once
// The rules of the settings dialog apart from its widgets: the fields it
// edits, the checks "OK" runs in their order, what the dialog stores on
// closing, the viewer default and the message of "Copy example files".

#include <functional>
#include <string>
#include <string_view>

#include "core/editing/editor_fields.h"

namespace castovin {

struct Environment;
struct Messenger;

// The dialog's controls as values: check boxes as true or false, the boxes
// as their text.
struct SettingsFields {
    int defaultUnits = 0;            // optUnits
    bool displayHistory = false;     // chkDispHist
    std::string historySize;         // Text3
    bool keepFileNames = false;      // chkKeepRecentFL
    bool shortRecentFiles = false;   // chkShortNames
    bool showDisclaim = false;       // chkShowDiscl
    bool maxMainMenu = false;        // chkMaxMenu
    bool enableToolbar = false;      // chkEnableTB
    bool loadLastInputFile = false;  // chkLoadLastInputFile
    bool remindUpdates = false;      // chkUpdate
    bool copyExamples = false;       // chkCopyExamples
    std::string dataPath;            // Text2
    std::string fileExtension;       // Text1
    std::string externalEditor;      // Text4
};

SettingsFields SettingsFieldsFromState(const Environment& env);

// The path rule of "OK" and of the path dialog: blanks around the path
// removed and a final separator added when it has none.
std::string CompletedFolderPath(std::string_view path);

// An extension is empty, or holds only the letters A to Z and the digits
// 0 to 9; trailing blanks are not looked at.
bool ValidFileExtension(std::string_view extension);

// The result of "OK": valid, or the box the focus goes to (None when the
// failed check leaves the focus where it is).
struct SettingsValidation {
    bool valid = true;
    SettingsField focus = SettingsField::None;
};

// The checks of "OK" in order, stopping at the first failure with its
// message: the data path (completed in `fields` first, so the box shows
// it; refused with a control character, which the settings file cannot
// keep), the history size, the extension, the viewer (no control character).
SettingsValidation CheckSettings(Messenger& messenger, SettingsFields& fields);

// Closing: when `accepted`, the fields go into the record, `applyToMainWindow`
// runs, "Settings Modified" is logged and [Settings] written; otherwise
// "Settings Not Modified" is logged and the record stays as it is.
void CloseSettings(Environment& env, Messenger& messenger, const SettingsFields& fields, bool accepted,
                   const std::function<void()>& applyToMainWindow);

// What ticking "Copy example files" tells the user.
std::string CopyExamplesMessage(const std::string& dataFolder);

// Where "&Select" starts: the folder the viewer box names, else /usr/bin.
std::string ViewerDialogFolder(std::string_view viewer);

}  // namespace castovin
