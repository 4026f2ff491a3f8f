#pragma once
// Every modal service of the desktop that a window asks for: message boxes,
// file, print, printer set-up and font dialogs, the clipboard, the printer,
// opening documents and starting programs. The program answers with Qt's own
// dialogs; the tests answer from a script. Nothing else opens a modal
// platform dialog.

#include <optional>

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include "core/text/messages.h"

class QPrinter;
class QWidget;

namespace castovin {

class LateWindows;

// What a file dialog is asked to show.
struct FileDialogRequest {
    enum class Mode { Open, SaveAs };
    Mode mode = Mode::Open;
    QString title;
    QString folder;       // initial folder; empty for the dialog's own choice
    QString fileName;     // initial file name
    QStringList filters;  // "All Files (*.*)", ...
    QString selectedFilter;
    QString defaultSuffix;      // appended when the user types a name without one
    QString executablesFilter;  // the filter (one of `filters`) that lists only
                                // files with the execute permission; empty: none
};

// The extension of a file-dialog filter's first pattern, without the dot:
// "csv" for "CSV text (*.csv)"; empty for "All Files (*)".
QString FilterSuffix(const QString& filter);

class PlatformServices : public MessageBoxService {
public:
    // The chosen file's full path, or nullopt when the dialog was cancelled.
    virtual std::optional<QString> FileDialog(QWidget* parent, const FileDialogRequest& request) = 0;

    // The print dialog for `printer`; false when cancelled. `suggestedPdf`
    // is the file the dialog offers when the user prints to a PDF file.
    virtual bool PrintDialog(QWidget* parent, QPrinter& printer, bool allowPageRange,
                             const QString& suggestedPdf = {}) = 0;
    // The printer set-up dialog; false when cancelled.
    virtual bool PrinterSetupDialog(QWidget* parent, QPrinter& printer) = 0;
    // The font dialog; nullopt when cancelled.
    virtual std::optional<QFont> FontDialog(QWidget* parent, const QFont& initial) = 0;

    virtual void ClearClipboard() = 0;
    virtual void SetClipboardText(const QString& text) = 0;
    virtual void SetClipboardImage(const QImage& image) = 0;
    // A picture in two forms at once: the bitmap and the same drawing as SVG
    // (image/svg+xml), for programs that paste it scalable.
    virtual void SetClipboardPicture(const QImage& image, const QByteArray& svg) = 0;

    // The printer the program prints on (chosen with the set-up dialog).
    virtual QPrinter& Printer() = 0;

    // The graph and help windows, whose libraries are loaded at first use.
    virtual LateWindows& Late() = 0;

    // Opens a document (a file path, or an address such as https://... or
    // file:///...) with the desktop's application for it.
    virtual bool OpenDocument(const QString& path) = 0;
    // Starts a program with arguments (no shell), without waiting.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

}  // namespace castovin
