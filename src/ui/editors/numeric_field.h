#pragma once
// The behaviour every numeric field of the editors shares: the keystroke
// filter (a typed character is kept only when the text with it appended is
// still a number, or when it is one of the always-allowed keys) and the
// selection of the whole text when the field is entered or clicked.

#include <QObject>

class QLineEdit;
class QMenu;
class QString;

namespace castovin {

enum class SelectOn { Focus, Click };

// Installs the keystroke filter and the select-all behaviour on a field.
void MakeNumericField(QLineEdit* field, SelectOn select = SelectOn::Focus);

// True when `text` pasted into `field` passes what typing it would: each
// character through the keystroke rule in turn, and the typed-length limit.
bool PasteAllowed(const QLineEdit* field, const QString& text);

// The field's right-click menu: the standard one, with "Paste" offered only
// for a clipboard text that `PasteAllowed` (its action named "edit-paste");
// the caller owns the menu.
QMenu* NumericContextMenu(QLineEdit* field);

// Selects the whole text of a field when it gets the focus (or a click).
void SelectAllOn(QLineEdit* field, SelectOn select);

// Limits what the user types into a field to `maxLength` characters. Unlike
// QLineEdit's own maximum length it never cuts the text the program fills
// in (a converted value such as 3.937008 is longer than the field allows
// to type) and it refuses a paste that would pass the limit.
void LimitTypedLength(QLineEdit* field, int maxLength);

class TypedLengthFilter : public QObject {
    Q_OBJECT

public:
    TypedLengthFilter(QObject* parent, int maxLength) : QObject(parent), m_maxLength(maxLength) {}
    // True when `typed` replacing the selection keeps the text within the limit.
    bool Fits(const QLineEdit* field, const QString& typed) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_maxLength;
};

class NumericKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit NumericKeyFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class SelectAllFilter : public QObject {
    Q_OBJECT

public:
    SelectAllFilter(QObject* parent, SelectOn select) : QObject(parent), m_select(select) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SelectOn m_select;
};

}  // namespace castovin
