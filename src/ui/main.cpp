// castovin: the desktop program.

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLocale>

#include "core/program/program_state.h"
#include "core/text/text_format.h"
#include "ui/app/icons.h"
#include "ui/help/context_help.h"
#include "ui/main/main_window.h"
#include "ui/main/startup_window.h"
#include "ui/platform/qt_platform_services.h"

int main(int argc, char** argv)
{
    using namespace castovin;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine early = ParseCommandLine(arguments, QDir::currentPath());
    if (early.help) {
        std::printf("usage: castovin [PROJECT.vlb]\n\n"
                    "Starts Castovin, the roof-bolt design program, with the project file given.\n"
                    "castovin-cli runs the same checks from the command line.\n");
        return 0;
    }
    if (early.version) {
        std::printf("castovin %s\n", VersionText().c_str());
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Castovin");
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows with the installed castovin.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("castovin"));
    QLocale::setDefault(QLocale::c());
    // Qt takes its own options (-platform, ...) out of the arguments.
    const CommandLine line = ParseCommandLine(QApplication::arguments().mid(1), QDir::currentPath());

    QtPlatformServices platform;
    ProgramState state(platform);
    StartupOptions options = StartupOptionsFromProcess(argv[0]);
    for (const QString& family : QFontDatabase::families()) {
        options.installedFonts.push_back(family.toStdString());
        if (QFontDatabase::isFixedPitch(family))
            options.fixedPitchFonts.push_back(family.toStdString());
    }
    InstallContextHelp(app, state.environment, platform);
    const auto window = StartMainWindow(state, platform, options, line.project);
    return QApplication::exec();
}
