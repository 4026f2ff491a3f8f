#pragma once
// New and Open as the program runs them: the project lifecycle of the files
// folder, plus the report pages of the previous project cleared, so that a
// printed project never carries another project's results.

#include <string>

#include "core/files/project_file.h"

namespace castovin {

struct ProgramState;

// A new project (see FileNew) with the results pages emptied.
void NewProject(ProgramState& state, bool resetName, bool resetUnits);

// The project read from `path` (see FileOpen) with the results pages
// emptied.
FileOpenResult OpenProject(ProgramState& state, const std::string& path);

}  // namespace castovin
