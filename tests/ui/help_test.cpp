// The Help menu, F1 and the notices as a user meets them: the help window
// on the built help collection, the PDF manual and the reference sheets
// opened through the (scripted) desktop, the about box, the disclaimer and
// the annual update reminder with a clock the test sets.

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include "core/config/profile_file.h"
#include "core/text/messages.h"
#include "ui/app/names.h"
#include "ui/help/context_help.h"
#include "ui/help/help_menu.h"
#include "ui/help/help_window.h"
#include "ui/help/notice_dialogs.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

const QString kManual = "qthelp://org.castovin.manual/doc/";

std::string SettingsValue(UiFixture& f, const char* key)
{
    const ProfileFile ini(QString::fromUtf8(ReadBytes(f.DataFolder() + "VELB.INI")).toStdString());
    return ini.Read("Settings", key).value_or("<absent>");
}

// A history that is kept, so that what is logged and what is not shows.
const auto kHistoryKept = UiFixture::WithSettingsFile("[Settings]\r\nDisplayHistoryWin=1\r\n");

// The same, beside an installed data folder that lacks the manual and the sheets.
void EmptyInstalledData(const QString& home)
{
    kHistoryKept(home);
    QDir(home).mkpath("share/castovin");
}

// The release date the build was configured with, and a day counted from it.
const QDate kReleased = QDate::fromString(CASTOVIN_CONFIGURED_RELEASE_DATE, Qt::ISODate);

DateTime DaysAfterRelease(int days)
{
    const QDate d = kReleased.addDays(days);
    return DateTime{d.year(), d.month(), d.day(), 9, 0, 0};
}

// Every help context number set on a window's controls and menu items.
void CollectContexts(QObject* root, QSet<int>& numbers)
{
    if (const int n = root->property("helpContext").toInt(); n != 0)
        numbers << n;
    for (QObject* child : root->findChildren<QObject*>())
        if (const int n = child->property("helpContext").toInt(); n != 0)
            numbers << n;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private:
    // Opens a window through a menu item, gathers its numbers and, unless
    // it is to stay open, closes it.
    static void GatherFrom(UiFixture& f, const QString& item, const char* window, QSet<int>& numbers,
                           bool keepOpen = false)
    {
        f.Trigger(item);
        QApplication::processEvents();
        QWidget* w = FindTopLevel(window);
        QVERIFY2(w != nullptr, window);
        CollectContexts(w, numbers);
        if (keepOpen)
            return;
        w->close();
        QApplication::processEvents();
    }

    // A window whose controls and menu items all have one number (its Help
    // button has the Help buttons' own): F1 on any of them opens that page.
    static void CheckEveryControl(const char* name, int number, QSet<int>& numbers)
    {
        QWidget* window = FindTopLevel(name);
        QVERIFY2(window != nullptr, name);
        CollectContexts(window, numbers);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->property("helpContext").toInt() == 5001)
                continue;
            QVERIFY2(HelpContextOf(control) == number,
                     qPrintable(QString("%1/%2 %3").arg(name, control->objectName()).arg(HelpContextOf(control))));
        }
        for (QAction* action : window->findChildren<QAction*>())
            QVERIFY2(HelpContextOf(action) == number, qPrintable(QString(name) + "/" + action->text()));
    }

