#pragma once
// What the parameters and cost editors share: the "Results" sequence over the
// open editor, and the closing that commits or not and gives the main window
// back.

#include <functional>

class QHBoxLayout;
class QWidget;

#include "program/output_commands.h"

namespace castovin {

class MainWindow;

// The button row of the parameters and cost editors: "Results" and
// "&Copy Clip" on the left, "Help", "OK" (Enter) and "Cancel" (Esc) on the
// right. OK and Results run the editor's own handlers; Cancel closes it.
QHBoxLayout* EditorButtonRow(QWidget* editor, MainWindow& main, const std::function<void()>& ok,
                             const std::function<void()>& results);

// Fills the work copy (`saveWorkParms`), runs the analysis on it and opens
// the results viewer over the editor.
void ShowEditorResults(MainWindow& main, ReportType type, const std::function<void()>& saveWorkParms);

// Logs whether the project was modified, marks it edited when it was, and
// enables the main window again.
void FinishProjectEditor(MainWindow& main, bool modified);

}  // namespace castovin
