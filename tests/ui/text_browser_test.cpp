// The text file browser driven through its widgets: the opening pattern and
// folder, the pattern rules, the pane, the external viewer started on a copy
// with an argument list, and what closing keeps.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "core/config/profile_file.h"
#include "core/program/program_state.h"
#include "test_fifo.h"
#include "ui/app/names.h"
#include "ui/browser/text_browser_dialog.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList Listed(QWidget* browser)
{
    QStringList names;
    auto* files = browser->findChild<QListWidget*>(names::BrowserFiles);
    for (int i = 0; files != nullptr && i < files->count(); ++i)
        names << files->item(i)->text();
    return names;
}

void ClickFile(QWidget* browser, const QString& name)
{
    auto* files = browser->findChild<QListWidget*>(names::BrowserFiles);
    QVERIFY(files != nullptr);
    const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable("not listed: " + name));
    const QRect rect = files->visualItemRect(items.front());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class TextBrowserTest : public QObject {
    Q_OBJECT

private:
    // A data folder with two projects and two other files.
    static std::function<void(const QString&)> WithFiles(const QByteArray& settings = {})
    {
        return [settings](const QString& home) {
            UiFixture::WithSettingsFile("[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\n"
                                        "FileExtension=VLB\r\n" +
                                        settings)(home);
            const QString data = home + "/Documents/MyTELVOR/";
            WriteFile(data + "one.vlb", "VELB_212\r\nFirst project\r\n");
            WriteFile(data + "TWO.VLB", "VELB_212\r\nSecond\r\n");
            WriteFile(data + "notes.txt", "Gr\xF6\xDF"
                                          "e\n");
            WriteFile(data + "table.csv", "a;b\n");
            QDir(data).mkpath("sub");
            WriteFile(data + "sub/inner.txt", "inside\n");
        };
    }
    static QWidget* Open(UiFixture& f)
    {
        f.Trigger(names::FileViewSourceItem);
        return FindTopLevel(names::BrowserWindow);
    }

private slots:
    void opensOnTheProjectPatternInTheDataFolder()
    {
        UiFixture f(WithFiles());
        QAction* item = f.Action(names::FileViewSourceItem);
        QVERIFY(item->isEnabled());
        QCOMPARE(item->shortcut(), QKeySequence("Ctrl+B"));
        QWidget* browser = Open(f);
        QVERIFY(browser != nullptr);
        QCOMPARE(browser->windowTitle(), QString("View Source Files"));
        REQUIRE_CHILD(QLineEdit, pattern, browser, names::BrowserPattern);
        QCOMPARE(pattern->text(), QString("*.VLB"));
        QCOMPARE(Listed(browser), (QStringList{"one.vlb", "TWO.VLB"}));
        REQUIRE_CHILD(QPlainTextEdit, pane, browser, names::BrowserPane);
        QVERIFY(pane->isReadOnly());
        REQUIRE_CHILD(QCheckBox, viewer, browser, names::BrowserUseViewer);
        REQUIRE_CHILD(QPushButton, font, browser, names::BrowserSetFont);
        QVERIFY(!viewer->isChecked());
        QVERIFY(font->isEnabled());
        ClickFile(browser, "one.vlb");
        REQUIRE_CHILD(QLabel, current, browser, names::BrowserCurrentFile);
        QCOMPARE(current->toolTip(), f.DataFolder() + "one.vlb");
        QCOMPARE(pane->toPlainText(), QString("VELB_212\nFirst project\n"));
        // Enter on the file list chooses the current file.
        REQUIRE_CHILD(QListWidget, files, browser, names::BrowserFiles);
        files->setCurrentRow(1);
        QTest::keyClick(files, Qt::Key_Return);
        QCOMPARE(current->toolTip(), f.DataFolder() + "TWO.VLB");
        QCOMPARE(pane->toPlainText(), QString("VELB_212\nSecond\n"));
        QVERIFY(FindTopLevel(names::BrowserWindow) == browser);  // Enter did not press OK
        browser->close();
        CHECK_SCRIPT(f);
    }

    void aLongPathIsElidedWithTheWholePathInTheTooltip()
    {
        UiFixture f(WithFiles());
        const QString deep = f.DataFolder() + QString(120, 'd') + "/" + QString(120, 'e');
        QDir().mkpath(deep);
        WriteFile(deep + "/long.vlb", "VELB_212\r\n");
        auto* browser = qobject_cast<TextBrowserDialog*>(Open(f));
        QVERIFY(browser != nullptr);
        // The window may open narrower than its hint on a small screen, so
        // the hint is compared with itself: the long path must not widen it.
        const int width = browser->width();
        const int hint = browser->sizeHint().width();
        QVERIFY(browser->ShowFolder(deep));
        browser->ChooseFile("long.vlb");
        QCoreApplication::processEvents();
        REQUIRE_CHILD(QLabel, current, browser, names::BrowserCurrentFile);
        QCOMPARE(current->toolTip(), deep + "/long.vlb");
        QVERIFY2(current->text().contains(QChar(0x2026)), qPrintable(current->text()));
        QCOMPARE(browser->width(), width);
        QVERIFY(browser->sizeHint().width() <= hint);
        browser->close();
        CHECK_SCRIPT(f);
    }

    void patternRules()
    {
        UiFixture f(WithFiles());
        QWidget* browser = Open(f);
        REQUIRE_CHILD(QLineEdit, pattern, browser, names::BrowserPattern);
        pattern->selectAll();
        // Checked when typed, not at every key: "[" and an empty box can be
        // typed through, and Enter applies the pattern without pressing OK.
        QTest::keyClick(pattern, Qt::Key_Backspace);
        QTest::keyClicks(pattern, "[*.txt;*.CSV");
        QCOMPARE(pattern->text(), QString("[*.txt;*.CSV"));
        QTest::keyClick(pattern, Qt::Key_Home);
        QTest::keyClick(pattern, Qt::Key_Delete);
        QTest::keyClick(pattern, Qt::Key_Return);
        QCOMPARE(Listed(browser), (QStringList{"notes.txt", "table.csv"}));
        QVERIFY(FindTopLevel(names::BrowserWindow) == browser);
        // A pattern the list cannot use resets the box and the list to "*".
        pattern->setText("sub/*.txt");
        QTest::keyClick(pattern, Qt::Key_Return);
        QCOMPARE(pattern->text(), QString("*"));
        QCOMPARE(Listed(browser), (QStringList{"notes.txt", "one.vlb", "table.csv", "TWO.VLB", "VELB.INI"}));
        pattern->selectAll();
        QTest::keyClick(pattern, Qt::Key_Backspace);
        QCOMPARE(pattern->text(), QString());
        // After a pause the typed text is checked too.
        QTRY_COMPARE(pattern->text(), QString("*"));
        // Windows-1252 text shows its characters.
        ClickFile(browser, "notes.txt");
        QCOMPARE(browser->findChild<QPlainTextEdit*>(names::BrowserPane)->toPlainText(), QString::fromUtf8("Größe\n"));
        browser->close();
        QCOMPARE(f.state->environment.Settings.BrowseDefaultFilter, std::string("*"));
        CHECK_SCRIPT(f);
    }

    void lastFolderKeptForTheRun()
    {
        UiFixture f(WithFiles());
        QWidget* browser = Open(f);
        REQUIRE_CHILD(QTreeView, tree, browser, names::BrowserFolders);
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        QVERIFY(model != nullptr);
        tree->setCurrentIndex(model->index(f.DataFolder() + "sub"));
        QCOMPARE(Listed(browser), QStringList());
        REQUIRE_CHILD(QLineEdit, pattern, browser, names::BrowserPattern);
        pattern->setText("*.txt");
        QTest::keyClick(pattern, Qt::Key_Return);
        QCOMPARE(Listed(browser), QStringList{"inner.txt"});
        browser->findChild<QPushButton*>(names::BrowserOk)->click();
        QCoreApplication::processEvents();
        QVERIFY(FindTopLevel(names::BrowserWindow) == nullptr);
        QCOMPARE(QString::fromStdString(f.state->environment.LastBrowsedFolder), f.DataFolder() + "sub");
        const ProfileFile ini = ProfileFile::Load(f.DataFolder().toStdString() + "VELB.INI");
        QCOMPARE(ini.Read("TextBrowse", "BrowseDefaultFilter").value_or("?"), std::string("*.txt"));
        QCOMPARE(ini.Read("TextBrowse", "BrowseUseNotepad").value_or("?"), std::string("0"));

        browser = Open(f);
        auto* reopened = qobject_cast<TextBrowserDialog*>(browser);
        QVERIFY(reopened != nullptr);
        QCOMPARE(reopened->Folder(), f.DataFolder() + "sub");
        QCOMPARE(browser->findChild<QLineEdit*>(names::BrowserPattern)->text(), QString("*.txt"));
        browser->close();
        CHECK_SCRIPT(f);
    }

    void externalViewerGetsACopyAsAnArgument()
    {
        UiFixture f(WithFiles("ExternalEditor='/opt/my viewer/view' --read-only\r\n[TextBrowse]\r\n"
                              "BrowseUseNotepad=1\r\n"));
        QWidget* browser = Open(f);
        REQUIRE_CHILD(QCheckBox, viewer, browser, names::BrowserUseViewer);
        REQUIRE_CHILD(QPushButton, font, browser, names::BrowserSetFont);
        QVERIFY(viewer->isChecked());
        QVERIFY(!font->isEnabled());
        REQUIRE_CHILD(QPlainTextEdit, pane, browser, names::BrowserPane);
        ClickFile(browser, "TWO.VLB");
        const QString copy = f.DataFolder() + "Temp/~tmpbr.tmp";
        QCOMPARE(f.platform->StartedPrograms().size(), std::size_t{1});
        QCOMPARE(f.platform->StartedPrograms().back().program, QString("/opt/my viewer/view"));
        QCOMPARE(f.platform->StartedPrograms().back().arguments, (QStringList{"--read-only", copy}));
        QCOMPARE(ReadBytes(copy), QByteArray("VELB_212\r\nSecond\r\n"));
        QVERIFY(pane->toPlainText().isEmpty());  // the pane keeps what it had

        // The default viewer is the desktop's opener.
        f.state->environment.Settings.ExternalEditor = "Notepad.exe";
        ClickFile(browser, "one.vlb");
        QCOMPARE(f.platform->StartedPrograms().back().program, QString("xdg-open"));
        QCOMPARE(f.platform->StartedPrograms().back().arguments, QStringList{copy});

        // A program that cannot be started.
        f.platform->FailStarts(true);
        f.platform->AnswerBox(MsgResult::OK);
        ClickFile(browser, "one.vlb");
        QCOMPARE(f.platform->LastCall().text,
                 QString("Shell operation failed. Check status of External Viewer: Notepad.exe"));

        // A file removed after the list was shown: no copy, no viewer.
        QFile::remove(f.DataFolder() + "one.vlb");
        f.platform->AnswerBox(MsgResult::OK);
        const std::size_t started = f.platform->StartedPrograms().size();
        ClickFile(browser, "one.vlb");
        QCOMPARE(f.platform->LastCall().text, "Requested File not found: " + f.DataFolder() + "one.vlb");
        QCOMPARE(f.platform->StartedPrograms().size(), started);

        viewer->click();
        QVERIFY(font->isEnabled());
        browser->close();
        QCOMPARE(f.state->environment.Settings.BrowseUseNotepad, int16_t{0});
        CHECK_SCRIPT(f);
    }

    // Links to a FIFO or a device are not listed; a listed file that a FIFO
    // replaced before the click is named in a message, in the pane and for
    // the external viewer, and nothing waits on it.
    void onlyRegularFilesAreListedAndShown()
    {
        UiFixture f(WithFiles());
        const QString data = f.DataFolder();
        const test::TestFifo pipe((data + "pipe.vlb").toStdString());
        QVERIFY(QFile::link("pipe.vlb", data + "link.vlb"));
        QVERIFY(QFile::link("/dev/null", data + "null.vlb"));
        QVERIFY(QFile::link("one.vlb", data + "alias.vlb"));
        QWidget* browser = Open(f);
        QCOMPARE(Listed(browser), (QStringList{"alias.vlb", "one.vlb", "TWO.VLB"}));

        QVERIFY(QFile::remove(data + "TWO.VLB"));
        const test::TestFifo replaced((data + "TWO.VLB").toStdString());
        REQUIRE_CHILD(QPlainTextEdit, pane, browser, names::BrowserPane);
        REQUIRE_CHILD(QCheckBox, viewer, browser, names::BrowserUseViewer);
        for (const bool external : {false, true}) {
            viewer->setChecked(external);
            f.platform->AnswerBox(MsgResult::OK);
            const auto took = test::TimeOf([&] { ClickFile(browser, "TWO.VLB"); });
            QVERIFY(took < test::PromptAnswer);
            QCOMPARE(f.platform->LastCall().text, data + "TWO.VLB is not a regular file");
            QVERIFY(pane->toPlainText().isEmpty());
            QVERIFY(f.platform->StartedPrograms().empty());
        }
        browser->close();
        CHECK_SCRIPT(f);
    }

    void paneFont()
    {
        UiFixture f(WithFiles());
        QWidget* browser = Open(f);
        QFont chosen("Liberation Mono");
        chosen.setPointSize(15);
        chosen.setItalic(true);
        f.platform->AnswerFont(chosen);
        browser->findChild<QPushButton*>(names::BrowserSetFont)->click();
        auto* pane = browser->findChild<QPlainTextEdit*>(names::BrowserPane);
        QCOMPARE(pane->font().family(), QString("Liberation Mono"));
        QCOMPARE(pane->font().pointSize(), 15);
        QVERIFY(pane->font().italic());
        QCOMPARE(f.state->environment.Settings.BrowseFontItalic, int16_t{-1});
        browser->close();
        const ProfileFile ini = ProfileFile::Load(f.DataFolder().toStdString() + "VELB.INI");
        QCOMPARE(ini.Read("TextBrowse", "BrowseFontSize").value_or("?"), std::string("15"));
        CHECK_SCRIPT(f);
    }
};

QTEST_MAIN(TextBrowserTest)
#include "text_browser_test.moc"
