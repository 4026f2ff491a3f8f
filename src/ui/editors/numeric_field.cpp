#include "ui/editors/numeric_field.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "core/editing/validation.h"

namespace castovin {

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (field == nullptr)
        return false;
    // The clipboard shortcuts are control characters: discarded like them.
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut))
        return true;
    // Keys that act on the dialog rather than type into the field.
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false;  // navigation and other keys that type nothing
    const char32_t code = text.toUcs4().value(0);
    return !KeepNumericKey(field->text().toStdString(), code);
}

bool SelectAllFilter::eventFilter(QObject* watched, QEvent* event)
{
    const bool trigger =
        m_select == SelectOn::Focus ? event->type() == QEvent::FocusIn : event->type() == QEvent::MouseButtonRelease;
    if (trigger)
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, field, [field] { field->selectAll(); });
    return false;
}

bool TypedLengthFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (field == nullptr)
        return false;
    QString typed;
    if (key->matches(QKeySequence::Paste))
        typed = QGuiApplication::clipboard()->text();
    else if (!key->text().isEmpty() && key->text().front().isPrint())
        typed = key->text();
    if (typed.isEmpty())
        return false;
    return !Fits(field, typed);
}

bool TypedLengthFilter::Fits(const QLineEdit* field, const QString& typed) const
{
    const int kept = static_cast<int>(field->text().size() - field->selectedText().size());
    return kept + typed.size() <= m_maxLength;
}

bool PasteAllowed(const QLineEdit* field, const QString& text)
{
    if (text.isEmpty() || field->isReadOnly())
        return false;
    if (const auto* limit = field->findChild<TypedLengthFilter*>(); limit != nullptr && !limit->Fits(field, text))
        return false;
    // The keystroke rule looks at the field's text with the key appended.
    std::string typed = field->text().toStdString();
    for (const char32_t code : text.toUcs4()) {
        if (!KeepNumericKey(typed, code))
            return false;
        typed += QString::fromUcs4(&code, 1).toStdString();
    }
    return true;
}

QMenu* NumericContextMenu(QLineEdit* field)
{
    QMenu* menu = field->createStandardContextMenu();
    const QString clip = QGuiApplication::clipboard()->text();
    // The standard menu's Paste, by its text as the line edit names it.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (!action->text().startsWith(pasteText))
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        action->disconnect();
        action->setEnabled(PasteAllowed(field, clip));
        QObject::connect(action, &QAction::triggered, field, [field, clip] { field->insert(clip); });
    }
    return menu;
}

void LimitTypedLength(QLineEdit* field, int maxLength)
{
    field->installEventFilter(new TypedLengthFilter(field, maxLength));
}

void SelectAllOn(QLineEdit* field, SelectOn select)
{
    field->installEventFilter(new SelectAllFilter(field, select));
}

void MakeNumericField(QLineEdit* field, SelectOn select)
{
    field->installEventFilter(new NumericKeyFilter(field));
    SelectAllOn(field, select);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [field](const QPoint& at) {
        QMenu* menu = NumericContextMenu(field);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(field->mapToGlobal(at));
    });
}

}  // namespace castovin
