#include "core/program/program_state.h"

#include "core/text/paths.h"
#include "core/text/text_format.h"

namespace castovin {

ProgramState::ProgramState(MessageBoxService& messageBox) : messenger(messageBox)
{
    messenger.HistorySettings = [this] {
        return HistoryOptions{environment.Settings.DisplayHistoryWin == 1, environment.Settings.MaxDisplaySize};
    };
}

void InitialiseModel(ProgramState& state, std::string_view executablePath)
{
    state.environment.ProgramTitle = "Castovin";
    state.messenger.BoxTitle = state.environment.ProgramTitle;
    state.environment.ProgramName = UpperCase(BaseName(executablePath));
    state.environment.ProgramFile = BaseName(executablePath);
    state.environment.DefaultInputs = DefaultInputsRecord{};
    state.environment.BoltGradeList = BuiltInBoltGradeList();
    state.environment.BoltGradeLast = BuiltInBoltGradeLast();
    state.session.LastOutputPage = 4;
}

}  // namespace castovin
