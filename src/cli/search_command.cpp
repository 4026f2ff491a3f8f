#include "cli/search_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/cli.h"
#include "cli/cli_output.h"
#include "cli/json_report.h"
#include "core/files/project_file.h"
#include "core/files/study_memory.h"
#include "core/model/price_list.h"
#include "core/program/design_search.h"
#include "core/risk/reliable_search.h"
#include "core/text/atomic_file.h"
#include "core/text/number_format.h"
#include "core/text/paths.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"
#include "core/text/unicode.h"
#include "studyfile/study_file.h"

namespace castovin {

namespace {

constexpr std::size_t kDefaultTop = 10;
// More rows than anyone reads, and few enough that the best so many always
// fit in memory.
constexpr int kMaxTop = 100000;

// A usage problem; `detail` says what is wrong.
struct SearchUsageError {
    std::string detail;
};

// A failure naming its subject (a file), reported as one line with status 1.
struct SearchFailure {
    std::string subject;
    std::string description;
};

struct SearchOptions {
    std::string project;
    std::string prices;
    std::optional<std::string> bolts;    // MIN:MAX as typed
    std::optional<std::string> spacing;  // MIN:MAX:STEP as typed
    std::size_t top = kDefaultTop;
    bool json = false;
    std::string writeBest;
    std::string study;  // with --min-probability: the search at a reliability
    std::optional<double> minProbability;
    std::optional<std::size_t> samples;
};

std::vector<std::string> SplitColons(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ':')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

double RangeNumber(const std::string& text)
{
    const std::optional<double> value = ParseStrictNumber(text);
    if (!value || !std::isfinite(*value))
        throw SearchUsageError{"\"" + text + "\" is not a number"};
    return *value;
}

int WholeRangeNumber(const std::string& text)
{
    const double value = RangeNumber(text);
    if (value != std::floor(value))
        throw SearchUsageError{"\"" + text + "\" is not a whole number"};
    if (std::fabs(value) > std::numeric_limits<int>::max())
        throw SearchUsageError{"\"" + text + "\" is out of range"};
    return static_cast<int>(value);
}

// The ranges as typed, over the project's defaults.
SearchRanges ResolveRanges(const SearchOptions& o, UnitSystem unitSystem)
{
    SearchRanges r = DefaultSearchRanges(unitSystem);
    if (o.bolts) {
        const std::vector<std::string> parts = SplitColons(*o.bolts);
        if (parts.size() != 2)
            throw SearchUsageError{"--bolts-per-row takes MIN:MAX"};
        r.boltsMin = WholeRangeNumber(parts[0]);
        r.boltsMax = WholeRangeNumber(parts[1]);
    }
    if (o.spacing) {
        const std::vector<std::string> parts = SplitColons(*o.spacing);
        if (parts.size() != 3)
            throw SearchUsageError{"--spacing takes MIN:MAX:STEP"};
        r.spacingMin = RangeNumber(parts[0]);
        r.spacingMax = RangeNumber(parts[1]);
        r.spacingStep = RangeNumber(parts[2]);
    }
    if (const std::optional<std::string> problem = RangesProblem(r))
        throw SearchUsageError{*problem};
    return r;
}

// Notes an option as given; a second one would silently win, so it is a
// usage error.
void GivenOnce(const std::string& option, std::vector<std::string>& given)
{
    if (std::find(given.begin(), given.end(), option) != given.end())
        throw SearchUsageError{option + " is given twice"};
    given.push_back(option);
}

const std::string& OptionValue(const std::vector<std::string>& args, std::size_t& i, std::vector<std::string>& given)
{
    GivenOnce(args[i], given);
    if (i + 1 >= args.size())
        throw SearchUsageError{args[i] + " needs a value"};
    return args[++i];
}

const std::string& FileNameValue(const std::vector<std::string>& args, std::size_t& i, std::vector<std::string>& given)
{
    const std::string& name = OptionValue(args, i, given);
    if (name.empty())
        throw SearchUsageError{args[i - 1] + " needs a file name, not an empty one"};
    return name;
}

SearchOptions ParseSearchOptions(const std::vector<std::string>& args)
{
    SearchOptions o;
    std::vector<std::string> positional;
    std::vector<std::string> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--prices") {
            o.prices = FileNameValue(args, i, given);
        } else if (a == "--bolts-per-row") {
            o.bolts = OptionValue(args, i, given);
        } else if (a == "--spacing") {
            o.spacing = OptionValue(args, i, given);
        } else if (a == "--top") {
            const int top = WholeRangeNumber(OptionValue(args, i, given));
            if (top < 1 || top > kMaxTop)
                throw SearchUsageError{"--top takes a number from 1 to " + std::to_string(kMaxTop)};
            o.top = static_cast<std::size_t>(top);
        } else if (a == "--json") {
            GivenOnce(a, given);
            o.json = true;
        } else if (a == "--study") {
            o.study = FileNameValue(args, i, given);
        } else if (a == "--min-probability") {
            const std::optional<double> p = ParseStrictNumber(OptionValue(args, i, given));
            if (!p || !(*p >= 0 && *p <= 1))
                throw SearchUsageError{"--min-probability takes a number from 0 to 1"};
            o.minProbability = *p;
        } else if (a == "--samples") {
            o.samples = static_cast<std::size_t>(WholeRangeNumber(OptionValue(args, i, given)));
        } else if (a == "--write-best") {
            o.writeBest = FileNameValue(args, i, given);
        } else if (a.size() > 1 && a[0] == '-') {
            throw SearchUsageError{"unknown option " + a};
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1)
        throw SearchUsageError{"expects FILE, found " + (positional.empty()
                                                             ? std::string("none")
                                                             : std::to_string(positional.size()) + " arguments")};
    if (o.prices.empty())
        throw SearchUsageError{"--prices PRICES.csv is missing"};
    if (o.study.empty() != !o.minProbability)
        throw SearchUsageError{"--study and --min-probability go together"};
    o.project = positional[0];
    return o;
}

Project ReadProject(const std::string& path)
{
    std::optional<Project> data;
    try {
        data = ProjectFromBytes(ReadWholeFile(path), BaseName(path), Project{});
    } catch (const RuntimeError& e) {
        throw SearchFailure{path, e.description()};
    }
    if (!data)
        throw SearchFailure{path, "Invalid file format"};
    return *data;
}

void WriteBest(const std::string& path, Project data, const SearchProject& best)
{
    data.Support = best.support;
    data.Cost = best.cost;
    try {
        WriteProjectFile(path, data);
    } catch (const RuntimeError& e) {
        throw SearchFailure{path, e.description()};
    }
}

std::string AdvanceUnit(UnitSystem unitSystem)
{
    return unitSystem != UnitSystem::English ? "m" : "ft";
}

// The table: one row of cells per candidate under a heading row, each column
// right-aligned to its widest cell.
std::string CandidateTable(const SearchOutcome& outcome, UnitSystem u)
{
    std::vector<SearchRowTexts> rows = {SearchColumnHeadings(u)};
    for (std::size_t i = 0; i < outcome.ranked.size(); ++i)
        rows.push_back(SearchRowCells(outcome.ranked[i], i + 1));
    std::array<std::size_t, SearchColumnCount> widths{};
    for (const auto& row : rows)
        for (std::size_t k = 0; k < row.size(); ++k)
            widths[k] = std::max(widths[k], CharCount(row[k]));
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k)
            text += (k == 0 ? "" : "  ") + AlignRight(row[k], static_cast<int>(widths[k]));
        text += "\n";
    }
    return text;
}

