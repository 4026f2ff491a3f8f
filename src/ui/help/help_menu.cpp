#include "ui/help/help_menu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/config/folders.h"
#include "core/text/atomic_file.h"
#include "core/text/messages.h"
#include "core/tools/release_notices.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/help/context_help.h"
#include "ui/help/notice_dialogs.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

constexpr int kAboutHelpContext = 1000;

}  // namespace

QString HelpFolder(const Environment& environment)
{
    return Q(FindDataFolder(environment.AppFolder));
}

ResourceDialog::ResourceDialog(const Environment& environment, PlatformServices& platform)
    : m_environment(environment), m_platform(platform)
{
    setObjectName(names::ResourceDialog);
    setWindowTitle("Resource Files");
    auto* grid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(ResourceDocuments.size()); ++i) {
        QPushButton* view = MakeButton(this, names::Indexed(names::ResourceButton, i),
                                       ResourceDocuments[static_cast<std::size_t>(i)].title);
        grid->addWidget(view, i % 3, i / 3);
        connect(view, &QPushButton::clicked, this, [this, i] { ViewDocument(i); });
    }
    QPushButton* ok = MakeButton(this, names::ResourceOk, "OK");
    ok->setProperty("helpContext", 2201);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(row);
    adjustSize();
    CenterOnScreen(this);
}

void ResourceDialog::ViewDocument(int index)
{
    const QString path = HelpFolder(m_environment) + ResourceDocuments[static_cast<std::size_t>(index)].file;
    // Plain boxes with the program's title; they are not logged.
    if (!IsRegularFile(S(path))) {
        m_platform.Show("Resource file (" + S(path) + ") not available", MsgButtons::OK, m_environment.ProgramTitle);
        return;
    }
    if (!m_platform.OpenDocument(path))
        m_platform.Show("Operation Failed", MsgButtons::OK, m_environment.ProgramTitle);
}

void OpenPdfManual(const Environment& environment, Messenger& messenger, PlatformServices& platform)
{
    const QString path = HelpFolder(environment) + PdfManualName;
    if (!IsRegularFile(S(path))) {
        ShowMessage(messenger, std::string("Help file (") + PdfManualName + ") not available", MsgButtons::OK);
        return;
    }
    if (!platform.OpenDocument(path))
        ShowMessage(messenger, "Operation Failed", MsgButtons::OK);
}

void ShowAboutBox(const Environment& environment, PlatformServices& platform)
{
    // Straight to the box: the about text is not logged in the history.
    const std::string date = S(ReleaseDateShown());
    MsgStyle style(MsgIcon::Information);
    style.helpContext = kAboutHelpContext;
    platform.Show(AboutText(environment.ProgramName, date), style, AboutTitle(environment.ProgramName));
}

void HelpMenuCommand(int index, Environment& environment, Messenger& messenger, PlatformServices& platform,
                     QWidget* owner)
{
    switch (index) {
    case 0:
        ShowHelpContents(environment, platform);
        break;
    case 1:
        ShowHelpIndex(environment, platform);
        break;
    case 2:
        OpenPdfManual(environment, messenger, platform);
        break;
    case 4:
        ShowOwnedWindow(new ResourceDialog(environment, platform), owner, true);
        break;
    case 6:
        ShowDisclaimer(environment, messenger, owner);
        break;
    case 8:
        ShowUpdateDialog(environment, messenger, platform, owner);
        break;
    case 10:
        ShowAboutBox(environment, platform);
        break;
    default:
        break;
    }
}

}  // namespace castovin
