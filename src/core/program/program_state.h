#pragma once
// The program's state for one run, made of the parts that functions take one
// by one: the open project, the report being shown, the messenger and the
// settings and environment. Created once by the program (or per test case)
// and passed by reference; there is no other mutable state.
//
// The parts are base classes so that a command holding the whole state can
// hand any part to a function that needs only that part.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/environment.h"
#include "editing/graph_options.h"
#include "model/project.h"
#include "model/report_session.h"
#include "text/messages.h"

namespace castovin {

struct ProgramState : Project, ReportSession, Messenger, Environment {
    explicit ProgramState(MessageBoxService& messageBox);
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    Project& project() { return *this; }
    ReportSession& report() { return *this; }
    Messenger& messenger() { return *this; }
    Environment& environment() { return *this; }
    const Project& project() const { return *this; }
    const Environment& environment() const { return *this; }

    // -1 while an editor or the results viewer holds the project.
    int16_t EditorOpen = 0;
    GraphFormat DefaultGraphFormat{};
    // The project conversion dialog's choices.
    castovin::UnitSystem ConvertTarget = castovin::UnitSystem::Metric;
    int16_t ConvertFileOption = 0;
    // Kept for the run only: the folder the graph export last wrote to, the
    // one the design search's price lists were last loaded from or saved
    // to, and the search's price table (its cells as text) when it closed.
    std::string LastExportFolder;
    std::string LastPriceFolder;
    std::vector<std::vector<std::string>> LastPriceTable;
};

// The first step of the program: constants, tables and built-in defaults.
// `executablePath` gives the program name (its base name in upper case).
void InitialiseModel(ProgramState& state, std::string_view executablePath);

}  // namespace castovin