std::string CountsLine(const SearchOutcome& outcome)
{
    return std::to_string(outcome.tried) + " candidates tried, " + std::to_string(outcome.skipped) +
           " skipped (outside the parameters editor's ranges), " + std::to_string(outcome.passed) + " passed\n";
}

nlohmann::json CandidateJson(const SearchCandidate& c, std::size_t rank, const std::vector<PriceRow>& prices)
{
    return {{"rank", rank},
            {"priceRow", c.priceRow + 1},
            {"name", prices[c.priceRow].name},
            {"length", JsonNumber(c.length)},
            {"diameter", JsonNumber(c.diameter)},
            {"grade", JsonNumber(c.grade)},
            {"price", JsonNumber(c.price)},
            {"boltsPerRow", c.boltsPerRow},
            {"spacing", JsonNumber(c.rowSpacing)},
            {"actualVELB", JsonNumber(c.actualVELB)},
            {"suggestedVELB", JsonNumber(c.suggestedVELB)},
            {"boltLengthDifference", JsonNumber(c.boltLengthDifference)},
            {"boltLength", BoltLengthWord(c)},
            {"costPerBolt", JsonNumber(c.costPerBolt)},
            {"costPerAdvance", JsonNumber(c.costPerAdvance)},
            {"costPerShift", JsonNumber(c.costPerShift)},
            {"costPerTon", JsonNumber(c.costPerTon)}};
}

