#pragma once
// The windows built on libraries that only they need: the graph window
// and the probabilistic
// window's charts (Qt Charts, and the OpenGL libraries behind it) and the help window (Qt
// Help and Qt Sql). The program loads them at first use from modules of
// their own, so that starting it does not load and bind those libraries; the
// tests link them in. The platform services hand out the program's set.

#include <cstdint>

class QWidget;

namespace castovin {

struct Environment;
class RiskCharts;
struct Messenger;
struct Project;
struct WindowContext;
class PlatformServices;

// What the help window opens at: the contents, the index, or the page of a
// help context number (the contents when the manual has no such page).
enum class HelpTopic : int { Contents = 0, Index = 1, Context = 2 };

class LateWindows {
public:
    virtual ~LateWindows() = default;
    // The graph of `graphIndex` drawn from the project's committed values,
    // in a window over the disabled main window (see OpenGraphWindow).
    virtual void OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger,
                                 const WindowContext& context, int16_t graphIndex) = 0;
    // The probabilistic window's charts, owned by `parent`.
    virtual RiskCharts* MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                                       Messenger& messenger, const WindowContext& context) = 0;
    // The help window at a topic; nothing when the manual is missing.
    virtual void ShowHelp(const Environment& env, PlatformServices& platform, HelpTopic topic, int number) = 0;
};

// The windows as this build links them.
class LinkedLateWindows final : public LateWindows {
public:
    void OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context,
                         int16_t graphIndex) override;
    RiskCharts* MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                               Messenger& messenger, const WindowContext& context) override;
    void ShowHelp(const Environment& env, PlatformServices& platform, HelpTopic topic, int number) override;
};

}  // namespace castovin
