#pragma once
// What the parameters and cost editors share: the button row, the "Results"
// sequence over the open editor, the closing that commits or not and gives
// the main window back, and a layout that keeps its shape when resized.

#include <array>
#include <functional>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QHBoxLayout;
class QWidget;

#include "core/program/output_commands.h"
#include "ui/app/window_context.h"

namespace castovin {

struct Environment;
struct Messenger;
struct Project;
struct ReportSession;

// The button row of the parameters and cost editors: "Results" and
// "&Copy Clip" on the left, "Help", "OK" (Enter) and "Cancel" (Esc) on the
// right. OK and Results run the editor's own handlers; Cancel closes it.
QHBoxLayout* EditorButtonRow(QWidget* editor, Messenger& messenger, PlatformServices& platform,
                             const std::function<void()>& ok, const std::function<void()>& results);

// The records an editor's "Results" reports on: the project's, with the
// editor's values written over them by the editor.
using EditedRecords = std::function<void(std::array<SupportRecord, 2>& support, CostRecord& cost)>;

// Builds the report of the edited records (the project keeps its committed
// ones), shows it in the session and opens the results viewer over `editor`.
void ShowEditorResults(const Project& project, ReportSession& session, const Environment& env, ProgramHost& host,
                       QWidget* editor, ReportType type, const EditedRecords& edited);

// Logs whether the project was modified, marks it edited when it was, and
// gives the main window back (enabled, with the focus).
void FinishProjectEditor(Project& project, ReportSession& session, Messenger& messenger, ProgramHost& host,
                         bool modified);

// Lines up the label and field columns of neighbouring frames: every grid
// gets the widest label and the widest field of them all as its column
// minimums, so no field shrinks below its text.
void AlignFieldColumns(const std::vector<QGridLayout*>& grids);

// Puts `content` in the middle of `editor`: extra space when the window is
// made larger goes to the margins, not into the fields.
void CentreContent(QWidget* editor, QBoxLayout* content);

}  // namespace castovin
