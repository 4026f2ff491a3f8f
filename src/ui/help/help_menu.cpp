#include "help/help_menu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window_helpers.h"
#include "config/folders.h"
#include "app/names.h"
#include "help/help_window.h"
#include "help/notice_dialogs.h"
#include "platform/platform_services.h"
#include "program/program_state.h"
#include "text/atomic_file.h"
#include "text/messages.h"
#include "tools/release_notices.h"

namespace castovin {

namespace {

constexpr int kAboutHelpContext = 1000;

}  // namespace

QString HelpFolder(const ProgramState& state)
{
    return Q(FindDataFolder(state.environment.AppFolder));
}

ResourceDialog::ResourceDialog(ProgramState& state, PlatformServices& platform) : m_state(state), m_platform(platform)
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
    const QString path = HelpFolder(m_state) + ResourceDocuments[static_cast<std::size_t>(index)].file;
    // Plain boxes with the program's title; they are not logged.
    if (!IsRegularFile(S(path))) {
        m_platform.Show("Resource file (" + S(path) + ") not available", MsgButtons::OK, m_state.environment.ProgramTitle);
        return;
    }
    if (!m_platform.OpenDocument(path))
        m_platform.Show("Operation Failed", MsgButtons::OK, m_state.environment.ProgramTitle);
}

void OpenPdfManual(ProgramState& state, PlatformServices& platform)
{
    const QString path = HelpFolder(state) + PdfManualName;
    if (!IsRegularFile(S(path))) {
        ShowMessage(state.messenger, std::string("Help file (") + PdfManualName + ") not available", MsgButtons::OK);
        return;
    }
    if (!platform.OpenDocument(path))
        ShowMessage(state.messenger, "Operation Failed", MsgButtons::OK);
}

void ShowAboutBox(ProgramState& state, PlatformServices& platform)
{
    // Straight to the box: the about text is not logged in the history.
    const std::string date = S(ReleaseDateShown());
    MsgStyle style(MsgIcon::Information);
    style.helpContext = kAboutHelpContext;
    platform.Show(AboutText(state.environment.ProgramName, date), style, AboutTitle(state.environment.ProgramName));
}

void HelpMenuCommand(int index, ProgramState& state, PlatformServices& platform, QWidget* owner)
{
    switch (index) {
    case 0:
        ShowHelpContents(state.environment, platform);
        break;
    case 1:
        ShowHelpIndex(state.environment, platform);
        break;
    case 2:
        OpenPdfManual(state, platform);
        break;
    case 4:
        ShowOwnedWindow(new ResourceDialog(state, platform), owner, true);
        break;
    case 6:
        ShowDisclaimer(state, owner);
        break;
    case 8:
        ShowUpdateDialog(state, platform, owner);
        break;
    case 10:
        ShowAboutBox(state, platform);
        break;
    default:
        break;
    }
}

}  // namespace castovin
