#include "ui/help/notice_dialogs.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/config/folders.h"
#include "core/config/settings_file.h"
#include "core/text/messages.h"
#include "core/tools/release_notices.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

constexpr int kLinkCheckMs = 100;

// CR LF line ends of the core's texts as a label shows them.
QString LabelText(const std::string& text)
{
    QString shown = Q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QLabel* WrappedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// The check box and "OK" row both notices end with.
QPushButton* AddClosingRow(QDialog* dialog, QVBoxLayout* layout, QCheckBox* check)
{
    check->setObjectName(names::NoticeDontShowAgain);
    QPushButton* ok = MakeButton(dialog, names::NoticeOk, "OK");
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(check, 1);
    row->addWidget(ok);
    layout->addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::close);
    return ok;
}

}  // namespace

QString ProgramWebPage(const std::string& appFolder)
{
    const QString configured = QStringLiteral(CASTOVIN_WEB_PAGE);
    if (!configured.isEmpty())
        return configured;
    // The manual's start page where this run finds its data, so that the
    // link holds for an installed program and for one run from its build.
    const std::string data = FindDataFolder(appFolder);
    return data.empty() ? QString() : QUrl::fromLocalFile(Q(data + "manual/index.html")).toString();
}

QString QuestionsAddress()
{
    return QStringLiteral(CASTOVIN_ISSUES_URL);
}

QString ReleaseDateShown()
{
    const CalendarDate release = ReleaseDate();
    const QString month = QLocale::system().monthName(release.month, QLocale::ShortFormat);
    return Q(ReleaseDateText(release, S(month)));
}

DisclaimerDialog::DisclaimerDialog(Environment& environment, Messenger& messenger)
    : m_environment(environment), m_messenger(messenger)
{
    setObjectName(names::DisclaimerDialog);
    setWindowTitle(Q(DisclaimerCaption(environment.ProgramName)));
    auto* layout = new QVBoxLayout(this);
    QLabel* text = WrappedLabel(this, names::DisclaimerLabel, LabelText(DisclaimerText(S(QuestionsAddress()))));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(460);
    layout->addWidget(text);
    m_dontShow = new QCheckBox("Do not show this disclaimer again", this);
    AddClosingRow(this, layout, m_dontShow);
    ClosingRules::Install(this, [this] {
        if (m_dontShow->isChecked())
            m_environment.Settings.ShowDisclaim = 0;
        SaveSettings(m_environment, m_messenger, SettingsGroup::Settings);
    });
    adjustSize();
    CenterOnScreen(this);
}

LinkLabel::LinkLabel(const QString& url, QWidget* box, PlatformServices& platform)
    : QLabel(url, box), m_url(url), m_box(box), m_platform(platform)
{
    setObjectName(names::UpdateUrl);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    m_timer = new QTimer(this);
    m_timer->setInterval(kLinkCheckMs);
    connect(m_timer, &QTimer::timeout, this, &LinkLabel::CheckPointer);
    SetLook(Look::Rest);
}

void LinkLabel::SetLook(Look look)
{
    m_look = look;
    QPalette p = palette();
    const QColor colour = look == Look::Rest    ? QColor(0, 0, 0)
                          : look == Look::Hover ? QColor(0, 0, 255)
                                                : QColor(255, 0, 0);
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    QFont f = font();
    f.setUnderline(look != Look::Rest);
    setFont(f);
}

void LinkLabel::CheckPointer()
{
    if (m_box->rect().contains(m_box->mapFromGlobal(QCursor::pos())))
        return;
    SetLook(Look::Rest);
    m_timer->stop();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_look == Look::Rest) {
        SetLook(Look::Hover);
        m_timer->start();
    }
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (m_look == Look::Hover)
        SetLook(Look::Pressed);
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_look == Look::Pressed)
        SetLook(Look::Hover);
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        if (!m_platform.OpenDocument(m_url))
            emit openFailed(m_url);
}

UpdateDialog::UpdateDialog(Environment& environment, Messenger& messenger, PlatformServices& platform)
    : m_environment(environment), m_messenger(messenger)
{
    setObjectName(names::UpdateDialog);
    setWindowTitle(Q(UpdateCaption(environment.ProgramName)));
    const int days = DaysSinceRelease(ReleaseDate(), environment.Today());
    auto* layout = new QVBoxLayout(this);
    QLabel* update = WrappedLabel(this, names::UpdateLabel, LabelText(UpdateText(days)));
    update->setMinimumWidth(440);
    layout->addWidget(update);
    layout->addWidget(WrappedLabel(this, names::UpdateUrlCaption, "URL to program web page:"));
    auto* box = new QFrame(this);
    box->setObjectName(names::UpdateUrlBox);
    box->setFrameShape(QFrame::StyledPanel);
    auto* boxLayout = new QHBoxLayout(box);
    auto* link = new LinkLabel(ProgramWebPage(environment.AppFolder), box, platform);
    connect(link, &LinkLabel::openFailed, this,
            [this](const QString& url) { ShowMessage(m_messenger, NoOpenerText(S(url)), MsgButtons::OK); });
    boxLayout->addWidget(link);
    layout->addWidget(box);
    layout->addWidget(WrappedLabel(this, names::UpdateInfo, LabelText(UpdateInfoText(S(ReleaseDateShown())))));
    m_disable = new QCheckBox("Disable reminder for annual program updates", this);
    AddClosingRow(this, layout, m_disable);
    ClosingRules::Install(this, [this] {
        if (m_disable->isChecked())
            m_environment.Settings.RemindAnnualUpdates = 0;
        SaveSettings(m_environment, m_messenger, SettingsGroup::Settings);
    });
    adjustSize();
    CenterOnScreen(this);
}

QDialog* ShowDisclaimer(Environment& environment, Messenger& messenger, QWidget* owner)
{
    auto* dialog = new DisclaimerDialog(environment, messenger);
    ShowOwnedWindow(dialog, owner, true);
    return dialog;
}

QDialog* ShowUpdateDialog(Environment& environment, Messenger& messenger, PlatformServices& platform, QWidget* owner)
{
    auto* dialog = new UpdateDialog(environment, messenger, platform);
    ShowOwnedWindow(dialog, owner, true);
    return dialog;
}

void ShowStartupNotices(Environment& environment, Messenger& messenger, PlatformServices& platform, QWidget* owner,
                        const std::function<void()>& then)
{
    // The dialogs do not block, so each step waits for the dialog before it
    // to be closed (not merely deleted when the program ends). What follows
    // the last one comes after the keyboard went back to the owner, so that
    // a window it opens keeps the keyboard.
    const auto afterClosing = [owner, then] { QTimer::singleShot(0, owner, then); };
    const auto reminder = [&environment, &messenger, &platform, owner, afterClosing] {
        if (!AnnualUpdateDue(environment.Settings, ReleaseDate(), environment.Today())) {
            afterClosing();
            return;
        }
        QObject::connect(ShowUpdateDialog(environment, messenger, platform, owner), &QDialog::finished, owner,
                         afterClosing);
    };
    if (environment.Settings.ShowDisclaim != 1) {
        reminder();
        return;
    }
    QObject::connect(ShowDisclaimer(environment, messenger, owner), &QDialog::finished, owner, reminder);
}

}  // namespace castovin
