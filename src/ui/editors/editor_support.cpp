#include "editors/editor_support.h"

#include "engine/program_state.h"
#include "files/lifecycle.h"
#include "main/main_window.h"
#include "text/messages.h"

namespace castovin {

void ShowEditorResults(MainWindow& main, ReportType type, const std::function<void()>& saveWorkParms)
{
    bool done = false;
    main.Trapped([&] {
        saveWorkParms();
        done = RunEditorResults(main.State(), type);
    });
    if (done)
        main.ShowResultsViewer();
}

void FinishProjectEditor(MainWindow& main, bool modified)
{
    ProgramState& state = main.State();
    if (modified) {
        MarkProjectEdited(state);
        AppendHistory(state, "Project Parameters Modified");
        main.UpdateCaption();
    } else {
        AppendHistory(state, "Project Parameters Not Modified");
    }
    state.EditorOpen = 0;
    main.setEnabled(true);
    main.activateWindow();
}

}  // namespace castovin
