#include "program/output_commands.h"

#include "model/cost_analysis.h"
#include "model/design_analysis.h"
#include "program/program_state.h"
#include "model/report_assembly.h"
#include "text/messages.h"

namespace castovin {

namespace {

bool Analyse(ProgramState& state, ReportType type)
{
    return type == ReportType::Design ? DesignAnalysis(state) : CostAnalysis(state);
}

}  // namespace

bool RunOutputCommand(ProgramState& state, ReportType type)
{
    if (state.ProjectEmpty == FlagTrue) {
        ShowMessage(state, "Current file is empty", MsgStyle::DefaultButton2);
        return false;
    }
    state.LastOutputPage = 4;
    if (type == ReportType::Design)
        state.WorkSupport = state.Support;
    else
        state.WorkCost = state.Cost;
    if (!Analyse(state, type))
        return false;
    state.LastOutputPage = 1;
    state.ReportKind = static_cast<int16_t>(type);
    LoadOutBuf0(state, type == ReportType::Cost, false, false);
    return true;
}

bool RunEditorResults(ProgramState& state, ReportType type)
{
    if (!Analyse(state, type))
        return false;
    // The listing reads the project's records: show the edited values in it,
    // then put the committed ones back.
    const auto support = state.Support;
    const auto cost = state.Cost;
    if (type == ReportType::Design)
        state.Support = state.WorkSupport;
    else
        state.Cost = state.WorkCost;
    state.LastOutputPage = 1;
    state.ReportKind = static_cast<int16_t>(type);
    try {
        LoadOutBuf0(state, type == ReportType::Cost, false, false);
    } catch (...) {
        state.Support = support;
        state.Cost = cost;
        throw;
    }
    state.Support = support;
    state.Cost = cost;
    return true;
}

}  // namespace castovin
