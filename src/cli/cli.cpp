#include "cli.h"

#include <functional>
#include <map>
#include <ostream>

#include "engine/cost_analysis.h"
#include "engine/design_analysis.h"
#include "engine/program_state.h"
#include "engine/report_assembly.h"
#include "files/lifecycle.h"
#include "files/project_file.h"
#include "text/runtime_error.h"
#include "text/text_format.h"

namespace castovin {

namespace {

constexpr const char* kProgram = "castovin-cli";

constexpr const char* kUsage =
    "usage: castovin-cli design FILE [--no-header]\n"
    "       castovin-cli cost FILE [--no-header]\n"
    "       castovin-cli listing FILE [--no-header]\n"
    "       castovin-cli new FILE [--metric]\n"
    "       castovin-cli --help | --version\n";

constexpr const char* kHelp =
    "castovin-cli - roof-bolt design checks from the command line\n"
    "\n"
    "  design FILE   design report of a project file: input listing, then results\n"
    "  cost FILE     cost report of a project file: cost listing, then cost table\n"
    "  listing FILE  the whole input listing of a project, as printed\n"
    "  new FILE      write a new project with the built-in defaults\n"
    "\n"
    "  --no-header   leave out the module version and project-file lines\n"
    "  --metric      (new) use the metric unit system\n"
    "\n"
    "Reports are written byte for byte with CR LF line ends. Errors go to\n"
    "standard error with exit status 1; usage errors exit with status 2.\n";

struct Command {
    std::string name;
    std::string file;
    bool noHeader = false;
    bool metric = false;
};

class UsageError {};

Command ParseCommand(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError{};
    Command c;
    c.name = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-header" && c.name != "new")
            c.noHeader = true;
        else if (a == "--metric" && c.name == "new")
            c.metric = true;
        else if (!a.empty() && a[0] == '-' && a != "-")
            throw UsageError{};
        else if (c.file.empty())
            c.file = a;
        else
            throw UsageError{};
    }
    if (c.file.empty())
        throw UsageError{};
    return c;
}

// A fresh program state, as the program has it before it opens a file.
void Prepare(ProgramState& state, const Command& c)
{
    InitialiseModel(state, kProgram);
    state.Settings.DisplayHistoryWin = 0;
    state.Settings.PrintModuleHeader = c.noHeader ? 0 : 1;
    state.Settings.DefaultUnits = c.metric ? Metric : English;
    FileNew(state, true, true);
}

void OpenProject(ProgramState& state, const RecordingMessageBox& box, const std::string& file)
{
    state.ProjectFilePath = file;
    if (!FileOpen(state))
        throw RuntimeError(err::BadFileName,
                           box.Messages().empty() ? std::string("Invalid file format") : box.Messages().back().text);
}

void Report(ProgramState& state, const Command& c, std::ostream& out)
{
    if (c.name == "design") {
        FillWorkCopies(state);
        DesignAnalysis(state);
        LoadOutBuf0(state, false, false, false);
        out << state.OutputBuffer[0] << state.OutputBuffer[1];
    } else if (c.name == "cost") {
        FillWorkCopies(state);
        CostAnalysis(state);
        LoadOutBuf0(state, true, false, false);
        out << state.OutputBuffer[0] << state.OutputBuffer[1];
    } else {
        LoadOutBuf0(state, false, false, false);
        LoadOutBuf0(state, true, true, true);
        out << state.OutputBuffer[0];
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kHelp << "\n" << kUsage;
        return CliOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << kProgram << " " << VersionText() << "\n";
        return CliOk;
    }
    Command c;
    try {
        c = ParseCommand(args);
        if (c.name != "design" && c.name != "cost" && c.name != "listing" && c.name != "new")
            throw UsageError{};
    } catch (const UsageError&) {
        err << kUsage;
        return CliUsage;
    }

    RecordingMessageBox box;
    ProgramState state(box);
    try {
        Prepare(state, c);
        if (c.name == "new") {
            state.ProjectFilePath = c.file;
            FileSave(state);
            return CliOk;
        }
        OpenProject(state, box, c.file);
        Report(state, c, out);
        out.flush();
    } catch (const RuntimeError& e) {
        err << kProgram << ": " << c.file << ": " << e.description() << "\n";
        return CliFailed;
    }
    return CliOk;
}

}  // namespace castovin
