#include "app/window_helpers.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "app/closing_rules.h"
#include "editing/validation.h"
#include "text/messages.h"
#include "text/runtime_error.h"

namespace castovin {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeHelpButton(QWidget* parent, const QString& name, Messenger& messenger)
{
    QPushButton* button = MakeButton(parent, name, "Help");
    button->setProperty("helpContext", 5001);
    QObject::connect(button, &QPushButton::clicked, button, [&messenger] { ShowHelpHint(messenger); });
    return button;
}

DialogButtons MakeOkCancelHelpRow(QWidget* parent, const QString& okName, const QString& cancelName,
                                  const QString& helpName, Messenger& messenger)
{
    DialogButtons b;
    b.ok = MakeButton(parent, okName, "OK");
    b.ok->setDefault(true);
    b.cancel = MakeButton(parent, cancelName, "Cancel");
    b.help = MakeHelpButton(parent, helpName, messenger);
    b.row = new QHBoxLayout;
    b.row->addStretch(1);
    b.row->addWidget(b.ok);
    b.row->addWidget(b.cancel);
    b.row->addWidget(b.help);
    return b;
}

void CenterOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const Placement p = CenterForm(area.width(), area.height(), size.width(), size.height());
    window->move(area.left() + p.left, area.top() + p.top);
}

void ShowOwnedWindow(QWidget* window, QWidget* owner, bool modal)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    // However the window closes, the keyboard goes back to its owner once the
    // window's own closing rules (which may enable the owner again) have run.
    if (owner != nullptr)
        ClosingRules::Install(window, [owner = QPointer<QWidget>(owner)] {
            QTimer::singleShot(0, owner, [owner] { ReturnFocusTo(owner); });
        });
    const bool owned = owner != nullptr && owner->windowHandle() != nullptr;
    // Modal to its owner and the windows the owner belongs to (all of the
    // program's, which hang on the main window), not to the whole program:
    // the help window has no owner, so F1 help can be read and used beside
    // an open dialog. A window without an owner blocks the whole program.
    if (modal)
        window->setWindowModality(owned ? Qt::WindowModal : Qt::ApplicationModal);
    window->winId();
    if (owned)
        window->windowHandle()->setTransientParent(owner->windowHandle());
    window->show();
    window->raise();
    window->activateWindow();
}

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void ReturnFocusTo(QWidget* owner)
{
    if (owner == nullptr || !owner->isVisible() || !owner->isEnabled())
        return;
    owner->raise();
    owner->activateWindow();
    // The offscreen and some X window managers do not move the keyboard
    // focus with activateWindow alone.
    QWidget* focus = owner->focusWidget();
    if (focus != nullptr && focus->isEnabled())
        focus->setFocus(Qt::ActiveWindowFocusReason);
    else
        owner->setFocus(Qt::ActiveWindowFocusReason);
}

CommandResult DialogCancelled(Messenger& messenger)
{
    AppendHistory(messenger, StandardDescription(err::DialogCancelled));
    return CommandResult::Cancelled;
}

void RestoreNormalCursor()
{
    while (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

int TwipsToPixels(const QWidget* widget, int twips)
{
    return twips * widget->logicalDpiY() / 1440;
}

}  // namespace castovin
