// The main window driven as a user drives it: start-up, opening, saving,
// recent files, the close question, the history pane and the conversion.

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include "core/config/profile_file.h"
#include "core/files/lifecycle.h"
#include "core/model/project.h"
#include "ui/app/icons.h"
#include "ui/app/names.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

// The caption of a saved project at `path`: a long path is shortened, so the
// expectation holds wherever the project is checked out.
QString SavedCaption(const QString& path)
{
    Project project;
    project.ProjectFilePath = path.toStdString();
    return QString::fromStdString(WindowCaption(project));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // Opens a project file through File > Open.
    static void OpenThroughMenu(UiFixture& f, const QString& path)
    {
        f.platform->AnswerFile(path);
        f.Trigger(names::FileOpenItem);
    }

private slots:
    void freshHomeStartsWithSettingsFileAndHiddenHistory()
    {
        UiFixture f;
        const QString ini = f.DataFolder() + "VELB.INI";
        QVERIFY(QFile::exists(ini));
        const ProfileFile settings(QString::fromUtf8(ReadBytes(ini)).toStdString());
        QCOMPARE(settings.Read("Settings", "DisplayHistoryWin").value_or("?"), std::string("0"));
        QCOMPARE(f.Main().windowTitle(), QString("VELB: Untitled"));
        REQUIRE_CHILD(QPlainTextEdit, pane, &f.Main(), names::HistoryPane);
        QVERIFY(pane->isHidden());
        for (int item : {5, 6, 7})
            QVERIFY(!f.Action(names::Indexed(names::UtilItem, item))->isEnabled());
        REQUIRE_CHILD(QLabel, version, &f.Main(), names::VersionLabel);
        QCOMPARE(version->text(), QString(" 2.5.02"));
        QVERIFY(f.Action(names::Indexed(names::FileArray, 0))->isVisible() == false);
        CHECK_SCRIPT(f);
    }

    void captionIsTheWindowTagBeforeAnyFileCommand()
    {
        UiFixture f;
        MainWindow fresh(*f.state, *f.platform);
        QCOMPARE(fresh.windowTitle(), QString("VELB"));
    }

    void openingAnExampleNamesItAndListsIt()
    {
        UiFixture f;
        const QString example = UiFixture::Example("default-english.vlb");
        OpenThroughMenu(f, example);
        QCOMPARE(f.Main().windowTitle(), QString::fromStdString(WindowCaption(f.state->project)));
        QVERIFY(f.Main().windowTitle().startsWith("VELB: "));
        QCOMPARE(f.state->project.ProjectTitle, std::string("Panel 3 North mains, default English design"));
        QCOMPARE(f.state->project.ProjectEmpty, FlagFalse);
        QVERIFY(f.Action(names::Indexed(names::FileArray, 0))->isVisible());
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 1))->text(), example);
        // The first Open dialog starts in the data folder and offers project files.
        const FileDialogRequest& asked = f.platform->Calls().front().file;
        QCOMPARE(asked.folder + "/", f.DataFolder());
        QCOMPARE(asked.filters, QStringList({"All Files (*.*)", "CASTOVIN Files (*.VLB)"}));
        QCOMPARE(asked.selectedFilter, QString("CASTOVIN Files (*.VLB)"));
        QCOMPARE(asked.fileName, QString("Untitled"));
        CHECK_SCRIPT(f);
    }

    void recentFilesExchangeAndDrop()
    {
        UiFixture f;
        QStringList paths;
        for (const char* name : {"D.vlb", "C.vlb", "B.vlb", "A.vlb", "E.vlb"}) {
            paths << f.File(name);
            QFile::copy(UiFixture::Example("default-english.vlb"), paths.back());
        }
        for (int i = 0; i < 4; ++i)
            OpenThroughMenu(f, paths[i]);                // list A, B, C, D
        f.Trigger(names::Indexed(names::FileArray, 3));  // C: changes places with A
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 1))->text(), f.File("C.vlb"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 2))->text(), f.File("B.vlb"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 3))->text(), f.File("A.vlb"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 4))->text(), f.File("D.vlb"));
        OpenThroughMenu(f, paths[4]);  // E goes on top, the fourth (D) is dropped
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 1))->text(), f.File("E.vlb"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 2))->text(), f.File("C.vlb"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 4))->text(), f.File("A.vlb"));
        CHECK_SCRIPT(f);
    }

    void saveAsAndReopenGivesTheSameBytes()
    {
        UiFixture f;
        const QString example = UiFixture::Example("cable-bolts-intersections.vlb");
        OpenThroughMenu(f, example);
        const QString copy = f.File("copy.vlb");
        f.platform->AnswerFile(copy);
        f.Trigger(names::FileSaveAsItem);
        QCOMPARE(ReadBytes(copy), ReadBytes(example));
        QCOMPARE(f.Main().windowTitle(), QString("VELB: ") + copy);
        // The Save As dialog starts in the data folder with the file's name.
        QCOMPARE(f.platform->LastCall().file.fileName, QString("cable-bolts-intersections.vlb"));
        OpenThroughMenu(f, copy);
        QCOMPARE(f.state->project.Support[0].NumberOfSystems, int16_t{2});
        CHECK_SCRIPT(f);
    }

    void cancelledSaveAsKeepsThePath()
    {
        UiFixture f;
        OpenThroughMenu(f, UiFixture::Example("default-english.vlb"));
        const std::string before = f.state->project.ProjectFilePath;
        f.platform->AnswerFile(std::nullopt);
        f.Trigger(names::FileSaveAsItem);
        QCOMPARE(f.state->project.ProjectFilePath, before);
        CHECK_SCRIPT(f);
    }

    void savingUntitledAsksForAName()
    {
        UiFixture f;
        f.state->project.ProjectSaved = FlagFalse;
        f.platform->AnswerFile(std::nullopt);
        f.Trigger(names::FileSaveItem);
        QCOMPARE(f.state->project.ProjectSaved, FlagFalse);
        QCOMPARE(f.state->environment.Settings.MaxLastFiles, int16_t{0});
        QCOMPARE(f.platform->LastCall().kind, ScriptedPlatform::Kind::File);
        CHECK_SCRIPT(f);
    }

    void closeQuestionAnswers()
    {
        {
            UiFixture f;  // Cancel keeps the program open
            f.state->project.ProjectSaved = FlagFalse;
            f.platform->AnswerBox(MsgResult::Cancel);
            QVERIFY(!f.Main().close());
            QCOMPARE(f.platform->LastCall().text, QString("Save changes to: Untitled?"));
            QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::YesNoCancel, MsgIcon::Question));
            QCOMPARE(f.platform->LastCall().title, QString("Castovin"));
            CHECK_SCRIPT(f);
        }
        {
            UiFixture f;  // No closes without saving
            const QString path = f.File("mine.vlb");
            QFile::copy(UiFixture::Example("default-english.vlb"), path);
            OpenThroughMenu(f, path);
            const QByteArray before = ReadBytes(path);
            f.state->project.ProjectTitle = "changed";
            f.state->project.ProjectSaved = FlagFalse;
            f.platform->AnswerBox(MsgResult::No);
            QVERIFY(f.Main().close());
            QCOMPARE(ReadBytes(path), before);
            CHECK_SCRIPT(f);
        }
        {
            UiFixture f;  // Yes saves, then closes
            const QString path = f.File("mine.vlb");
            QFile::copy(UiFixture::Example("default-english.vlb"), path);
            OpenThroughMenu(f, path);
            f.state->project.ProjectTitle = "changed title";
            f.state->project.ProjectSaved = FlagFalse;
            f.platform->AnswerBox(MsgResult::Yes);
            QVERIFY(f.Main().close());
            CHECK_CONTAINS(ReadBytes(path), "\r\nchanged title\r\n");
            CHECK_SCRIPT(f);
        }
        {
            UiFixture f;  // Yes on an untitled project: cancelling Save As keeps it open
            f.state->project.ProjectSaved = FlagFalse;
            f.platform->AnswerBox(MsgResult::Yes);
            f.platform->AnswerFile(std::nullopt);
            QVERIFY(!f.Main().close());
            CHECK_SCRIPT(f);
        }
    }

    void unsavedChangesAreAskedAboutBeforeOpening()
    {
        UiFixture f;
        const QString path = f.File("first.vlb");
        QFile::copy(UiFixture::Example("default-english.vlb"), path);
        OpenThroughMenu(f, path);
        f.state->project.ProjectTitle = "edited";
        f.state->project.ProjectSaved = FlagFalse;
        f.platform->AnswerFile(UiFixture::Example("default-metric.vlb"));
        f.platform->AnswerBox(MsgResult::Yes);
        f.Trigger(names::FileOpenItem);
        QCOMPARE(f.platform->BoxTexts().back(), "Save changes to: " + path + "?");
        QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::YesNo, MsgIcon::Question, MsgDefault::Second));
        CHECK_CONTAINS(ReadBytes(path), "\r\nedited\r\n");
        QCOMPARE(f.state->project.units, UnitSystem::Metric);
        // The question is not logged.
        QVERIFY(!QString::fromStdString(f.state->messenger.History.Text()).contains("Save changes"));
        CHECK_SCRIPT(f);
    }

    void failedOpenLeavesUntitled()
    {
        UiFixture f;
        const QString bad = f.File("bad.vlb");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a project\r\n");
        file.close();
        f.platform->AnswerFile(bad);
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::FileOpenItem);
        QCOMPARE(f.platform->BoxTexts(), std::vector<QString>{"Invalid file format"});
        QCOMPARE(f.Main().windowTitle(), QString("VELB: Untitled"));
        QCOMPARE(f.state->environment.Settings.MaxLastFiles, int16_t{0});
        CHECK_SCRIPT(f);
    }

    void missingRecentFileRetryThenCancel()
    {
        // The recent-file list names a file that is not there (any more).
        QTemporaryDir home;
        const QString gone = home.filePath("gone.vlb");
        UiFixture f(UiFixture::WithSettingsFile(
            QString("[Settings]\r\nKeepFileNames=1\r\n[FileMenu]\r\nMaxLastFiles=1\r\nLastFile1=gone.vlb\r\n"
                    "LastFileMode1=1\r\nLastFileLong1=%1\r\n")
                .arg(gone)
                .toUtf8()));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 1))->text(), gone);
        f.platform->AnswerBox(MsgResult::Retry);
        f.platform->AnswerBox(MsgResult::Cancel);
        f.Trigger(names::Indexed(names::FileArray, 1));
        const auto texts = f.platform->BoxTexts();
        QCOMPARE(texts.size(), std::size_t{2});
        QCOMPARE(texts[0], "Error occurred: File not found (" + gone + ") (53)");
        QCOMPARE(texts[1], texts[0]);  // the retry read the same file again
        QCOMPARE(f.platform->Calls()[0].style, MsgStyle(MsgButtons::RetryCancel));
        QCOMPARE(f.Main().windowTitle(), QString("VELB: Untitled"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 1))->text(), gone);  // the entry stays
        CHECK_SCRIPT(f);
    }

    void commandLineProjectOpensAtStart()
    {
        UiFixture f({}, UiFixture::Example("strong-roof.vlb"));
        QCOMPARE(f.state->project.ProjectTitle, std::string("Sandstone roof at 500 ft, method check"));
        QCOMPARE(f.Main().windowTitle(), SavedCaption(UiFixture::Example("strong-roof.vlb")));
        CHECK_SCRIPT(f);
    }

    void lastFileThenCommandLineFile()
    {
        const QString last = UiFixture::Example("default-metric.vlb");
        const QByteArray settings = QString("[Settings]\r\nKeepFileNames=1\r\nLoadLastInputFile=1\r\n[FileMenu]\r\n"
                                            "MaxLastFiles=1\r\nLastFile1=default-metric.vlb\r\nLastFileMode1=1\r\n"
                                            "LastFileLong1=%1\r\n")
                                        .arg(last)
                                        .toUtf8();
        {
            UiFixture f(UiFixture::WithSettingsFile(settings));
            QCOMPARE(f.state->project.units, UnitSystem::Metric);
            QCOMPARE(f.Main().windowTitle(), SavedCaption(last));
            CHECK_SCRIPT(f);
        }
        UiFixture f(UiFixture::WithSettingsFile(settings), UiFixture::Example("strong-roof.vlb"));
        QCOMPARE(f.state->project.ProjectTitle, std::string("Sandstone roof at 500 ft, method check"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 1))->text(), UiFixture::Example("strong-roof.vlb"));
        QCOMPARE(f.Action(names::Indexed(names::FileArray, 2))->text(), last);
        CHECK_SCRIPT(f);
    }

    void commandLineIsJoinedAndUnquoted()
    {
        const CommandLine line = ParseCommandLine({"\"my", "project.vlb\""}, "/work/mines");
        QCOMPARE(line.project, QString("/work/mines/my project.vlb"));
        QVERIFY(ParseCommandLine({"--version"}, "/").version);
        QVERIFY(ParseCommandLine({}, "/").project.isEmpty());
    }

    void historyPaneCommands()
    {
        UiFixture f(UiFixture::WithSettingsFile("[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=8192\r\n"));
        REQUIRE_CHILD(QPlainTextEdit, pane, &f.Main(), names::HistoryPane);
        QVERIFY(!pane->isHidden());
        CHECK_CONTAINS(pane->toPlainText(), "File initialized. Use Edit-Project Parameters to enter data");
        f.Trigger(names::UtilCopyHistoryItem);
        QCOMPARE(f.platform->Clipboard(), QString::fromStdString(f.state->messenger.History.Text()));
        QVERIFY(f.platform->Clipboard().startsWith("1. "));
        f.Trigger(names::UtilToggleHistoryItem);
        QVERIFY(pane->isHidden());
        QCOMPARE(f.Action(names::UtilToggleHistoryItem)->text(), QString("Restore History &Window"));
        QVERIFY(!f.Action(names::UtilCopyHistoryItem)->isEnabled());
        f.Trigger(names::UtilToggleHistoryItem);
        QCOMPARE(f.Action(names::UtilToggleHistoryItem)->text(), QString("Close History &Window"));
        const int16_t counter = f.state->messenger.History.LineCounter();
        f.Trigger(names::UtilClearHistoryItem);
        QCOMPARE(pane->toPlainText(), QString());
        QCOMPARE(f.state->messenger.History.LineCounter(), counter);
        CHECK_SCRIPT(f);
    }

    void conversionDialogRules()
    {
        UiFixture f;
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::UtilFileConversionItem);
        QCOMPARE(f.platform->BoxTexts().back(), QString("Current file is empty"));
        QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::OK));

        const QString path = f.File("mine.vlb");
        QFile::copy(UiFixture::Example("default-english.vlb"), path);
        OpenThroughMenu(f, path);
        f.state->project.ProjectSaved = FlagFalse;
        f.platform->AnswerBox(MsgResult::OK);
        f.Trigger(names::UtilFileConversionItem);
        QCOMPARE(f.platform->BoxTexts().back(), QString("Save Current File before accessing this option"));

        f.state->project.ProjectSaved = FlagTrue;
        f.Trigger(names::UtilFileConversionItem);
        QWidget* dialog = FindTopLevel(names::ConvertDialog);
        QVERIFY(dialog != nullptr);
        REQUIRE_CHILD(QRadioButton, english, dialog, names::Indexed(names::ConvertUnits, 0));
        REQUIRE_CHILD(QRadioButton, metric, dialog, names::Indexed(names::ConvertUnits, 1));
        REQUIRE_CHILD(QRadioButton, load, dialog, names::Indexed(names::ConvertFileOption, 0));
        REQUIRE_CHILD(QRadioButton, keep, dialog, names::Indexed(names::ConvertFileOption, 1));
        QVERIFY(!english->isEnabled() && !english->isChecked());
        QVERIFY(metric->isEnabled() && metric->isChecked());
        QVERIFY(load->isChecked());
        QVERIFY(!keep->isEnabled());
        QCOMPARE(dialog->windowTitle(), QString("File Conversion Utility"));
        REQUIRE_CHILD(QPushButton, convert, dialog, names::ConvertRun);
        f.platform->AnswerBox(MsgResult::OK);
        convert->click();
        QCOMPARE(f.platform->BoxTexts().back(), QString("Conversion Completed: The conversion form will be closed"));
        QCOMPARE(f.state->project.units, UnitSystem::Metric);
        QCOMPARE(f.Main().windowTitle(), QString("VELB: Metric_mine.vlb*"));
        QVERIFY(FindTopLevel(names::ConvertDialog) == nullptr);
        // The original stays; the first save goes to the data folder.
        f.Trigger(names::FileSaveItem);
        QVERIFY(QFile::exists(f.DataFolder() + "Metric_mine.vlb"));
        QCOMPARE(QString::fromStdString(f.state->project.ProjectFilePath), f.DataFolder() + "Metric_mine.vlb");
        QCOMPARE(f.Main().windowTitle(), QString::fromStdString(WindowCaption(f.state->project)));
        QVERIFY(!f.Main().windowTitle().endsWith('*'));
        CHECK_SCRIPT(f);
    }

    void newAsksAboutUnsavedChanges()
    {
        // No: the changes are dropped and the project is new.
        {
            UiFixture f;
            OpenThroughMenu(f, UiFixture::Example("default-metric.vlb"));
            f.state->project.ProjectSaved = FlagFalse;
            f.platform->AnswerBox(MsgResult::No);
            f.Trigger(names::FileNewItem);
            QCOMPARE(f.platform->BoxTexts().back(),
                     "Save changes to: " + UiFixture::Example("default-metric.vlb") + "?");
            QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgButtons::YesNo, MsgIcon::Question, MsgDefault::Second));
            QCOMPARE(f.Main().windowTitle(), QString("VELB: Untitled"));
            QCOMPARE(f.state->project.units, UnitSystem::English);
            CHECK_SCRIPT(f);
        }
        // Yes: the project is saved first, then replaced (Ctrl+N's toolbar
        // twin is the same command).
        {
            UiFixture f;
            const QString copy = f.File("mine.vlb");
            QFile::copy(UiFixture::Example("default-metric.vlb"), copy);
            OpenThroughMenu(f, copy);
            f.state->project.ProjectTitle = "Changed before New";
            f.state->project.ProjectSaved = FlagFalse;
            f.platform->AnswerBox(MsgResult::Yes);
            f.Trigger(names::FileNewItem);
            CHECK_CONTAINS(ReadBytes(copy), "Changed before New");
            QCOMPARE(f.Main().windowTitle(), QString("VELB: Untitled"));
            QCOMPARE(f.Main().LastResult(), CommandResult::Done);
            CHECK_SCRIPT(f);
        }
        // Yes on a project without a name, then Cancel in the Save As
        // dialog: nothing is lost, the project stays as it was.
        {
            UiFixture f;
            f.state->project.ProjectTitle = "Typed, never saved";
            f.state->project.ProjectSaved = FlagFalse;
            f.state->project.ProjectEmpty = FlagFalse;
            f.platform->AnswerBox(MsgResult::Yes);
            f.platform->AnswerFile(std::nullopt);
            f.Trigger(names::FileNewItem);
            QCOMPARE(f.Main().LastResult(), CommandResult::Cancelled);
            QCOMPARE(f.state->project.ProjectTitle, std::string("Typed, never saved"));
            QCOMPARE(f.state->project.ProjectSaved, FlagFalse);
            QVERIFY(f.Main().windowTitle().endsWith('*'));
            CHECK_SCRIPT(f);
        }
    }

    void printerSetupCancelIsQuiet()
    {
        UiFixture f;
        f.platform->AnswerPrinterSetup(false);
        f.Trigger(names::FilePrinterSetupItem);
        QCOMPARE(f.Main().LastResult(), CommandResult::Cancelled);
        CHECK_SCRIPT(f);
    }

    void programIconIsEmbeddedAtItsLargestSize()
    {
        // The window icon comes from the picture installed for the desktop,
        // built into the program; a missing resource gives a null icon.
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.actualSize(QSize(512, 512)), QSize(256, 256));
        const QImage image = icon.pixmap(QSize(256, 256)).toImage();
        // Transparent corners outside the rounded tile, an opaque middle.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(128, 128)), 255);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
