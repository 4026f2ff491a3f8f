#pragma once
// The start-up of the desktop program after the core's part: the main
// window with a first empty project, the disclaimer and the update reminder
// over it, and once they are closed the most recent project and the one
// named on the command line (whose parameters editor then has the keyboard).

#include <functional>

#include <memory>

#include <QString>
#include <QStringList>

#include "core/program/startup.h"

namespace castovin {

struct ProgramState;
class PlatformServices;
class MainWindow;

// What the command line asks for: help, the version, or a project to open.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString project;  // double quotes removed, relative paths made absolute
};

// Reads the arguments after the program name: several arguments are joined
// with blanks and double-quote characters are removed.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& workingDirectory);

// The start-up up to the shown main window with a new, empty project.
std::unique_ptr<MainWindow> CreateMainWindow(ProgramState& state, PlatformServices& platform,
                                             const StartupOptions& options);

// The most recent project when the settings ask for it, then the project
// named on the command line.
void OpenStartupProjects(MainWindow& window, const QString& project);

// The end of the start-up: with `notices`, the notices that are due (with
// the first events, over the shown window), then, once they are closed, the
// projects; without, the projects at once.
void FinishStartup(MainWindow& window, bool notices, const QString& project);

// The whole start-up; returns the main window, shown.
std::unique_ptr<MainWindow> StartMainWindow(ProgramState& state, PlatformServices& platform,
                                            const StartupOptions& options, const QString& project);

}  // namespace castovin
