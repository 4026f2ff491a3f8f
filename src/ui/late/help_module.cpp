// The help window module: Qt Help and the help window's code, loaded by the
// program the first time help is asked for.

#include "ui/help/help_window.h"
#include "ui/late/module_entries.h"

extern "C" __attribute__((visibility("default"))) void
castovin_help_show(const castovin::Environment* env, castovin::PlatformServices* platform, int topic, int number)
{
    castovin::ShowHelpTopic(*env, *platform, static_cast<castovin::HelpTopic>(topic), number);
}
