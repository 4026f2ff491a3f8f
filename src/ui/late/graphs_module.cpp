// The graph window module: Qt Charts and the graph window's code, loaded by
// the program the first time a graph is drawn.

#include "ui/graphs/graph_window.h"
#include "ui/late/module_entries.h"

extern "C" __attribute__((visibility("default"))) void
castovin_graphs_open(castovin::Project* project, castovin::Environment* environment, castovin::Messenger* messenger,
                     const castovin::WindowContext* context, int16_t graphIndex)
{
    castovin::OpenGraphWindow(*project, *environment, *messenger, *context, graphIndex);
}
