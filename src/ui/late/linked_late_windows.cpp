#include "ui/graphs/graph_window.h"
#include "ui/help/help_window.h"
#include "ui/late/late_windows.h"

namespace castovin {

void LinkedLateWindows::OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger,
                                        const WindowContext& context, int16_t graphIndex)
{
    castovin::OpenGraphWindow(project, environment, messenger, context, graphIndex);
}

void LinkedLateWindows::ShowHelp(const Environment& env, PlatformServices& platform, HelpTopic topic, int number)
{
    ShowHelpTopic(env, platform, topic, number);
}

}  // namespace castovin
