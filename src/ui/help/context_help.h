#pragma once
// F1 and the Help menu as the rest of the program sees the help: the help
// context numbers of controls, and requests for the help window, which the
// platform services' late windows open (the help window's own code is
// loaded at first use).

class QApplication;
class QObject;

namespace castovin {

struct Environment;
class PlatformServices;

// The help menu's contents and index, and F1's context page. A number
// without a page shows the contents.
void ShowHelpContents(const Environment& env, PlatformServices& platform);
void ShowHelpIndex(const Environment& env, PlatformServices& platform);
void ShowHelpContext(const Environment& env, PlatformServices& platform, int number);

// Closes the help window if it is open (the program's end).
void CloseHelpWindow();

// The help context number of an object: its own "helpContext" property or
// that of the nearest parent with one; 0 when none has one.
int HelpContextOf(const QObject* object);

// F1 anywhere in the program opens the help at the context number of the
// focused control (or of the highlighted menu item). The filter belongs to
// the application; deleting it switches F1 help off.
QObject* InstallContextHelp(QApplication& app, const Environment& env, PlatformServices& platform);

}  // namespace castovin
