// The probabilistic analysis window: a study entered in the table, a refused
// cell, a run off the GUI thread with Cancel and Esc, and the report equal to
// castovin-cli risk for the same study and seed.

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "core/config/environment.h"
#include "core/config/settings_file.h"
#include "core/program/output_commands.h"
#include "process.h"
#include "ui/app/names.h"
#include "ui/risk/probabilistic_analysis_window.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

class ProbabilisticAnalysisTest : public QObject {
    Q_OBJECT

private:
    // The window on the English example (rows: 0 CMRR, 1 depth of cover, ...).
    static ProbabilisticAnalysisWindow* Opened(UiFixture& f)
    {
        f.platform->AnswerFile(UiFixture::Example("default-english.vlb"));
        f.Trigger(names::FileOpenItem);
        f.Trigger(names::UtilProbabilisticItem);
        QApplication::processEvents();
        auto* window = qobject_cast<ProbabilisticAnalysisWindow*>(FindTopLevel(names::RiskWindow));
        if (window != nullptr)
            window->show();
        return window;
    }

    // Row `row` given a distribution (by its name) and its cells from the
    // first parameter on.
    static void Enter(QWidget* window, int row, const QString& kind, const QStringList& cells)
    {
        auto* table = window->findChild<QTableWidget*>(names::RiskInputs);
        auto* kinds = window->findChild<QComboBox*>(names::Indexed(names::RiskDistribution, row));
        QVERIFY(table != nullptr && kinds != nullptr);
        kinds->setCurrentText(kind);
        for (int i = 0; i < cells.size(); ++i)
            table->item(row, 3 + i)->setText(cells[i]);
    }

