#include "ui/help/context_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "ui/app/names.h"
#include "ui/late/late_windows.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

// Answers F1 before any shortcut sees it: the key's ShortcutOverride is
// taken, so the Help menu's own F1 does not fire as well.
class ContextHelpFilter : public QObject {
public:
    ContextHelpFilter(QApplication& app, const Environment& env, PlatformServices& platform)
        : QObject(&app), m_env(env), m_platform(platform)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        ShowHelpContext(m_env, m_platform, ContextOfTarget(watched));
        return true;
    }

private:
    static int ContextOfTarget(QObject* target)
    {
        // In an open menu the highlighted item is what F1 asks about; an
        // item without a number of its own has its window's.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            if (QAction* action = menu->activeAction())
                if (const int number = HelpContextOf(action); number != 0)
                    return number;
        // The key goes to the focused control; when it comes to a window
        // first, the control is that window's focus widget.
        if (qobject_cast<QWidget*>(target) != nullptr)
            return HelpContextOf(target);
        return HelpContextOf(QApplication::focusWidget());
    }

    const Environment& m_env;
    PlatformServices& m_platform;
};

}  // namespace

void ShowHelpContents(const Environment& env, PlatformServices& platform)
{
    platform.Late().ShowHelp(env, platform, HelpTopic::Contents, 0);
}

void ShowHelpIndex(const Environment& env, PlatformServices& platform)
{
    platform.Late().ShowHelp(env, platform, HelpTopic::Index, 0);
}

void ShowHelpContext(const Environment& env, PlatformServices& platform, int number)
{
    platform.Late().ShowHelp(env, platform, HelpTopic::Context, number);
}

void CloseHelpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == names::HelpWindow)
            delete w;
}

int HelpContextOf(const QObject* object)
{
    for (const QObject* o = object; o != nullptr; o = o->parent())
        if (const int number = o->property("helpContext").toInt(); number != 0)
            return number;
    return 0;
}

QObject* InstallContextHelp(QApplication& app, const Environment& env, PlatformServices& platform)
{
    auto* filter = new ContextHelpFilter(app, env, platform);
    app.installEventFilter(filter);
    return filter;
}

}  // namespace castovin
