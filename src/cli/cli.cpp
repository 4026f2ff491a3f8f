#include "cli.h"

#include <iostream>
#include <iterator>
#include <new>
#include <optional>

#include "cli_help.h"
#include "files/project_file.h"
#include "json_report.h"
#include "model/conversion.h"
#include "model/curves.h"
#include "program/output_commands.h"
#include "program/program_state.h"
#include "program/startup.h"
#include "search_command.h"
#include "text/atomic_file.h"
#include "text/number_format.h"
#include "text/number_reading.h"
#include "text/paths.h"
#include "text/runtime_error.h"
#include "text/text_format.h"
#include "tools/unit_calculator.h"
#include "xlsx/curve_export.h"

namespace castovin {

namespace {

// The largest project read from standard input, as for files.
constexpr std::size_t kStandardInputLimit = 16u << 20;

class UsageError {};

// A command line: the command, its positional arguments and options.
struct Command {
    std::string name;
    std::vector<std::string> args;
    std::string output;
    bool noHeader = false;
    bool metric = false;
    bool json = false;
};

struct CommandShape {
    const char* name;
    std::size_t positional;  // at least this many
    bool severalFiles;       // design, cost, listing: FILE...
    bool takesNoHeader;
    bool takesMetric;
    bool takesOutput;
    bool takesJson;
};

constexpr CommandShape kShapes[] = {
    {"design", 1, true, true, false, false, true},    {"cost", 1, true, true, false, false, true},
    {"listing", 1, true, true, false, false, false},  {"new", 1, false, false, true, false, false},
    {"convert", 1, false, false, false, true, false}, {"curve", 2, false, false, false, true, false},
    {"units", 2, false, false, false, false, true},
};

const CommandShape& ShapeOf(const std::string& name)
{
    for (const CommandShape& s : kShapes)
        if (name == s.name)
            return s;
    throw UsageError{};
}

bool IsOption(const std::string& a, const Command& c)
{
    // A negative VALUE of units and "-" (standard input) are arguments.
    return a.size() > 1 && a[0] == '-' && !(c.name == "units" && c.args.empty());
}

Command ParseCommand(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError{};
    const CommandShape& shape = ShapeOf(args[0]);
    Command c;
    c.name = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-header" && shape.takesNoHeader)
            c.noHeader = true;
        else if (a == "--metric" && shape.takesMetric)
            c.metric = true;
        else if (a == "--json" && shape.takesJson)
            c.json = true;
        else if (a == "-o" && shape.takesOutput && i + 1 < args.size() && c.output.empty())
            c.output = args[++i];
        else if (IsOption(a, c))
            throw UsageError{};
        else
            c.args.push_back(a);
    }
    const bool countOk = shape.severalFiles ? c.args.size() >= shape.positional : c.args.size() == shape.positional;
    if (!countOk)
        throw UsageError{};
    return c;
}

int16_t GraphIndexOf(const std::string& name)
{
    for (std::size_t i = 0; i < GraphShortNames.size(); ++i)
        if (name == GraphShortNames[i])
            return static_cast<int16_t>(i);
    throw UsageError{};
}

void CheckArguments(const Command& c)
{
    if (c.name == "curve")
        GraphIndexOf(c.args[1]);
    if (c.name == "units" && !FindUnit(c.args[1]))
        throw UsageError{};
}

// A fresh program state, as the program has it before it opens a file.
void Prepare(ProgramState& state, const Command& c)
{
    StartupOptions options;
    options.executablePath = CliProgram;
    options.detached = true;
    options.defaultUnits = c.metric ? UnitSystem::Metric : UnitSystem::English;
    StartProgram(state, options);
}

std::string ReadStandardInput(std::istream& in)
{
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kStandardInputLimit)
            throw RuntimeError(err::OutOfMemory, "Standard input is larger than 16 MiB");
    }
    return bytes;
}

[[noreturn]] void InvalidFormat(const RecordingMessageBox& box)
{
    throw RuntimeError(err::BadFileName,
                       box.Messages().empty() ? std::string("Invalid file format") : box.Messages().back().text);
}

// Opens FILE, or the project on standard input for "-".
void OpenProject(ProgramState& state, const RecordingMessageBox& box, const std::string& file, std::istream& in)
{
    state.ProjectFilePath = file;
    if (file != "-") {
        if (!FileOpen(state.project(), state.environment(), state.messenger()))
            InvalidFormat(box);
        return;
    }
    std::optional<Project> read = ProjectFromBytes(ReadStandardInput(in), "-", state.project());
    if (!read)
        InvalidFormat(box);
    state.project() = std::move(*read);
    state.ProjectSaved = FlagTrue;
    state.ProjectEmpty = FlagFalse;
}

