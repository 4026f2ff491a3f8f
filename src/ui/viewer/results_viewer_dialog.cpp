#include "ui/viewer/results_viewer_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/program/output_commands.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"
#include "ui/viewer/report_printer.h"

namespace castovin {

QPlainTextEdit* MakeReportPane(QWidget* parent)
{
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(names::ReportPane);
    pane->setReadOnly(true);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(PrintFontFamily(), 9);
    font.setStyleHint(QFont::TypeWriter);
    pane->setFont(font);
    pane->setMinimumSize(640, 420);
    return pane;
}

QString PaneText(const std::string& text)
{
    QString shown = Q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

ResultsViewerDialog::ResultsViewerDialog(const Project& project, ReportSession& session, const Environment& environment,
                                         Messenger& messenger, const WindowContext& context)
    : m_project(project), m_session(session), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::ResultsViewer);
    setWindowTitle("Calculation Results");
    m_pane = MakeReportPane(this);
    m_ok = MakeButton(this, names::ViewerOk, "OK");
    m_ok->setDefault(true);  // Enter closes the viewer, as OK
    m_copyPage = MakeButton(this, names::ViewerCopyPage, "&Copy Page");
    m_printPage = MakeButton(this, names::ViewerPrintPage, "&Print Page");
    m_next = MakeButton(this, names::ViewerNext, "&Next Page");
    m_previous = MakeButton(this, names::ViewerPrevious, "P&revious Page");
    m_printAll = MakeButton(this, names::ViewerPrintAll, "Print &All");
    m_copyAll = MakeButton(this, names::ViewerCopyAll, "Cop&y All");
    m_help = MakeHelpButton(this, names::ViewerHelp, m_messenger);
    m_changeInput = MakeButton(this, names::ViewerChangeInput, "Change &Input");
    m_viewPlots = MakeButton(this, names::ViewerPlots, "&View Plots");

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_previous, 0, 0);
    buttons->addWidget(m_next, 0, 1);
    buttons->addWidget(m_copyPage, 0, 2);
    buttons->addWidget(m_copyAll, 0, 3);
    buttons->addWidget(m_printPage, 0, 4);
    buttons->addWidget(m_printAll, 0, 5);
    buttons->addWidget(m_changeInput, 1, 0);
    buttons->addWidget(m_viewPlots, 1, 1);
    buttons->addWidget(m_help, 1, 4);
    buttons->addWidget(m_ok, 1, 5);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pane, 1);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);
    connect(m_copyPage, &QPushButton::clicked, this, &ResultsViewerDialog::CopyPage);
    connect(m_printPage, &QPushButton::clicked, this, &ResultsViewerDialog::PrintPage);
    connect(m_next, &QPushButton::clicked, this, &ResultsViewerDialog::NextPage);
    connect(m_previous, &QPushButton::clicked, this, &ResultsViewerDialog::PreviousPage);
    connect(m_printAll, &QPushButton::clicked, this, &ResultsViewerDialog::PrintAll);
    connect(m_copyAll, &QPushButton::clicked, this, &ResultsViewerDialog::CopyAll);
    connect(m_changeInput, &QPushButton::clicked, this, &ResultsViewerDialog::ChangeInput);
    connect(m_viewPlots, &QPushButton::clicked, this, &ResultsViewerDialog::ViewPlots);

    // Form_Load. The main window is disabled while the viewer is open and
    // gets back the state it had (an editor may hold it disabled).
    QWidget* host = m_context.host.HostWindow();
    m_mainWasEnabled = host->isEnabled();
    host->setEnabled(false);
    // A probabilistic analysis has no editor to go back to.
    m_changeInput->setEnabled(m_session.ReportKind != ReportType::Risk);
    m_page = 0;
    NextPage();
    AppendHistory(m_messenger, "Results displayed");
    adjustSize();
    CenterOnScreen(this);
    ClosingRules::Install(this, [this] { Unload(); });
}

ResultsViewerDialog::~ResultsViewerDialog() = default;

void ResultsViewerDialog::Unload()
{
    // Form_Unload, at once: an editor opened next may disable the main
    // window again.
    m_context.host.HostWindow()->setEnabled(m_mainWasEnabled);
}

void ResultsViewerDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_next->isEnabled())
        m_next->setFocus();
}

void ResultsViewerDialog::Loadbuffer()
{
    m_pane->setPlainText(PaneText(m_session.OutputBuffer[static_cast<std::size_t>(m_page)]));
    m_pane->setEnabled(true);
    m_pane->setReadOnly(true);
}

void ResultsViewerDialog::NextPage()
{
    const int last = m_session.LastOutputPage;
    if (m_page < last) {
        ++m_page;
        Loadbuffer();
    }
    m_previous->setEnabled(true);
    m_next->setEnabled(m_page < last);
}

void ResultsViewerDialog::PreviousPage()
{
    if (m_page > 0) {
        --m_page;
        Loadbuffer();
    }
    m_next->setEnabled(true);
    m_previous->setEnabled(m_page != 0);
}

void ResultsViewerDialog::CopyPage()
{
    PlatformServices& platform = m_context.platform;
    platform.ClearClipboard();
    platform.SetClipboardText(Q(m_session.OutputBuffer[static_cast<std::size_t>(m_page)]));
    AppendHistory(m_messenger, "Output page # " + std::to_string(m_page) + "copied to clipboard");
}

void ResultsViewerDialog::CopyAll()
{
    PlatformServices& platform = m_context.platform;
    platform.ClearClipboard();
    platform.SetClipboardText(Q(JoinPages(m_session, 0, m_session.LastOutputPage)));
    AppendHistory(m_messenger, "Output copied to clipboard");
}

void ResultsViewerDialog::PrintPages(int first, int last)
{
    m_cancel = false;
    PlatformServices& platform = m_context.platform;
    const QString pdf = SuggestedPdfName(m_environment.Settings.DataPath, m_project.ProjectFilePath);
    if (!platform.PrintDialog(this, platform.Printer(), false, pdf)) {
        m_cancel = true;
        DialogCancelled(m_messenger);
        AppendHistory(m_messenger, "Printing aborted");
        return;
    }
    const std::string joined = JoinPages(m_session, first, last);
    m_context.host.Trapped([&] {
        BusyCursor busy;
        PrintReport(platform.Printer(), Q(m_environment.ProgramName), {joined});
    });
}

void ResultsViewerDialog::PrintPage()
{
    AppendHistory(m_messenger, "Current page printed");
    PrintPages(m_page, m_page);
    Loadbuffer();
}

void ResultsViewerDialog::PrintAll()
{
    AppendHistory(m_messenger, "All pages printed");
    PrintPages(0, m_session.LastOutputPage);
    Loadbuffer();
}

void ResultsViewerDialog::ChangeInput()
{
    const bool editorOpen = m_session.EditorOpen != 0;
    const ReportType kind = m_session.ReportKind;
    close();
    if (!editorOpen)
        m_context.host.Run(kind == ReportType::Cost ? Command::EditCost : Command::EditParameters);
}

void ResultsViewerDialog::ViewPlots()
{
    ShowMessage(m_messenger, "Option not active yet", MsgButtons::OK);
}

}  // namespace castovin
