// The output commands, the results viewer with its paging, copying and
// printing, the print preview and the printed pages.

#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "core/program/program_state.h"
#include "process.h"
#include "ui/app/names.h"
#include "ui/viewer/report_printer.h"
#include "ui/viewer/results_viewer_dialog.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {
// Settings that keep the history log, so that its lines can be checked.
const QByteArray kHistoryShown = "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\n";
}  // namespace

class ResultsViewerTest : public QObject {
    Q_OBJECT

private:
    static void Open(UiFixture& f, const QString& path)
    {
        f.platform->AnswerFile(path);
        f.Trigger(names::FileOpenItem);
    }

private slots:
    void outputOfAnEmptyProjectIsRefused()
    {
        UiFixture f;
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::OutputDesignItem);
        QCOMPARE(f.platform->BoxTexts().back(), QString("Current file is empty"));
        QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::OK));
        QCOMPARE(f.platform->LastCall().title, QString("Castovin"));
        QVERIFY(FindTopLevel(names::ResultsViewer) == nullptr);
        CHECK_SCRIPT(f);
    }

    void designOutputOpensOnTheResultsPage()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        const QString example = UiFixture::Example("default-english.vlb");
        Open(f, example);
        f.Trigger(names::OutputDesignItem);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        QCOMPARE(viewer->windowTitle(), QString("Calculation Results"));
        QVERIFY(!f.Main().isEnabled());
        REQUIRE_CHILD(QPlainTextEdit, pane, viewer, names::ReportPane);
        REQUIRE_CHILD(QPushButton, next, viewer, names::ViewerNext);
        REQUIRE_CHILD(QPushButton, previous, viewer, names::ViewerPrevious);
        QVERIFY(pane->toPlainText().startsWith("[VELB SUITABILITY]\n"));
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        previous->click();
        QVERIFY(pane->toPlainText().startsWith("VELB module build: 2.5.02\n"));
        QVERIFY(!previous->isEnabled());
        QVERIFY(next->isEnabled());
        QVERIFY(f.state->session.ReportKind == ReportType::Design);

        // Copy All is the design report of castovin-cli, byte for byte.
        REQUIRE_CHILD(QPushButton, copyAll, viewer, names::ViewerCopyAll);
        copyAll->click();
        const ProcessResult cli = RunProcess(CASTOVIN_CLI, {"design", example.toStdString()});
        QCOMPARE(f.platform->Clipboard().toStdString(), cli.out);
        REQUIRE_CHILD(QPushButton, copyPage, viewer, names::ViewerCopyPage);
        copyPage->click();
        QCOMPARE(f.platform->Clipboard().toStdString(), f.state->session.OutputBuffer[0]);
        const QString log = QString::fromStdString(f.state->messenger.History.Text());
        CHECK_CONTAINS(log, ". Output page # 0copied to clipboard\r\n");

        REQUIRE_CHILD(QPushButton, ok, viewer, names::ViewerOk);
        ok->click();
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::ResultsViewer) == nullptr);
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void costOutputHasTwoPagesAndLogs()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        Open(f, UiFixture::Example("default-metric.vlb"));
        f.Trigger(names::OutputCostItem);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        QVERIFY(f.state->session.ReportKind == ReportType::Cost);
        QCOMPARE(f.state->session.LastOutputPage, int16_t{1});
        REQUIRE_CHILD(QPlainTextEdit, pane, viewer, names::ReportPane);
        CHECK_CONTAINS(pane->toPlainText(), "TOTAL COST:                  9.22     30.74   2766.17      2.56");
        REQUIRE_CHILD(QPushButton, copyPage, viewer, names::ViewerCopyPage);
        copyPage->click();
        const QString log = QString::fromStdString(f.state->messenger.History.Text());
        CHECK_CONTAINS(log, ". Results displayed\r\n");
        CHECK_CONTAINS(log, ". Output page # 1copied to clipboard\r\n");
        REQUIRE_CHILD(QPushButton, plots, viewer, names::ViewerPlots);
        f.platform->AnswerBox(MsgResult::OK);
        plots->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Option not active yet"));
        CHECK_SCRIPT(f);
    }

    void printAllGoesToPdfWithAHeaderOnEveryPage()
    {
        UiFixture f;
        Open(f, UiFixture::Example("cable-bolts-intersections.vlb"));
        f.Trigger(names::OutputDesignItem);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        const QString pdf = f.File("report.pdf");
        f.platform->AnswerPrint(pdf);
        REQUIRE_CHILD(QPushButton, printAll, viewer, names::ViewerPrintAll);
        printAll->click();
        const QString text = PdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext gave nothing");
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        const QRegularExpression header(R"(^\s*CASTOVIN, \d{1,2}/\d{1,2}/\d{4}, \d\d:\d\d:\d\d\s+Page: (\d+)\s*$)");
        int pageNumber = 0;
        for (const QString& page : pages) {
            if (page.trimmed().isEmpty())
                continue;
            const QString first = page.split('\n').front();
            const auto match = header.match(first);
            QVERIFY2(match.hasMatch(), qPrintable(first));
            QCOMPARE(match.captured(1).toInt(), ++pageNumber);
        }
        // A page ends with the line whose bottom passes 1872 twips above the
        // paper's bottom edge (Letter: 15840 twips); the body starts at 1152.
        QPrinter& printer = f.platform->Printer();
        const double lineSpacing =
            QFontMetricsF(QFont(PrintFontFamily(), 9), &printer).lineSpacing() * 1440.0 / printer.resolution();
        int perPage = 1;
        while (1152 + perPage * lineSpacing <= 15840 - 1872)
            ++perPage;
        const QStringList reportLines =
            QString::fromStdString(f.state->session.OutputBuffer[0] + f.state->session.OutputBuffer[1]).split("\r\n");
        int next = perPage;
        while (reportLines[next].trimmed().isEmpty())
            ++next;
        QString secondPageFirst;
        for (const QString& line : pages[1].split('\n').mid(1))
            if (!line.trimmed().isEmpty()) {
                secondPageFirst = line.simplified();
                break;
            }
        QCOMPARE(secondPageFirst, reportLines[next].simplified());

        // Every body line of both pages is printed, in order.
        const std::string all = f.state->session.OutputBuffer[0] + f.state->session.OutputBuffer[1];
        QString printed;
        for (const QString& page : pages)
            printed += page.section('\n', 1);
        int from = 0;
        for (const QString& line : QString::fromStdString(all).split("\r\n")) {
            if (line.trimmed().isEmpty())
                continue;
            const QString simplified = line.simplified();
            const int at = printed.simplified().indexOf(simplified, from);
            QVERIFY2(at >= 0, qPrintable("not printed: " + line));
            from = at;
        }
        CHECK_SCRIPT(f);
    }

    void cancelledPrintDialogLogsBothLines()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        Open(f, UiFixture::Example("default-english.vlb"));
        f.Trigger(names::OutputDesignItem);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        f.platform->AnswerPrint(std::nullopt);
        REQUIRE_CHILD(QPushButton, printPage, viewer, names::ViewerPrintPage);
        printPage->click();
        const QString log = QString::fromStdString(f.state->messenger.History.Text());
        const int printed = log.indexOf(". Current page printed\r\n");
        const int aborted = log.indexOf(". Printing aborted\r\n");
        QVERIFY(printed >= 0 && aborted > printed);
        QVERIFY(!QFile::exists(f.File("default-printer.pdf")));
        CHECK_SCRIPT(f);
    }

    void printingOnePageNumbersItOne()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        f.Trigger(names::OutputDesignItem);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        const QString pdf = f.File("page.pdf");
        f.platform->AnswerPrint(pdf);
        REQUIRE_CHILD(QPushButton, printPage, viewer, names::ViewerPrintPage);
        printPage->click();
        const QString text = PdfText(pdf);
        CHECK_CONTAINS(text, "Page: 1");
        QVERIFY(!text.contains("Page: 2"));
        CHECK_CONTAINS(text, "[VELB SUITABILITY]");
        QVERIFY(!text.contains("[PROJECT TITLE]"));
        CHECK_SCRIPT(f);
    }

    void fileMenuPrintAndToolbarPrint()
    {
        UiFixture f;
        // An empty project asks first; No prints nothing.
        f.platform->AnswerBox(MsgResult::No);
        f.Trigger(names::Indexed(names::Toolbar, 3));
        QCOMPARE(f.platform->BoxTexts().back(), QString("Current file is empty. Continue?"));
        QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::YesNo, MsgIcon::Question, MsgDefault::Second));
        QVERIFY(!QFile::exists(f.File("default-printer.pdf")));

        Open(f, UiFixture::Example("default-english.vlb"));
        const QString pdf = f.File("menu.pdf");
        f.platform->AnswerPrint(pdf);
        f.Trigger(names::FilePrintItem);
        CHECK_CONTAINS(PdfText(pdf), "[PRODUCTION]");

        // Without a dialog, but the destination is a file: the toolbar's
        // print shows the print dialog with the project's name rather than
        // replace the last file.
        const QString direct = f.File("toolbar.pdf");
        f.platform->AnswerPrint(direct);
        f.Trigger(names::Indexed(names::Toolbar, 3));
        QCOMPARE(f.platform->LastCall().title, f.DataFolder() + "default-english.pdf");
        CHECK_CONTAINS(PdfText(direct), "[SUPPORT PARAMETERS]");
        CHECK_CONTAINS(PdfText(direct), "[COST PARAMETERS]");
        CHECK_CONTAINS(PdfText(pdf), "[PRODUCTION]");
        QVERIFY(!QFile::exists(f.File("default-printer.pdf")));

        f.platform->AnswerPrint(std::nullopt);  // a cancelled dialog prints nothing
        f.Trigger(names::FilePrintItem);
        QCOMPARE(f.Main().LastResult(), CommandResult::Cancelled);
        CHECK_SCRIPT(f);
    }

    void previewShowsTheWholeInput()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        f.Trigger(names::FilePrintPreviewItem);
        QWidget* preview = FindTopLevel(names::Preview);
        QVERIFY(preview != nullptr);
        QCOMPARE(preview->windowTitle(), QString("Print Preview"));
        REQUIRE_CHILD(QPlainTextEdit, pane, preview, names::ReportPane);
        CHECK_CONTAINS(pane->toPlainText(), "[SUPPORT PARAMETERS]");
        CHECK_CONTAINS(pane->toPlainText(), "[COST PARAMETERS]");
        REQUIRE_CHILD(QPushButton, copy, preview, names::ViewerCopyPage);
        copy->click();
        const ProcessResult cli =
            RunProcess(CASTOVIN_CLI, {"listing", UiFixture::Example("default-english.vlb").toStdString()});
        QCOMPARE(f.platform->Clipboard().toStdString(), cli.out);
        REQUIRE_CHILD(QPushButton, print, preview, names::ViewerPrintPage);
        // The printer is a file: the dialog comes up instead of replacing it.
        const QString pdf = f.File("preview.pdf");
        f.platform->AnswerPrint(pdf);
        print->click();
        CHECK_CONTAINS(PdfText(pdf), "[COST PARAMETERS]");
        QVERIFY(!QFile::exists(f.File("default-printer.pdf")));
        QFile::remove(pdf);
        f.platform->AnswerPrint(std::nullopt);  // cancelled: nothing printed
        print->click();
        QVERIFY(!QFile::exists(pdf));
        CHECK_SCRIPT(f);
    }

    void changeInputFromTheMenuOutputOpensTheEditor()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        f.Trigger(names::OutputCostItem);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        REQUIRE_CHILD(QPushButton, change, viewer, names::ViewerChangeInput);
        change->click();
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::ResultsViewer) == nullptr);
        QWidget* editor = FindTopLevel(names::CostEditor);
        QVERIFY(editor != nullptr);
        QVERIFY(!f.Main().isEnabled());
        QCOMPARE(f.state->session.EditorOpen, SwitchTrue);

        // From the editor's own Results, Change Input only closes the viewer.
        REQUIRE_CHILD(QPushButton, results, editor, names::EditorResults);
        results->click();
        viewer = FindTopLevel(names::ResultsViewer);
        REQUIRE_CHILD(QPushButton, change2, viewer, names::ViewerChangeInput);
        change2->click();
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::ResultsViewer) == nullptr);
        QVERIFY(FindTopLevel(names::CostEditor) == editor);
        QVERIFY(!f.Main().isEnabled());  // the editor still holds the main window
        editor->close();
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(ResultsViewerTest)
#include "results_viewer_test.moc"
