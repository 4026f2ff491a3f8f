#include "core/program/project_commands.h"

#include "core/files/lifecycle.h"
#include "core/files/project_file.h"
#include "core/files/study_memory.h"
#include "core/program/program_state.h"

namespace castovin {

namespace {

void ClearResultPages(ReportSession& session)
{
    for (std::size_t i = 1; i < session.OutputBuffer.size(); ++i)
        session.OutputBuffer[i].clear();
}

}  // namespace

void NewProject(Project& project, ReportSession& session, Environment& env, Messenger& messenger, bool resetName,
                bool resetUnits)
{
    FileNew(project, env, messenger, resetName, resetUnits);
    ClearResultPages(session);
    // Every new project is "Untitled": the last one's study is not its own.
    ForgetKeptStudy(env);
}

FileOpenResult OpenProject(Project& project, ReportSession& session, const std::string& path, const Environment& env,
                           Messenger& messenger)
{
    ClearResultPages(session);
    return FileOpen(project, path, env, messenger);
}

}  // namespace castovin
