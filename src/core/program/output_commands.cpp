#include "program/output_commands.h"

#include <algorithm>

#include "files/lifecycle.h"
#include "model/cost_analysis.h"
#include "model/design_analysis.h"
#include "model/report_assembly.h"
#include "model/report_session.h"
#include "program/program_state.h"
#include "text/messages.h"

namespace castovin {

ReportPages BuildReport(const Project& project, const std::array<SupportRecord, 2>& support, const CostRecord& cost,
                        ReportType type, bool withHeader)
{
    switch (type) {
    case ReportType::Design:
        return {SupportListing(project, support, withHeader),
                DesignReportText(ComputeDesign(support, project.units), project.units)};
    case ReportType::Cost:
        return {CostListing(project, cost, withHeader), CostReportText(ComputeCostTable(cost), project.units)};
    case ReportType::Listing:
    default:
        return {FullListing(project, withHeader), {}};
    }
}

std::string JoinPages(const ReportSession& session, int first, int last)
{
    std::string joined;
    for (int i = std::max(first, 0); i <= last && i < static_cast<int>(session.OutputBuffer.size()); ++i)
        joined += session.OutputBuffer[static_cast<std::size_t>(i)];
    return joined;
}

namespace {

void ShowPages(ReportSession& session, ReportPages pages, ReportType type)
{
    session.OutputBuffer[0] = std::move(pages.listing);
    session.OutputBuffer[1] = std::move(pages.results);
    session.LastOutputPage = 1;
    session.ReportKind = static_cast<int16_t>(type);
}

}  // namespace

bool RunOutputCommand(ProgramState& state, ReportType type)
{
    if (RefusedAsEmpty(state.project, state.messenger))
        return false;
    state.session.LastOutputPage = 4;
    if (type == ReportType::Design)
        state.session.WorkSupport = state.project.Support;
    else
        state.session.WorkCost = state.project.Cost;
    const bool withHeader = state.environment.Settings.PrintModuleHeader == 1;
    ShowPages(state.session, BuildReport(state.project, state.session.WorkSupport, state.session.WorkCost, type, withHeader), type);
    return true;
}

void RunEditorResults(ReportSession& session, const Project& project, bool withHeader, ReportType type)
{
    ShowPages(session, BuildReport(project, session.WorkSupport, session.WorkCost, type, withHeader), type);
}

}  // namespace castovin
