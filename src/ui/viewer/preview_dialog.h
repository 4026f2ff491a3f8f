#pragma once
// frmPreview, "Print Preview": the header and input listing before printing.

#include <string>

#include <QDialog>

#include "ui/app/window_context.h"

namespace castovin {

class PreviewDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreviewDialog(const WindowContext& context);

    void CopyToClipboard();
    void Print();

private:
    WindowContext m_context;
    std::string m_text;
    bool m_cancel = false;
};

}  // namespace castovin
