#include "cli.h"

#include <new>
#include <ostream>

#include "model/conversion.h"
#include "model/cost_analysis.h"
#include "model/curves.h"
#include "model/design_analysis.h"
#include "program/program_state.h"
#include "model/report_assembly.h"
#include "text/atomic_file.h"
#include "xlsx/curve_export.h"
#include "files/lifecycle.h"
#include "files/project_file.h"
#include "text/number_format.h"
#include "text/paths.h"
#include "text/runtime_error.h"
#include "text/text_format.h"
#include "editing/validation.h"
#include "search_command.h"
#include "tools/unit_calculator.h"

namespace castovin {

namespace {

constexpr const char* kProgram = "castovin-cli";

constexpr const char* kUsage =
    "usage: castovin-cli design FILE [--no-header]\n"
    "       castovin-cli cost FILE [--no-header]\n"
    "       castovin-cli listing FILE [--no-header]\n"
    "       castovin-cli new FILE [--metric]\n"
    "       castovin-cli convert FILE [-o OUT]\n"
    "       castovin-cli curve FILE GRAPH [-o OUT]\n"
    "       castovin-cli units VALUE UNIT\n"
    "       castovin-cli search FILE --prices PRICES.csv [--bolts-per-row MIN:MAX]\n"
    "                    [--spacing MIN:MAX:STEP] [--top N] [--json] [--write-best OUT.vlb]\n"
    "       castovin-cli --help | --version\n";

constexpr const char* kHelp =
    "castovin-cli - roof-bolt design checks from the command line\n"
    "\n"
    "  design FILE        design report of a project: input listing, then results\n"
    "  cost FILE          cost report of a project: cost listing, then cost table\n"
    "  listing FILE       the whole input listing of a project, as printed\n"
    "  new FILE           write a new project with the built-in defaults\n"
    "  convert FILE       convert a project into the other unit system; writes\n"
    "                     Metric_NAME or English_NAME beside FILE, or OUT\n"
    "  curve FILE GRAPH   points of a curve of the suggested VELB against\n"
    "                     GRAPH = cmrr, depth, sf or span, as CSV; with -o OUT\n"
    "                     into OUT.csv or a workbook OUT.xlsx\n"
    "  units VALUE UNIT   VALUE in every unit of UNIT's kind: in ft cm m,\n"
    "                     lbsF tonsF kN MN kips, lbsF/in lbsF/ft kN/m MN/m,\n"
    "                     psi ksi psf Pa MPa, psi/in psi/ft Pa/m MPa/m\n"
    "  search FILE        the bolt patterns of a price list (CSV: length,diameter,\n"
    "                     grade,price[,name] in the project's units) that pass the\n"
    "                     design check, cheapest per foot (metre) of advance first;\n"
    "                     bolts per row 3:6 and spacing 3:6:0.5 ft (1:2:0.1 m)\n"
    "                     unless given; exit status 3 when none passes\n"
    "\n"
    "  --no-header        leave out the module version and project-file lines\n"
    "  --metric           (new) use the metric unit system\n"
    "\n"
    "Reports are written byte for byte with CR LF line ends. Errors go to\n"
    "standard error with exit status 1; usage errors exit with status 2.\n";

class UsageError {};

// A command line: the command, its positional arguments and options.
struct Command {
    std::string name;
    std::vector<std::string> args;
    std::string output;
    bool noHeader = false;
    bool metric = false;
};

struct CommandShape {
    const char* name;
    std::size_t positional;
    bool takesNoHeader;
    bool takesMetric;
    bool takesOutput;
};

constexpr CommandShape kShapes[] = {
    {"design", 1, true, false, false},  {"cost", 1, true, false, false},   {"listing", 1, true, false, false},
    {"new", 1, false, true, false},     {"convert", 1, false, false, true}, {"curve", 2, false, false, true},
    {"units", 2, false, false, false},
};

Command ParseCommand(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError{};
    const CommandShape* shape = nullptr;
    for (const CommandShape& s : kShapes)
        if (args[0] == s.name)
            shape = &s;
    if (shape == nullptr)
        throw UsageError{};
    Command c;
    c.name = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-header" && shape->takesNoHeader) {
            c.noHeader = true;
        } else if (a == "--metric" && shape->takesMetric) {
            c.metric = true;
        } else if (a == "-o" && shape->takesOutput && i + 1 < args.size() && c.output.empty()) {
            c.output = args[++i];
        } else if (a.size() > 1 && a[0] == '-' && !(c.name == "units" && c.args.empty())) {
            throw UsageError{};  // an unknown option (a negative VALUE is allowed)
        } else {
            c.args.push_back(a);
        }
    }
    if (c.args.size() != shape->positional)
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

void Convert(ProgramState& state, const Command& c, std::ostream& out)
{
    const std::string& file = c.args[0];
    state.ConvertTarget = state.UnitSystem == Metric ? English : Metric;
    ConvertProject(state);
    // The converted project is named without a folder; it goes beside FILE.
    state.ProjectFilePath = c.output.empty() ? FolderPart(file) + state.ProjectFilePath : c.output;
    FileSave(state);
    out << state.ProjectFilePath << "\n";
}

int16_t GraphIndexOf(const std::string& name)
{
    if (name == "cmrr")
        return GraphCMRR;
    if (name == "depth")
        return GraphDepth;
    if (name == "sf")
        return GraphStabilityFactor;
    if (name == "span")
        return GraphSpan;
    throw UsageError{};
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void Curve(ProgramState& state, const Command& c, std::ostream& out)
{
    ComputeCurve(state, GraphIndexOf(c.args[1]));
    const std::vector<CurvePoint> points(state.CurveData.begin(), state.CurveData.begin() + state.CurvePointCount);
    if (c.output.empty())
        out << CurveCsv(points);
    else if (EndsWith(c.output, ".xlsx"))
        WriteCurveWorkbook(c.output, points);
    else
        WriteFileAtomically(c.output, CurveCsv(points));
}

void Units(const Command& c, std::ostream& out)
{
    const std::optional<UnitName> unit = FindUnit(c.args[1]);
    if (!unit)
        throw UsageError{};
    const double value = LeadingNumber(c.args[0]);
    const auto& captions = UnitCaptions(unit->kind);
    std::string text;
    for (std::size_t to = 0; to < captions.size(); ++to)
        text += GeneralNumber(ConvertUnits(unit->kind, unit->index, static_cast<int>(to), value)) + " " +
                captions[to] + "\n";
    out << text;
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
    if (!args.empty() && args[0] == "search")
        return RunSearchCommand(args, out, err, kUsage);
    Command c;
    try {
        c = ParseCommand(args);
        if (c.name == "curve")
            GraphIndexOf(c.args[1]);
        if (c.name == "units" && !FindUnit(c.args[1]))
            throw UsageError{};
    } catch (const UsageError&) {
        err << kUsage;
        return CliUsage;
    }

    RecordingMessageBox box;
    ProgramState state(box);
    const std::string subject = c.args[0];
    try {
        if (c.name == "units") {
            Units(c, out);
            return CliOk;
        }
        Prepare(state, c);
        if (c.name == "new") {
            state.ProjectFilePath = c.args[0];
            FileSave(state);
            return CliOk;
        }
        OpenProject(state, box, c.args[0]);
        if (c.name == "convert")
            Convert(state, c, out);
        else if (c.name == "curve")
            Curve(state, c, out);
        else
            Report(state, c, out);
        out.flush();
    } catch (const RuntimeError& e) {
        err << kProgram << ": " << subject << ": " << e.description() << "\n";
        return CliFailed;
    } catch (const std::bad_alloc&) {
        err << kProgram << ": " << subject << ": " << StandardDescription(err::OutOfMemory) << "\n";
        return CliFailed;
    }
    return CliOk;
}

}  // namespace castovin
