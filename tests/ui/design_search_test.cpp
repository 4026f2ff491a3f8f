// The design search window driven as a user drives it: the example price
// list loaded, a search, the results sorted by cost per foot, the design
// report of one pattern, and the pattern applied to the project.

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "process.h"
#include "ui/app/names.h"
#include "ui/search/design_search_window.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {
// The history is kept only while its pane is shown.
const QByteArray kHistoryShown = "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\n";
}  // namespace

class DesignSearchTest : public QObject {
    Q_OBJECT

private:
    static void Open(UiFixture& f, const QString& path)
    {
        f.platform->AnswerFile(path);
        f.Trigger(names::FileOpenItem);
    }

    static DesignSearchWindow* OpenSearch(UiFixture& f)
    {
        f.Trigger(names::UtilDesignSearchItem);
        QApplication::processEvents();
        return qobject_cast<DesignSearchWindow*>(FindTopLevel(names::SearchWindow));
    }

    // The window with the English example project and its price list, searched.
    static DesignSearchWindow* Searched(UiFixture& f)
    {
        Open(f, UiFixture::Example("default-english.vlb"));
        DesignSearchWindow* window = OpenSearch(f);
        if (window == nullptr)
            return nullptr;
        f.platform->AnswerFile(UiFixture::Example("prices-english.csv"));
        window->findChild<QPushButton*>(names::SearchLoadPrices)->click();
        window->findChild<QPushButton*>(names::SearchRun)->click();
        if (!QTest::qWaitFor([window] { return !window->Searching(); }, 30000))
            return nullptr;
        return window;
    }

    static double Number(QAbstractItemModel* model, int row, int column)
    {
        return model->index(row, column).data().toString().toDouble();
    }

    static void Click(QWidget* window, const char* name)
    {
        auto* button = window->findChild<QPushButton*>(name);
        QVERIFY2(button != nullptr, name);
        button->click();
    }

private slots:
    void menuItemFollowsFileConversionAndKeepsTheOtherNames()
    {
        UiFixture f;
        QAction* item = f.Action(names::UtilDesignSearchItem);
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(), QString("&Design Search..."));
        QCOMPARE(item->property("helpContext").toInt(), 4600);
        const QList<QAction*> shown = f.Main().findChild<QMenu*>(names::UtilMenu)->actions();
        const int at = static_cast<int>(shown.indexOf(item));
        QCOMPARE(shown.at(at - 1)->text(), QString("&File Conversion..."));
        QCOMPARE(f.Action(names::UtilClearHistoryItem)->text(), QString("&Clear History Window"));

