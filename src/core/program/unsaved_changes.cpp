#include "core/program/unsaved_changes.h"

#include "core/files/lifecycle.h"
#include "core/files/project_file.h"
#include "core/program/program_state.h"
#include "core/program/project_commands.h"
#include "core/text/paths.h"

namespace castovin {

// The two save-changes questions go to the box directly, not through
// ShowMessage, so they leave no line in the history log: the log records
// what was done to the project, and whatever the answer leads to logs
// itself ("Saving: ...", "Opening: ..."); a question that changed nothing
// would only push those lines out of a log of limited size.

bool FileMenuSave(ProgramState& state, const std::string& path, bool force, const SaveDialogs& dialogs)
{
    std::string target = path;
    if (force || PathNeedsName(path)) {
        const std::optional<std::string> chosen = dialogs.askName();
        if (!chosen)
            return false;
        target = *chosen;
    }
    // A project named without a folder (after a conversion) goes to the
    // data folder, not to wherever the program happens to run.
    if (FolderPart(target).empty())
        target = state.environment.Settings.DataPath + target;
    return dialogs.trapped([&] { FileSave(state.project, target, state.messenger); });
}

bool AskToSaveChanges(ProgramState& state, const std::string& savePath, bool stopWhenNotSaved,
                      const SaveDialogs& dialogs)
{
    if (state.project.ProjectSaved != FlagFalse)
        return true;
    const MsgResult answer =
        dialogs.ask("Save changes to: " + savePath + "?",
                    MsgStyle{MsgButtons::YesNo, MsgIcon::Question, MsgDefault::Second}, state.environment.ProgramTitle);
    if (answer != MsgResult::Yes)
        return true;
    return FileMenuSave(state, savePath, false, dialogs) || !stopWhenNotSaved;
}

bool LoadProjFile(ProgramState& state, const std::string& savePath, const std::string& openPath,
                  const SaveDialogs& dialogs)
{
    AskToSaveChanges(state, savePath, false, dialogs);
    // A failed open leaves the project "Untitled"; a retry reads `openPath`
    // again.
    bool opened = false;
    dialogs.trapped([&] {
        opened =
            static_cast<bool>(OpenProject(state.project, state.session, openPath, state.environment, state.messenger));
    });
    if (opened)
        RecentFileUpdate(state.environment, state.messenger, state.project.ProjectFilePath);
    return opened;
}

bool QueryUnload(ProgramState& state, const SaveDialogs& dialogs)
{
    if (state.project.ProjectSaved != FlagFalse)
        return true;
    const MsgResult answer =
        dialogs.ask("Save changes to: " + state.project.ProjectFilePath + "?",
                    MsgStyle{MsgButtons::YesNoCancel, MsgIcon::Question}, state.environment.ProgramTitle);
    if (answer == MsgResult::No)
        return true;
    if (answer != MsgResult::Yes || !FileMenuSave(state, state.project.ProjectFilePath, false, dialogs))
        return false;
    RecentFileUpdate(state.environment, state.messenger, state.project.ProjectFilePath);
    return true;
}

}  // namespace castovin
