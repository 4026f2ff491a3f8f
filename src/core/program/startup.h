#pragma once
// The program's start-up before the main window: model initialisation, the
// built-in settings, the user folders, the decimal point and the settings
// file.

#include <cstdint>
#include <string>
#include <vector>

#include "core/config/folders.h"
#include "core/model/project.h"

namespace castovin {

struct ProgramState;

struct StartupOptions {
    std::string executablePath;  // names the program
    // A detached state has no user folders, settings file or decimal-point
    // switch: built-in settings and a new "Untitled" project, for the
    // command-line tool and the tests.
    bool detached = false;
    UnitSystem defaultUnits = UnitSystem::English;  // detached: the unit system of the new project
    bool keepHistory = false;                       // detached: keep the history log
    std::string appFolder;                          // the program's folder, ending with the separator
    UserEnvironment environment;                    // where the user folders are
    std::vector<std::string> installedFonts;        // for the default font names
    std::vector<std::string> fixedPitchFonts;       // the installed fonts of fixed pitch
    // The shipped example projects, copied into the data folder at each
    // start while "CopyExampleFiles" is 1; empty: none to copy.
    std::string exampleFolder;
    // The disclaimer and the update reminder when the main window loads
    // (the window tests that are not about them leave them out).
    bool startupNotices = true;
};

// The options of the running process.
StartupOptions StartupOptionsFromProcess(const std::string& executablePath);

// Model initialisation, then the environment start-up up to the loaded
// settings file (everything before the main window is loaded); a detached
// start ends with a new project instead.
void StartProgram(ProgramState& state, const StartupOptions& options);

}  // namespace castovin
