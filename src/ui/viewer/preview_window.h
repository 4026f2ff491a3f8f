#pragma once
// frmPreview, "Print Preview": the header and input listing before printing.

#include <string>

#include <QDialog>

namespace castovin {

class MainWindow;

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    explicit PreviewWindow(MainWindow& main);

    void CopyToClipboard();
    void Print();

private:
    MainWindow& m_main;
    std::string m_text;
    bool m_cancel = false;
};

}  // namespace castovin
