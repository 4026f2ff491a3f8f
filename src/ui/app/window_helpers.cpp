#include "ui/app/window_helpers.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "core/config/font_names.h"
#include "core/config/settings.h"
#include "core/editing/validation.h"
#include "core/text/messages.h"
#include "core/text/runtime_error.h"
#include "ui/app/closing_rules.h"
#include "ui/platform/platform_services.h"

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
    // A window larger than the screen (at 200 % scaling, say) is made as
    // small as the screen first, as far as its layout lets it shrink.
    // The frame counts too; a window not yet shown knows it from its
    // native window.
    window->winId();
    const QMargins margins = window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize fitted = window->size().boundedTo(area.size() - frame);
    if (fitted != window->size())
        window->resize(fitted.expandedTo(window->minimumSizeHint()).boundedTo(window->maximumSize()));
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

FileDialogRequest FileRequest(bool saveAs, const QString& title, const QString& folder, const QStringList& filters,
                              const QString& fileName, const QString& defaultSuffix)
{
    FileDialogRequest request;
    request.mode = saveAs ? FileDialogRequest::Mode::SaveAs : FileDialogRequest::Mode::Open;
    request.title = title;
    request.folder = folder;
    request.filters = filters;
    request.fileName = fileName;
    request.defaultSuffix = defaultSuffix;
    return request;
}

std::optional<QString> ChooseFile(QWidget* parent, PlatformServices& platform, Messenger& messenger,
                                  FileDialogRequest request)
{
    if (request.selectedFilter.isEmpty() && !request.filters.isEmpty())
        request.selectedFilter = request.filters.front();
    std::optional<QString> path = platform.FileDialog(parent, request);
    if (!path)
        DialogCancelled(messenger);
    return path;
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

namespace {

// A scroll area whose wish is its whole content (QScrollArea's own is at
// most 36 x 24 lines), and which can shrink to a few lines.
class FittingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QSize content = widget() != nullptr ? widget()->sizeHint() : QSize();
        const int frame = 2 * frameWidth();
        return content + QSize(frame, frame);
    }
    QSize minimumSizeHint() const override
    {
        const int line = fontMetrics().height();
        return {12 * line + verticalScrollBar()->sizeHint().width(), 6 * line};
    }
};

}  // namespace

QWidget* ScrollingBody(QWidget* parent, QLayout* content)
{
    auto* area = new FittingScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* body = new QWidget(area);
    body->setLayout(content);
    area->setWidget(body);
    return area;
}

QFont FontAsListed(const QFont& font)
{
    const QFontInfo resolved(font);
    QFont listed = font;
    listed.setFamily(resolved.family());
    listed.setStyleName(resolved.styleName());
    if (listed.pointSizeF() <= 0)
        listed.setPointSizeF(resolved.pointSizeF());
    return listed;
}

std::string ChosenFamily(const QFont& font)
{
    return FamilyWithoutFoundry(font.family().toStdString());
}

bool CloseOnEsc(QWidget* window, QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier)
        return false;
    window->close();
    return true;
}

QFont ToQFont(const FontSetting& font)
{
    QFont qfont(QString::fromStdString(font.name));
    if (font.size > 0)
        qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

FontSetting FromQFont(const QFont& font, const FontSetting& previous)
{
    const float size = font.pointSizeF() > 0 ? static_cast<float>(font.pointSizeF()) : previous.size;
    return {ChosenFamily(font), size, font.bold(), font.italic()};
}

}  // namespace castovin
