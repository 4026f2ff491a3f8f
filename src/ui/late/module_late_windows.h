#pragma once
// The late windows as the program runs them: each from its module, loaded
// the first time the window is asked for and kept loaded to the end (its
// windows and their code live in it). A module that cannot be loaded is a
// run-time error naming the file, as a missing workbook writer is.

#include "ui/late/late_windows.h"

namespace castovin {

class ModuleLateWindows final : public LateWindows {
public:
    void OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context,
                         int16_t graphIndex) override;
    RiskCharts* MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                               Messenger& messenger, const WindowContext& context) override;
    void ShowHelp(const Environment& env, PlatformServices& platform, HelpTopic topic, int number) override;

private:
    // The modules, once loaded.
    void* m_graphs = nullptr;
    void* m_help = nullptr;
};

}  // namespace castovin
