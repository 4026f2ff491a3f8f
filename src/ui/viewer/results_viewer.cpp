#include "viewer/results_viewer.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window_helpers.h"
#include "program/program_state.h"
#include "main/main_window.h"
#include "platform/platform_services.h"
#include "text/error_trap.h"
#include "text/messages.h"
#include "text/runtime_error.h"
#include "viewer/report_printer.h"

#include <QPrinter>

namespace castovin {

QPlainTextEdit* MakeReportPane(QWidget* parent)
{
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName("RichTextBox1");
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

ResultsViewer::ResultsViewer(MainWindow& main) : m_main(main)
{
    setObjectName("frmResTxtPlt");
    setWindowTitle("Calculation Results");
    m_pane = MakeReportPane(this);
    m_ok = MakeButton(this, "Command1", "OK");
    m_copyPage = MakeButton(this, "Command2", "&Copy Page");
    m_printPage = MakeButton(this, "Command3", "&Print Page");
    m_next = MakeButton(this, "Command4", "&Next Page");
    m_previous = MakeButton(this, "Command5", "P&revious Page");
    m_printAll = MakeButton(this, "Command6", "Print &All");
    m_copyAll = MakeButton(this, "Command7", "Cop&y All");
    m_help = MakeButton(this, "Command8", "Help");
    m_changeInput = MakeButton(this, "cmdChangeInput", "Change &Input");
    m_viewPlots = MakeButton(this, "Command9", "&View Plots");

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
    connect(m_copyPage, &QPushButton::clicked, this, &ResultsViewer::CopyPage);
    connect(m_printPage, &QPushButton::clicked, this, &ResultsViewer::PrintPage);
    connect(m_next, &QPushButton::clicked, this, &ResultsViewer::NextPage);
    connect(m_previous, &QPushButton::clicked, this, &ResultsViewer::PreviousPage);
    connect(m_printAll, &QPushButton::clicked, this, &ResultsViewer::PrintAll);
    connect(m_copyAll, &QPushButton::clicked, this, &ResultsViewer::CopyAll);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_main.State()); });
    connect(m_changeInput, &QPushButton::clicked, this, &ResultsViewer::ChangeInput);
    connect(m_viewPlots, &QPushButton::clicked, this, &ResultsViewer::ViewPlots);

    // Form_Load. The main window is disabled while the viewer is open and
    // gets back the state it had (an editor may hold it disabled).
    m_mainWasEnabled = m_main.isEnabled();
    m_main.setEnabled(false);
    m_page = 0;
    NextPage();
    AppendHistory(m_main.State(), "Results displayed");
    adjustSize();
    CenterOnScreen(this);
}

ResultsViewer::~ResultsViewer() = default;

void ResultsViewer::closeEvent(QCloseEvent* event)
{
    // Form_Unload, at once: an editor opened next may disable the main window again.
    if (!m_unloaded) {
        m_unloaded = true;
        m_main.setEnabled(m_mainWasEnabled);
    }
    QDialog::closeEvent(event);
}

void ResultsViewer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_next->isEnabled())
        m_next->setFocus();
}

void ResultsViewer::Loadbuffer()
{
    m_pane->setPlainText(PaneText(m_main.State().OutputBuffer[static_cast<std::size_t>(m_page)]));
    m_pane->setEnabled(true);
    m_pane->setReadOnly(true);
}

void ResultsViewer::NextPage()
{
    const int last = m_main.State().LastOutputPage;
    if (m_page < last) {
        ++m_page;
        Loadbuffer();
    }
    m_previous->setEnabled(true);
    m_next->setEnabled(m_page < last);
}

void ResultsViewer::PreviousPage()
{
    if (m_page > 0) {
        --m_page;
        Loadbuffer();
    }
    m_next->setEnabled(true);
    m_previous->setEnabled(m_page != 0);
}

void ResultsViewer::CopyPage()
{
    PlatformServices& platform = m_main.Platform();
    platform.ClearClipboard();
    platform.SetClipboardText(Q(m_main.State().OutputBuffer[static_cast<std::size_t>(m_page)]));
    AppendHistory(m_main.State(), "Output page # " + std::to_string(m_page) + "copied to clipboard");
}

void ResultsViewer::CopyAll()
{
    ProgramState& state = m_main.State();
    std::string all;
    for (int i = 0; i <= state.LastOutputPage; ++i)
        all += state.OutputBuffer[static_cast<std::size_t>(i)];
    PlatformServices& platform = m_main.Platform();
    platform.ClearClipboard();
    platform.SetClipboardText(Q(all));
    AppendHistory(state, "Output copied to clipboard");
}

void ResultsViewer::PrintPages(int first, int last)
{
    ProgramState& state = m_main.State();
    m_cancel = false;
    CommandTrap dialogTrap(state, m_cancel, RestoreNormalCursor);
    dialogTrap.Step([&] {
        if (!m_main.Platform().PrintDialog(this, m_main.Platform().Printer(), false))
            throw RuntimeError(err::DialogCancelled);
    });
    if (m_cancel) {
        AppendHistory(state, "Printing aborted");
        return;
    }
    std::string joined;
    for (int i = first; i <= last; ++i)
        joined += state.OutputBuffer[static_cast<std::size_t>(i)];
    m_main.Trapped([&] { m_main.PrintTexts({joined}); });
}

void ResultsViewer::PrintPage()
{
    AppendHistory(m_main.State(), "Current page printed");
    PrintPages(m_page, m_page);
    Loadbuffer();
}

void ResultsViewer::PrintAll()
{
    AppendHistory(m_main.State(), "All pages printed");
    PrintPages(0, m_main.State().LastOutputPage);
    Loadbuffer();
}

void ResultsViewer::ChangeInput()
{
    ProgramState& state = m_main.State();
    const bool editorOpen = state.EditorOpen != 0;
    const int kind = state.ReportKind;
    close();
    if (!editorOpen)
        m_main.mnuEditItem_Click(kind == 2 ? 2 : 1);
}

void ResultsViewer::ViewPlots()
{
    ShowMessage(m_main.State(), "Option not active yet", MsgStyle::OK);
}

}  // namespace castovin