void Report(const Project& project, const Command& c, const std::string& file, std::ostream& out)
{
    if (c.json) {
        out << (c.name == "design" ? DesignJson(project, file) : CostJson(project, file)).dump() << "\n";
        return;
    }
    const ReportType type = c.name == "design" ? ReportType::Design
                            : c.name == "cost" ? ReportType::Cost
                                               : ReportType::Listing;
    const ReportPages pages = BuildReport(project, project.Support, project.Cost, type, !c.noHeader);
    out << pages.listing << pages.results;
}

void Convert(ProgramState& state, const Command& c, std::ostream& out)
{
    const std::string& file = c.args[0];
    ConvertProject(state.project(), state.UnitSystem == UnitSystem::Metric ? UnitSystem::English : UnitSystem::Metric,
                   state.messenger());
    // The converted project is named without a folder; it goes beside FILE.
    state.ProjectFilePath = c.output.empty() ? FolderPart(file) + state.ProjectFilePath : c.output;
    FileSave(state.project(), state.messenger());
    out << state.ProjectFilePath << "\n";
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void Curve(ProgramState& state, const Command& c, std::ostream& out)
{
    const std::vector<CurvePoint> points =
        ComputeCurve(state.Support[0], state.UnitSystem, GraphIndexOf(c.args[1]), state.messenger());
    if (c.output.empty())
        out << CurveCsv(points);
    else if (EndsWith(LowerCase(c.output), ".xlsx"))
        WriteCurveWorkbook(c.output, points);
    else
        WriteFileAtomically(c.output, CurveCsv(points));
}

void Units(const Command& c, std::ostream& out)
{
    const std::optional<UnitName> unit = FindUnit(c.args[1]);
    const double value = LeadingNumber(c.args[0]);
    if (c.json) {
        out << UnitsJson(value, c.args[1]).dump() << "\n";
        return;
    }
    const auto& captions = UnitCaptions(unit->kind);
    std::string text;
    for (std::size_t to = 0; to < captions.size(); ++to)
        text += GeneralNumber(ConvertUnits(unit->kind, unit->index, static_cast<int>(to), value)) + " " + captions[to] +
                "\n";
    out << text;
}

// One project file of a command; false when it failed (reported on `err`).
bool RunOnFile(const Command& c, const std::string& file, std::istream& in, std::ostream& out, std::ostream& err)
{
    RecordingMessageBox box;
    ProgramState state(box);
    try {
        Prepare(state, c);
        if (c.name == "new") {
            state.ProjectFilePath = file;
            FileSave(state.project(), state.messenger());
            return true;
        }
        OpenProject(state, box, file, in);
        if (c.name == "convert")
            Convert(state, c, out);
        else if (c.name == "curve")
            Curve(state, c, out);
        else
            Report(state.project(), c, file, out);
        out.flush();
        return true;
    } catch (const RuntimeError& e) {
        err << CliProgram << ": " << file << ": " << e.description() << "\n";
    } catch (const std::bad_alloc&) {
        err << CliProgram << ": " << file << ": " << StandardDescription(err::OutOfMemory) << "\n";
    }
    return false;
}

// --help, --version or COMMAND --help; nullopt for any other command line.
std::optional<int> InformationRequest(const std::vector<std::string>& args, std::ostream& out)
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

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (const std::optional<int> status = InformationRequest(args, out))
        return *status;
    if (!args.empty() && args[0] == "search")
        return RunSearchCommand(args, out, err, CliUsageText());
    Command c;
    try {
        c = ParseCommand(args);
        CheckArguments(c);
    } catch (const UsageError&) {
        err << CliUsageText();
        return CliUsage;
    }
    if (c.name == "units") {
        try {
            Units(c, out);
            return CliOk;
        } catch (const RuntimeError& e) {
            err << CliProgram << ": " << c.args[0] << ": " << e.description() << "\n";
            return CliFailed;
        }
    }
    const std::size_t files = ShapeOf(c.name).severalFiles ? c.args.size() : 1;
    bool failed = false;
    for (std::size_t i = 0; i < files; ++i)
        failed = !RunOnFile(c, c.args[i], in, out, err) || failed;
    return failed ? CliFailed : CliOk;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunCli(args, std::cin, out, err);
}

}  // namespace castovin
