// Renders the main window with a project open, the results viewer, the
// editors, the settings and path dialogs, the text file browser, the unit
// calculator, the help window, the update dialog and the graph window with its
// options dialog to PNG files, for the README and the manual:
// castovin_screenshots OUTPUT_FOLDER

#include <cstdio>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeView>

#include "ui/app/names.h"
#include "ui/browser/text_browser_dialog.h"
#include "ui/risk/probabilistic_analysis_window.h"
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
    f.Trigger(names::UtilSettingsItem);
    bool ok = Grab(names::SettingsDialog, out + "/settings-dialog.png");
    if (QWidget* settings = FindTopLevel(names::SettingsDialog)) {
        if (auto* setPath = settings->findChild<QPushButton*>(names::SettingsSetPath))
            setPath->click();
        ok = Grab(names::PathDialog, out + "/path-dialog.png") && ok;
        if (QWidget* path = FindTopLevel(names::PathDialog))
            path->close();
        settings->close();
    }
    for (const char* name : {"default-english.vlb", "cable-bolts-intersections.vlb", "strong-roof.vlb"})
        QFile::copy(UiFixture::Example(name), f.DataFolder() + name);
    f.Trigger(names::FileViewSourceItem);
    QApplication::processEvents();
    auto* browser = qobject_cast<TextBrowserDialog*>(FindTopLevel(names::BrowserWindow));
    if (browser == nullptr)
        return false;
    browser->resize(900, 560);
    if (auto* files = browser->findChild<QListWidget*>(names::BrowserFiles))
        files->setCurrentRow(0);
    browser->ChooseFile("cable-bolts-intersections.vlb");
    ok = Grab(names::BrowserWindow, out + "/text-browser.png") && ok;
    browser->close();
    return ok;
}

