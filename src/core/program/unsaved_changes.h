#pragma once
// The unsaved-changes protocol around New, Open, Save and the end of the
// program: when a changed project is about to be replaced or left, the user
// is asked whether to save it first, and the save may ask for a name. The
// paths are passed in: the path the changes are saved under and the path
// about to be opened are different files during an Open.

#include <functional>
#include <optional>
#include <string>

#include "core/text/messages.h"

namespace castovin {

struct ProgramState;

// What the protocol asks of the window it runs in.
struct SaveDialogs {
    // Shows a question box and returns the answer.
    std::function<MsgResult(const std::string& text, MsgStyle style, const std::string& title)> ask;
    // The Save As dialog: the chosen path, nothing when cancelled.
    std::function<std::optional<std::string>()> askName;
    // Runs a step that may throw a run-time error, reporting the error;
    // true when the step ran through.
    std::function<bool(const std::function<void()>& step)> trapped;
};

// Saves the project under `path`, asking for a name first when `path` names
// no file yet or when `force` is set; true when it was written. A name
// without a folder (after a conversion) goes to the data folder.
bool FileMenuSave(ProgramState& state, const std::string& path, bool force, const SaveDialogs& dialogs);

// Before the project is replaced: asks whether to save unsaved changes
// under `savePath`; true when the command may go on. A save that does not
// happen stops the command only when `stopWhenNotSaved` is set.
bool AskToSaveChanges(ProgramState& state, const std::string& savePath, bool stopWhenNotSaved,
                      const SaveDialogs& dialogs);

// Asks about unsaved changes under `savePath`, then opens `openPath` (the
// open goes on whatever the save did); true when it was read completely,
// and then it heads the recent-file list.
bool LoadProjFile(ProgramState& state, const std::string& savePath, const std::string& openPath,
                  const SaveDialogs& dialogs);

// Before the program ends: asks whether to save unsaved changes; true when
// the program may end (No, or a save that happened).
bool QueryUnload(ProgramState& state, const SaveDialogs& dialogs);

}  // namespace castovin
