#include "cli/cli.h"

#include <new>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "cli/cli_output.h"
#include "cli/json_report.h"
#include "cli/risk_command.h"
#include "cli/search_command.h"
#include "core/files/project_file.h"
#include "core/model/conversion.h"
#include "core/model/curves.h"
#include "core/program/output_commands.h"
#include "core/program/program_state.h"
#include "core/program/startup.h"
#include "core/text/atomic_file.h"
#include "core/text/description.h"
#include "core/text/number_format.h"
#include "core/text/paths.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"
#include "core/tools/unit_calculator.h"
#include "xlsx/curve_export.h"

namespace castovin {

namespace {

// The largest project read from standard input, as for files.
constexpr std::size_t kStandardInputLimit = 16u << 20;

// A fresh program state, as the program has it before it opens a file.
void Prepare(ProgramState& state, const CliRequest& c)
{
    StartupOptions options;
    options.executablePath = CliProgram;
    options.detached = true;
    options.defaultUnits = c.metric ? UnitSystem::Metric : UnitSystem::English;
    StartProgram(state, options);
}

[[noreturn]] void InvalidFormat(const std::string& failure)
{
    throw RuntimeError(err::BadFileName, failure);
}

// Opens FILE, or the project on standard input for "-".
void OpenProject(ProgramState& state, const std::string& file, const CliInput& in)
{
    if (file != "-") {
        const FileOpenResult opened = FileOpen(state.project, file, state.environment, state.messenger);
        if (!opened)
            InvalidFormat(opened.failure);
        return;
    }
    state.project.ProjectFilePath = file;
    std::optional<Project> read = ProjectFromBytes(in.ReadAll(kStandardInputLimit), "-", state.project);
    if (!read)
        InvalidFormat(std::string(InvalidFormatText));
    state.project = std::move(*read);
    state.project.ProjectSaved = FlagTrue;
    state.project.ProjectEmpty = FlagFalse;
}

}  // namespace

Project ReadReportProject(const std::string& file, const CliInput& in)
{
    RecordingMessageBox box;
    ProgramState state(box);
    Prepare(state, CliRequest{});
    OpenProject(state, file, in);
    return state.project;
}

namespace {

void Report(const Project& project, const CliRequest& c, const std::string& file, CliStream& out)
{
    if (c.json) {
        out << (c.name == "design" ? DesignJson(project, file) : CostJson(project, file)) << "\n";
        return;
    }
    const ReportType type = c.name == "design" ? ReportType::Design
                            : c.name == "cost" ? ReportType::Cost
                                               : ReportType::Listing;
    const ReportPages pages = BuildReport(project, project.Support, project.Cost, type, !c.noHeader);
    out << pages.listing << pages.results;
}

// True when `output` names the file the project was read from (`input`, or
// standard input for "-"): by identity, so that another spelling of the
// path, a link or a second hard link is caught too.
bool IsOwnInput(const std::string& input, const std::string& output, const CliInput& in)
{
    struct stat target = {};
    struct stat source = {};
    if (::stat(output.c_str(), &target) != 0)
        return false;
    const bool known = input == "-" ? in.IsStandardInput() && ::fstat(STDIN_FILENO, &source) == 0
                                    : ::stat(input.c_str(), &source) == 0;
    return known && source.st_dev == target.st_dev && source.st_ino == target.st_ino;
}

void Convert(ProgramState& state, const CliRequest& c, const CliInput& in, CliStream& out)
{
    const std::string& file = c.args[0];
    ConvertProject(state.project, state.project.units == UnitSystem::Metric ? UnitSystem::English : UnitSystem::Metric,
                   state.messenger);
    // A project from standard input has no folder to go beside: it goes
    // back to standard output, as it does for "-o -".
    if (c.output == "-" || (c.output.empty() && file == "-")) {
        NormaliseDescription(state.project.ProjectDescription);
        out << ProjectFileText(state.project);
        return;
    }
    // The converted project is named without a folder; it goes beside FILE.
    const std::string target = c.output.empty() ? FolderPart(file) + state.project.ProjectFilePath : c.output;
    if (IsOwnInput(file, target, in))
        throw RuntimeError(err::PathFileAccessError, "Will not replace the project being converted (" + target + ")");
    FileSave(state.project, target, state.messenger);
    out << target << "\n";
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void Curve(ProgramState& state, const CliRequest& c, CliStream& out)
{
    const std::vector<CurvePoint> points =
        ComputeCurve(state.project.Support[0], state.project.units, GraphIndexOf(c.args[1]), state.messenger);
    if (c.output.empty() || c.output == "-")
        out << CurveCsv(points);
    else if (EndsWith(LowerCase(c.output), ".xlsx"))
        WriteCurveWorkbook(c.output, points);
    else
        WriteFileAtomically(c.output, CurveCsv(points));
}

void Units(const CliRequest& c, CliStream& out)
{
    const std::optional<UnitName> unit = FindUnit(c.args[1]);
    if (c.json) {
        out << UnitsJson(c.value, c.args[1]).dump() << "\n";
        return;
    }
    const auto& captions = UnitCaptions(unit->kind);
    std::string text;
    for (std::size_t to = 0; to < captions.size(); ++to)
        text += GeneralNumber(ConvertUnits(unit->kind, unit->index, static_cast<int>(to), c.value)) + " " +
                captions[to] + "\n";
    out << text;
}

// One project file of a command; false when it failed (reported on `err`).
bool RunOnFile(const CliRequest& c, const std::string& file, const CliInput& in, CliStream& out, CliStream& err)
{
    RecordingMessageBox box;
    ProgramState state(box);
    try {
        Prepare(state, c);
        if (c.name == "new") {
            FileSave(state.project, file, state.messenger);
            return true;
        }
        OpenProject(state, file, in);
        if (c.name == "convert")
            Convert(state, c, in, out);
        else if (c.name == "curve")
            Curve(state, c, out);
        else
            Report(state.project, c, file, out);
        return true;
    } catch (const RuntimeError& e) {
        ErrorLine(err, file, e.description());
    } catch (const std::bad_alloc&) {
        ErrorLine(err, file, StandardDescription(err::OutOfMemory));
    }
    return false;
}

// --help, --version or COMMAND --help; nullopt for any other command line.
std::optional<int> InformationRequest(const std::vector<std::string>& args, CliStream& out)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << CliHelpText();
        return CliOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << CliProgram << " " << VersionText() << "\n";
        return CliOk;
    }
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h") && !SubcommandHelp(args[0]).empty()) {
        out << SubcommandHelp(args[0]);
        return CliOk;
    }
    return std::nullopt;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const CliInput& in, CliStream& out, CliStream& err)
{
    if (const std::optional<int> status = InformationRequest(args, out))
        return OutputReached(out, err) ? *status : CliFailed;
    if (!args.empty() && args[0] == "risk") {
        const int status = RunRiskCommand(args, in, out, err, CliUsageText());
        return OutputReached(out, err) ? status : CliFailed;
    }
    if (!args.empty() && args[0] == "search") {
        const int status = RunSearchCommand(args, out, err, CliUsageText());
        return OutputReached(out, err) ? status : CliFailed;
    }
    CliRequest c;
    try {
        c = ParseCommand(args);
    } catch (const UsageError& e) {
        ErrorLine(err, e.command, e.detail);
        err << CliUsageText();
        return CliUsage;
    }
    if (c.name == "units") {
        try {
            Units(c, out);
        } catch (const RuntimeError& e) {
            ErrorLine(err, c.args[0], e.description());
            return CliFailed;
        }
        return OutputReached(out, err) ? CliOk : CliFailed;
    }
    const std::size_t files = TakesSeveralFiles(c.name) ? c.args.size() : 1;
    bool failed = false;
    for (std::size_t i = 0; i < files; ++i) {
        failed = !RunOnFile(c, c.args[i], in, out, err) || failed;
        // Once the output is lost, the reports of the other files would be too.
        if (!OutputReached(out, err))
            return CliFailed;
    }
    return failed ? CliFailed : CliOk;
}

}  // namespace castovin