// The outcome as one JSON document, the candidates written one by one as
// they are formatted, so that a long list never stands in memory as a tree.
// The layout is that of the whole document dumped with an indent of 2.
// A search at a reliability adds its members to the document (`extra`) and
// to each candidate (`decorate`, given the candidate's index).
void WriteOutcomeJson(CliStream& out, const SearchOptions& o, UnitSystem u, const SearchRanges& r,
                      const SearchOutcome& outcome, const std::vector<PriceRow>& prices,
                      const nlohmann::json& extra = nlohmann::json::object(),
                      const std::function<void(std::size_t, nlohmann::json&)>& decorate = {})
{
    static constexpr std::string_view kPlaceholder = "\"candidates\": null";
    nlohmann::json doc = {{"project", o.project},
                          {"prices", o.prices},
                          {"unitSystem", u != UnitSystem::English ? "metric" : "english"},
                          {"units",
                           {{"length", JsonUnitName(UnitKind::Length, u)},
                            {"diameter", JsonUnitName(UnitKind::Diameter, u)},
                            {"grade", JsonUnitName(UnitKind::Grade, u)},
                            {"advance", AdvanceUnit(u)}}},
                          {"boltsPerRow", {{"min", r.boltsMin}, {"max", r.boltsMax}}},
                          {"spacing", {{"min", r.spacingMin}, {"max", r.spacingMax}, {"step", r.spacingStep}}},
                          {"top", o.top},
                          {"tried", outcome.tried},
                          {"skipped", outcome.skipped},
                          {"passed", outcome.passed},
                          {"candidates", nullptr}};
    doc.update(extra);
    const std::string frame = doc.dump(2);
    const std::size_t at = frame.find(kPlaceholder);
    out << std::string_view(frame).substr(0, at) << "\"candidates\": ";
    if (outcome.ranked.empty()) {
        out << "[]";
    } else {
        out << "[";
        for (std::size_t i = 0; i < outcome.ranked.size(); ++i) {
            // An element of the top-level array sits two levels deep.
            nlohmann::json candidate = CandidateJson(outcome.ranked[i], i + 1, prices);
            if (decorate)
                decorate(i, candidate);
            const std::string element = candidate.dump(2);
            out << (i == 0 ? "\n    " : ",\n    ");
            for (char c : element) {
                out << c;
                if (c == '\n')
                    out << "    ";
            }
        }
        out << "\n  ]";
    }
    out << std::string_view(frame).substr(at + kPlaceholder.size()) << "\n";
}

// The study of --study resolved on the project, with --samples over it.
Study SearchStudy(const SearchOptions& o, const Project& data)
{
    Study study;
    try {
        study = ParseStudyJson(ReadWholeFile(o.study, MaxStudyFileBytes));
    } catch (const RuntimeError& e) {
        throw SearchFailure{o.study, e.description()};
    } catch (const StudyReadError& e) {
        throw SearchFailure{o.study, e.detail};
    }
    if (o.samples)
        study.samples = *o.samples;
    study = ResolvedStudy(study, data.Support);
    if (std::optional<std::string> problem = StudyProblem(study, data.units))
        throw SearchFailure{o.study, *problem};
    if (std::optional<std::string> problem = StudySearchProblem(study))
        throw SearchFailure{o.study, *problem};
    return study;
}

