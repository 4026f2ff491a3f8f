// castovin-htmlpdf: renders HTML pages into one PDF at build time, for the
// manual (VELB.PDF) and the reference sheets. Each page starts a chapter on a
// new sheet of paper; an optional contents page lists the chapter titles with
// the page on which each begins; every sheet carries the document title and
// its page number in the footer.
//
// usage: castovin-htmlpdf -o OUT.pdf [--title TEXT] [--paper letter|a4]
//                         [--contents] PAGE.html...

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Options {
    QString output;
    QString title;
    bool letter = true;
    bool contents = false;
    QStringList pages;
};

// Plain typography that reads well on paper: the same pages are shown on
// screen by the help window with Qt's defaults.
const char* const kStyleSheet =
    "body { font-family: 'Liberation Sans', 'DejaVu Sans', sans-serif; font-size: 10pt; }"
    "h1 { font-size: 17pt; margin-bottom: 8pt; }"
    "h2 { font-size: 13pt; margin-top: 14pt; }"
    "h3 { font-size: 11pt; margin-top: 10pt; }"
    "pre, code { font-family: 'Liberation Mono', 'DejaVu Sans Mono', monospace; font-size: 8.5pt; }"
    "table { border-collapse: collapse; }"
    "th { background-color: #e8e8e8; }";

// Reads the command line; returns false (after a message) on a usage error.
bool ParseOptions(const QStringList& args, Options& o)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == "-o" || a == "--title" || a == "--paper") && i + 1 < args.size()) {
            const QString value = args[++i];
            if (a == "-o")
                o.output = value;
            else if (a == "--title")
                o.title = value;
            else if (value == "letter" || value == "a4")
                o.letter = value == "letter";
            else
                return false;
        } else if (a == "--contents") {
            o.contents = true;
        } else if (a.startsWith('-')) {
            return false;
        } else {
            o.pages << a;
        }
    }
    return !o.output.isEmpty() && !o.pages.isEmpty();
}

// One chapter: its laid-out document and where it begins in the PDF.
struct Chapter {
    std::unique_ptr<QTextDocument> doc;
    QString title;
    int firstPage = 0;
};

std::unique_ptr<QTextDocument> MakeDocument(QPdfWriter& writer, const QSizeF& body)
{
    auto doc = std::make_unique<QTextDocument>();
    // Laying out for the PDF's resolution makes point sizes and pictures come
    // out at their physical size.
    doc->documentLayout()->setPaintDevice(&writer);
    doc->setDefaultStyleSheet(kStyleSheet);
    doc->setPageSize(body);
    return doc;
}

bool LoadChapter(const QString& path, QPdfWriter& writer, const QSizeF& body, Chapter& chapter)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "castovin-htmlpdf: %s: cannot be read\n", qPrintable(path));
        return false;
    }
    chapter.doc = MakeDocument(writer, body);
    chapter.doc->setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    chapter.doc->setHtml(QString::fromUtf8(file.readAll()));
    chapter.title = chapter.doc->metaInformation(QTextDocument::DocumentTitle);
    if (chapter.title.isEmpty())
        chapter.title = QFileInfo(path).completeBaseName();
    return true;
}

QString ContentsHtml(const QString& title, const std::vector<Chapter>& chapters)
{
    QString html = "<h1>" + title.toHtmlEscaped() +
                   "</h1><h2>Contents</h2>"
                   "<table width=\"100%\" cellpadding=\"3\">";
    for (const Chapter& c : chapters)
        html += "<tr><td>" + c.title.toHtmlEscaped() + "</td><td align=\"right\">" + QString::number(c.firstPage) +
                "</td></tr>";
    return html + "</table>";
}

void DrawFooter(QPainter& painter, const QRectF& footer, const QString& title, int page)
{
    painter.save();
    QFont font("Liberation Sans");
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.drawLine(footer.topLeft(), footer.topRight());
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString("Page %1").arg(page));
    painter.restore();
}

// Paints every page of one document, numbering from `page`; returns the next
// page number.
int PaintDocument(QPainter& painter, QPdfWriter& writer, QTextDocument& doc, const QRectF& footer, const QString& title,
                  int page, bool& firstSheet)
{
    const QSizeF size = doc.pageSize();
    for (int i = 0; i < doc.pageCount(); ++i, ++page) {
        if (!firstSheet)
            writer.newPage();
        firstSheet = false;
        painter.save();
        painter.translate(0, -i * size.height());
        doc.drawContents(&painter, QRectF(0, i * size.height(), size.width(), size.height()));
        painter.restore();
        DrawFooter(painter, footer, title, page);
    }
    return page;
}

// The date the PDF carries: SOURCE_DATE_EPOCH when set (so that a build is
// reproducible), else now.
QDateTime DocumentDate()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC) : QDateTime::currentDateTimeUtc();
}

// Qt's writer stamps the creation date with the clock and offers no way to
// set it, so the one date field is rewritten in the finished bytes.
bool WritePdf(const QString& path, QByteArray bytes)
{
    static const QRegularExpression date(R"(/CreationDate \(D:[0-9]{14}[^)]*\))");
    const QByteArray fixed = "/CreationDate (D:" + DocumentDate().toString("yyyyMMddHHmmss").toLatin1() + "Z)";
    const QRegularExpressionMatch m = date.match(QString::fromLatin1(bytes.left(4096)));
    if (m.hasMatch() && m.capturedLength() == fixed.size())
        bytes.replace(m.capturedStart(), m.capturedLength(), fixed);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "castovin-htmlpdf: %s: cannot be written\n", qPrintable(path));
        return false;
    }
    return true;
}

int Render(const Options& o)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(o.letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 16, 18, 14), QPageLayout::Millimeter);
    writer.setTitle(o.title);
    writer.setCreator("castovin-htmlpdf");

    const qreal footerHeight = writer.resolution() * 0.3;  // 0.3 in for the footer line
    const QSizeF body(writer.width(), writer.height() - footerHeight);
    const QRectF footer(0, writer.height() - footerHeight * 0.8, writer.width(), footerHeight * 0.8);

    std::vector<Chapter> chapters(o.pages.size());
    for (int i = 0; i < o.pages.size(); ++i)
        if (!LoadChapter(o.pages[i], writer, body, chapters[i]))
            return 1;

    std::unique_ptr<QTextDocument> contents;
    int page = 1;
    if (o.contents) {
        // The contents pages come first; their length does not depend on the
        // numbers written into them, so one trial layout gives it.
        contents = MakeDocument(writer, body);
        contents->setHtml(ContentsHtml(o.title, chapters));
        page += contents->pageCount();
    }
    for (Chapter& c : chapters) {
        c.firstPage = page;
        page += c.doc->pageCount();
    }
    if (contents)
        contents->setHtml(ContentsHtml(o.title, chapters));

    QPainter painter(&writer);
    bool firstSheet = true;
    page = 1;
    if (contents)
        page = PaintDocument(painter, writer, *contents, footer, o.title, page, firstSheet);
    for (Chapter& c : chapters)
        page = PaintDocument(painter, writer, *c.doc, footer, o.title, page, firstSheet);
    painter.end();
    return WritePdf(o.output, pdf.data()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // A build step runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!ParseOptions(QGuiApplication::arguments(), options)) {
        std::fprintf(stderr, "usage: castovin-htmlpdf -o OUT.pdf [--title TEXT] [--paper letter|a4] [--contents] "
                             "PAGE.html...\n");
        return 2;
    }
    if (options.title.isEmpty())
        options.title = QFileInfo(options.output).completeBaseName();
    return Render(options);
}
