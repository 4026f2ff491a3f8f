#include "program/program_state.h"

#include "text/paths.h"
#include "text/text_format.h"

namespace castovin {

ProgramState::ProgramState(MessageBoxService& messageBox) : Messenger(messageBox)
{
    HistorySettings = [this] { return HistoryOptions{Settings.DisplayHistoryWin == 1, Settings.MaxDisplaySize}; };
}

void InitialiseModel(ProgramState& state, std::string_view executablePath)
{
    state.ProgramTitle = "Castovin";
    state.BoxTitle = state.ProgramTitle;
    state.ProgramName = UpperCase(BaseName(executablePath));
    state.ProgramFile = BaseName(executablePath);
    state.DefaultInputs = DefaultInputsRecord{};
    state.BoltGradeList = BuiltInBoltGradeList();
    state.BoltGradeLast = BuiltInBoltGradeLast();
    state.LastOutputPage = 4;
}

}  // namespace castovin
