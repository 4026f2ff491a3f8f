#pragma once
// Printing report text: a header line on every page (the program name, date
// and time, and "Page: n" on the right), the body in a fixed-pitch font, and
// a new page once a line has passed the bottom limit. Positions are in twips
// (1440 to the inch) from the paper's edges.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QFont>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QString>

#include "core/text/number_format.h"

class QPrinter;

namespace castovin {

// The body font family for printing: the first of "Courier New", "Courier"
// and "Arial" the system offers (metric-compatible clones count), else the
// system's fixed-pitch font.
QString PrintFontFamily();

// True when the system offers the family itself or a metric-compatible clone
// of it ("Liberation Mono" for "Courier New").
bool FontFamilyAvailable(const QString& family);

// A printer for one job: a new printer object set up from `settings` (the
// choices the user made in the print and set-up dialogs). A job that fails
// leaves the settings object as it was, so the next job starts clean.
std::unique_ptr<QPrinter> JobPrinter(const QPrinter& settings);

// Prints report texts (CR LF lines each) as one job with the program's page
// layout. A printer that cannot start is a run-time error that says why
// (no printer installed, the PDF file cannot be written).
void PrintReport(const QPrinter& settings, const QString& programName, const std::vector<std::string>& texts,
                 std::optional<DateTime> now = std::nullopt);

// The paper a locale uses: Letter where the locale measures in US units,
// else A4.
QPageSize::PageSizeId DefaultPaperSize(const QLocale& locale);

// The PDF file the print dialog offers: the project's name with ".pdf" in
// the data folder ("Untitled.pdf" for a project without a name).
QString SuggestedPdfName(const std::string& dataFolder, const std::string& projectPath);

// Printing "without a print dialog" goes straight to `printer` only when it
// is a printer (the default one, or the one chosen in a print dialog). When
// its destination is a file, the last PDF file chosen would be replaced
// without a word: the print dialog is shown instead, with the suggested name
// (and its question before an existing file is replaced).
bool PrintsWithoutDialog(const QPrinter& printer);

// What went wrong when a printer cannot start a job, in the user's words.
std::string PrinterFailureText(const QPrinter& printer);

class ReportPrinter {
public:
    ReportPrinter(QPrinter& printer, QString programName, std::optional<DateTime> now = std::nullopt);

    // Starts a job and prints the first page header; run-time error 482
    // when the printer cannot start.
    void Start();
    // Prints each CR LF terminated line of `text`; characters after the last
    // line end are not printed.
    void PrintText(const std::string& text);
    // Prints one line and starts a new page once the bottom limit is passed.
    void PrintLine(const QString& line);
    // Ends the job, which sends it to the printer.
    void End();

    int PageNumber() const { return m_page; }

private:
    double Device(double twips) const;
    void PageHeader();

    QPrinter& m_printer;
    QPainter m_painter;
    QString m_programName;
    std::optional<DateTime> m_now;
    QString m_date;
    QString m_time;
    QFont m_body;
    QFont m_header;
    double m_y = 0;  // print position, device units from the paper's top
    int m_page = 0;
};

}  // namespace castovin
