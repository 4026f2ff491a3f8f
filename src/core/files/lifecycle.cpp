#include "files/lifecycle.h"

#include "engine/program_state.h"
#include "text/messages.h"

namespace castovin {

void FileNew(ProgramState& state, bool resetName, bool resetUnits)
{
    ApplyNewProjectValues(state, resetUnits, resetName, state.Settings.DefaultUnits);
    AppendHistory(state, "File initialized. Use Edit-Project Parameters to enter data");
    state.InputsEntered = FlagFalse;
}

}  // namespace castovin
