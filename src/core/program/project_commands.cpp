#include "core/program/project_commands.h"

#include "core/files/lifecycle.h"
#include "core/files/project_file.h"
#include "core/program/program_state.h"

namespace castovin {

namespace {

void ClearResultPages(ReportSession& session)
{
    for (std::size_t i = 1; i < session.OutputBuffer.size(); ++i)
        session.OutputBuffer[i].clear();
}

}  // namespace

void NewProject(ProgramState& state, bool resetName, bool resetUnits)
{
    FileNew(state.project, state.environment, state.messenger, resetName, resetUnits);
    ClearResultPages(state.session);
}

FileOpenResult OpenProject(ProgramState& state, const std::string& path)
{
    ClearResultPages(state.session);
    return FileOpen(state.project, path, state.environment, state.messenger);
}

}  // namespace castovin
