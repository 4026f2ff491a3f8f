// The graph window module: Qt Charts, the graph window and the probabilistic
// window's charts, loaded by the program the first time one is shown.

#include "ui/graphs/graph_window.h"
#include "ui/graphs/risk_charts_pane.h"
#include "ui/late/module_entries.h"

extern "C" __attribute__((visibility("default"))) void
castovin_graphs_open(castovin::Project* project, castovin::Environment* environment, castovin::Messenger* messenger,
                     const castovin::WindowContext* context, int16_t graphIndex)
{
    castovin::OpenGraphWindow(*project, *environment, *messenger, *context, graphIndex);
}

extern "C" __attribute__((visibility("default"))) castovin::RiskCharts*
castovin_graphs_risk_charts(QWidget* parent, const castovin::Project* project, const castovin::Environment* environment,
                            castovin::Messenger* messenger, const castovin::WindowContext* context)
{
    return castovin::MakeRiskCharts(parent, *project, *environment, *messenger, *context);
}
