#include "ui/main/startup_window.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "core/files/lifecycle.h"
#include "core/program/program_state.h"
#include "core/program/project_commands.h"
#include "ui/app/window_helpers.h"
#include "ui/help/notice_dialogs.h"
#include "ui/main/main_window.h"
#include "ui/platform/platform_services.h"

namespace castovin {

CommandLine ParseCommandLine(const QStringList& arguments, const QString& workingDirectory)
{
    CommandLine line;
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        line.help = true;
        return line;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        line.version = true;
        return line;
    }
    QString project = arguments.join(' ');
    project.remove('"');
    if (!project.isEmpty() && QFileInfo(project).isRelative())
        project = QDir(workingDirectory).absoluteFilePath(project);
    line.project = project;
    return line;
}

std::unique_ptr<MainWindow> CreateMainWindow(ProgramState& state, PlatformServices& platform,
                                             const StartupOptions& options)
{
    StartProgram(state, options);
    auto window = std::make_unique<MainWindow>(state, platform);
    window->FormLoad();
    NewProject(state.project, state.session, state.environment, state.messenger, true, true);
    window->UpdateCaption();
    window->show();
    window->ApplyHistoryFont();
    state.session.EditorOpen = 0;
    return window;
}

void OpenStartupProjects(MainWindow& window, const QString& project)
{
    ProgramState& state = window.State();
    const std::string& last = state.environment.Settings.LastFiles[1].LastFileLong;
    if (state.environment.Settings.LoadLastInputFile == 1 && !last.empty())
        window.mnuFileArray_Click(1);
    if (!project.isEmpty())
        window.LoadProjFile(project);
}

void FinishStartup(MainWindow& window, bool notices, const QString& project)
{
    MainWindow* main = &window;
    auto openProjects = [main, project] { OpenStartupProjects(*main, project); };
    if (!notices) {
        openProjects();
        return;
    }
    QTimer::singleShot(0, main, [main, openProjects] {
        ProgramState& state = main->State();
        ShowStartupNotices(state.environment, state.messenger, main->Platform(), main, openProjects);
    });
}

std::unique_ptr<MainWindow> StartMainWindow(ProgramState& state, PlatformServices& platform,
                                            const StartupOptions& options, const QString& project)
{
    auto window = CreateMainWindow(state, platform, options);
    FinishStartup(*window, options.startupNotices, project);
    return window;
}

}  // namespace castovin
