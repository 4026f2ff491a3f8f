#pragma once
// Building reports: one entry point makes the pages of a design, cost or
// listing report from a project and the records to analyse, one joins the
// pages as they are copied and printed. The output menu runs them on the
// project; an editor's "Results" on the values being edited.

#include <array>
#include <string>

#include "core/model/project.h"
#include "core/model/report_session.h"

namespace castovin {

struct Messenger;
struct ProgramState;

// The pages of a report. The title, description, path and unit system come
// from `project`; the support and cost inputs are those given, so that a
// report can show values not yet committed. `withHeader` adds the module
// version, project file and units lines.
ReportPages BuildReport(const Project& project, const std::array<SupportRecord, 2>& support, const CostRecord& cost,
                        ReportType type, bool withHeader);

// Pages `first`..`last` of the session joined, as copied and printed.
std::string JoinPages(const ReportSession& session, int first, int last);

// The output menu: refuses an empty project with "Current file is empty";
// otherwise builds the report of the project's records and shows it in the
// session. True when the viewer is to open.
bool RunOutputCommand(ProgramState& state, ReportType type);

}  // namespace castovin
