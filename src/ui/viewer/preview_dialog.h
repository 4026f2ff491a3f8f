#pragma once
// frmPreview, "Print Preview": the header and input listing before printing.

#include <string>

#include <QDialog>

#include "ui/app/window_context.h"

namespace castovin {

struct Project;
struct ReportSession;
struct Environment;
struct Messenger;

class PreviewDialog : public QDialog {
    Q_OBJECT

public:
    PreviewDialog(const Project& project, const ReportSession& session, const Environment& environment,
                  Messenger& messenger, const WindowContext& context);

    void CopyToClipboard();
    void Print();

private:
    const Project& m_project;
    const Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    std::string m_text;
    bool m_cancel = false;
};

}  // namespace castovin
