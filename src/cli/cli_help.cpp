#include "cli/cli_help.h"

#include <array>
#include <string_view>

namespace castovin {

namespace {

struct Help {
    std::string_view name;
    std::string_view usage;
    std::string_view text;
};

constexpr std::array<Help, 9> kHelps = {{
    {"design", "castovin-cli design FILE... [--no-header] [--json]",
     "The design report of each project: the input listing, then the results.\n"
     "FILE may be - for standard input. With --json, one JSON object per file,\n"
     "one per line (docs/schema/design.schema.json).\n"},
    {"cost", "castovin-cli cost FILE... [--no-header] [--json]",
     "The cost report of each project: the cost listing, then the cost table.\n"
     "FILE may be - for standard input. With --json, one JSON object per file,\n"
     "one per line (docs/schema/cost.schema.json).\n"},
    {"listing", "castovin-cli listing FILE... [--no-header]",
     "The whole input listing of each project, as printed. FILE may be - for\n"
     "standard input.\n"},
    {"new", "castovin-cli new FILE [--metric]",
     "Writes a new project with the built-in defaults (English units unless\n"
     "--metric).\n"},
    {"convert", "castovin-cli convert FILE [-o OUT]",
     "Converts a project into the other unit system; writes Metric_NAME or\n"
     "English_NAME beside FILE, or OUT, and prints the path written. With -o -,\n"
     "or for FILE - without -o, the project goes to standard output. OUT is\n"
     "never FILE itself.\n"},
    {"curve", "castovin-cli curve FILE GRAPH [-o OUT]",
     "The points of a curve of the suggested VELB against GRAPH = cmrr, depth,\n"
     "sf or span, as CSV; with -o OUT into OUT.csv or a workbook OUT.xlsx\n"
     "(-o - is standard output).\n"},
    {"units", "castovin-cli units VALUE UNIT [--json]",
     "VALUE in every unit of UNIT's kind: in ft cm m, lbsF tonsF kN MN kips,\n"
     "lbsF/in lbsF/ft kN/m MN/m, psi ksi psf Pa MPa, psi/in psi/ft Pa/m MPa/m.\n"
     "VALUE is wholly a number (-2, .75, 1.5E+07). With --json, one JSON\n"
     "object (docs/schema/units.schema.json).\n"},
    {"search",
     "castovin-cli search FILE --prices PRICES.csv [--bolts-per-row MIN:MAX]\n"
     "                    [--spacing MIN:MAX:STEP] [--top N] [--json] [--write-best OUT.vlb]\n"
     "                    [--study STUDY.json --min-probability P [--samples N]]",
     "The bolt patterns of a price list (CSV: length,diameter,grade,price[,name]\n"
     "in the project's units) that pass the design check, cheapest per foot\n"
     "(metre) of advance first; bolts per row 3:6 and spacing 3:6:0.5 ft\n"
     "(1:2:0.1 m) unless given; exit status 3 when none passes. With --study,\n"
     "only patterns whose P(pass) on the study's samples is at least P.\n"},
    {"risk",
     "castovin-cli risk FILE... [--study STUDY.json] [--samples N] [--seed S] [--method lhs|mc]\n"
     "                  [--vary FIELD=DIST:P1:P2[:P3][@MIN:MAX]]... [--min-probability P]\n"
     "                  [--threads N] [--no-header] [--json] [--samples-out OUT.csv]",
     "How likely each project is to pass the design check when its inputs are\n"
     "uncertain: a study (docs/schema/study.schema.json) gives distributions to\n"
     "inputs, sampled by Latin Hypercube or Monte Carlo with a seed. DIST is\n"
     "fixed, normal, lognormal, uniform or triangular; a mean of - is the\n"
     "project's value. Exit status 3 when P(pass) is below --min-probability.\n"},
}};

constexpr std::string_view kCommon = "Options:\n"
                                     "  --no-header   leave out the module version, project file and units lines\n"
                                     "  --json        JSON instead of the text report\n"
                                     "  --help        this help\n"
                                     "\n"
                                     "Reports are written byte for byte with CR LF line ends. An error is one line\n"
                                     "on standard error naming the file, with exit status 1 (the other files are\n"
                                     "still processed); so is a report that could not be written. A usage error\n"
                                     "says why and exits with status 2.\n";

}  // namespace

const char* CliUsageText()
{
    static const std::string usage = [] {
        std::string text;
        for (const Help& h : kHelps)
            text += (text.empty() ? "usage: " : "       ") + std::string(h.usage) + "\n";
        return text + "       castovin-cli --help | --version | COMMAND --help\n";
    }();
    return usage.c_str();
}

std::string CliHelpText()
{
    std::string text = "castovin-cli - roof-bolt design checks from the command line\n\n";
    for (const Help& h : kHelps)
        text += std::string(h.usage) + "\n" + std::string(h.text) + "\n";
    return text + std::string(kCommon);
}

std::string SubcommandHelp(const std::string& name)
{
    for (const Help& h : kHelps)
        if (h.name == name)
            return "usage: " + std::string(h.usage) + "\n\n" + std::string(h.text) + "\n" + std::string(kCommon);
    return {};
}

}  // namespace castovin
