#pragma once
// Printing report text: a header line on every page (the program name, date
// and time, and "Page: n" on the right), the body in a fixed-pitch font, and
// a new page once a line has passed the bottom limit. Positions are in twips
// (1440 to the inch) from the paper's edges.

#include <optional>
#include <string>

#include <QFont>
#include <QPainter>
#include <QString>

#include "text/number_format.h"

class QPrinter;

namespace castovin {

// The body font family for printing: the first of "Courier New", "Courier"
// and "Arial" the system offers (metric-compatible clones count), else the
// system's fixed-pitch font.
QString PrintFontFamily();

// True when the system offers the family itself or a metric-compatible clone
// of it ("Liberation Mono" for "Courier New").
bool FontFamilyAvailable(const QString& family);

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
