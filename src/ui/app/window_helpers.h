#pragma once
// Small helpers shared by the windows.

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

#include "ui/app/commands.h"

class QFont;
class QKeyEvent;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QWidget;

namespace castovin {

struct FileDialogRequest;
struct FontSetting;
struct Messenger;
class PlatformServices;

inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string S(const QString& text)
{
    return text.toStdString();
}

// A push button with its objectName; Enter does not press it unless it is
// made the default.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text);

// Every dialog's "Help" button: F1 on it opens the help page of the Help
// buttons (context 5001); a click shows the help hint through `messenger`.
QPushButton* MakeHelpButton(QWidget* parent, const QString& name, Messenger& messenger);

// The button row of the small dialogs: "OK" (the default, Enter), "Cancel"
// and "Help" at the right.
struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QHBoxLayout* row = nullptr;
};
DialogButtons MakeOkCancelHelpRow(QWidget* parent, const QString& okName, const QString& cancelName,
                                  const QString& helpName, Messenger& messenger);

// The fields of a large window in a frameless scroll area: as large as the
// fields on a screen with room for them, smaller (with scroll bars) where
// the screen is not, so that the window's buttons below it stay on screen.
QWidget* ScrollingBody(QWidget* parent, QLayout* content);

// Places a window centred on its screen, first shrinking one larger than
// the screen's available area to it as far as its layout allows (a window
// that cannot shrink enough goes to the top or left edge).
void CenterOnScreen(QWidget* window);

// Shows a window of its own (not a child of `owner`, so that disabling the
// owner leaves it usable) above its owner. When `modal` it blocks its owner
// and every window the owner hangs on, but not the help window.
void ShowOwnedWindow(QWidget* window, QWidget* owner, bool modal);

// The hourglass while a step runs; the error trap restores the normal
// pointer too.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Gives the focus back to the window that opened a closed one (when it is
// still there and enabled), so that keys work without a click.
void ReturnFocusTo(QWidget* owner);

// A dialog the user cancelled: logs "Cancel was selected." as the error
// trap logs every cancelled dialog, and names the result.
CommandResult DialogCancelled(Messenger& messenger);

// A file dialog's request (the other fields at their defaults).
FileDialogRequest FileRequest(bool saveAs, const QString& title, const QString& folder, const QStringList& filters,
                              const QString& fileName = {}, const QString& defaultSuffix = {});

// The file chosen in the platform's file dialog, the request's first filter
// selected unless it names one; nothing when the user cancels (logged as
// DialogCancelled logs it).
std::optional<QString> ChooseFile(QWidget* parent, PlatformServices& platform, Messenger& messenger,
                                  FileDialogRequest request);

// Takes back every busy pointer (the run-time error trap does this first).
void RestoreNormalCursor();

// `font` named as the font dialog lists it: the family the system resolves
// it to (a substitute for a missing one) and that family's own name of the
// style, so that the dialog preselects the family, size, weight and slant
// instead of the first entries of its lists.
QFont FontAsListed(const QFont& font);

// The family of a font the dialog returned, without the "[Foundry]" the
// dialog shows for a family installed from more than one foundry.
std::string ChosenFamily(const QFont& font);

// A font of the settings as Qt's font and back. The size is set only when
// it is above 0; a font without a point size keeps `previous`'s, and the
// family is the one the font dialog chose (see ChosenFamily).
QFont ToQFont(const FontSetting& font);
FontSetting FromQFont(const QFont& font, const FontSetting& previous);

// For a window of its own (not a dialog): Esc closes it, as it closes every
// dialog of the program. True when `event` was that Esc. A control that
// takes Esc itself (a cell being edited) has it first.
bool CloseOnEsc(QWidget* window, QKeyEvent* event);

// Device pixels for a length in twips (1440 per inch) on a screen widget.
int TwipsToPixels(const QWidget* widget, int twips);

}  // namespace castovin
