#include "ui/app/closing_rules.h"

#include <QEvent>
#include <QWidget>

namespace castovin {

ClosingRules::ClosingRules(QWidget* window, std::function<void()> rules) : QObject(window), m_rules(std::move(rules))
{
    window->installEventFilter(this);
}

ClosingRules* ClosingRules::Install(QWidget* window, std::function<void()> rules)
{
    return new ClosingRules(window, std::move(rules));
}

void ClosingRules::RunOnce()
{
    if (m_ran)
        return;
    m_ran = true;
    if (m_rules)
        m_rules();
}

bool ClosingRules::eventFilter(QObject* watched, QEvent* event)
{
    // Every way a window closes hides it; a hide the window system makes on
    // its own (minimising) is spontaneous and is not a close.
    if (event->type() == QEvent::Hide && !event->spontaneous())
        RunOnce();
    return QObject::eventFilter(watched, event);
}

}  // namespace castovin
