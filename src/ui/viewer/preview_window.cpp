#include "viewer/preview_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window_helpers.h"
#include "program/program_state.h"
#include "main/main_window.h"
#include "platform/platform_services.h"
#include "text/messages.h"
#include "viewer/results_viewer.h"

namespace castovin {

PreviewWindow::PreviewWindow(MainWindow& main) : m_main(main), m_text(main.State().OutputBuffer[0])
{
    setObjectName("frmPreview");
    setWindowTitle("Print Preview");
    QPlainTextEdit* pane = MakeReportPane(this);
    pane->setPlainText(PaneText(m_text));
    QPushButton* ok = MakeButton(this, "Command1", "OK");
    QPushButton* copy = MakeButton(this, "Command2", "&Copy to Clipboard");
    QPushButton* print = MakeButton(this, "Command3", "&Print");
    QPushButton* help = MakeButton(this, "Command8", "Help");
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
    connect(copy, &QPushButton::clicked, this, &PreviewWindow::CopyToClipboard);
    connect(print, &QPushButton::clicked, this, &PreviewWindow::Print);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_main.State()); });

    AppendHistory(m_main.State(), "Preview displayed");
    adjustSize();
    CenterOnScreen(this);
}

void PreviewWindow::CopyToClipboard()
{
    m_main.Platform().ClearClipboard();
    m_main.Platform().SetClipboardText(Q(m_main.State().OutputBuffer[0]));
    AppendHistory(m_main.State(), "Output copied to clipboard");
}

void PreviewWindow::Print()
{
    if (m_cancel) {
        AppendHistory(m_main.State(), "Printing aborted");
        return;
    }
    m_main.Trapped([&] { m_main.PrintTexts({m_text}); });
}

}  // namespace castovin
