#pragma once
// frmResTxtPlt, "Calculation Results": the report pages one at a time, with
// paging, copying and printing.

#include <QDialog>

#include "ui/app/window_context.h"

class QPlainTextEdit;
class QPushButton;

namespace castovin {

struct Project;
struct ReportSession;
struct Environment;
struct Messenger;

class ResultsViewerDialog : public QDialog {
    Q_OBJECT

public:
    ResultsViewerDialog(const Project& project, ReportSession& session, const Environment& environment,
                        Messenger& messenger, const WindowContext& context);
    ~ResultsViewerDialog() override;

    int CurrentPage() const { return m_page; }
    // Shows the current page in the pane.
    void Loadbuffer();

    void NextPage();
    void PreviousPage();
    void CopyPage();
    void CopyAll();
    void PrintPage();
    void PrintAll();
    void ChangeInput();
    void ViewPlots();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PrintPages(int first, int last);
    void Unload();

    const Project& m_project;
    ReportSession& m_session;
    const Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    int m_page = 0;
    bool m_cancel = false;
    bool m_mainWasEnabled = true;
    QPlainTextEdit* m_pane = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_copyPage = nullptr;
    QPushButton* m_printPage = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_printAll = nullptr;
    QPushButton* m_copyAll = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_changeInput = nullptr;
    QPushButton* m_viewPlots = nullptr;
};

// The pane of the viewer and the preview: read-only, fixed pitch.
QPlainTextEdit* MakeReportPane(QWidget* parent);
// Report text (CR LF lines) as the pane shows it.
QString PaneText(const std::string& text);

}  // namespace castovin
