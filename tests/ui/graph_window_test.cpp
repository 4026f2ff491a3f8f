// The graph window: the curves as the command-line tool computes them, the
// format on the chart, point identification, printing, copying and the export
// to a workbook.

#include <QFileInfo>
#include <QLabel>
#include <QLegend>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTest>

#include "core/text/messages.h"
#include "graph_test_support.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"

using namespace castovin;
using namespace castovin::test;

class GraphWindowTest : public QObject {
    Q_OBJECT

private:
    // A copy of the English example with a 5 ft intersection span: its span
    // curve runs from 3 ft (the raised lower limit) to 15 ft by 0.5 ft.
    static QString ShortSpanProject(UiFixture& f)
    {
        QStringList lines = QString::fromUtf8(ReadBytes(UiFixture::Example("default-english.vlb"))).split("\r\n");
        if (lines.value(18) != "30")
            return {};
        lines[18] = "5";
        const QString path = f.File("short-span.vlb");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(lines.join("\r\n").toUtf8());
        return path;
    }

private slots:
    void windowOpensOverTheDisabledMainWindowAndGivesItBack()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        Open(f, UiFixture::Example("default-english.vlb"));
        QVERIFY(f.Action(names::OutputGraphDepthItem)->isEnabled());
        GraphWindow* window = Graph(f, 1);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QString("Graph"));
        QVERIFY(!f.Main().isEnabled());
        QCOMPARE(window->Chart()->title(), QString("Castovin"));
        QCOMPARE(window->Chart()->titleFont().pointSize(), 15);
        QCOMPARE(Axis(window, Qt::Horizontal)->titleText(), QString("Depth of Cover (ft)"));
        QCOMPARE(Axis(window, Qt::Vertical)->titleText(), QString("Suggested VELB"));
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
            QCOMPARE(Axis(window, o)->labelsFont().pointSize(), 10);
            QCOMPARE(Axis(window, o)->linePen().width(), 2);
        }
        QCOMPARE(window->CurveCount(), 1);
        QCOMPARE(window->CurveLabelCount(), 1);
        QCOMPARE(window->Lines(0)->name(), QString("Sug.VELB"));

        // Point ID starts checked; the item shows and hides the frame.
        QAction* pointId = window->findChild<QAction*>(names::GraphPointIdItem);
        REQUIRE_CHILD(QWidget, frame, window, names::GraphPointFrame);
        QVERIFY(pointId->isChecked());
        QVERIFY(frame->isVisible());
        pointId->trigger();
        QVERIFY(!frame->isVisible());
        pointId->trigger();
        QVERIFY(frame->isVisible());

        // The window never shrinks below 4000 twips either way.
        const int minimum = TwipsToPixels(window, 4000);
        window->resize(TwipsToPixels(window, 3000), TwipsToPixels(window, 3000));
        QCOMPARE(window->size(), QSize(minimum, minimum));

        window->findChild<QAction*>(names::GraphExitItem)->trigger();
        QVERIFY(FindTopLevel(names::GraphWindow) == nullptr);
        QVERIFY(f.Main().isEnabled());

        // The close box gives the main window back as well.
        window = Graph(f, 0);
        QVERIFY(window != nullptr);
        window->close();
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void theFourCurvesAreThoseOfTheCommandLineTool()
    {
        UiFixture f;
        const QString example = UiFixture::Example("default-english.vlb");
        Open(f, example);
        const char* names[4] = {"cmrr", "depth", "sf", "span"};
        const int counts[4] = {4, 11, 11, 7};
        for (int g = 0; g < 4; ++g) {
            GraphWindow* window = Graph(f, g);
            QVERIFY(window != nullptr);
            const QList<QPointF> expected = CliCurve(example, names[g]);
            QCOMPARE(expected.size(), counts[g]);
            const QList<QPointF> drawn = window->Lines(0)->points();
            QCOMPARE(drawn.size(), expected.size());
            QCOMPARE(window->Symbols(0)->points(), drawn);
            for (qsizetype j = 0; j < drawn.size(); ++j) {
                QVERIFY(qAbs(drawn[j].x() - expected[j].x()) <= 1e-5 * qAbs(expected[j].x()));
                QVERIFY(qAbs(drawn[j].y() - expected[j].y()) <= 1e-5 * qAbs(expected[j].y()));
            }
            window->close();
        }
        QCOMPARE(f.Main().isEnabled(), true);
        CHECK_SCRIPT(f);
    }

    void aCurveWithoutPointsOpensNoWindow()
    {
        UiFixture f;
        Open(f, UiFixture::Example("strong-roof.vlb"));
        f.platform->AnswerBox(MsgResult::OK);
        QVERIFY(Graph(f, 0) == nullptr);
        // CMRR 65 at 500 ft: the method ends at 21.6 + 11.5 log10(500), about
        // 52.6, while the curve would start at 55.
        QCOMPARE(f.platform->BoxTexts().back(),
                 QString("The chosen range holds no points: the roof is too strong for the CMRR curve: at this "
                         "depth of cover the VELB method ends at CMRR 52, below the curve's start at CMRR 55."));
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void metricTitlesFollowEnglishOnes()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 3);
        QCOMPARE(Axis(window, Qt::Horizontal)->titleText(), QString("Intersection Span (ft)"));
        window->close();
        Open(f, UiFixture::Example("default-metric.vlb"));
        window = Graph(f, 1);
        QCOMPARE(Axis(window, Qt::Horizontal)->titleText(), QString("Depth of Cover (m)"));
        QCOMPARE(f.state->environment.Settings.XAxisTitle[3], std::string("Intersection Span (m)"));
        QCOMPARE(f.state->environment.Settings.GraphUnits, int16_t{1});
        window->close();
        CHECK_SCRIPT(f);
    }

    void gridStylesDrawOneDirectionAndSurviveTheReadBack()
    {
        for (int grid : {1, 2}) {
            UiFixture f(UiFixture::WithSettingsFile(GraphSettings("GridStyle=" + QByteArray::number(grid) + "\r\n")));
            Open(f, UiFixture::Example("default-english.vlb"));
            GraphWindow* window = Graph(f, 0);
            QVERIFY(window != nullptr);
            // Horizontal lines are the y axis's grid, vertical ones the x axis's.
            QCOMPARE(Axis(window, Qt::Vertical)->isGridLineVisible(), grid == 1);
            QCOMPARE(Axis(window, Qt::Horizontal)->isGridLineVisible(), grid == 2);
            window->ReadFormatBack();
            QCOMPARE(f.state->environment.Settings.GridStyle, int16_t(grid));
            window->ApplyFormatToChart();
            QCOMPARE(Axis(window, Qt::Vertical)->isGridLineVisible(), grid == 1);
            QCOMPARE(Axis(window, Qt::Horizontal)->isGridLineVisible(), grid == 2);
            window->close();
            CHECK_SCRIPT(f);
        }
    }

    void graphStylesAndTheLegend()
    {
        {
            UiFixture f(UiFixture::WithSettingsFile(GraphSettings("GraphStyle=2\r\nSymbolSize=8\r\n")));
            Open(f, UiFixture::Example("default-english.vlb"));
            GraphWindow* window = Graph(f, 1);
            QCOMPARE(window->Lines(0)->pen().style(), Qt::NoPen);
            QVERIFY(window->Symbols(0)->isVisible());
            QCOMPARE(window->Symbols(0)->color(), QColor(0, 0, 255));
            window->ReadFormatBack();
            QCOMPARE(f.state->environment.Settings.SymbolSize, int16_t{8});
            window->close();
        }
        {
            UiFixture f(UiFixture::WithSettingsFile(GraphSettings("GraphStyle=1\r\nCurveLegend=0\r\n")));
            Open(f, UiFixture::Example("default-english.vlb"));
            GraphWindow* window = Graph(f, 1);
            const QPen pen = window->Lines(0)->pen();
            QCOMPARE(pen.style(), Qt::SolidLine);
            QCOMPARE(pen.width(), 3);
            QCOMPARE(pen.color(), QColor(0, 0, 255));
            QVERIFY(!window->Symbols(0)->isVisible());
            QCOMPARE(window->CurveLabelCount(), 0);
            QVERIFY(!window->Chart()->legend()->isVisible());
            window->ReadFormatBack();
            QCOMPARE(f.state->environment.Settings.CurveLegend, int16_t{0});
            window->close();
        }
    }

    void thePointerIdentifiesAPointWithinThreePixels()
    {
        UiFixture f;
        const QString example = UiFixture::Example("default-english.vlb");
        Open(f, example);
        GraphWindow* window = Graph(f, 1);
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::processEvents();
        REQUIRE_CHILD(QLabel, x, window, names::GraphXValue);
        REQUIRE_CHILD(QLabel, y, window, names::GraphYValue);
        REQUIRE_CHILD(QLabel, curve, window, names::GraphCurve);
        QWidget* pane = window->View()->viewport();

        // Point 6 of the depth curve: 400 ft.
        const QPoint at = PointPixel(window, 5);
        const QPointF expected = CliCurve(example, "depth").at(5);
        MovePointer(window, at + QPoint(4, 0));
        QCOMPARE(x->text(), QString());
        QCOMPARE(pane->cursor().shape(), Qt::ArrowCursor);
        MovePointer(window, at + QPoint(0, 3));
        QCOMPARE(x->text(), QString("400.00"));
        QCOMPARE(y->text(), QString::number(expected.y(), 'f', 2));
        QCOMPARE(curve->text(), QString("Sug.VELB"));
        QCOMPARE(pane->cursor().shape(), Qt::CrossCursor);

        // Farther away the labels keep their values; the pointer is the default.
        MovePointer(window, at + QPoint(-4, 0));
        QCOMPARE(x->text(), QString("400.00"));
        QCOMPARE(pane->cursor().shape(), Qt::ArrowCursor);
        MovePointer(window, PointPixel(window, 2) + QPoint(3, 0));
        QCOMPARE(x->text(), QString("280.00"));
        MovePointer(window, QPoint(1, 1));
        QCOMPARE(x->text(), QString("280.00"));
        QCOMPARE(pane->cursor().shape(), Qt::ArrowCursor);
        window->close();
        CHECK_SCRIPT(f);
    }

    void printingPutsTheChartOnOnePage()
    {
        UiFixture f(UiFixture::WithSettingsFile(GraphSettings({})));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 0);
        f.platform->AnswerPrint(std::nullopt);
        window->findChild<QAction*>(names::GraphPrintItem)->trigger();
        QVERIFY(!Log(f).contains("Printing Graph"));
        QVERIFY(f.platform->BoxTexts().empty());

        const QString pdf = f.File("graph.pdf");
        f.platform->AnswerPrint(pdf);
        window->findChild<QAction*>(names::GraphPrintItem)->trigger();
        QVERIFY(Log(f).contains("Printing Graph"));
        const QString text = PdfText(pdf);
        QCOMPARE(text.split('\f', Qt::SkipEmptyParts).size(), 1);
        QVERIFY2(text.contains("Castovin") && text.contains("Suggested VELB") && text.contains("CMRR"),
                 qPrintable(text));
        // Above the chart: the project title, the file name and the date.
        const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() > 3, qPrintable(text));
        QCOMPARE(lines[0].trimmed(), QString::fromStdString(f.state->project.ProjectTitle));
        QCOMPARE(lines[1].trimmed(), QString("default-english.vlb"));
        QVERIFY2(QRegularExpression(R"(^\d{1,2}/\d{1,2}/\d{4}$)").match(lines[2].trimmed()).hasMatch(),
                 qPrintable(lines[2]));
        window->close();
        CHECK_SCRIPT(f);
    }

    void copyPutsTheChartOnTheClipboard()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 0);
        window->findChild<QAction*>(names::GraphCopyItem)->trigger();
        QCOMPARE(f.platform->ClipboardClears(), 1);
        QVERIFY(!f.platform->ClipboardImage().isNull());
        // Twice the screen's resolution, and the same drawing as SVG.
        QCOMPARE(f.platform->ClipboardImage().size(), window->View()->grab().size() * 2);
        CHECK_CONTAINS(QString::fromUtf8(f.platform->ClipboardSvg()), "<svg");
        CHECK_CONTAINS(QString::fromUtf8(f.platform->ClipboardSvg()), "<title>Graph</title>");
        window->close();
        CHECK_SCRIPT(f);
    }

    void exportWritesTheCurveIntoAWorkbook()
    {
        UiFixture f;
        const QString project = ShortSpanProject(f);
        QVERIFY(!project.isEmpty());
        Open(f, project);
        GraphWindow* window = Graph(f, 3);
        QVERIFY(window != nullptr);
        QCOMPARE(window->Lines(0)->count(), 25);
        const QString book = f.File("span.xlsx");
        f.platform->AnswerFile(book);
        f.platform->AnswerBox(MsgResult::OK);
        window->findChild<QAction*>(names::GraphExportItem)->trigger();
        const ScriptedPlatform::Call& dialog = f.platform->Calls()[f.platform->Calls().size() - 2];
        QCOMPARE(dialog.file.fileName, QString("short-span-span.xlsx"));
        QCOMPARE(dialog.file.folder, f.DataFolder());
        QCOMPARE(f.platform->BoxTexts().back(), QString("Exported 1 Curves"));
        QCOMPARE(f.platform->Opened(), QStringList{book});

        // Row 1 holds the captions (shared strings 0 and 1), rows 2 to 26 the
        // numbers: x from 3 ft by 0.5 ft, y as the command-line tool has them.
        const QString sheet = Unzipped(book, "xl/worksheets/sheet1.xml");
        const QString strings = Unzipped(book, "xl/sharedStrings.xml");
        QVERIFY(strings.indexOf("<t>X-coord</t>") >= 0);
        QVERIFY(strings.indexOf("<t>X-coord</t>") < strings.indexOf("<t>Sug.VELB</t>"));
        QVERIFY(sheet.contains(R"(<c r="A1" t="s"><v>0</v></c>)"));
        QVERIFY(sheet.contains(R"(<c r="B1" t="s"><v>1</v></c>)"));
        const QList<QPointF> cli = CliCurve(project, "span");
        QCOMPARE(cli.size(), 25);
        for (int row = 2; row <= 26; ++row) {
            const QString x = QString::number(3 + 0.5 * (row - 2));
            QVERIFY2(sheet.contains(QString(R"(<c r="A%1"><v>%2</v></c>)").arg(row).arg(x)), qPrintable(x));
            const QRegularExpression y(QString(R"(<c r="B%1"><v>([^<]+)</v></c>)").arg(row));
            const auto match = y.match(sheet);
            QVERIFY(match.hasMatch());
            // The float's shortest decimal, as the command line prints it,
            // not its double expansion (10.28609, not 10.28609085083008).
            QCOMPARE(match.captured(1).toDouble(), cli[row - 2].y());
        }
        QVERIFY(!sheet.contains(R"(r="A27")"));

        // A name typed without an extension takes the chosen filter's.
        QCOMPARE(FilterSuffix("CSV text (*.csv)"), QString("csv"));
        QCOMPARE(FilterSuffix("Workbook (*.xlsx)"), QString("xlsx"));
        QCOMPARE(FilterSuffix("All Files (*)"), QString());

        // The CSV choice writes what the command-line tool prints.
        f.platform->AnswerFile(f.File("span.csv"));
        f.platform->AnswerBox(MsgResult::OK);
        window->Export();
        // The dialog started in the folder the workbook went to.
        const ScriptedPlatform::Call& again = f.platform->Calls()[f.platform->Calls().size() - 2];
        QCOMPARE(again.file.folder, QFileInfo(book).absolutePath() + "/");
        const ProcessResult csv = RunProcess(CASTOVIN_CLI, {"curve", project.toStdString(), "span"});
        QCOMPARE(ReadBytes(f.File("span.csv")).toStdString(), csv.out);
        // Written, but nothing on the machine opens it: the user is told.
        f.platform->FailOpening(true);
        f.platform->AnswerFile(f.File("span.csv"));
        f.platform->AnswerBox(MsgResult::OK);
        f.platform->AnswerBox(MsgResult::OK);
        window->Export();
        QCOMPARE(f.platform->BoxTexts().back(), QString::fromStdString(NoOpenerText(f.File("span.csv").toStdString())));
        window->close();
        CHECK_SCRIPT(f);
    }

    void theExportQuestionNoExportsNothing()
    {
        UiFixture f(UiFixture::WithSettingsFile("[VELBOptions]\r\nAskOfficeInstall=0\r\n"));
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 0);
        f.platform->AnswerBox(MsgResult::No);
        window->Export();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Export the graph data to a spreadsheet file and open it?"));
        QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::YesNo));
        QVERIFY(f.platform->Opened().isEmpty());

        f.platform->AnswerBox(MsgResult::Yes);
        f.platform->AnswerFile(f.File("cmrr.xlsx"));
        f.platform->AnswerBox(MsgResult::OK);
        window->Export();
        QVERIFY(QFile::exists(f.File("cmrr.xlsx")));
        window->close();
        CHECK_SCRIPT(f);
    }

    void anExportThatCannotBeWrittenIsReportedAndOpensNothing()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        GraphWindow* window = Graph(f, 1);
        const QString book = f.File("no such folder/depth.xlsx");
        f.platform->AnswerFile(book);
        f.platform->AnswerBox(MsgResult::Cancel);
        window->Export();
        QVERIFY2(f.platform->BoxTexts().back().contains("Path not found"), qPrintable(f.platform->BoxTexts().back()));
        for (const QString& text : f.platform->BoxTexts())
            QVERIFY(!text.startsWith("Exported"));
        QVERIFY(f.platform->Opened().isEmpty());
        QVERIFY(!QFile::exists(book));
        window->close();
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
