#pragma once
// Commands of the project's lifecycle that need no window.

namespace castovin {

struct ProgramState;

// A new project with the default unit system of the settings: `resetName`
// names it "Untitled", `resetUnits` takes the default unit system.
void FileNew(ProgramState& state, bool resetName, bool resetUnits);

}  // namespace castovin
