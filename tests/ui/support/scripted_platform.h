#pragma once
// The platform services for the window tests: every message box and dialog
// is answered from a script, in order, and recorded; a call that was not
// scripted (or not of the scripted kind) is a failure the test sees at its
// end, and it gets the safe answer (Cancel) instead of a real dialog.

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include <QPrinter>
#include <QString>
#include <QStringList>

#include "ui/late/late_windows.h"
#include "ui/platform/platform_services.h"

namespace castovin::test {

class ScriptedPlatform : public PlatformServices {
public:
    enum class Kind { Box, File, Print, PrinterSetup, Font };

    struct Call {
        Kind kind;
        QString text;  // message text, or the file dialog's title
        MsgStyle style;
        QString title;
        FileDialogRequest file;  // for file dialogs
    };

    explicit ScriptedPlatform(const QString& defaultPdf);

    // The next call must be a message box; it is answered with `result`.
    void AnswerBox(MsgResult result);
    // The next call must be a file dialog; nullopt cancels it.
    void AnswerFile(std::optional<QString> path);
    // The next call must be a print dialog; a path prints to that PDF file,
    // nullopt cancels.
    void AnswerPrint(std::optional<QString> pdfPath);
    // The next call must be a print dialog; the user picks the system's
    // default printer (none on a machine without printers).
    void AnswerPrintToSystemPrinter();
    void AnswerPrinterSetup(bool accept);
    void AnswerFont(std::optional<QFont> font);

    const std::vector<Call>& Calls() const { return m_calls; }
    const Call& LastCall() const { return m_calls.back(); }
    std::vector<QString> BoxTexts() const;
    // Calls that were not scripted; empty when all went to plan.
    const QStringList& Failures() const { return m_failures; }
    bool ScriptUsedUp() const { return m_script.empty(); }
    const QString& Clipboard() const { return m_clipboard; }
    int ClipboardClears() const { return m_clears; }

    MsgResult Show(const std::string& text, MsgStyle style, const std::string& title) override;
    std::optional<QString> FileDialog(QWidget* parent, const FileDialogRequest& request) override;
    // Records the suggested PDF file as the call's title.
    bool PrintDialog(QWidget* parent, QPrinter& printer, bool allowPageRange,
                     const QString& suggestedPdf = {}) override;
    bool PrinterSetupDialog(QWidget* parent, QPrinter& printer) override;
    std::optional<QFont> FontDialog(QWidget* parent, const QFont& initial) override;
    void ClearClipboard() override;
    void SetClipboardText(const QString& text) override;
    void SetClipboardImage(const QImage& image) override;
    void SetClipboardPicture(const QImage& image, const QByteArray& svg) override;
    QPrinter& Printer() override { return *m_printer; }
    bool OpenDocument(const QString& path) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    // The graph and help windows as the tests link them, unless a test hands
    // over others (the program's modules).
    LateWindows& Late() override { return *m_late; }
    void SetLateWindows(LateWindows& late) { m_late = &late; }

    // OpenDocument reports failure from now on (the desktop has no viewer).
    void FailOpening(bool fail) { m_failOpening = fail; }

    QImage ClipboardImage() const { return m_image; }
    QByteArray ClipboardSvg() const { return m_svg; }
    QStringList Opened() const { return m_opened; }

    // A program started through StartProgram, with its arguments one by one.
    struct Started {
        QString program;
        QStringList arguments;
    };
    const std::vector<Started>& StartedPrograms() const { return m_started; }
    // Makes the next starts fail (a program that is not there).
    void FailStarts(bool fail) { m_failStarts = fail; }

private:
    struct Answer {
        Kind kind;
        MsgResult box = MsgResult::Cancel;
        bool accepted = false;  // the system printer, or the set-up's OK
        std::optional<QString> path;
        std::optional<QFont> font;
    };
    // The next scripted answer if it is of `kind`; records a failure otherwise.
    std::optional<Answer> Next(Kind kind, const QString& what);

    LinkedLateWindows m_linked;
    LateWindows* m_late = &m_linked;
    std::deque<Answer> m_script;
    std::vector<Call> m_calls;
    QStringList m_failures;
    QString m_clipboard;
    QImage m_image;
    QByteArray m_svg;
    int m_clears = 0;
    QStringList m_opened;
    std::vector<Started> m_started;
    bool m_failStarts = false;
    bool m_failOpening = false;
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace castovin::test
