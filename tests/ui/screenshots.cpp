// Renders the main window with a project open, the results viewer, the
// editors, the settings and path dialogs and the text file browser to PNG
// files, for the README and the manual: castovin_screenshots OUTPUT_FOLDER

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "app/names.h"
#include "browser/text_browser.h"
#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

namespace {

bool Grab(const char* window, const QString& file)
{
    // The folder trees fill in the background; give them a moment.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QWidget* w = FindTopLevel(window);
    return w != nullptr && w->grab().save(file);
}

// The settings dialog, the path dialog over it, and the text file browser
// showing an example project.
bool SettingsAndBrowser(UiFixture& f, const QString& out)
{
    f.Trigger("mnuUtilItem_0");
    bool ok = Grab("frmSet", out + "/settings-dialog.png");
    if (QWidget* settings = FindTopLevel("frmSet")) {
        if (auto* setPath = settings->findChild<QPushButton*>("cmdSetPath"))
            setPath->click();
        ok = Grab("frmPath", out + "/path-dialog.png") && ok;
        if (QWidget* path = FindTopLevel("frmPath"))
            path->close();
        settings->close();
    }
    for (const char* name : {"default-english.vlb", "cable-bolts-intersections.vlb", "strong-roof.vlb"})
        QFile::copy(UiFixture::Example(name), f.DataFolder() + name);
    f.Trigger("mnuFileItem_9");
    QApplication::processEvents();
    auto* browser = qobject_cast<TextBrowser*>(FindTopLevel("frmTextBrow"));
    if (browser == nullptr)
        return false;
    browser->resize(900, 560);
    if (auto* files = browser->findChild<QListWidget*>("File1"))
        files->setCurrentRow(0);
    browser->ChooseFile("cable-bolts-intersections.vlb");
    ok = Grab("frmTextBrow", out + "/text-browser.png") && ok;
    browser->close();
    QApplication::processEvents();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: castovin_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const auto prepare = UiFixture::WithSettingsFile(
        "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\nDisplayFontName=DejaVu Sans Mono\r\n"
        "DisplayFontSize=9\r\nEnableMainMenuToolbar=1\r\nKeepFileNames=1\r\nFileExtension=VLB\r\n"
        "ExternalEditor=xdg-open\r\nCopyExampleFiles=1\r\n");
    UiFixture f(prepare, UiFixture::Example("cable-bolts-intersections.vlb"));
    f.Main().resize(960, 640);
    QApplication::processEvents();
    bool ok = f.Main().grab().save(out + "/main-window.png");
    f.Trigger(names::Indexed(names::CalcItem, 0));
    QApplication::processEvents();
    if (QWidget* viewer = FindTopLevel(names::ResultsViewer)) {
        viewer->resize(760, 620);
        QApplication::processEvents();
        ok = viewer->grab().save(out + "/results-viewer.png") && ok;
    } else {
        ok = false;
    }
    if (QWidget* viewer = FindTopLevel(names::ResultsViewer))
        viewer->close();
    QApplication::processEvents();

    // The four editors, each on its own.
    const struct {
        QString item;
        const char* window;
        const char* file;
    } editors[] = {{names::Indexed(names::EditItem, 1), names::ParametersEditor, "parameters-editor.png"},
                   {names::Indexed(names::EditItem, 2), names::CostEditor, "cost-editor.png"},
                   {names::Indexed(names::EditItem, 0), names::DescriptionEditor, "description-editor.png"},
                   {names::Indexed(names::UtilItem, 1), names::OptionsEditor, "options-editor.png"}};
    for (const auto& editor : editors) {
        f.Trigger(editor.item);
        QApplication::processEvents();
        QWidget* window = FindTopLevel(editor.window);
        if (window == nullptr) {
            ok = false;
            continue;
        }
        if (QString(editor.window) == names::ParametersEditor)
            if (auto* tabs = window->findChild<QTabWidget*>(names::ParmTabs))
                tabs->setCurrentIndex(1);
        QApplication::processEvents();
        ok = window->grab().save(out + "/" + editor.file) && ok;
        window->close();
        QApplication::processEvents();
    }
    ok = SettingsAndBrowser(f, out) && ok;
    std::printf("%s\n", ok ? "screenshots written" : "screenshots failed");
    return ok ? 0 : 1;
}
