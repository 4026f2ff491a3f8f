// The windows as a desktop user expects them to behave: every window closed
// every way gives the main window back and logs its closing line once; focus
// returns to the window underneath; a failed print leaves printing usable;
// opening an editor and pressing OK changes nothing; and the per-user folder
// when there is no documents folder.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/program/program_state.h"
#include "ui/app/names.h"
#include "ui/viewer/report_printer.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

const QByteArray kHistoryShown = "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\n";

// How a window is closed in the matrix.
enum class Way { OwnButton, Escape, Reject, CloseBox, MainWindowCloses };

// Opens a window through the menu; the conversion needs a saved project of
// the user's own, the others an opened example.
QWidget* OpenWindow(UiFixture& f, const QString& menuItem, const QString& window)
{
    const QString project = f.File("mine.vlb");
    QFile::copy(UiFixture::Example("default-english.vlb"), project);
    f.platform->AnswerFile(project);
    f.Trigger(names::FileOpenItem);
    f.Trigger(menuItem);
    return FindTopLevel(window);
}

int Occurrences(const std::string& log, const QString& line)
{
    return QString::fromStdString(log).count(". " + line + "\r\n");
}

}  // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowClosedEveryWay_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");       // the window's own closing button
        QTest::addColumn<QString>("closingLine");  // what its closing rules log; empty for none
        QTest::addColumn<int>("way");
        struct Window {
            const char* label;
            QString menuItem;
            const char* window;
            const char* button;
            const char* line;
            bool modalDialog;  // leaves the main window enabled, so it can close under it
        };
        const Window windows[] = {
            {"viewer", names::OutputDesignItem, names::ResultsViewer, names::ViewerOk, "", false},
            {"preview", names::FilePrintPreviewItem, names::Preview, names::PreviewOk, "", true},
            {"description", names::InputDescriptionItem, names::DescriptionEditor, names::EditorCancel,
             "Project Description Not Modified", true},
            {"parameters", names::InputParametersItem, names::ParametersEditor, names::EditorCancel,
             "Project Parameters Not Modified", false},
            {"cost", names::InputCostItem, names::CostEditor, names::EditorCancel, "Project Parameters Not Modified",
             false},
            {"options", names::UtilOptionsItem, names::OptionsEditor, names::EditorCancel, "Options Not Modified",
             true},
            {"conversion", names::UtilFileConversionItem, names::ConvertDialog, names::ConvertCancel, "", true},
        };
        const std::pair<const char*, Way> ways[] = {{"own button", Way::OwnButton},
                                                    {"Esc", Way::Escape},
                                                    {"reject", Way::Reject},
                                                    {"close box", Way::CloseBox},
                                                    {"main window closes", Way::MainWindowCloses}};
        for (const Window& w : windows)
            for (const auto& [wayName, way] : ways) {
                if (way == Way::MainWindowCloses && !w.modalDialog)
                    continue;  // the main window refuses to close while one of these holds it
                QTest::newRow(qPrintable(QString("%1, %2").arg(w.label, wayName)))
                    << w.menuItem << QString(w.window) << QString(w.button) << QString(w.line) << static_cast<int>(way);
            }
    }

    void everyWindowClosedEveryWay()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, closingLine);
        QFETCH(int, way);
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        QWidget* opened = OpenWindow(f, menuItem, window);
        QVERIFY2(opened != nullptr, qPrintable("not opened: " + window));
        switch (static_cast<Way>(way)) {
        case Way::OwnButton: {
            REQUIRE_CHILD(QPushButton, close, opened, button);
            close->click();
            break;
        }
        case Way::Escape:
            opened->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(opened));
            QTest::keyClick(opened->focusWidget() ? opened->focusWidget() : opened, Qt::Key_Escape);
            break;
        case Way::Reject:
            // A dialog's reject() hides it without a close event; a window
            // that is not a dialog goes by hide() the same way.
            if (auto* dialog = qobject_cast<QDialog*>(opened))
                dialog->reject();
            else
                opened->hide();
            break;
        case Way::CloseBox:
            QVERIFY(opened->close());
            break;
        case Way::MainWindowCloses:
            QVERIFY(f.Main().close());
            break;
        }
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(window) == nullptr);
        QVERIFY(f.Main().isEnabled());
        QCOMPARE(f.state->session.EditorOpen, int16_t{0});
        if (!closingLine.isEmpty())
            QCOMPARE(Occurrences(f.state->messenger.History.Text(), closingLine), 1);
        CHECK_SCRIPT(f);
    }

    void enterOnTheDefaultButtonCommitsOnce()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        QWidget* editor = OpenWindow(f, names::InputDescriptionItem, names::DescriptionEditor);
        QVERIFY(editor != nullptr);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        REQUIRE_CHILD(QLineEdit, title, editor, names::DescriptionTitle);
        title->setFocus();
        QTest::keyClick(title, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::DescriptionEditor) == nullptr);
        QVERIFY(f.Main().isEnabled());
        QCOMPARE(Occurrences(f.state->messenger.History.Text(), "Project Description Modified"), 1);
        QCOMPARE(Occurrences(f.state->messenger.History.Text(), "Project Description Not Modified"), 0);
        CHECK_SCRIPT(f);
    }

    void conversionRemembersTheFileOptionHoweverItCloses()
    {
        UiFixture f;
        f.state->environment.ConvertFileOption = 1;
        QWidget* dialog = OpenWindow(f, names::UtilFileConversionItem, names::ConvertDialog);
        QVERIFY(dialog != nullptr);
        REQUIRE_CHILD(QRadioButton, load, dialog, names::Indexed(names::ConvertFileOption, 0));
        load->click();
        // Esc, which closes the dialog without a close event.
        qobject_cast<QDialog*>(dialog)->reject();
        QCOMPARE(f.state->environment.ConvertFileOption, int16_t{0});
        CHECK_SCRIPT(f);
    }

    void enterInTheViewerPressesOk()
    {
        UiFixture f;
        QWidget* viewer = OpenWindow(f, names::OutputDesignItem, names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer->focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::ResultsViewer) == nullptr);
        QVERIFY(f.Main().isEnabled());
        CHECK_SCRIPT(f);
    }

    void focusGoesBackToTheWindowUnderneath()
    {
        UiFixture f;
        QWidget* editor = OpenWindow(f, names::InputParametersItem, names::ParametersEditor);
        QVERIFY(editor != nullptr);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        REQUIRE_CHILD(QLineEdit, depth, editor, names::ParmDepth);
        depth->setFocus();
        REQUIRE_CHILD(QPushButton, results, editor, names::EditorResults);
        results->click();
        QWidget* viewer = FindTopLevel(names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        qobject_cast<QDialog*>(viewer)->reject();
        // The editor that opened the viewer is active again, its field
        // focused with the whole text selected, ready for typing.
        QTRY_COMPARE(QApplication::activeWindow(), editor);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(depth));
        QTRY_COMPARE(depth->selectedText(), depth->text());
        QVERIFY(!f.Main().isEnabled());

        editor->close();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f.Main()));

        // After the conversion dialog the main window has the focus: Ctrl+S works.
        QWidget* dialog = OpenWindow(f, names::UtilFileConversionItem, names::ConvertDialog);
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        qobject_cast<QDialog*>(dialog)->reject();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f.Main()));

        // Every window opened over the main window gives it back, the
        // settings dialog and the unit calculator too.
        for (const auto& [item, window] : {std::pair{names::UtilSettingsItem, names::SettingsDialog},
                                           std::pair{names::UtilUnitConversionItem, names::UnitCalculator}}) {
            QWidget* opened = OpenWindow(f, item, window);
            QVERIFY2(opened != nullptr, window);
            QVERIFY(QTest::qWaitForWindowActive(opened));
            opened->close();
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&f.Main()));
        }
        CHECK_SCRIPT(f);
    }

    void failedPrintThenPdfPrintSucceeds()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown));
        QWidget* viewer = OpenWindow(f, names::OutputDesignItem, names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        REQUIRE_CHILD(QPushButton, printPage, viewer, names::ViewerPrintPage);
        // A PDF file in a folder that does not exist cannot be written.
        const QString unwritable = f.File("no-such-folder/report.pdf");
        f.platform->AnswerPrint(unwritable);
        f.platform->AnswerBox(MsgResult::Cancel);
        printPage->click();
        const QString box = f.platform->BoxTexts().back();
        CHECK_CONTAINS(box, "The PDF file cannot be written: " + unwritable);
        CHECK_CONTAINS(box, "(482)");
        // The dialog offered the project's name in the data folder.
        const auto& calls = f.platform->Calls();
        const auto print = std::find_if(calls.rbegin(), calls.rend(), [](const ScriptedPlatform::Call& c) {
            return c.kind == ScriptedPlatform::Kind::Print;
        });
        QVERIFY(print != calls.rend());
        QCOMPARE(print->title, f.DataFolder() + "mine.pdf");

        const QString pdf = f.File("report.pdf");
        f.platform->AnswerPrint(pdf);
        printPage->click();
        CHECK_CONTAINS(PdfText(pdf), "[VELB SUITABILITY]");
        CHECK_SCRIPT(f);
    }

    void printerMissingThenPdfPrintSucceeds()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer; the test needs one without");
        UiFixture f;
        QWidget* viewer = OpenWindow(f, names::OutputDesignItem, names::ResultsViewer);
        QVERIFY(viewer != nullptr);
        REQUIRE_CHILD(QPushButton, printPage, viewer, names::ViewerPrintPage);
        f.platform->AnswerPrintToSystemPrinter();
        f.platform->AnswerBox(MsgResult::Cancel);
        printPage->click();
        CHECK_CONTAINS(f.platform->BoxTexts().back(), "No printer is installed");
        // The failed job left nothing behind: a PDF print works at once.
        const QString pdf = f.File("after-failure.pdf");
        f.platform->AnswerPrint(pdf);
        printPage->click();
        CHECK_CONTAINS(PdfText(pdf), "[VELB SUITABILITY]");
        // And the job after it.
        f.platform->AnswerPrint(f.File("again.pdf"));
        printPage->click();
        CHECK_CONTAINS(PdfText(f.File("again.pdf")), "Page: 1");
        CHECK_SCRIPT(f);
    }

    void paperFollowsTheLocale()
    {
        QCOMPARE(DefaultPaperSize(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
        QCOMPARE(DefaultPaperSize(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
        QCOMPARE(DefaultPaperSize(QLocale(QLocale::German, QLocale::Germany)), QPageSize::A4);
        QCOMPARE(SuggestedPdfName("/home/u/Documents/MyTELVOR/", "/elsewhere/North mains.vlb"),
                 QString("/home/u/Documents/MyTELVOR/North mains.pdf"));
        QCOMPARE(SuggestedPdfName("/data/", "Untitled"), QString("/data/Untitled.pdf"));
    }

    void editorsOkWithoutTypingChangeNothingInAConvertedProject()
    {
        UiFixture f;
        // A metric project converted from an English one holds values longer
        // than the fields let a user type (3.937008 and the like).
        QVERIFY(OpenWindow(f, names::UtilFileConversionItem, names::ConvertDialog) != nullptr);
        f.platform->AnswerBox(MsgResult::OK);
        REQUIRE_CHILD(QPushButton, convert, FindTopLevel(names::ConvertDialog), names::ConvertRun);
        convert->click();
        f.Trigger(names::FileSaveItem);
        const QString saved = QString::fromStdString(f.state->project.ProjectFilePath);
        const QByteArray before = ReadBytes(saved);
        QVERIFY(!before.isEmpty());

        for (const auto& [item, window] : {std::pair{names::InputParametersItem, names::ParametersEditor},
                                           std::pair{names::InputCostItem, names::CostEditor},
                                           std::pair{names::InputDescriptionItem, names::DescriptionEditor}}) {
            f.Trigger(item);
            QWidget* editor = FindTopLevel(window);
            QVERIFY2(editor != nullptr, window);
            if (QString(window) == names::ParametersEditor) {
                bool longer = false;
                for (QLineEdit* field : editor->findChildren<QLineEdit*>())
                    longer = longer || field->text().size() > 7;
                QVERIFY2(longer, "the converted project should hold a value longer than a field lets one type");
            }
            REQUIRE_CHILD(QPushButton, ok, editor, names::EditorOk);
            ok->click();
            QCoreApplication::processEvents();
            QVERIFY(FindTopLevel(window) == nullptr);
            f.Trigger(names::FileSaveItem);
            QCOMPARE(ReadBytes(saved), before);
        }
        CHECK_SCRIPT(f);
    }

    void smallPointsAUserNoticed()
    {
        UiFixture f;
        // Menu separators are plain separators, with no text of their own.
        for (const QString& name : {names::Indexed(names::FileItem, 4), names::Indexed(names::FileItem, 8),
                                    names::Indexed(names::FileItem, 10), names::Indexed(names::UtilItem, 4),
                                    names::Indexed(names::CalcItem, 2), names::Indexed(names::FileArray, 0)}) {
            QAction* separator = f.Action(name);
            QVERIFY2(separator != nullptr, qPrintable(name));
            QVERIFY2(separator->isSeparator(), qPrintable(name));
            QVERIFY2(separator->text().isEmpty(), qPrintable(name + ": " + separator->text()));
        }
        // The cost editor's caption; its calculated fields are read-only,
        // look it (the window's colour behind them) and Tab passes them by.
        QWidget* cost = OpenWindow(f, names::InputCostItem, names::CostEditor);
        QVERIFY(cost != nullptr);
        QCOMPARE(cost->windowTitle(), QString("Cost Parameters"));
        for (const char* name : {names::CostAdvanceCalc, names::CostProductionCalc}) {
            REQUIRE_CHILD(QLineEdit, calculated, cost, name);
            QVERIFY(calculated->isReadOnly());
            QCOMPARE(calculated->focusPolicy(), Qt::NoFocus);
            QCOMPARE(calculated->palette().color(QPalette::Base), calculated->palette().color(QPalette::Window));
        }
        cost->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(cost));
        REQUIRE_CHILD(QLineEdit, first, cost, "txtBoltCost");
        first->setFocus();
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString focused = QApplication::focusWidget()->objectName();
            QVERIFY2(focused != names::CostAdvanceCalc && focused != names::CostProductionCalc, qPrintable(focused));
        }
        cost->close();
        CHECK_SCRIPT(f);
    }

    void historyPaneFallsBackToTheFixedPitchFont()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryShown + "DisplayFontName=No Such Font Family\r\n"));
        REQUIRE_CHILD(QPlainTextEdit, pane, &f.Main(), names::HistoryPane);
        QCOMPARE(f.platform->BoxTexts().front(), QString("Invalid font selection:No Such Font Family"));
        // The box comes during the start-up, before a test can script its answer.
        f.LeaveScriptUnchecked();
        QCOMPARE(pane->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        // Five lines fit in the pane at the default window size.
        const int lines = pane->viewport()->height() / QFontMetrics(pane->font()).lineSpacing();
        QVERIFY2(lines >= 5, qPrintable(QString::number(lines)));
    }

    void editorsKeepTheirShapeWhenResized()
    {
        UiFixture f;
        QWidget* editor = OpenWindow(f, names::InputParametersItem, names::ParametersEditor);
        QVERIFY(editor != nullptr);
        REQUIRE_CHILD(QLineEdit, cmrr, editor, names::ParmCMRR);
        REQUIRE_CHILD(QLineEdit, span, editor, names::ParmSpan);
        REQUIRE_CHILD(QLineEdit, depth, editor, names::ParmDepth);
        QCoreApplication::processEvents();
        const int width = depth->width();
        // Neighbouring frames: the fields stand in one column.
        QCOMPARE(cmrr->mapTo(editor, QPoint()).x(), span->mapTo(editor, QPoint()).x());
        // Smaller than its layout allows: no field shrinks below its text.
        editor->resize(100, 100);
        QCoreApplication::processEvents();
        QVERIFY(depth->width() >= depth->fontMetrics().horizontalAdvance(depth->text()));
        // Larger: the fields keep their width, the margins take the space.
        editor->resize(editor->sizeHint().width() + 400, editor->sizeHint().height() + 300);
        QCoreApplication::processEvents();
        QCOMPARE(depth->width(), width);
        editor->close();
        CHECK_SCRIPT(f);
    }

    void noDocumentsFolderKeepsEverythingPerUser()
    {
        // A fresh home without a documents or desktop folder.
        UiFixture f([](const QString& home) { QDir(home + "/Documents").removeRecursively(); });
        const QString dataHome = f.Home() + "/.local/share/castovin/";
        QCOMPARE(QString::fromStdString(f.state->environment.DataFolder), dataHome);
        QCOMPARE(QString::fromStdString(f.state->environment.TempFolder), dataHome + "Temp/");
        QVERIFY(QFile::exists(dataHome + "VELB.INI"));
        QCOMPARE(QString::fromStdString(f.state->environment.Settings.DataPath), dataHome);
        // Nothing is written into the program's folder.
        QVERIFY(QDir(f.Home() + "/app").entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        CHECK_SCRIPT(f);
    }

    void noticesComeBeforeTheProjectWhoseEditorThenHasTheKeyboard()
    {
        // A disclaimer to show, the editor opened with a loaded project.
        UiFixture f(UiFixture::WithSettingsFile("[Settings]\r\nShowDisclaim=1\r\nRemindAnnualUpdates=0\r\n"
                                                "[Options]\r\nShowInputScreenOnLoad=1\r\n"),
                    UiFixture::Example("default-english.vlb"), true, true);
        QApplication::processEvents();
        QWidget* disclaimer = FindTopLevel(names::DisclaimerDialog);
        QVERIFY(disclaimer != nullptr);
        // The project waits for the notice.
        QVERIFY(FindTopLevel(names::ParametersEditor) == nullptr);
        QVERIFY(!f.Main().windowTitle().contains("default-english"));
        QTest::mouseClick(disclaimer->findChild<QPushButton*>(names::NoticeOk), Qt::LeftButton);
        QApplication::processEvents();
        QApplication::processEvents();
        CHECK_CONTAINS(f.Main().windowTitle(), QString("default-english"));
        QWidget* editor = FindTopLevel(names::ParametersEditor);
        QVERIFY(editor != nullptr);
        QTRY_COMPARE(QApplication::activeWindow(), editor);
        QVERIFY(QApplication::focusWidget() != nullptr && editor->isAncestorOf(QApplication::focusWidget()));
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(WindowBehaviourTest)
#include "window_behaviour_test.moc"
