// Renders the main window with a project open, the results viewer, the
// editors and the graph window with its options dialog to PNG files, for the
// README: castovin_screenshots OUTPUT_FOLDER

#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "ui_fixture.h"

using namespace castovin;
using namespace castovin::test;

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
        "DisplayFontSize=9\r\nEnableMainMenuToolbar=1\r\nKeepFileNames=1\r\n");
    UiFixture f(prepare, UiFixture::Example("cable-bolts-intersections.vlb"));
    f.Main().resize(960, 640);
    QApplication::processEvents();
    bool ok = f.Main().grab().save(out + "/main-window.png");
    f.Trigger("mnuCalcItem_0");
    QApplication::processEvents();
    if (QWidget* viewer = FindTopLevel("frmResTxtPlt")) {
        viewer->resize(760, 620);
        QApplication::processEvents();
        ok = viewer->grab().save(out + "/results-viewer.png") && ok;
    } else {
        ok = false;
    }
    if (QWidget* viewer = FindTopLevel("frmResTxtPlt"))
        viewer->close();
    QApplication::processEvents();

    // The four editors, each on its own.
    const struct {
        const char* item;
        const char* window;
        const char* file;
    } editors[] = {{"mnuEditItem_1", "frmVELBParm", "parameters-editor.png"},
                   {"mnuEditItem_2", "frmVELBCost", "cost-editor.png"},
                   {"mnuEditItem_0", "frmVELBDesc", "description-editor.png"},
                   {"mnuUtilItem_1", "frmVELBOpts", "options-editor.png"}};
    for (const auto& editor : editors) {
        f.Trigger(editor.item);
        QApplication::processEvents();
        QWidget* window = FindTopLevel(editor.window);
        if (window == nullptr) {
            ok = false;
            continue;
        }
        if (QString(editor.window) == "frmVELBParm")
            if (auto* tabs = window->findChild<QTabWidget*>("SSTab1"))
                tabs->setCurrentIndex(1);
        QApplication::processEvents();
        ok = window->grab().save(out + "/" + editor.file) && ok;
        window->close();
        QApplication::processEvents();
    }

    // The depth curve of the project, and its options dialog.
    f.Trigger("mnuCalcGrafItem_1");
    QApplication::processEvents();
    if (QWidget* graph = FindTopLevel("frmGraph")) {
        graph->resize(760, 560);
        QApplication::processEvents();
        ok = graph->grab().save(out + "/graph-window.png") && ok;
        graph->findChild<QAction*>("GraphOptionsItem_1")->trigger();
        QApplication::processEvents();
        if (QWidget* options = FindTopLevel("frmGraphOpt")) {
            if (auto* lastUsed = options->findChild<QAbstractButton*>("Option1_1"))
                lastUsed->click();
            QApplication::processEvents();
            ok = options->grab().save(out + "/graph-options.png") && ok;
            options->close();
        } else {
            ok = false;
        }
        graph->close();
        QApplication::processEvents();
    } else {
        ok = false;
    }
    std::printf("%s\n", ok ? "screenshots written" : "screenshots failed");
    return ok ? 0 : 1;
}