// Waits (up to ten seconds) for the help panes, which fill in the background.
void WaitForHelpPanes(QWidget* help)
{
    auto* panes = help->findChild<QTabWidget*>(names::HelpPanes);
    QElapsedTimer clock;
    clock.start();
    while (panes != nullptr && clock.elapsed() < 10000) {
        auto* contents = qobject_cast<QAbstractItemView*>(panes->widget(0));
        if (contents != nullptr && contents->model()->rowCount() > 0)
            break;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (panes == nullptr)
        return;
    if (auto* contents = qobject_cast<QTreeView*>(panes->widget(0)))
        contents->expandAll();
}

// The unit calculator, the help window and the update dialog.
bool ToolScreenshots(UiFixture& f, const QString& out)
{
    bool ok = true;
    f.Trigger(names::UtilUnitConversionItem);
    QApplication::processEvents();
    if (QWidget* units = FindTopLevel(names::UnitCalculator)) {
        units->findChild<QRadioButton*>(names::Indexed(names::CalculatorTabs[0].options, 1))->click();
        units->findChild<QLineEdit*>(names::CalculatorTabs[0].input)->setText("6.5");
        QApplication::processEvents();
        ok = units->grab().save(out + "/unit-calculator.png") && ok;
        units->close();
    } else {
        ok = false;
    }
    QApplication::processEvents();

    f.Trigger(names::HelpContentsItem);
    if (QWidget* help = FindTopLevel(names::HelpWindow)) {
        WaitForHelpPanes(help);
        ok = help->grab().save(out + "/help-window.png") && ok;
        help->close();
    } else {
        ok = false;
    }

    f.state->environment.Today = [] { return DateTime{2014, 8, 16}; };
    f.Trigger(names::HelpUpdatesItem);
    QApplication::processEvents();
    if (QWidget* update = FindTopLevel(names::UpdateDialog)) {
        ok = update->grab().save(out + "/update-dialog.png") && ok;
        update->close();
    } else {
        ok = false;
    }
    QApplication::processEvents();
    return ok;
}

// The probabilistic analysis window on an example, with a study run: CMRR
// triangular, depth of cover normal about the project's value.
bool ProbabilisticScreenshot(UiFixture& f, const QString& out, const QString& example, const QStringList& depth,
                             const std::vector<std::pair<int, QString>>& tabs)
{
    f.platform->AnswerFile(UiFixture::Example(example));
    f.Trigger(names::FileOpenItem);
    f.Trigger(names::UtilProbabilisticItem);
    QApplication::processEvents();
    auto* window = qobject_cast<ProbabilisticAnalysisWindow*>(FindTopLevel(names::RiskWindow));
    if (window == nullptr)
        return false;
    auto* table = window->findChild<QTableWidget*>(names::RiskInputs);
    const std::pair<int, QStringList> rows[] = {{0, {"triangular", "34", "42", "50"}}, {1, depth}};
    for (const auto& [row, cells] : rows) {
        window->findChild<QComboBox*>(names::Indexed(names::RiskDistribution, row))->setCurrentText(cells[0]);
        for (int i = 1; i < cells.size(); ++i)
            table->item(row, 2 + i)->setText(cells[i]);
    }
    window->findChild<QLineEdit*>(names::RiskSamples)->setText("20000");
    window->Run();
    QElapsedTimer waited;
    waited.start();
    while (window->Running() && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    window->resize(980, 720);
    bool ok = !window->Running();
    // The window with each tab of results named in `tabs` shown.
    auto* results = window->findChild<QTabWidget*>(names::RiskResultTabs);
    for (const auto& [tab, file] : tabs) {
        results->setCurrentIndex(tab);
        QApplication::processEvents();
        ok = window->grab().save(out + "/" + file) && ok;
    }
    window->close();
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
        "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\nDisplayFontName=Liberation Mono\r\n"
        "DisplayFontSize=9\r\nEnableMainMenuToolbar=1\r\nKeepFileNames=1\r\nFileExtension=VLB\r\n"
        "ExternalEditor=xdg-open\r\nCopyExampleFiles=1\r\n");
    UiFixture f(prepare, UiFixture::Example("cable-bolts-intersections.vlb"));
    f.Main().resize(960, 640);
    QApplication::processEvents();
    bool ok = f.Main().grab().save(out + "/main-window.png");
    f.Trigger(names::OutputDesignItem);
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
    } editors[] = {{names::InputParametersItem, names::ParametersEditor, "parameters-editor.png"},
                   {names::InputCostItem, names::CostEditor, "cost-editor.png"},
                   {names::InputDescriptionItem, names::DescriptionEditor, "description-editor.png"},
                   {names::UtilOptionsItem, names::OptionsEditor, "options-editor.png"}};
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
    ok = ToolScreenshots(f, out) && ok;

    // The depth curve of the project, and its options dialog.
    f.Trigger(names::OutputGraphDepthItem);
    QApplication::processEvents();
    if (QWidget* graph = FindTopLevel(names::GraphWindow)) {
        graph->resize(760, 560);
        QApplication::processEvents();
        ok = graph->grab().save(out + "/graph-window.png") && ok;
        graph->findChild<QAction*>(names::GraphBasicOptionsItem)->trigger();
        QApplication::processEvents();
        if (QWidget* options = FindTopLevel(names::GraphOptionsDialog)) {
            if (auto* lastUsed = options->findChild<QAbstractButton*>(names::Indexed(names::GraphOptChoice, 1)))
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
    ok = ProbabilisticScreenshot(f, out, "default-english.vlb", {"normal", "-", "60"},
                                 {{0, "probabilistic-window.png"},
                                  {1, "probabilistic-histogram.png"},
                                  {2, "probabilistic-cumulative.png"},
                                  {3, "probabilistic-tornado.png"}}) &&
         ok;
    ok = ProbabilisticScreenshot(f, out, "default-metric.vlb", {"normal", "-", "18"},
                                 {{0, "probabilistic-window-metric.png"}, {1, "probabilistic-histogram-metric.png"}}) &&
         ok;
    std::printf("%s\n", ok ? "screenshots written" : "screenshots failed");
    return ok ? 0 : 1;
}