private slots:
    void cleanup() { CloseHelpWindow(); }

    void everyHelpContextNumberOpensAnExistingPage()
    {
        UiFixture f({}, UiFixture::Example("default-english.vlb"));
        QSet<int> numbers;
        CollectContexts(&f.Main(), numbers);
        GatherFrom(f, names::InputParametersItem, names::ParametersEditor, numbers);
        GatherFrom(f, names::InputCostItem, names::CostEditor, numbers);
        GatherFrom(f, names::UtilOptionsItem, names::OptionsEditor, numbers);
        GatherFrom(f, names::UtilUnitConversionItem, names::UnitCalculator, numbers);
        GatherFrom(f, names::HelpResourceFilesItem, names::ResourceDialog, numbers);
        QVERIFY(numbers.contains(2200) && numbers.contains(4200) && numbers.contains(1100));

        GatherFrom(f, names::UtilSettingsItem, names::SettingsDialog, numbers, true);
        CheckEveryControl(names::SettingsDialog, 4100, numbers);
        FindTopLevel(names::SettingsDialog)->findChild<QPushButton*>(names::SettingsSetPath)->click();
        CheckEveryControl(names::PathDialog, 4100, numbers);
        FindTopLevel(names::PathDialog)->close();
        FindTopLevel(names::SettingsDialog)->close();
        GatherFrom(f, names::OutputGraphCMRRItem, names::GraphWindow, numbers, true);
        CheckEveryControl(names::GraphWindow, 3520, numbers);
        FindTopLevel(names::GraphWindow)->findChild<QAction*>(names::GraphBasicOptionsItem)->trigger();
        CheckEveryControl(names::GraphOptionsDialog, 3510, numbers);
        FindTopLevel(names::GraphOptionsDialog)->close();
        FindTopLevel(names::GraphWindow)->close();
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::HelpAboutItem);
        numbers << f.platform->LastCall().style.helpContext;
        // The numbers of the help context table, each found on its window.
        for (int n : {1000, 2201, 3510, 3520, 4100, 4300, 4500, 5001, 1100, 2200, 4200})
            QVERIFY2(numbers.contains(n), qPrintable(QString::number(n)));

        HelpWindow* help = ProgramHelpWindow(f.state->environment, *f.platform);
        QVERIFY(help != nullptr);
        auto* browser = help->findChild<QTextBrowser*>(names::HelpBrowser);
        for (int n : numbers) {
            const QUrl page = help->ContextPage(n);
            QVERIFY2(page.toString().startsWith(kManual), qPrintable(QString::number(n)));
            QVERIFY(help->ShowContext(n));
            QCOMPARE(help->CurrentPage(), page);
            QVERIFY2(browser->toPlainText().size() > 40, qPrintable(page.toString()));
        }
        QVERIFY(help->ContextPage(9999).isEmpty());
        QVERIFY(!help->ShowContext(9999));
        CHECK_SCRIPT(f);
    }

    void f1OnAParametersFieldOpensItsPage()
    {
        UiFixture f;
        std::unique_ptr<QObject> filter(InstallContextHelp(*qApp, f.state->environment, *f.platform));
        f.Trigger(names::InputParametersItem);
        QApplication::processEvents();
        QWidget* editor = FindTopLevel(names::ParametersEditor);
        QVERIFY(editor != nullptr);
        REQUIRE_CHILD(QLineEdit, cmrr, editor, names::ParmCMRR);
        cmrr->setFocus();
        const QString typed = cmrr->text();
        QTest::keyClick(cmrr, Qt::Key_F1);
        auto* help = static_cast<HelpWindow*>(FindTopLevel(names::HelpWindow));
        QVERIFY(help != nullptr);
        QCOMPARE(help->CurrentPage().toString(), kManual + "project-parameters.html");
        // F1 is help, not a keystroke for the field.
        QCOMPARE(cmrr->text(), typed);

        // The calculator's load gradient box has a section of its own.
        editor->close();
        QApplication::processEvents();
        f.Trigger(names::UtilUnitConversionItem);
        QWidget* units = FindTopLevel(names::UnitCalculator);
        QVERIFY(units != nullptr);
        units->findChild<QTabWidget*>(names::UnitTabs)->setCurrentIndex(2);
        QTest::keyClick(units->findChild<QLineEdit*>(names::CalculatorTabs[2].input), Qt::Key_F1);
        QCOMPARE(help->CurrentPage().toString(), kManual + "unit-calculator.html#load-gradient");
        CHECK_SCRIPT(f);
    }

    void f1InAnOpenMenuOpensTheHighlightedItemsPage()
    {
        UiFixture f;
        std::unique_ptr<QObject> filter(InstallContextHelp(*qApp, f.state->environment, *f.platform));
        REQUIRE_CHILD(QMenu, file, &f.Main(), names::FileMenu);
        file->popup(f.Main().mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(QApplication::activePopupWidget() == file);
        file->setActiveAction(f.Action(names::FileSaveAsItem));  // "Save &As...", 1400
        QTest::keyClick(file, Qt::Key_F1);
        auto* help = static_cast<HelpWindow*>(FindTopLevel(names::HelpWindow));
        QVERIFY(help != nullptr);
        QCOMPARE(help->CurrentPage().toString(), kManual + "main-window.html#file-save-as");
        file->close();
        CHECK_SCRIPT(f);
    }

    void helpMenuShowsContentsAndIndex()
    {
        UiFixture f;
        f.Trigger(names::HelpIndexItem);
        auto* help = static_cast<HelpWindow*>(FindTopLevel(names::HelpWindow));
        QVERIFY(help != nullptr);
        REQUIRE_CHILD(QTabWidget, panes, help, names::HelpPanes);
        QCOMPARE(panes->currentWidget()->objectName(), QString(names::HelpIndex));
        f.Trigger(names::HelpContentsItem);
        QCOMPARE(FindTopLevel(names::HelpWindow), help);  // one help window
        QCOMPARE(panes->currentWidget()->objectName(), QString(names::HelpContents));
        QCOMPARE(help->CurrentPage().toString(), kManual + "index.html");
        // The panes fill from the collection in the background.
        auto* contents = qobject_cast<QAbstractItemView*>(panes->widget(0));
        auto* index = qobject_cast<QAbstractItemView*>(panes->widget(1));
        QVERIFY(contents != nullptr && index != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(contents->model()->rowCount() > 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(index->model()->rowCount() > 20, 10000);
        CHECK_SCRIPT(f);
    }

    void pdfManualOpensWithTheDesktopAndHoldsEveryChapter()
    {
        UiFixture f(kHistoryKept);
        f.Trigger(names::HelpPdfItem);
        QCOMPARE(f.platform->Opened().size(), 1);
        const QString pdf = f.platform->Opened().first();
        QVERIFY(pdf.endsWith("/VELB.PDF"));
        QVERIFY(QFile::exists(pdf));
        const QString text = PdfText(pdf).simplified();
        const QDir pages(CASTOVIN_MANUAL_PAGES);
        int chapters = 0;
        for (const QString& page : pages.entryList({"*.html"})) {
            const QString html = QString::fromUtf8(ReadBytes(pages.filePath(page)));
            const QRegularExpressionMatch title = QRegularExpression("<title>([^<]*)</title>").match(html);
            QVERIFY2(title.hasMatch(), qPrintable(page));
            QVERIFY2(text.contains(title.captured(1).simplified()), qPrintable(title.captured(1)));
            ++chapters;
        }
        QVERIFY(chapters >= 20);

        // The desktop cannot open it: a logged message.
        f.platform->FailOpening(true);
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::HelpPdfItem);
        QCOMPARE(f.platform->LastCall().text, QString("Operation Failed"));
        QVERIFY(QString::fromStdString(f.state->messenger.History.Text()).contains("Operation Failed"));
        CHECK_SCRIPT(f);
    }

    void missingPdfManualIsNamed()
    {
        // An installed layout beside the program's folder, without the manual.
        UiFixture f(EmptyInstalledData);
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::HelpPdfItem);
        QVERIFY(f.platform->Opened().isEmpty());
        QCOMPARE(f.platform->LastCall().text, QString("Help file (VELB.PDF) not available"));
        QVERIFY(
            QString::fromStdString(f.state->messenger.History.Text()).contains("Help file (VELB.PDF) not available"));
        CHECK_SCRIPT(f);
    }

    void sixReferenceSheetsOpenFromTheirButtons()
    {
        UiFixture f;
        // The buttons' table is the one the build prints the sheets from.
        QFile tsv(CASTOVIN_SHEETS_TSV);
        QVERIFY(tsv.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(tsv.readAll()).trimmed().split('\n');
        QCOMPARE(lines.size(), 6);
        f.Trigger(names::HelpResourceFilesItem);
        QWidget* dialog = FindTopLevel(names::ResourceDialog);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Resource Files"));
        for (int i = 0; i < 6; ++i) {
            const QStringList fields = lines[i].split('\t');
            REQUIRE_CHILD(QPushButton, view, dialog, names::Indexed(names::ResourceButton, i));
            QCOMPARE(view->text(), fields[1]);
            QTest::mouseClick(view, Qt::LeftButton);
            QCOMPARE(f.platform->Opened().size(), i + 1);
            QVERIFY(f.platform->Opened().last().endsWith("/" + fields[0]));
            QVERIFY(QFile::exists(f.platform->Opened().last()));
            QVERIFY2(PdfText(f.platform->Opened().last()).simplified().contains(fields[1]), qPrintable(fields[1]));
        }
        // Two columns of three.
        auto* first = dialog->findChild<QPushButton*>(names::Indexed(names::ResourceButton, 0));
        QCOMPARE(dialog->findChild<QPushButton*>(names::Indexed(names::ResourceButton, 2))->x(), first->x());
        QVERIFY(dialog->findChild<QPushButton*>(names::Indexed(names::ResourceButton, 3))->x() > first->x());
        QCOMPARE(dialog->findChild<QPushButton*>(names::Indexed(names::ResourceButton, 3))->y(), first->y());
        QVERIFY(f.platform->Calls().empty());
        CHECK_SCRIPT(f);
    }

    void missingReferenceSheetIsNamedInAPlainBox()
    {
        UiFixture f(EmptyInstalledData);
        const std::string historyBefore = f.state->messenger.History.Text();
        QVERIFY(!historyBefore.empty());
        f.Trigger(names::HelpResourceFilesItem);
        QWidget* dialog = FindTopLevel(names::ResourceDialog);
        QVERIFY(dialog != nullptr);
        f.platform->AnswerBox(MsgResult::OK);
        QTest::mouseClick(dialog->findChild<QPushButton*>(names::Indexed(names::ResourceButton, 4)), Qt::LeftButton);
        const QString path = QDir(f.Home()).filePath("share/castovin/unit-factors.pdf");
        QCOMPARE(f.platform->LastCall().text, "Resource file (" + path + ") not available");
        QCOMPARE(f.platform->LastCall().title, QString::fromStdString(f.state->environment.ProgramTitle));
        QCOMPARE(f.state->messenger.History.Text(), historyBefore);  // not logged
        CHECK_SCRIPT(f);
    }

    void aboutBoxNamesVersionAndReleaseDate()
    {
        UiFixture f(kHistoryKept);
        const std::string historyBefore = f.state->messenger.History.Text();
        QVERIFY(!historyBefore.empty());
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::HelpAboutItem);
        const auto& box = f.platform->LastCall();
        QCOMPARE(box.title, QString("About the CASTOVIN Program"));
        const QString date = kReleased.toString("dd-") +
                             QLocale::system().monthName(kReleased.month(), QLocale::ShortFormat) +
                             kReleased.toString("-yyyy");
        QVERIFY2(box.text.startsWith("CASTOVIN\r\n\nVersion: 2.5.02\r\n\nRevision Date: " + date + "\r\n\n"),
                 qPrintable(box.text));
        QCOMPARE(box.style.helpContext, 1000);
        QVERIFY(box.text.contains("Castovin developers"));
        QVERIFY(box.text.contains("MIT"));
        QCOMPARE(box.style.icon, MsgIcon::Information);
        QCOMPARE(f.state->messenger.History.Text(), historyBefore);
        CHECK_SCRIPT(f);
    }

    void reminderWaitsThreeHundredSixtyDays()
    {
        const auto prepare = UiFixture::WithSettingsFile("[Settings]\r\nShowDisclaim=0\r\nRemindAnnualUpdates=1\r\n");
        {
            UiFixture f(prepare, {}, false, true);
            f.state->environment.Today = [] { return DaysAfterRelease(360); };
            QApplication::processEvents();
            QVERIFY(FindTopLevel(names::UpdateDialog) == nullptr);
            QVERIFY(FindTopLevel(names::DisclaimerDialog) == nullptr);
        }
        UiFixture f(prepare, {}, false, true);
        f.state->environment.Today = [] { return DaysAfterRelease(361); };
        QApplication::processEvents();
        QWidget* update = FindTopLevel(names::UpdateDialog);
        QVERIFY(update != nullptr);
        QCOMPARE(update->windowTitle(), QString("Program Update for CASTOVIN"));
        REQUIRE_CHILD(QLabel, text, update, names::UpdateLabel);
        QVERIFY(text->text().startsWith("This version was released over a year ago. Although major updates"));
        QVERIFY(text->text().endsWith("\n\nYou may manually update the program by downloading and installing the "
                                      "new setup file."));
        REQUIRE_CHILD(QLabel, info, update, names::UpdateInfo);
        QCOMPARE(info->text(), "Current Program Version: 2.5.02\nCurrent Revision Date: " + ReleaseDateShown());
        REQUIRE_CHILD(QLabel, caption, update, names::UpdateUrlCaption);
        QCOMPARE(caption->text(), QString("URL to program web page:"));

        // Ticking the box switches the reminder off in the settings file.
        REQUIRE_CHILD(QCheckBox, disable, update, names::NoticeDontShowAgain);
        QCOMPARE(disable->text(), QString("Disable reminder for annual program updates"));
        disable->setChecked(true);
        QTest::mouseClick(update->findChild<QPushButton*>(names::NoticeOk), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(FindTopLevel(names::UpdateDialog) == nullptr);
        QCOMPARE(SettingsValue(f, "RemindAnnualUpdates"), std::string("0"));
        QCOMPARE(f.state->environment.Settings.RemindAnnualUpdates, int16_t(0));
        CHECK_SCRIPT(f);
    }

    void updatesFromTheMenuWithinTheFirstYearAndTheLink()
    {
        // [Settings] without the reminder key: closing rewrites the section.
        UiFixture f(UiFixture::WithSettingsFile("[Settings]\r\nShowDisclaim=0\r\n"));
        QCOMPARE(SettingsValue(f, "RemindAnnualUpdates"), std::string("<absent>"));
        f.state->environment.Settings.RemindAnnualUpdates = 1;
        f.state->environment.Today = [] { return DaysAfterRelease(12); };
        f.Trigger(names::HelpUpdatesItem);
        QWidget* update = FindTopLevel(names::UpdateDialog);
        QVERIFY(update != nullptr);
        QVERIFY(update->findChild<QLabel*>(names::UpdateLabel)
                    ->text()
                    .startsWith("Clicking on the URL below will connect you directly with the program website. \n\n"));

        auto* link = update->findChild<LinkLabel*>(names::UpdateUrl);
        QVERIFY(link != nullptr);
        const QString page = ProgramWebPage(f.state->environment.AppFolder);
        QCOMPARE(link->text(), page);
        // The link leads to a page that exists: the build's copy of the manual.
        QVERIFY(page.startsWith("file:///") && page.endsWith("/manual/index.html"));
        QVERIFY(QFileInfo(QUrl(page).toLocalFile()).isFile());
        const auto colour = [&] { return link->palette().color(QPalette::WindowText); };
        QCOMPARE(colour(), QColor(0, 0, 0));
        QVERIFY(!link->font().underline());
        const QPointF inside(3, 3);
        QMouseEvent move(QEvent::MouseMove, inside, link->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(link, &move);
        QCOMPARE(colour(), QColor(0, 0, 255));
        QVERIFY(link->font().underline());
        QMouseEvent press(QEvent::MouseButtonPress, inside, link->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(link, &press);
        QCOMPARE(colour(), QColor(255, 0, 0));
        QMouseEvent release(QEvent::MouseButtonRelease, inside, link->mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(link, &release);
        QCOMPARE(colour(), QColor(0, 0, 255));
        QCOMPARE(f.platform->Opened(), QStringList{page});
        // Without a program to open it, the click says so.
        f.platform->FailOpening(true);
        f.platform->AnswerBox(MsgResult::OK);
        QApplication::sendEvent(link, &press);
        QApplication::sendEvent(link, &release);
        QCOMPARE(f.platform->LastCall().text, QString::fromStdString(NoOpenerText(page.toStdString())));
        QVERIFY(f.platform->LastCall().text.contains("xdg-open"));
        // The pointer leaves the box: the next check puts the link at rest.
        QCursor::setPos(update->mapToGlobal(QPoint(-50, -50)));
        link->CheckPointer();
        QCOMPARE(colour(), QColor(0, 0, 0));
        QVERIFY(!link->font().underline());

        // Closed without ticking: [Settings] is written all the same.
        update->close();
        QApplication::processEvents();
        QCOMPARE(SettingsValue(f, "RemindAnnualUpdates"), std::string("1"));
        CHECK_SCRIPT(f);
    }

    void disclaimerComesFirstThenTheReminder()
    {
        UiFixture f(UiFixture::WithSettingsFile("[Settings]\r\nShowDisclaim=1\r\nRemindAnnualUpdates=1\r\n"), {}, false,
                    true);
        f.state->environment.Today = [] { return DaysAfterRelease(361); };
        QApplication::processEvents();
        QWidget* disclaimer = FindTopLevel(names::DisclaimerDialog);
        QVERIFY(disclaimer != nullptr);
        QVERIFY(FindTopLevel(names::UpdateDialog) == nullptr);
        QCOMPARE(disclaimer->windowTitle(), QString("Disclaimer for CASTOVIN"));
        REQUIRE_CHILD(QLabel, text, disclaimer, names::DisclaimerLabel);
        QVERIFY(text->text().contains(QuestionsAddress()));
        REQUIRE_CHILD(QCheckBox, dontShow, disclaimer, names::NoticeDontShowAgain);
        QCOMPARE(dontShow->text(), QString("Do not show this disclaimer again"));
        dontShow->setChecked(true);
        QTest::mouseClick(disclaimer->findChild<QPushButton*>(names::NoticeOk), Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(SettingsValue(f, "ShowDisclaim"), std::string("0"));
        QVERIFY(FindTopLevel(names::UpdateDialog) != nullptr);
        FindTopLevel(names::UpdateDialog)->close();
        QApplication::processEvents();

        // Still available from the Help menu.
        f.Trigger(names::HelpDisclaimerItem);
        QVERIFY(FindTopLevel(names::DisclaimerDialog) != nullptr);
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
