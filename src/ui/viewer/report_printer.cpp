#include "ui/viewer/report_printer.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/config/font_names.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

constexpr double kLeft = 1152;
constexpr double kHeaderTop = 576;
constexpr double kBodyTop = 1152;
constexpr double kBottomLimit = 1872;  // a new page once past page height minus this

}  // namespace

// A metric-compatible clone the system resolves the family to counts.
bool FontFamilyAvailable(const QString& family)
{
    return QFontDatabase::hasFamily(family) ||
           StandsFor(QFontInfo(QFont(family)).family().toStdString(), family.toStdString());
}

QString PrintFontFamily()
{
    for (const QString family : {"Courier New", "Courier", "Arial"})
        if (FontFamilyAvailable(family))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

std::unique_ptr<QPrinter> JobPrinter(const QPrinter& settings)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(settings.outputFormat());
    if (settings.outputFormat() == QPrinter::NativeFormat)
        printer->setPrinterName(settings.printerName());
    else
        printer->setOutputFileName(settings.outputFileName());
    printer->setPageLayout(settings.pageLayout());
    printer->setCopyCount(settings.copyCount());
    printer->setCollateCopies(settings.collateCopies());
    printer->setColorMode(settings.colorMode());
    printer->setDuplex(settings.duplex());
    printer->setDocName(settings.docName());
    return printer;
}

QPageSize::PageSizeId DefaultPaperSize(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QString SuggestedPdfName(const std::string& dataFolder, const std::string& projectPath)
{
    QString base = QFileInfo(QString::fromStdString(projectPath)).completeBaseName();
    if (base.trimmed().isEmpty())
        base = QStringLiteral("Untitled");
    QString folder = QString::fromStdString(dataFolder);
    if (!folder.isEmpty() && !folder.endsWith('/'))
        folder += '/';
    return folder + base + ".pdf";
}

bool PrintsWithoutDialog(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat;
}

std::string PrinterFailureText(const QPrinter& printer)
{
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    if (pdf && !printer.outputFileName().isEmpty())
        return "The PDF file cannot be written: " + printer.outputFileName().toStdString() +
               " (check the folder and its permissions)";
    // Without a printer Qt turns the system printer into a PDF file with no name.
    if (QPrinterInfo::availablePrinters().isEmpty())
        return "No printer is installed; print to a PDF file from the print dialog (File > Print)";
    if (pdf)
        return "No file name was given for the PDF file";
    const QString name =
        printer.printerName().isEmpty() ? QStringLiteral("the default printer") : printer.printerName();
    return "The printer cannot start the job: " + name.toStdString();
}

void PrintReport(const QPrinter& settings, const QString& programName, const std::vector<std::string>& texts,
                 std::optional<DateTime> now)
{
    const std::unique_ptr<QPrinter> printer = JobPrinter(settings);
    ReportPrinter job(*printer, programName, now);
    job.Start();
    for (const std::string& text : texts)
        job.PrintText(text);
    job.End();
}

ReportPrinter::ReportPrinter(QPrinter& printer, QString programName, std::optional<DateTime> now)
    : m_printer(printer), m_programName(std::move(programName)), m_now(now)
{
}

double ReportPrinter::Device(double twips) const
{
    return twips * m_printer.resolution() / 1440.0;
}

void ReportPrinter::Start()
{
    m_printer.setFullPage(true);
    if (!m_painter.begin(&m_printer))
        throw RuntimeError(err::PrinterError, PrinterFailureText(m_printer));
    const DateTime now = m_now.value_or(LocalNow());
    m_date = QString::fromStdString(FormatDateMdy(now));
    m_time = QString::fromStdString(FormatTime(now));
    m_body = QFont(PrintFontFamily(), 9);
    m_body.setBold(false);
    m_body.setItalic(false);
    m_body.setUnderline(false);
    m_body.setStrikeOut(false);
    m_header = m_body;
    m_header.setBold(true);
    m_page = 1;
    PageHeader();
}

void ReportPrinter::PageHeader()
{
    const QRectF paper = m_printer.paperRect(QPrinter::DevicePixel);
    m_painter.setFont(m_header);
    const QFontMetricsF metrics(m_header, &m_printer);
    const double top = Device(kHeaderTop);
    m_painter.drawText(QPointF(Device(kLeft), top + metrics.ascent()), m_programName + ", " + m_date + ", " + m_time);
    const QString page = "Page: " + QString::fromStdString(GeneralNumber(static_cast<int64_t>(m_page)));
    const double x = paper.width() - Device(kLeft) - 1.2 * metrics.horizontalAdvance(page);
    m_painter.drawText(QPointF(x, top + metrics.ascent()), page);
    m_y = Device(kBodyTop);
    m_painter.setFont(m_body);
}

void ReportPrinter::PrintLine(const QString& line)
{
    const QFontMetricsF metrics(m_body, &m_printer);
    m_painter.drawText(QPointF(Device(kLeft), m_y + metrics.ascent()), line);
    m_y += metrics.lineSpacing();
    const double height = m_printer.paperRect(QPrinter::DevicePixel).height();
    if (m_y > height - Device(kBottomLimit)) {
        if (!m_printer.newPage())
            throw RuntimeError(err::PrinterError);
        ++m_page;
        PageHeader();
    }
}

void ReportPrinter::PrintText(const std::string& text)
{
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        PrintLine(QString::fromStdString(text.substr(start, end - start)));
        start = end + 2;
    }
}

void ReportPrinter::End()
{
    if (m_painter.isActive() && !m_painter.end())
        throw RuntimeError(err::PrinterError);
}

}  // namespace castovin