    static void Sampling(QWidget* window, const QString& samples, const QString& seed)
    {
        window->findChild<QLineEdit*>(names::RiskSamples)->setText(samples);
        window->findChild<QLineEdit*>(names::RiskSeed)->setText(seed);
    }

private slots:
    void theReportIsTheCommandLinesForTheSameStudyAndSeed()
    {
        UiFixture f;
        ProbabilisticAnalysisWindow* window = Opened(f);
        QVERIFY(window != nullptr);
        QVERIFY(!f.Main().isEnabled());
        Enter(window, 0, "triangular", {"40", "45", "52"});
        Enter(window, 1, "normal", {"-", "60", "", "250", "600"});
        Sampling(window, "3000", "7");
        window->findChild<QComboBox*>(names::RiskMethod)->setCurrentIndex(1);  // Monte Carlo
        window->findChild<QPushButton*>(names::RiskRun)->click();
        QVERIFY(QTest::qWaitFor([window] { return !window->Running(); }, 60000));
        const QString shown = window->findChild<QPlainTextEdit*>(names::RiskResults)->toPlainText();
        QVERIFY2(shown.contains("[PROBABILITY OF PASSING]"), qPrintable(shown));

        window->findChild<QPushButton*>(names::RiskReport)->click();
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        QVERIFY(!viewer->findChild<QPushButton*>(names::ViewerChangeInput)->isEnabled());
        const std::string report = JoinPages(f.state->session, 0, f.state->session.LastOutputPage);
        std::vector<std::string> args{"risk",      UiFixture::Example("default-english.vlb").toStdString(),
                                      "--vary",    "cmrr=triangular:40:45:52",
                                      "--vary",    "depthOfCover=normal:-:60@250:600",
                                      "--samples", "3000",
                                      "--seed",    "7",
                                      "--method",  "mc"};
        if (f.state->environment.Settings.PrintModuleHeader != 1)
            args.push_back("--no-header");
        const ProcessResult cli = RunProcess(CASTOVIN_CLI, args);
        QCOMPARE(cli.status, 0);
        QCOMPARE(QString::fromStdString(report), QString::fromStdString(cli.out));

        // The samples as the command line's --samples-out writes them.
        viewer->close();
        const QString exported = f.File("window.samples.csv");
        f.platform->AnswerFile(exported);
        window->findChild<QPushButton*>(names::RiskExportSamples)->click();
        const std::string cliSamples = f.File("cli.samples.csv").toStdString();
        args.insert(args.end(), {"--samples-out", cliSamples});
        QCOMPARE(RunProcess(CASTOVIN_CLI, args).status, 0);
        QFile a(exported), b(QString::fromStdString(cliSamples));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray windowCsv = a.readAll();
        QVERIFY(windowCsv.startsWith("sample,cmrr,depthOfCover,margin,class\n"));
        QCOMPARE(windowCsv, b.readAll());
        window->close();
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    // The charts of a run: pointing at a bar or point shows its values, and
    // the chart shown is copied as a picture and printed under the project
    // title and the date.
    void theChartsShowWhatIsPointedAtAndCopyAndPrint()
    {
        UiFixture f;
        ProbabilisticAnalysisWindow* window = Opened(f);
        QVERIFY(window != nullptr);
        Enter(window, 0, "triangular", {"34", "42", "50"});
        Enter(window, 1, "normal", {"-", "60"});
        Sampling(window, "2000", "3");
        auto* copy = window->findChild<QPushButton*>(names::RiskCopyChart);
        auto* tabs = window->findChild<QTabWidget*>(names::RiskResultTabs);
        QVERIFY(copy != nullptr && tabs != nullptr && window->Charts() != nullptr);
        tabs->setCurrentIndex(1);
        QVERIFY(!copy->isEnabled());  // nothing to copy before a run
        window->Run();
        QVERIFY(QTest::qWaitFor([window] { return !window->Running(); }, 60000));
        QVERIFY(copy->isEnabled());

        // At a margin, half-way up the plot (the tornado: its top bar).
        const auto pointed = [&](RiskChartKind kind, double margin) {
            tabs->setCurrentIndex(static_cast<int>(kind) + 1);
            QApplication::processEvents();
            auto* view = window->findChild<QChartView*>(names::Indexed(names::RiskChart, static_cast<int>(kind)));
            QChart* chart = view->chart();
            const QRectF plot = chart->plotArea();
            const double y = kind == RiskChartKind::Tornado ? plot.top() + plot.height() / 4 : plot.center().y();
            const QPointF inChart(chart->mapToPosition(QPointF(margin, 0), chart->series().front()).x(), y);
            const QPointF at = view->mapFromScene(chart->mapToScene(inChart));
            QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &move);
            return window->Charts()->Pointed(kind);
        };
        const struct {
            RiskChartKind kind;
            double margin;
            QString starts;
            QString ends;
        } cases[] = {
            {RiskChartKind::Histogram, 0.97, "Margin 0.", "below the pass line"},
            {RiskChartKind::Histogram, 1.2, "Margin 1.", "at or above the pass line"},
            {RiskChartKind::Cumulative, 1.2, "Margin 1.", "of the samples at most"},
            {RiskChartKind::Tornado, 0.5, "Coal Mine Roof Rating: rank correlation +0.", "of the variance"},
        };
        for (const auto& c : cases) {
            const QString text = pointed(c.kind, c.margin);
            QVERIFY2(text.startsWith(c.starts) && text.endsWith(c.ends), qPrintable(text));
        }

        copy->click();
        QVERIFY(!f.platform->ClipboardImage().isNull());
        CHECK_CONTAINS(QString::fromUtf8(f.platform->ClipboardSvg()),
                       "<title>Rank Correlation with the VELB Margin</title>");
        const QString pdf = f.File("tornado.pdf");
        f.platform->AnswerPrint(pdf);
        window->findChild<QPushButton*>(names::RiskPrintChart)->click();
        const QString printed = PdfText(pdf);
        CHECK_CONTAINS(printed, QString::fromStdString(f.state->project.ProjectTitle));
        CHECK_CONTAINS(printed, "Rank Correlation with the VELB Margin");
        CHECK_CONTAINS(printed, "Coal Mine Roof Rating");
        window->close();
        CHECK_SCRIPT(f);
    }

    void aRefusedCellIsNamedAndHasTheFocus()
    {
        UiFixture f;
        ProbabilisticAnalysisWindow* window = Opened(f);
        QVERIFY(window != nullptr);
        Enter(window, 1, "normal", {"-", "abc"});
        f.platform->AnswerBox(MsgResult::OK);
        window->findChild<QPushButton*>(names::RiskRun)->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Depth of Cover (ft): sd is not a number"));
        auto* table = window->findChild<QTableWidget*>(names::RiskInputs);
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(table->currentColumn(), 4);
        QVERIFY(!window->Running());

        Enter(window, 1, "normal", {"-", "50"});
        Sampling(window, "99", "1");
        f.platform->AnswerBox(MsgResult::OK);
        window->findChild<QPushButton*>(names::RiskRun)->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Samples: a whole number from 100 to 10000000"));
        QCOMPARE(window->focusWidget(), window->findChild<QLineEdit*>(names::RiskSamples));
        window->close();
        CHECK_SCRIPT(f);
    }

