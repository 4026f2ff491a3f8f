#include "ui/graphs/graph_window.h"
#include "ui/graphs/risk_charts_pane.h"
#include "ui/help/help_window.h"
#include "ui/late/late_windows.h"

namespace castovin {

void LinkedLateWindows::OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger,
                                        const WindowContext& context, int16_t graphIndex)
{
    castovin::OpenGraphWindow(project, environment, messenger, context, graphIndex);
}

RiskCharts* LinkedLateWindows::MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                                              Messenger& messenger, const WindowContext& context)
{
    return castovin::MakeRiskCharts(parent, project, environment, messenger, context);
}

void LinkedLateWindows::ShowHelp(const Environment& env, PlatformServices& platform, HelpTopic topic, int number)
{
    ShowHelpTopic(env, platform, topic, number);
}

}  // namespace castovin
