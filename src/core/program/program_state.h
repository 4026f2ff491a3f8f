#pragma once
// The program's state for one run, made of the parts that functions take one
// by one: the open project, the report being shown, the messenger and the
// settings and environment. Created once by the program (or per test case)
// and passed by reference; there is no other mutable state.
//
// The parts are members, so that every call shows which part it hands on.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/config/environment.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/text/messages.h"

namespace castovin {

struct ProgramState {
    explicit ProgramState(MessageBoxService& messageBox);
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    Project project;
    ReportSession session;
    Messenger messenger;
    Environment environment;
};

// The first step of the program: constants, tables and built-in defaults.
// `executablePath` gives the program name (its base name in upper case).
void InitialiseModel(ProgramState& state, std::string_view executablePath);

}  // namespace castovin
