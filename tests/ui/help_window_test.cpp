// The help window as a help viewer: usable beside an open dialog (F1 from a
// modal dialog), Back and Forward, the index filter and the full-text search,
// Print, the contents one level open, and a reopened window on the screen.

#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>
#include <QWindow>

#include "ui/app/names.h"
#include "ui/help/context_help.h"
#include "ui/help/help_window.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

const QString kManual = "qthelp://org.castovin.manual/doc/";

HelpWindow* OpenHelp()
{
    return static_cast<HelpWindow*>(FindTopLevel(names::HelpWindow));
}

// Keys as the window system delivers them: a window that a modal dialog
// blocks never gets them.
void TypeInto(QWindow* window, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CloseHelpWindow(); }

    void f1InAModalDialogGivesAHelpWindowThatTakesInput()
    {
        UiFixture f;
        std::unique_ptr<QObject> filter(InstallContextHelp(*qApp, f.state->environment, *f.platform));
        f.Trigger(names::UtilSettingsItem);
        QWidget* settings = FindTopLevel(names::SettingsDialog);
        QVERIFY(settings != nullptr);
        REQUIRE_CHILD(QPushButton, setPath, settings, names::SettingsSetPath);
        setPath->setFocus();
        QTest::keyClick(setPath, Qt::Key_F1);
        HelpWindow* help = OpenHelp();
        QVERIFY(help != nullptr);
        QCOMPARE(help->CurrentPage().toString(), kManual + "settings.html");
        // In front, with the keyboard, while the dialog stays open.
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QVERIFY(settings->isVisible());
        REQUIRE_CHILD(QLineEdit, search, help, names::HelpSearchField);
        search->setFocus();
        TypeInto(help->windowHandle(), "cmrr");
        QCOMPARE(search->text(), QString("cmrr"));

        // After the dialog is gone the help window goes on working.
        settings->close();
        QApplication::processEvents();
        search->clear();
        TypeInto(help->windowHandle(), "bolt");
        QCOMPARE(search->text(), QString("bolt"));
        CHECK_SCRIPT(f);
    }

    void backForwardSearchAndPrint()
    {
        UiFixture f;
        HelpWindow* help = ProgramHelpWindow(f.state->environment, *f.platform);
        QVERIFY(help != nullptr);
        QVERIFY(help->ShowContext(4100));
        const QUrl first = help->CurrentPage();
        QVERIFY(help->ShowContext(3520));
        const QUrl second = help->CurrentPage();
        QVERIFY(first != second);
        QWindow* window = help->windowHandle();
        QTest::keyClick(window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(help->CurrentPage(), first);
        QVERIFY(help->findChild<QAction*>(names::HelpForward)->isEnabled());
        QTest::keyClick(window, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(help->CurrentPage(), second);
        help->findChild<QAction*>(names::HelpBack)->trigger();
        QCOMPARE(help->CurrentPage(), first);

        // Typing filters the index; Enter searches the pages' text, which
        // finds a word no index entry holds.
        REQUIRE_CHILD(QLineEdit, search, help, names::HelpSearchField);
        REQUIRE_CHILD(QTabWidget, panes, help, names::HelpPanes);
        auto* index = qobject_cast<QAbstractItemView*>(panes->widget(1));
        QTRY_VERIFY_WITH_TIMEOUT(index->model()->rowCount() > 20, 10000);
        search->setText("Stability");
        QCOMPARE(panes->currentIndex(), 1);
        QVERIFY(index->model()->rowCount() > 0);
        for (int row = 0; row < index->model()->rowCount(); ++row)
            CHECK_CONTAINS(index->model()->index(row, 0).data().toString().toLower(), QString("stability"));
        search->setText("sandstone");
        QCOMPARE(index->model()->rowCount(), 0);
        QTest::keyClick(search, Qt::Key_Return);
        REQUIRE_CHILD(QListWidget, results, help, names::HelpSearchResults);
        QCOMPARE(panes->currentWidget(), results);
        QTRY_VERIFY_WITH_TIMEOUT(results->count() > 0, 20000);
        emit results->itemActivated(results->item(0));
        QVERIFY(help->CurrentPage().toString().startsWith(kManual));
        auto* browser = help->findChild<QTextBrowser*>(names::HelpBrowser);
        CHECK_CONTAINS(browser->toPlainText().toLower(), QString("sandstone"));

        // Print: the page shown, through the print dialog.
        const QString pdf = f.File("help-page.pdf");
        f.platform->AnswerPrint(pdf);
        QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
        CHECK_CONTAINS(PdfText(pdf).simplified().toLower(), QString("sandstone"));
        CHECK_SCRIPT(f);
    }

    void contentsOpenOneLevelAndTheReopenedWindowIsOnTheScreen()
    {
        UiFixture f;
        f.Trigger(names::HelpContentsItem);
        HelpWindow* help = OpenHelp();
        QVERIFY(help != nullptr);
        auto* contents = help->findChild<QTreeView*>(names::HelpContents);
        QVERIFY(contents != nullptr);
        QAbstractItemModel* model = contents->model();
        QTRY_VERIFY_WITH_TIMEOUT(model->rowCount() > 0, 10000);
        const QModelIndex top = model->index(0, 0);
        QTRY_VERIFY(contents->isExpanded(top));
        QVERIFY(model->rowCount(top) > 5);
        int chaptersWithSections = 0;
        for (int row = 0; row < model->rowCount(top); ++row) {
            const QModelIndex chapter = model->index(row, 0, top);
            if (model->rowCount(chapter) > 0)
                ++chaptersWithSections;
            QVERIFY2(!contents->isExpanded(chapter), qPrintable(chapter.data().toString()));
        }
        QVERIFY(chaptersWithSections > 0);

        // Moved half off the screen, closed with its close box, reopened.
        const QRect area = help->screen()->availableGeometry();
        help->resize(area.size() / 2);
        help->move(area.center());
        help->close();
        QApplication::processEvents();
        f.Trigger(names::HelpContentsItem);
        QCOMPARE(OpenHelp(), help);
        QVERIFY2(area.contains(help->frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                      .arg(help->frameGeometry().x())
                                                                      .arg(help->frameGeometry().y())
                                                                      .arg(help->frameGeometry().width())
                                                                      .arg(help->frameGeometry().height())));
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
