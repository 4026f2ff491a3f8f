#include "core/program/output_commands.h"

#include <algorithm>

#include "core/files/lifecycle.h"
#include "core/model/cost_analysis.h"
#include "core/model/design_analysis.h"
#include "core/model/report_assembly.h"
#include "core/model/report_session.h"
#include "core/program/program_state.h"
#include "core/text/messages.h"

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

bool RunOutputCommand(ProgramState& state, ReportType type)
{
    if (RefusedAsEmpty(state.project, state.messenger))
        return false;
    const bool withHeader = state.environment.Settings.PrintModuleHeader == 1;
    state.session.Show(BuildReport(state.project, state.project.Support, state.project.Cost, type, withHeader), type);
    return true;
}

}  // namespace castovin