    // A saved study opens again, and with its project the window reopens it:
    // in a later run from the file remembered in the settings file, in the
    // same run as the table was when it closed. A bad file changes nothing.
    void aSavedStudyOpensAgainAndABadFileChangesNothing()
    {
        UiFixture f;
        ProbabilisticAnalysisWindow* window = Opened(f);
        QVERIFY(window != nullptr);
        Enter(window, 1, "normal", {"-", "45", "", "300", "500"});
        Enter(window, 6, "uniform", {"5", "7"});
        Sampling(window, "5000", "11");
        const QString path = f.File("mine.study.json");
        f.platform->AnswerFile(path);
        window->findChild<QPushButton*>(names::RiskSaveStudy)->click();
        QVERIFY(QFile::exists(path));
        window->close();

        // A later run knows only the settings file.
        Environment& env = f.state->environment;
        env.StudyText.clear();
        env.Settings.Studies.clear();
        LoadSettings(env, f.state->messenger);
        window = Opened(f);
        QVERIFY(window != nullptr);
        auto* table = window->findChild<QTableWidget*>(names::RiskInputs);
        auto kind = [&window](int row) {
            return window->findChild<QComboBox*>(names::Indexed(names::RiskDistribution, row))->currentText();
        };
        auto cells = [&table](int row) {
            QStringList out;
            for (int c = 3; c < 8; ++c)
                out << table->item(row, c)->text();
            return out;
        };
        const auto isSaved = [&] {
            QCOMPARE(kind(1), QString("normal"));
            QCOMPARE(cells(1), (QStringList{"-", "45", "", "300", "500"}));
            QCOMPARE(kind(6), QString("uniform"));
            QCOMPARE(cells(6), (QStringList{"5", "7", "", "", ""}));
            QCOMPARE(kind(0), QString("fixed"));
            QCOMPARE(window->findChild<QLineEdit*>(names::RiskSamples)->text(), QString("5000"));
            QCOMPARE(window->findChild<QLineEdit*>(names::RiskSeed)->text(), QString("11"));
        };
        isSaved();

        const QString bad = f.File("bad.study.json");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": 2, \"unitSystem\": \"english\"}");
        file.close();
        f.platform->AnswerFile(bad);
        f.platform->AnswerBox(MsgResult::OK);
        window->findChild<QPushButton*>(names::RiskOpenStudy)->click();
        QCOMPARE(f.platform->BoxTexts().back(), bad + ": format: must be 1");
        isSaved();

        Enter(window, 1, "fixed", {"400"});
        f.platform->AnswerFile(path);
        window->findChild<QPushButton*>(names::RiskOpenStudy)->click();
        isSaved();

        // In the run, the table as it closed.
        Enter(window, 6, "triangular", {"5", "6", "7"});
        window->close();
        window = Opened(f);
        QVERIFY(window != nullptr);
        table = window->findChild<QTableWidget*>(names::RiskInputs);
        QCOMPARE(kind(6), QString("triangular"));
        QCOMPARE(cells(6), (QStringList{"5", "6", "7", "", ""}));
        window->close();
        CHECK_SCRIPT(f);
    }

    // Ten million samples run beside a window that keeps answering; Cancel
    // stops them, and Esc during a run closes the window.
    void aLongRunCanBeCancelledAndEscClosesTheWindow()
    {
        UiFixture f;
        ProbabilisticAnalysisWindow* window = Opened(f);
        QVERIFY(window != nullptr);
        Enter(window, 1, "normal", {"-", "50"});
        Sampling(window, "10000000", "3");
        REQUIRE_CHILD(QPushButton, cancel, window, names::RiskCancel);
        REQUIRE_CHILD(QProgressBar, progress, window, names::RiskProgress);
        window->findChild<QPushButton*>(names::RiskRun)->click();
        QVERIFY(window->Running());
        QVERIFY(cancel->isVisible() && progress->isVisible());
        QTest::qWait(50);
        cancel->click();
        QVERIFY(QTest::qWaitFor([window] { return !window->Running(); }, 30000));
        QCOMPARE(window->findChild<QPlainTextEdit*>(names::RiskResults)->toPlainText(), QString("Cancelled."));
        QVERIFY(!window->findChild<QPushButton*>(names::RiskReport)->isEnabled());

        window->findChild<QPushButton*>(names::RiskRun)->click();
        QVERIFY(window->Running());
        QTest::keyClick(window, Qt::Key_Escape);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::RiskWindow) == nullptr);
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(ProbabilisticAnalysisTest)
#include "probabilistic_analysis_test.moc"
