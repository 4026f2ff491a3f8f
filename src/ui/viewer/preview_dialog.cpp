#include "ui/viewer/preview_dialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/text/messages.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"
#include "ui/viewer/report_printer.h"
#include "ui/viewer/results_viewer_dialog.h"

namespace castovin {

PreviewDialog::PreviewDialog(const Project& project, const ReportSession& session, const Environment& environment,
                             Messenger& messenger, const WindowContext& context)
    : m_project(project),
      m_environment(environment),
      m_messenger(messenger),
      m_context(context),
      m_text(session.OutputBuffer[0])
{
    setObjectName(names::Preview);
    setWindowTitle("Print Preview");
    QPlainTextEdit* pane = MakeReportPane(this);
    pane->setPlainText(PaneText(m_text));
    QPushButton* ok = MakeButton(this, names::PreviewOk, "OK");
    ok->setDefault(true);
    QPushButton* copy = MakeButton(this, names::PreviewCopy, "&Copy to Clipboard");
    QPushButton* print = MakeButton(this, names::PreviewPrint, "&Print");
    QPushButton* help = MakeHelpButton(this, names::PreviewHelp, m_messenger);
    auto* row = new QHBoxLayout;
    row->addWidget(copy);
    row->addWidget(print);
    row->addStretch(1);
    row->addWidget(help);
    row->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane, 1);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(copy, &QPushButton::clicked, this, &PreviewDialog::CopyToClipboard);
    connect(print, &QPushButton::clicked, this, &PreviewDialog::Print);

    AppendHistory(m_messenger, "Preview displayed");
    adjustSize();
    CenterOnScreen(this);
}

void PreviewDialog::CopyToClipboard()
{
    m_context.platform.ClearClipboard();
    m_context.platform.SetClipboardText(Q(m_text));
    AppendHistory(m_messenger, "Output copied to clipboard");
}

void PreviewDialog::Print()
{
    if (m_cancel) {
        AppendHistory(m_messenger, "Printing aborted");
        return;
    }
    QPrinter& printer = m_context.platform.Printer();
    if (!PrintsWithoutDialog(printer) &&
        !m_context.platform.PrintDialog(this, printer, false,
                                        SuggestedPdfName(m_environment.Settings.DataPath, m_project.ProjectFilePath))) {
        DialogCancelled(m_messenger);
        AppendHistory(m_messenger, "Printing aborted");
        return;
    }
    m_context.host.Trapped([&] {
        BusyCursor busy;
        PrintReport(printer, Q(m_environment.ProgramName), {m_text});
    });
}

}  // namespace castovin
