#pragma once
// New and Open as the program runs them: the project lifecycle of the files
// folder, plus the report pages of the previous project cleared, so that a
// printed project never carries another project's results.

#include <string>

#include "core/files/project_file.h"

namespace castovin {

struct Environment;
struct Messenger;
struct Project;
struct ReportSession;

// A new project (see FileNew) with the results pages emptied.
void NewProject(Project& project, ReportSession& session, Environment& env, Messenger& messenger, bool resetName,
                bool resetUnits);

// The project read from `path` (see FileOpen) with the results pages
// emptied.
FileOpenResult OpenProject(Project& project, ReportSession& session, const std::string& path, const Environment& env,
                           Messenger& messenger);

}  // namespace castovin
