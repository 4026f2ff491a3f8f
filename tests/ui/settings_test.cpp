// The settings dialog and the path dialog driven through their widgets: the
// controls as loaded, the reactions while editing, the checks of "OK" with
// their focus, what accepted and cancelled closes keep, the history font,
// the main window's history pane switched on, and the path dialog's OK and
// Cancel.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

#include "core/config/profile_file.h"
#include "core/program/program_state.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

// History kept, so that the dialog's log lines can be seen.
const QByteArray kHistoryOn = "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\nKeepFileNames=1\r\n"
                              "EnableMainMenuToolbar=1\r\nFileExtension=VLB\r\n";

QString History(UiFixture& f)
{
    return QString::fromStdString(f.state->messenger.History.Text());
}

void Retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

QString IniValue(UiFixture& f, const char* section, const char* key)
{
    const ProfileFile ini = ProfileFile::Load(f.DataFolder().toStdString() + "VELB.INI");
    return QString::fromStdString(ini.Read(section, key).value_or("<missing>"));
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private:
    static QWidget* Open(UiFixture& f)
    {
        f.Trigger(names::UtilSettingsItem);
        return FindTopLevel(names::SettingsDialog);
    }
    static void Press(QWidget* window, const char* button)
    {
        auto* b = window->findChild<QPushButton*>(button);
        QVERIFY2(b != nullptr, button);
        b->click();
        QCoreApplication::processEvents();
    }

private slots:
    void loadsTheSettingsRecord()
    {
        UiFixture f;  // a first start: the settings file's first values
        QVERIFY(f.Action(names::UtilSettingsItem)->isEnabled());
        QCOMPARE(f.Action(names::UtilSettingsItem)->text(), QString("&Settings..."));
        QWidget* dialog = Open(f);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Settings"));
        REQUIRE_CHILD(QRadioButton, english, dialog, names::Indexed(names::SettingsUnits, 0));
        REQUIRE_CHILD(QRadioButton, metric, dialog, names::Indexed(names::SettingsUnits, 1));
        QCOMPARE(english->text(), QString("ft, in, lbs, psi, pcf"));
        QCOMPARE(metric->text(), QString("m, cm, kN, MPa, kN/m3"));
        QVERIFY(english->isChecked());
        REQUIRE_CHILD(QCheckBox, history, dialog, names::SettingsDisplayHistory);
        REQUIRE_CHILD(QLineEdit, size, dialog, names::SettingsHistorySize);
        QVERIFY(!history->isChecked());
        QVERIFY(!size->isEnabled());
        QCOMPARE(size->text(), QString("4096"));  // 2048 in a first file reads as 4096
        REQUIRE_CHILD(QLineEdit, path, dialog, names::SettingsDataPath);
        REQUIRE_CHILD(QLineEdit, extension, dialog, names::SettingsExtension);
        REQUIRE_CHILD(QLineEdit, viewer, dialog, names::SettingsViewer);
        QCOMPARE(path->text(), f.DataFolder());
        QCOMPARE(extension->text(), QString("VLB"));
        QCOMPARE(viewer->text(), QString("xdg-open"));
        REQUIRE_CHILD(QCheckBox, shortNames, dialog, names::SettingsShortNames);
        QCOMPARE(shortNames->text(), QString("Short names in  file list"));
        REQUIRE_CHILD(QCheckBox, keep, dialog, names::SettingsKeepRecent);
        QVERIFY(keep->isChecked());
        QVERIFY(shortNames->isEnabled());
        REQUIRE_CHILD(QPushButton, select, dialog, names::SettingsSelectViewer);
        QCOMPARE(select->text(), QString("&Select"));
        REQUIRE_CHILD(QPushButton, font, dialog, names::SettingsHistoryFont);
        QCOMPARE(font->text(), QString("&History Font"));
        dialog->close();
        CHECK_SCRIPT(f);
    }

    void extensionIsUpperCasedAndChecked()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        QWidget* dialog = Open(f);
        REQUIRE_CHILD(QLineEdit, extension, dialog, names::SettingsExtension);
        Retype(extension, "vlb");
        QCOMPARE(extension->text(), QString("VLB"));
        for (const QString& bad : {QString("V_B"), QString("V B")}) {
            Retype(extension, bad);
            f.platform->AnswerBox(MsgResult::OK);
            Press(dialog, names::SettingsOk);
            QCOMPARE(f.platform->LastCall().text, QString("Invalid character in file extension"));
            QCOMPARE(f.platform->LastCall().title, QString("Settings: Invalid Character"));
            QCOMPARE(f.platform->LastCall().style, MsgStyle(MsgIcon::Critical));
            QVERIFY(FindTopLevel(names::SettingsDialog) == dialog);
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(extension));
        }
        // An empty extension is accepted and stored empty.
        Retype(extension, "");
        Press(dialog, names::SettingsOk);
        QVERIFY(FindTopLevel(names::SettingsDialog) == nullptr);
        QCOMPARE(f.state->environment.Settings.FileExtension, std::string());
        QCOMPARE(IniValue(f, "Settings", "FileExtension"), QString());
        CHECK_SCRIPT(f);
    }

    void pathGainsItsSeparatorAndMustExist()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        QDir(f.Home()).mkpath("projects");
        QWidget* dialog = Open(f);
        REQUIRE_CHILD(QLineEdit, path, dialog, names::SettingsDataPath);
        Retype(path, f.File("nowhere"));
        f.platform->AnswerBox(MsgResult::OK);
        Press(dialog, names::SettingsOk);
        QCOMPARE(f.platform->LastCall().text, QString("Invalid Path for Data Files"));
        QCOMPARE(f.platform->LastCall().title, QString("Settings: Error"));
        QCOMPARE(path->text(), f.File("nowhere") + "/");
        QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(path));
        Retype(path, f.File("projects"));
        Press(dialog, names::SettingsOk);
        QVERIFY(FindTopLevel(names::SettingsDialog) == nullptr);
        QCOMPARE(QString::fromStdString(f.state->environment.Settings.DataPath), f.File("projects") + "/");
        CHECK_SCRIPT(f);
    }

    void historySizeBounds()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        QWidget* dialog = Open(f);
        REQUIRE_CHILD(QLineEdit, size, dialog, names::SettingsHistorySize);
        REQUIRE_CHILD(QLineEdit, viewer, dialog, names::SettingsViewer);
        viewer->setFocus();
        for (const QString& refused : {QString("4095"), QString("20000")}) {
            Retype(size, refused);
            viewer->setFocus();
            f.platform->AnswerBox(MsgResult::OK);
            Press(dialog, names::SettingsOk);
            QCOMPARE(f.platform->LastCall().text, "Size of Command History Window: Value '" + refused +
                                                      "' is outside input range\r\nValid range is: 4096-16384");
            QVERIFY(FindTopLevel(names::SettingsDialog) == dialog);
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(viewer));  // the focus stays
        }
        Retype(size, "4096");
        Press(dialog, names::SettingsOk);
        QCOMPARE(f.state->environment.Settings.MaxDisplaySize, int16_t{4096});
        dialog = Open(f);
        REQUIRE_CHILD(QLineEdit, size2, dialog, names::SettingsHistorySize);
        Retype(size2, "16384");
        Press(dialog, names::SettingsOk);
        QVERIFY(FindTopLevel(names::SettingsDialog) == nullptr);
        QCOMPARE(f.state->environment.Settings.MaxDisplaySize, int16_t{16384});
        CHECK_SCRIPT(f);
    }

    void reactionsWhileEditing()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn + "CopyExampleFiles=0\r\nShortRecentFiles=0\r\n"));
        QWidget* dialog = Open(f);
        REQUIRE_CHILD(QCheckBox, keep, dialog, names::SettingsKeepRecent);
        REQUIRE_CHILD(QCheckBox, shortNames, dialog, names::SettingsShortNames);
        QVERIFY(shortNames->isEnabled());
        keep->click();
        QVERIFY(!shortNames->isEnabled());
        keep->click();
        QVERIFY(shortNames->isEnabled());
        f.platform->AnswerBox(MsgResult::OK);
        shortNames->click();
        QCOMPARE(f.platform->LastCall().text, QString("Option will take effect upon restarting this program"));
        QCOMPARE(f.platform->LastCall().title, QString("Message"));

        REQUIRE_CHILD(QCheckBox, examples, dialog, names::SettingsCopyExamples);
        f.platform->AnswerBox(MsgResult::OK);
        examples->click();
        QCOMPARE(f.platform->LastCall().text,
                 "When this option is enabled, every time the program runs, it will try to copy the example files "
                 "from the install directory to the " +
                     f.DataFolder() +
                     " directory. The modified files will not be overridden, but missing files will be replaced. ");
        examples->click();  // unticking tells nothing

        REQUIRE_CHILD(QCheckBox, history, dialog, names::SettingsDisplayHistory);
        REQUIRE_CHILD(QLineEdit, size, dialog, names::SettingsHistorySize);
        REQUIRE_CHILD(QPushButton, font, dialog, names::SettingsHistoryFont);
        history->click();
        QVERIFY(!size->isEnabled());
        QVERIFY(!font->isEnabled());
        history->click();
        QVERIFY(size->isEnabled());
        QVERIFY(font->isEnabled());

        REQUIRE_CHILD(QLineEdit, viewer, dialog, names::SettingsViewer);
        Retype(viewer, "gedit");
        Press(dialog, names::SettingsDefaultViewer);
        QCOMPARE(viewer->text(), QString("xdg-open"));
        dialog->close();
        CHECK_SCRIPT(f);
    }

    void selectThenCancelKeepsViewerAndExtension()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn + "ExternalEditor=gvim -R\r\n"));
        QWidget* dialog = Open(f);
        REQUIRE_CHILD(QLineEdit, viewer, dialog, names::SettingsViewer);
        f.platform->AnswerFile(QString("/bin/sh"));
        Press(dialog, names::SettingsSelectViewer);
        const FileDialogRequest& request = f.platform->LastCall().file;
        QCOMPARE(request.title, QString("Select External Editor"));
        QCOMPARE(request.folder, QString("/usr/bin/"));  // "gvim -R" names no folder
        QCOMPARE(request.filters, (QStringList{"All Files (*)", "Programs (*)"}));
        QCOMPARE(request.selectedFilter, QString("Programs (*)"));
        QCOMPARE(request.executablesFilter, QString("Programs (*)"));
        QCOMPARE(viewer->text(), QString("/bin/sh"));
        f.platform->AnswerFile(std::nullopt);
        Press(dialog, names::SettingsSelectViewer);
        QCOMPARE(f.platform->LastCall().file.folder, QString("/bin/"));
        QCOMPARE(viewer->text(), QString("/bin/sh"));
        Press(dialog, names::SettingsCancel);
        QVERIFY(FindTopLevel(names::SettingsDialog) == nullptr);
        QCOMPARE(f.state->environment.Settings.ExternalEditor, std::string("gvim -R"));
        QCOMPARE(f.state->environment.Settings.FileExtension, std::string("VLB"));
        QVERIFY(History(f).contains(". Settings Not Modified\r\n"));
        QVERIFY(!History(f).contains(". Settings Modified"));
        CHECK_SCRIPT(f);
    }

    void fontDialogPresetIsTheFontAsListed()
    {
        // "Courier New" is Liberation Mono here: the dialog is given the
        // family it lists and that family's name of the style, so OK keeps
        // the font as it was (not bold, not italic).
        QFont preset("Courier New");
        preset.setPointSize(10);
        const QFont listed = FontAsListed(preset);
        QVERIFY(QFontDatabase::families().contains(listed.family()));
        QVERIFY2(QFontDatabase::styles(listed.family()).contains(listed.styleName()), qPrintable(listed.styleName()));
        const QFont chosen = QFontDatabase::font(listed.family(), listed.styleName(), listed.pointSize());
        QVERIFY(!chosen.bold() && !chosen.italic());
        QCOMPARE(chosen.pointSize(), 10);
        preset.setBold(true);
        preset.setItalic(true);
        QVERIFY(QFontDatabase::font(FontAsListed(preset).family(), FontAsListed(preset).styleName(), 10).italic());
        // The chosen family is kept without the foundry the dialog may show.
        QCOMPARE(ChosenFamily(QFont("C059 [UKWN]")), std::string("C059"));
        // The panes' default font is of fixed pitch.
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        auto* pane = f.Main().findChild<QPlainTextEdit*>(names::HistoryPane);
        QVERIFY(pane != nullptr);
        QVERIFY2(QFontInfo(pane->font()).fixedPitch(), qPrintable(pane->font().family()));
    }

    void historyFontStaysAfterCancel()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        QWidget* dialog = Open(f);
        QFont chosen("Liberation Mono");
        chosen.setPointSize(13);
        chosen.setBold(true);
        f.platform->AnswerFont(chosen);
        Press(dialog, names::SettingsHistoryFont);
        auto* pane = f.Main().findChild<QPlainTextEdit*>(names::HistoryPane);
        QVERIFY(pane != nullptr);
        QCOMPARE(pane->font().family(), QString("Liberation Mono"));
        QCOMPARE(pane->font().pointSize(), 13);
        QVERIFY(pane->font().bold());
        // A cancelled font dialog gives the preset back.
        f.platform->AnswerFont(std::nullopt);
        Press(dialog, names::SettingsHistoryFont);
        QCOMPARE(f.state->environment.Settings.DisplayFontName, std::string("Liberation Mono"));
        Press(dialog, names::SettingsCancel);
        QCOMPARE(f.state->environment.Settings.DisplayFontName, std::string("Liberation Mono"));
        QCOMPARE(f.state->environment.Settings.DisplayFontSize, 13.0f);
        QCOMPARE(f.state->environment.Settings.DisplayFontBold, int16_t{-1});
        QCOMPARE(pane->font().pointSize(), 13);
        QVERIFY(History(f).contains(". Settings Not Modified\r\n"));
        CHECK_SCRIPT(f);
    }

    void okWithoutChangesWritesAndLogs()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        QFile::remove(f.DataFolder() + "VELB.INI");
        QWidget* dialog = Open(f);
        QVERIFY(History(f).contains(". Editing Settings\r\n"));
        Press(dialog, names::SettingsOk);
        QVERIFY(FindTopLevel(names::SettingsDialog) == nullptr);
        const QString history = History(f);
        QVERIFY(history.contains(". Settings Modified\r\n"));
        QVERIFY(history.contains(". Saving default settings to file: " + f.DataFolder() + "VELB.INI\r\n"));
        QVERIFY(history.indexOf("Settings Modified") < history.indexOf("Saving default settings"));
        QCOMPARE(IniValue(f, "Settings", "MaxDisplaySize"), QString("16384"));
        QCOMPARE(IniValue(f, "Settings", "DataPath"), f.DataFolder());
        QCOMPARE(IniValue(f, "TextBrowse", "BrowseUseNotepad"), QString("<missing>"));
        CHECK_SCRIPT(f);
    }

    void historyPaneSwitchedOnFromTheDialog()
    {
        UiFixture f;  // the first file hides the history pane
        auto* pane = f.Main().findChild<QPlainTextEdit*>(names::HistoryPane);
        QVERIFY(pane != nullptr);
        QVERIFY(pane->isHidden());
        QVERIFY(!f.Action(names::UtilClearHistoryItem)->isEnabled());
        QWidget* dialog = Open(f);
        REQUIRE_CHILD(QCheckBox, history, dialog, names::SettingsDisplayHistory);
        REQUIRE_CHILD(QCheckBox, toolbar, dialog, names::SettingsEnableToolbar);
        REQUIRE_CHILD(QRadioButton, metric, dialog, names::Indexed(names::SettingsUnits, 1));
        history->click();
        toolbar->click();
        metric->click();
        Press(dialog, names::SettingsOk);
        QVERIFY(FindTopLevel(names::SettingsDialog) == nullptr);
        QVERIFY(!pane->isHidden());
        QVERIFY(f.Action(names::UtilClearHistoryItem)->isEnabled());
        QVERIFY(f.Main().findChild<QToolBar*>(names::Toolbar)->isHidden());
        QCOMPARE(f.state->environment.Settings.DefaultUnits, int16_t{1});
        QCOMPARE(IniValue(f, "Settings", "DisplayHistoryWin"), QString("1"));
        QCOMPARE(IniValue(f, "Settings", "EnableMainMenuToolbar"), QString("0"));
        // The log records from now on.
        QVERIFY(History(f).contains(". Settings Modified\r\n"));
        CHECK_SCRIPT(f);
    }

    void pathDialogOkAndCancel()
    {
        UiFixture f(UiFixture::WithSettingsFile(kHistoryOn));
        QDir(f.Home()).mkpath("projects/2026");
        QWidget* settings = Open(f);
        REQUIRE_CHILD(QLineEdit, path, settings, names::SettingsDataPath);
        Press(settings, names::SettingsSetPath);
        QWidget* dialog = FindTopLevel(names::PathDialog);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Select Path"));
        REQUIRE_CHILD(QRadioButton, current, dialog, names::Indexed(names::PathOptions, 2));
        QVERIFY(current->isChecked());
        REQUIRE_CHILD(QRadioButton, application, dialog, names::Indexed(names::PathOptions, 1));
        QCOMPARE(application->text(), QString("Application "));
        REQUIRE_CHILD(QTreeView, tree, dialog, names::PathFolders);
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        QVERIFY(model != nullptr);
        // Loaded at the edited path (the data folder, without its final "/").
        QCOMPARE(model->filePath(tree->currentIndex()) + "/", f.DataFolder());
        REQUIRE_CHILD(QComboBox, places, dialog, names::PathPlaces);
        QVERIFY(places->count() >= 2);
        QCOMPARE(places->itemData(0).toString(), QString("/"));

        // Cancel after browsing elsewhere leaves the path as it was.
        tree->setCurrentIndex(model->index(f.File("projects")));
        Press(dialog, names::PathCancel);
        QVERIFY(FindTopLevel(names::PathDialog) == nullptr);
        QCOMPARE(path->text(), f.DataFolder());

        // OK returns the folder with a final "/".
        Press(settings, names::SettingsSetPath);
        dialog = FindTopLevel(names::PathDialog);
        QVERIFY(dialog != nullptr);
        tree = dialog->findChild<QTreeView*>(names::PathFolders);
        model = qobject_cast<QFileSystemModel*>(tree->model());
        tree->setCurrentIndex(model->index(f.File("projects/2026")));
        Press(dialog, names::PathOk);
        QVERIFY(FindTopLevel(names::PathDialog) == nullptr);
        QCOMPARE(path->text(), f.File("projects/2026") + "/");
        QCOMPARE(QString::fromStdString(f.state->environment.EditedPath), f.File("projects/2026") + "/");

        // A place that cannot be read is reported and nothing moves.
        Press(settings, names::SettingsSetPath);
        dialog = FindTopLevel(names::PathDialog);
        places = dialog->findChild<QComboBox*>(names::PathPlaces);
        tree = dialog->findChild<QTreeView*>(names::PathFolders);
        model = qobject_cast<QFileSystemModel*>(tree->model());
        const int before = places->currentIndex();
        places->addItem("Removed volume", f.File("unmounted"));
        places->setCurrentIndex(places->count() - 1);
        f.platform->AnswerBox(MsgResult::OK);
        emit places->activated(places->count() - 1);
        QCOMPARE(f.platform->LastCall().text, QString("Unable to read selected volume. Make sure it is mounted, that "
                                                      "you may read it, and that it is free of errors"));
        QCOMPARE(places->currentIndex(), before);
        QCOMPARE(model->filePath(tree->currentIndex()) + "/", f.File("projects/2026") + "/");
        Press(dialog, names::PathCancel);

        // "User temporary" jumps to the temporary folder.
        Press(settings, names::SettingsSetPath);
        dialog = FindTopLevel(names::PathDialog);
        dialog->findChild<QRadioButton*>(names::Indexed(names::PathOptions, 3))->click();
        Press(dialog, names::PathOk);
        QCOMPARE(path->text(), f.DataFolder() + "Temp/");

        // An edited path that cannot be shown: the list shows the data
        // folder, and OK returns it (not "/").
        path->setText(f.File("no-such-folder/"));
        Press(settings, names::SettingsSetPath);
        dialog = FindTopLevel(names::PathDialog);
        tree = dialog->findChild<QTreeView*>(names::PathFolders);
        model = qobject_cast<QFileSystemModel*>(tree->model());
        QCOMPARE(model->filePath(tree->currentIndex()) + "/", f.DataFolder());
        Press(dialog, names::PathOk);
        QCOMPARE(path->text(), f.DataFolder());
        Press(settings, names::SettingsCancel);
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