// The search at a reliability: the table gains P(pass) and its interval.
int ReliableSearch(const SearchOptions& o, const Project& data, const SearchRanges& ranges,
                   const std::vector<PriceRow>& prices, CliStream& out)
{
    const Study study = SearchStudy(o, data);
    const SearchProject project{data.units, data.Support, data.Cost};
    const ReliableOutcome found = SearchReliableDesigns(project, prices, ranges, study, *o.minProbability, o.top);
    SearchOutcome outcome;
    outcome.tried = found.tried;
    outcome.skipped = found.skipped;
    outcome.passed = found.ranked.size();
    for (const ReliableCandidate& c : found.ranked)
        outcome.ranked.push_back(c.candidate);
    if (!outcome.ranked.empty() && !o.writeBest.empty())
        WriteBest(o.writeBest, data, WithCandidate(project, outcome.ranked.front()));
    if (o.json) {
        const nlohmann::json extra = {{"study", o.study},
                                      {"minProbability", *o.minProbability},
                                      {"samples", study.samples},
                                      {"judged", found.judged}};
        WriteOutcomeJson(out, o, data.units, ranges, outcome, prices, extra, [&](std::size_t i, nlohmann::json& c) {
            c["pPass"] = found.ranked[i].pPass;
            c["interval"] = {found.ranked[i].pLow, found.ranked[i].pHigh};
        });
    } else if (outcome.ranked.empty()) {
        out << "No bolt pattern passes with a probability of at least " << GeneralNumber(*o.minProbability) << " ("
            << found.judged << " judged)\n";
    } else {
        const std::vector<std::string> lines = [&] {
            std::vector<std::string> v;
            std::string table = CandidateTable(outcome, data.units);
            for (std::size_t at = 0; at < table.size();) {
                const std::size_t end = table.find('\n', at);
                v.push_back(table.substr(at, end - at));
                at = end + 1;
            }
            return v;
        }();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out << lines[i];
            if (i == 0)
                out << "  P(pass)  95 % interval";
            else
                out << "  " << AlignRight(FormatNumber(found.ranked[i - 1].pPass, "0.0000"), 7) << "  "
                    << FormatNumber(found.ranked[i - 1].pLow, "0.0000") << "-"
                    << FormatNumber(found.ranked[i - 1].pHigh, "0.0000");
            out << "\n";
        }
        out << found.judged << " candidates judged on " << study.samples << " samples each\n";
    }
    return outcome.ranked.empty() ? CliNothingPasses : CliOk;
}

int Search(const SearchOptions& o, CliStream& out)
{
    const Project data = ReadProject(o.project);
    const SearchRanges ranges = ResolveRanges(o, data.units);
    const PriceListRead prices = ReadPriceListFile(o.prices);
    if (prices.problem)
        throw SearchFailure{o.prices, ProblemText(*prices.problem)};
    if (prices.rows.empty())
        throw SearchFailure{o.prices, "the price list holds its header but no bolts"};
    if (const std::optional<std::string> tooMany = SearchSizeProblem(prices.rows.size(), ranges))
        throw SearchFailure{o.prices, *tooMany};
    if (o.minProbability)
        return ReliableSearch(o, data, ranges, prices.rows, out);
    const SearchProject project{data.units, data.Support, data.Cost};
    const SearchOutcome outcome = SearchDesigns(project, prices.rows, ranges, o.top);
    if (!outcome.ranked.empty() && !o.writeBest.empty())
        WriteBest(o.writeBest, data, WithCandidate(project, outcome.ranked.front()));
    if (o.json)
        WriteOutcomeJson(out, o, data.units, ranges, outcome, prices.rows);
    else if (outcome.ranked.empty())
        out << "No bolt pattern passes the design check (" << outcome.tried << " tried, " << outcome.skipped
            << " skipped)\n";
    else
        out << CandidateTable(outcome, data.units) << CountsLine(outcome);
    return outcome.ranked.empty() ? CliNothingPasses : CliOk;
}

}  // namespace

int RunSearchCommand(const std::vector<std::string>& args, CliStream& out, CliStream& err, const std::string& usage)
{
    try {
        const SearchOptions options = ParseSearchOptions(args);
        ResolveRanges(options, UnitSystem::English);  // a range typed wrong is a usage error before any file is read
        return Search(options, out);
    } catch (const SearchUsageError& e) {
        ErrorLine(err, "search", e.detail);
        err << usage;
        return CliUsage;
    } catch (const SearchFailure& e) {
        ErrorLine(err, e.subject, e.description);
        return CliFailed;
    }
}

}  // namespace castovin
