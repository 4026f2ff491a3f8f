#pragma once
// The two notices around start-up: frmDisclaimer (no warranty, where to send
// questions) and frmUpdate (this release may be outdated, with a link to the
// program's web page). Each changes one setting and writes [Settings] when
// it closes.

#include <QDialog>
#include <QLabel>
#include <QString>

#include <functional>
#include <string>

class QCheckBox;
class QFrame;
class QTimer;

namespace castovin {

struct Environment;
struct Messenger;
class PlatformServices;

// The address of the program's web page (as the build was configured, else
// the manual's start page in the data folder found from `appFolder`) and of
// the issue tracker.
QString ProgramWebPage(const std::string& appFolder);
QString QuestionsAddress();

// The release date as the user's locale writes the month ("20-Aug-2013").
QString ReleaseDateShown();

class DisclaimerDialog : public QDialog {
    Q_OBJECT

public:
    DisclaimerDialog(Environment& environment, Messenger& messenger);

private:
    Environment& m_environment;
    Messenger& m_messenger;
    QCheckBox* m_dontShow = nullptr;
};

// The web page link: black at rest; blue and underlined under the pointer
// until a 100 ms check finds the pointer outside the box that holds it; red
// while a button is held on it. A click opens the page with the desktop.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    enum class Look { Rest, Hover, Pressed };

    LinkLabel(const QString& url, QWidget* box, PlatformServices& platform);
    Look CurrentLook() const { return m_look; }
    // The timer's tick: back to rest when the pointer left the box.
    void CheckPointer();

signals:
    // A click found no program to open the page with.
    void openFailed(const QString& url);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetLook(Look look);

    QString m_url;
    QWidget* m_box;
    PlatformServices& m_platform;
    QTimer* m_timer = nullptr;
    Look m_look = Look::Rest;
};

class UpdateDialog : public QDialog {
    Q_OBJECT

public:
    UpdateDialog(Environment& environment, Messenger& messenger, PlatformServices& platform);

private:
    Environment& m_environment;
    Messenger& m_messenger;
    QCheckBox* m_disable = nullptr;
};

// Help > "&Disclaimer..." and the start-up: the disclaimer, modal.
QDialog* ShowDisclaimer(Environment& environment, Messenger& messenger, QWidget* owner);
// Help > "Program Updates...": the update dialog, modal.
QDialog* ShowUpdateDialog(Environment& environment, Messenger& messenger, PlatformServices& platform, QWidget* owner);
// The start-up's notices: the disclaimer when "ShowDisclaim" is 1, then
// (once it is closed) the update dialog when the annual reminder is due,
// then (once that is closed, or at once when none is shown) `then`.
void ShowStartupNotices(Environment& environment, Messenger& messenger, PlatformServices& platform, QWidget* owner,
                        const std::function<void()>& then);

}  // namespace castovin
