#pragma once
// The sequences that build a report before the results viewer opens: the
// output menu's, on the project, and the editors' "Results", on the values
// being edited.

namespace castovin {

struct ProgramState;

enum class ReportType { Design = 1, Cost = 2 };

// The output menu: refuses an empty project with "Current file is empty";
// otherwise fills the work copy from the project, runs the analysis and
// builds the pages. True when the viewer is to open.
bool RunOutputCommand(ProgramState& state, ReportType type);

// An editor's "Results", after the editor filled the work copy: runs the
// analysis and builds the pages so that the listing shows the edited values,
// while the project keeps its committed ones. True when the viewer is to open.
bool RunEditorResults(ProgramState& state, ReportType type);

}  // namespace castovin