        // An empty project has nothing to search.
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::UtilDesignSearchItem);
        QCOMPARE(f.platform->BoxTexts().back(), QString("Current file is empty"));
        QVERIFY(FindTopLevel(names::SearchWindow) == nullptr);
        CHECK_SCRIPT(f);
    }

    void searchRanksLoadedPricesAndSortsByNumber()
    {
        UiFixture f;
        DesignSearchWindow* window = Searched(f);
        QVERIFY(window != nullptr);
        QVERIFY(!f.Main().isEnabled());
        REQUIRE_CHILD(QTableWidget, prices, window, names::SearchPriceTable);
        QCOMPARE(prices->rowCount(), 10);  // the data lines of the example file
        QCOMPARE(prices->item(9, 4)->text(), QString("8 ft No. 8 grade 75"));

        REQUIRE_CHILD(QTableView, table, window, names::SearchResultTable);
        QAbstractItemModel* model = table->model();
        QCOMPARE(model->columnCount(), 13);
        QCOMPARE(model->headerData(10, Qt::Horizontal).toString(), QString("$/ft"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Length (ft)"));
        const int rows = model->rowCount();
        QVERIFY(rows > 1);
        // 10 bolts x 4 bolt counts x 7 spacings; the summary counts them all.
        REQUIRE_CHILD(QLabel, summary, window, names::SearchSummary);
        QVERIFY2(summary->text().startsWith(QString("280 candidates tried, ")), qPrintable(summary->text()));
        QVERIFY(summary->text().endsWith(QString(" %1 passed").arg(rows)));

        // As searched: ranks 1, 2, ... with $/ft never falling.
        for (int r = 0; r < rows; ++r) {
            QCOMPARE(model->index(r, 0).data().toString(), QString::number(r + 1));
            if (r > 0)
                QVERIFY(Number(model, r, 10) >= Number(model, r - 1, 10));
            QVERIFY(Number(model, r, 6) >= Number(model, r, 7));  // actual VELB at least the suggested
        }

        // Sorted by $/ft, highest first: numbers, not texts.
        table->horizontalHeader()->setSortIndicator(10, Qt::DescendingOrder);
        QVERIFY(Number(model, 0, 10) > Number(model, rows - 1, 10));
        for (int r = 1; r < rows; ++r)
            QVERIFY2(Number(model, r, 10) <= Number(model, r - 1, 10),
                     qPrintable(model->index(r, 10).data().toString()));
        // Rows move whole: the last-ranked pattern costs as much per foot as
        // the dearest one now on top.
        int last = -1;
        for (int r = 0; r < rows; ++r)
            if (model->index(r, 0).data().toInt() == rows)
                last = r;
        QVERIFY(last >= 0);
        QCOMPARE(model->index(last, 10).data().toString(), model->index(0, 10).data().toString());
        // No heading is cut.
        for (int c = 0; c < model->columnCount(); ++c)
            QVERIFY2(table->horizontalHeader()->sectionSize(c) >= table->horizontalHeader()->sectionSizeHint(c),
                     qPrintable(model->headerData(c, Qt::Horizontal).toString()));
        window->close();
        QApplication::processEvents();
        QVERIFY(f.Main().isEnabled());

        // The next opening keeps the price list and starts Load in its folder.
        window = OpenSearch(f);
        QVERIFY(window != nullptr);
        QCOMPARE(window->findChild<QTableWidget*>(names::SearchPriceTable)->rowCount(), 10);
        QCOMPARE(window->findChild<QTableWidget*>(names::SearchPriceTable)->item(9, 4)->text(),
                 QString("8 ft No. 8 grade 75"));
        f.platform->AnswerFile(std::nullopt);
        window->findChild<QPushButton*>(names::SearchLoadPrices)->click();
        QCOMPARE(f.platform->LastCall().file.folder, QString(CASTOVIN_EXAMPLES) + "/");
        // A range fault in the window's words.
        REQUIRE_CHILD(QLineEdit, step, window, names::SearchSpacingStep);
        step->setText("0");
        f.platform->AnswerBox(MsgResult::OK);
        window->findChild<QPushButton*>(names::SearchRun)->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("The spacing step must be above 0."));
        window->close();
        CHECK_SCRIPT(f);
    }

    void resultsShowTheSelectedPatternWithoutChangingTheProject()
    {
        UiFixture f;
        DesignSearchWindow* window = Searched(f);
        QVERIFY(window != nullptr);
        const auto support = f.state->project.Support;
        const auto cost = f.state->project.Cost;
        const uint8_t saved = f.state->project.ProjectSaved;
        REQUIRE_CHILD(QTableView, table, window, names::SearchResultTable);
        table->horizontalHeader()->setSortIndicator(10, Qt::DescendingOrder);
        table->selectRow(0);  // the dearest passing pattern
        const QString actual = table->model()->index(0, 6).data().toString();
        const QString suggested = table->model()->index(0, 7).data().toString();
        Click(window, names::SearchResults);
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        REQUIRE_CHILD(QPlainTextEdit, pane, viewer, names::ReportPane);
        const QString report = pane->toPlainText();
        CHECK_CONTAINS(report, actual);
        CHECK_CONTAINS(report, suggested);
        Click(viewer, names::ViewerOk);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::ResultsViewer) == nullptr);
        QVERIFY(f.state->project.Support == support);
        QVERIFY(f.state->project.Cost == cost);
        QCOMPARE(f.state->project.ProjectSaved, saved);
        QVERIFY(!f.Main().windowTitle().endsWith('*'));
        CHECK_SCRIPT(f);
    }

    void applyPutsThePatternIntoTheProjectUnsaved()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        DesignSearchWindow* window = Searched(f);
        QVERIFY(window != nullptr);
        QCOMPARE(f.state->project.ProjectSaved, FlagTrue);
        const auto second = f.state->project.Support[1];
        REQUIRE_CHILD(QTableView, table, window, names::SearchResultTable);
        table->horizontalHeader()->setSortIndicator(10, Qt::DescendingOrder);
        table->selectRow(0);
        QAbstractItemModel* model = table->model();
        const double length = Number(model, 0, 1);
        const double diameter = Number(model, 0, 2);
        const int bolts = model->index(0, 4).data().toInt();
        const double spacing = Number(model, 0, 5);
        const double grade = Number(model, 0, 3);
        // The bolt's price is the one of its price-list row ($/bolt in the
        // results is the total cost per bolt).
        REQUIRE_CHILD(QTableWidget, prices, window, names::SearchPriceTable);
        double price = -1;
        for (int r = 0; r < prices->rowCount(); ++r)
            if (prices->item(r, 0)->text().toDouble() == length && prices->item(r, 1)->text().toDouble() == diameter &&
                prices->item(r, 2)->text().toDouble() == grade)
                price = prices->item(r, 3)->text().toDouble();
        QVERIFY(price > 0);
        Click(window, names::SearchApply);

        const SupportRecord& first = f.state->project.Support[0];
        QCOMPARE(static_cast<double>(first.ActualBoltLength), length);
        QCOMPARE(static_cast<double>(first.BoltDiameter), diameter);
        QCOMPARE(static_cast<int>(first.BoltsPerRow), bolts);
        QCOMPARE(static_cast<double>(first.RowSpacing), spacing);
        QCOMPARE(static_cast<double>(first.BoltGrade), grade);
        QCOMPARE(f.state->project.Cost.BoltCost, static_cast<float>(price));
        QCOMPARE(static_cast<int>(f.state->project.Cost.CostBoltsPerRow), bolts);
        QCOMPARE(static_cast<double>(f.state->project.Cost.CostRowSpacing), spacing);
        QVERIFY(f.state->project.Support[1] == second);
        QCOMPARE(f.state->project.ProjectSaved, FlagFalse);
        QVERIFY(f.Main().windowTitle().endsWith('*'));
        const QString log = QString::fromStdString(f.state->messenger.History.Text());
        CHECK_CONTAINS(log, QString("Design search applied: %1 ft, %2 in, grade").arg(length).arg(diameter));
        CHECK_CONTAINS(log, QString("%1 bolts per row, %2 ft row spacing").arg(bolts).arg(spacing));
        CHECK_SCRIPT(f);
    }

    void keepsTheBestItCanShowAndCountsAll()
    {
        UiFixture f;
        f.state->environment.Settings.SearchKeepBest = 10;
        DesignSearchWindow* window = Searched(f);
        QVERIFY(window != nullptr);
        REQUIRE_CHILD(QLabel, summary, window, names::SearchSummary);
        QCOMPARE(window->SortedResults()->rowCount(), 10);
        QVERIFY2(summary->text().endsWith("; the best 10 are listed"), qPrintable(summary->text()));
        window->close();
        CHECK_SCRIPT(f);
    }

    // With a minimum probability the search goes by the study of the
    // probabilistic window and lists what castovin-cli search --study
    // --min-probability lists, P(pass) and its interval included.
    void aMinimumProbabilityListsWhatTheCommandLineLists()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        // No study yet: a minimum probability has nothing to go by. Opening
        // and closing the probabilistic window makes none.
        f.Trigger(names::UtilProbabilisticItem);
        FindTopLevel(names::RiskWindow)->close();
        DesignSearchWindow* first = OpenSearch(f);
        QVERIFY(first != nullptr);
        first->findChild<QLineEdit*>(names::SearchMinProbability)->setText("0.9");
        f.platform->AnswerFile(UiFixture::Example("prices-english.csv"));
        Click(first, names::SearchLoadPrices);
        f.platform->AnswerBox(MsgResult::OK);
        Click(first, names::SearchRun);
        CHECK_CONTAINS(f.platform->BoxTexts().back(), "this project has no study");
        QVERIFY(!first->Searching());
        first->close();

        f.Trigger(names::UtilProbabilisticItem);
        QWidget* risk = FindTopLevel(names::RiskWindow);
        QVERIFY(risk != nullptr);
        auto* inputs = risk->findChild<QTableWidget*>(names::RiskInputs);
        risk->findChild<QComboBox*>(names::Indexed(names::RiskDistribution, 0))->setCurrentText("triangular");
        const QStringList cmrr = {"34", "42", "50"};
        for (int i = 0; i < cmrr.size(); ++i)
            inputs->item(0, 3 + i)->setText(cmrr[i]);
        risk->findChild<QLineEdit*>(names::RiskSamples)->setText("500");
        risk->findChild<QLineEdit*>(names::RiskSeed)->setText("5");
        const QString study = f.File("search.study.json");
        f.platform->AnswerFile(study);
        Click(risk, names::RiskSaveStudy);
        risk->close();

        DesignSearchWindow* window = OpenSearch(f);
        QVERIFY(window != nullptr);
        REQUIRE_CHILD(QLabel, source, window, names::SearchStudy);
        CHECK_CONTAINS(source->text(), "as last used in Probabilistic Analysis");
        f.platform->AnswerFile(UiFixture::Example("prices-english.csv"));
        Click(window, names::SearchLoadPrices);
        REQUIRE_CHILD(QLineEdit, minimum, window, names::SearchMinProbability);
        minimum->setText("1.5");
        f.platform->AnswerBox(MsgResult::OK);
        Click(window, names::SearchRun);
        QCOMPARE(f.platform->BoxTexts().back(), QString("Minimum probability: a number from 0 to 1, or empty"));
        minimum->setText("0.95");
        Click(window, names::SearchRun);
        QVERIFY(QTest::qWaitFor([window] { return !window->Searching(); }, 60000));

        const ProcessResult cli =
            RunProcess(CASTOVIN_CLI, {"search", UiFixture::Example("default-english.vlb").toStdString(), "--prices",
                                      UiFixture::Example("prices-english.csv").toStdString(), "--study",
                                      study.toStdString(), "--min-probability", "0.95", "--top", "1000"});
        QCOMPARE(cli.status, 0);
        const QStringList lines = QString::fromStdString(cli.out).split('\n', Qt::SkipEmptyParts);
        QAbstractItemModel* model = window->SortedResults();
        QCOMPARE(model->columnCount(), 15);
        QCOMPARE(model->headerData(13, Qt::Horizontal).toString(), QString("P(pass)"));
        QCOMPARE(model->rowCount(), lines.size() - 2);  // the heading and the count line
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            QCOMPARE(cells.join(' ').simplified(), lines[r + 1].simplified());
        }
        REQUIRE_CHILD(QLabel, summary, window, names::SearchSummary);
        const QString judged = lines.back().section(' ', 0, 0);
        CHECK_CONTAINS(summary->text(), judged + " judged on 500 samples each");
        window->close();
        CHECK_SCRIPT(f);
    }

    // A search of millions of patterns runs beside a window that keeps
    // answering; Cancel stops it, and Esc during a search closes the window
    // without a word from the abandoned search.
    void aLongSearchRunsOffTheGuiThreadAndCanBeStopped()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        DesignSearchWindow* window = OpenSearch(f);
        QVERIFY(window != nullptr);
        window->show();
        std::vector<PriceRow> rows(20000, PriceRow{6, 0.75f, 60, 4, ""});
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].length = 4 + 0.01f * static_cast<float>(i % 500);
        window->FillPriceTable(rows);
        window->findChild<QSpinBox*>(names::SearchBoltsMin)->setValue(1);
        window->findChild<QSpinBox*>(names::SearchBoltsMax)->setValue(50);
        window->findChild<QLineEdit*>(names::SearchSpacingStep)->setText("0.05");
        REQUIRE_CHILD(QPushButton, cancel, window, names::SearchCancel);
        REQUIRE_CHILD(QProgressBar, progress, window, names::SearchProgress);
        REQUIRE_CHILD(QLabel, summary, window, names::SearchSummary);

        Click(window, names::SearchRun);
        QVERIFY(window->Searching());
        QVERIFY(cancel->isVisible() && progress->isVisible());
        QTest::qWait(50);  // the window answers events meanwhile
        cancel->click();
        QVERIFY(QTest::qWaitFor([window] { return !window->Searching(); }, 30000));
        QVERIFY2(summary->text().startsWith("Search cancelled: "), qPrintable(summary->text()));
        QVERIFY(!cancel->isVisible() && !progress->isVisible());

        Click(window, names::SearchRun);
        QVERIFY(window->Searching());
        QTest::keyClick(window, Qt::Key_Escape);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::SearchWindow) == nullptr);
        QVERIFY(f.Main().isEnabled());
        QTest::qWait(50);
        CHECK_SCRIPT(f);
    }

    void escCancelsACellEditFirstThenClosesAndHelpShowsTheHint()
    {
        UiFixture f;
        Open(f, UiFixture::Example("default-english.vlb"));
        DesignSearchWindow* window = OpenSearch(f);
        QVERIFY(window != nullptr);
        window->show();
        QVERIFY(!f.Main().isEnabled());

        QPushButton* help = window->findChild<QPushButton*>(names::SearchHelp);
        QVERIFY(help != nullptr);
        QCOMPARE(help->property("helpContext").toInt(), 5001);
        f.platform->AnswerBox(MsgResult::OK);
        help->click();
        QCOMPARE(f.platform->LastCall().text,
                 QString("Position the cursor on any item on the form and press F1 for context-sensitive Help"));

        // A price cell being edited takes the first Esc.
        REQUIRE_CHILD(QTableWidget, prices, window, names::SearchPriceTable);
        window->findChild<QPushButton*>(names::SearchAddRow)->click();
        QVERIFY(prices->rowCount() > 0);
        prices->setCurrentCell(0, 0);
        prices->edit(prices->model()->index(0, 0));
        QApplication::processEvents();
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor != nullptr && editor != prices);
        QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::SearchWindow) != nullptr);

        QTest::keyClick(prices, Qt::Key_Escape);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::SearchWindow) == nullptr);
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(DesignSearchTest)
#include "design_search_test.moc"
