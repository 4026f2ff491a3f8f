#pragma once
// The platform services of the running program, by Qt's dialogs.

#include <memory>

#include "ui/late/module_late_windows.h"
#include "ui/platform/platform_services.h"

namespace castovin {

class QtPlatformServices : public PlatformServices {
public:
    QtPlatformServices();
    ~QtPlatformServices() override;

    MsgResult Show(const std::string& text, MsgStyle style, const std::string& title) override;
    std::optional<QString> FileDialog(QWidget* parent, const FileDialogRequest& request) override;
    bool PrintDialog(QWidget* parent, QPrinter& printer, bool allowPageRange,
                     const QString& suggestedPdf = {}) override;
    bool PrinterSetupDialog(QWidget* parent, QPrinter& printer) override;
    std::optional<QFont> FontDialog(QWidget* parent, const QFont& initial) override;
    void ClearClipboard() override;
    void SetClipboardText(const QString& text) override;
    void SetClipboardImage(const QImage& image) override;
    void SetClipboardPicture(const QImage& image, const QByteArray& svg) override;
    QPrinter& Printer() override;
    bool OpenDocument(const QString& path) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    LateWindows& Late() override { return m_late; }

private:
    std::unique_ptr<QPrinter> m_printer;  // made at first use (Printer)
    ModuleLateWindows m_late;
};

}  // namespace castovin
