#include "cli/cli_command.h"

#include <cmath>
#include <optional>

#include "core/model/curves.h"
#include "core/text/number_reading.h"
#include "core/tools/unit_calculator.h"

namespace castovin {

namespace {

struct CommandShape {
    const char* name;
    const char* operands;    // as the usage line names them
    std::size_t positional;  // at least this many
    bool severalFiles;       // design, cost, listing: FILE...
    bool takesNoHeader;
    bool takesMetric;
    bool takesOutput;
    bool takesJson;
};

constexpr CommandShape kShapes[] = {
    {"design", "FILE...", 1, true, true, false, false, true},
    {"cost", "FILE...", 1, true, true, false, false, true},
    {"listing", "FILE...", 1, true, true, false, false, false},
    {"new", "FILE", 1, false, false, true, false, false},
    {"convert", "FILE", 1, false, false, false, true, false},
    {"curve", "FILE GRAPH", 2, false, false, false, true, false},
    {"units", "VALUE UNIT", 2, false, false, false, false, true},
};

const CommandShape* FindShape(const std::string& name)
{
    for (const CommandShape& s : kShapes)
        if (name == s.name)
            return &s;
    return nullptr;
}

bool IsOption(const std::string& a, const CliRequest& c)
{
    // A negative VALUE of units and "-" (standard input) are arguments.
    return a.size() > 1 && a[0] == '-' && !(c.name == "units" && c.args.empty());
}

// Sets a switch that may be given once.
void SetOnce(bool& flag, const CliRequest& c, const std::string& option)
{
    if (flag)
        throw UsageError{c.name, option + " is given twice"};
    flag = true;
}

void SetOutput(CliRequest& c, const std::vector<std::string>& args, std::size_t& i)
{
    if (!c.output.empty())
        throw UsageError{c.name, "-o is given twice"};
    if (i + 1 >= args.size())
        throw UsageError{c.name, "-o needs a file name"};
    c.output = args[++i];
    if (c.output.empty())
        throw UsageError{c.name, "-o needs a file name, not an empty one"};
}

std::string ArgumentCount(std::size_t n)
{
    return n == 0 ? "none" : n == 1 ? "1 argument" : std::to_string(n) + " arguments";
}

// GRAPH and UNIT by name, VALUE as a whole number.
void CheckOperands(CliRequest& c)
{
    if (c.name == "curve")
        GraphIndexOf(c.args[1]);
    if (c.name != "units")
        return;
    if (!FindUnit(c.args[1]))
        throw UsageError{c.name, "unknown unit \"" + c.args[1] + "\""};
    const std::optional<double> value = WholeNumber(c.args[0]);
    if (!value)
        throw UsageError{c.name, "VALUE \"" + c.args[0] + "\" is not a number"};
    if (!std::isfinite(*value))
        throw UsageError{c.name, "VALUE \"" + c.args[0] + "\" is out of range"};
    c.value = *value;
}

}  // namespace

bool TakesSeveralFiles(const std::string& name)
{
    const CommandShape* shape = FindShape(name);
    return shape && shape->severalFiles;
}

CliRequest ParseCommand(const std::vector<std::string>& args)
{
    if (args.empty())
        throw UsageError{{}, "no command given"};
    const CommandShape* shape = FindShape(args[0]);
    if (!shape)
        throw UsageError{{}, "unknown command \"" + args[0] + "\""};
    CliRequest c;
    c.name = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-header" && shape->takesNoHeader)
            SetOnce(c.noHeader, c, a);
        else if (a == "--metric" && shape->takesMetric)
            SetOnce(c.metric, c, a);
        else if (a == "--json" && shape->takesJson)
            SetOnce(c.json, c, a);
        else if (a == "-o" && shape->takesOutput)
            SetOutput(c, args, i);
        else if (IsOption(a, c))
            throw UsageError{c.name, "unknown option " + a};
        else
            c.args.push_back(a);
    }
    const std::size_t n = c.args.size();
    if (shape->severalFiles ? n < shape->positional : n != shape->positional)
        throw UsageError{c.name, "expects " + std::string(shape->operands) + ", found " + ArgumentCount(n)};
    CheckOperands(c);
    return c;
}

GraphKind GraphIndexOf(const std::string& name)
{
    for (std::size_t i = 0; i < GraphShortNames.size(); ++i)
        if (name == GraphShortNames[i])
            return static_cast<GraphKind>(i);
    throw UsageError{"curve", "unknown graph \"" + name + "\" (GRAPH is cmrr, depth, sf or span)"};
}

}  // namespace castovin
