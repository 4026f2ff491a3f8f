#include "cli/risk_command.h"

#include <cmath>
#include <optional>

#include "cli/cli.h"
#include "cli/cli_output.h"
#include "cli/json_report.h"
#include "core/files/study_memory.h"
#include "core/model/project.h"
#include "core/risk/risk_report.h"
#include "core/text/atomic_file.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "studyfile/study_file.h"
#include "studyfile/study_json.h"

namespace castovin {

using nlohmann::json;

namespace {

struct RiskUsageError {
    std::string detail;
};

struct RiskFailure {
    std::string subject;
    std::string description;
};

struct RiskOptions {
    std::vector<std::string> files;
    std::string study;
    std::optional<std::size_t> samples;
    std::optional<uint64_t> seed;
    std::optional<SamplingMethod> method;
    std::vector<VariedInput> vary;
    std::optional<double> minProbability;
    bool json = false;
    bool noHeader = false;
    std::string samplesOut;
    unsigned threads = 0;
};

uint64_t WholeOption(const std::string& option, const std::string& text, uint64_t max)
{
    const std::optional<double> v = ParseStrictNumber(text);
    if (!v || *v != std::floor(*v) || *v < 0 || *v > static_cast<double>(max))
        throw RiskUsageError{option + " takes a whole number from 0 to " + std::to_string(max)};
    return static_cast<uint64_t>(*v);
}

const std::string& Value(const std::vector<std::string>& args, std::size_t& i, std::vector<std::string>& given,
                         bool repeatable = false)
{
    if (!repeatable) {
        for (const std::string& g : given)
            if (g == args[i])
                throw RiskUsageError{args[i] + " is given twice"};
        given.push_back(args[i]);
    }
    if (i + 1 >= args.size() || args[i + 1].empty())
        throw RiskUsageError{args[i] + " needs a value"};
    return args[++i];
}

void ReadOption(RiskOptions& o, const std::vector<std::string>& args, std::size_t& i, std::vector<std::string>& given)
{
    const std::string& a = args[i];
    if (a == "--study") {
        o.study = Value(args, i, given);
    } else if (a == "--samples") {
        o.samples = WholeOption(a, Value(args, i, given), MaxStudySamples);
    } else if (a == "--seed") {
        o.seed = WholeOption(a, Value(args, i, given), uint64_t(1) << 53);
    } else if (a == "--threads") {
        o.threads = static_cast<unsigned>(WholeOption(a, Value(args, i, given), 256));
    } else if (a == "--method") {
        const std::string& m = Value(args, i, given);
        if (m != "lhs" && m != "mc")
            throw RiskUsageError{"--method takes lhs or mc"};
        o.method = m == "mc" ? SamplingMethod::MonteCarlo : SamplingMethod::LatinHypercube;
    } else if (a == "--vary") {
        try {
            o.vary.push_back(ParseVary(Value(args, i, given, true)));
        } catch (const StudyReadError& e) {
            throw RiskUsageError{e.detail};
        }
    } else if (a == "--min-probability") {
        const std::optional<double> p = ParseStrictNumber(Value(args, i, given));
        if (!p || !(*p >= 0 && *p <= 1))
            throw RiskUsageError{"--min-probability takes a number from 0 to 1"};
        o.minProbability = *p;
    } else if (a == "--samples-out") {
        o.samplesOut = Value(args, i, given);
    } else {
        throw RiskUsageError{"unknown option " + a};
    }
}

RiskOptions ParseRiskOptions(const std::vector<std::string>& args)
{
    RiskOptions o;
    std::vector<std::string> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json" || a == "--no-header") {
            for (const std::string& g : given)
                if (g == a)
                    throw RiskUsageError{a + " is given twice"};
            given.push_back(a);
            (a == "--json" ? o.json : o.noHeader) = true;
        } else if (a.size() > 1 && a[0] == '-') {
            ReadOption(o, args, i, given);
        } else if (a.empty()) {
            throw RiskUsageError{"a file name is empty"};
        } else {
            o.files.push_back(a);
        }
    }
    if (o.files.empty())
        throw RiskUsageError{"expects FILE..., found none"};
    if (!o.samplesOut.empty() && o.files.size() != 1)
        throw RiskUsageError{"--samples-out takes one FILE"};
    return o;
}

// The study a project is run with: the file's (or an empty one in the
// project's units), the options over it, resolved on the project.
Study StudyFor(const RiskOptions& o, const std::optional<Study>& file, const Project& project)
{
    Study study = file ? *file : Study{};
    if (!file)
        study.unitSystem = project.units;
    if (o.samples)
        study.samples = *o.samples;
    if (o.seed)
        study.seed = *o.seed;
    if (o.method)
        study.method = *o.method;
    for (const VariedInput& in : o.vary)
        SetInput(study, in);
    return ResolvedStudy(study, project.Support);
}

// One project; true when it meets --min-probability (or none is given).
bool RunOnProject(const RiskOptions& o, const std::optional<Study>& file, const std::string& name, const CliInput& in,
                  CliStream& out)
{
    Project project;
    try {
        project = ReadReportProject(name, in);
    } catch (const RuntimeError& e) {
        throw RiskFailure{name, e.description()};
    }
    const Study study = StudyFor(o, file, project);
    if (const std::optional<std::string> problem = StudyProblem(study, project.units))
        throw RiskFailure{o.study.empty() ? name : o.study, *problem};
    RiskControl control;
    control.threads = o.threads;
    const RiskRun run = RunStudy(project.Support, project.units, study, control);
    const bool meets = !o.minProbability || run.results.pPass >= *o.minProbability;
    if (o.json) {
        json doc = {{"file", name},
                    {"unitSystem", project.units != UnitSystem::English ? "metric" : "english"},
                    {"study", StudyJson(study, project.units)}};
        doc.update(RiskResultsJson(run.results));
        if (o.minProbability) {
            doc["minProbability"] = *o.minProbability;
            doc["meetsMinProbability"] = meets;
        }
        out << doc.dump() << "\n";
    } else {
        const ReportPages pages = BuildRiskReport(project, study, run.results, !o.noHeader);
        out << pages.listing << pages.results;
    }
    if (!o.samplesOut.empty()) {
        try {
            WriteFileAtomically(o.samplesOut, SamplesCsv(run.samples));
        } catch (const RuntimeError& e) {
            throw RiskFailure{o.samplesOut, e.description()};
        }
    }
    return meets;
}

std::optional<Study> ReadStudyFile(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    try {
        return ParseStudyJson(ReadWholeFile(path, MaxStudyFileBytes));
    } catch (const RuntimeError& e) {
        throw RiskFailure{path, e.description()};
    } catch (const StudyReadError& e) {
        throw RiskFailure{path, e.detail};
    }
}

}  // namespace

json StudyJson(const Study& study, UnitSystem u)
{
    json inputs = json::array();
    for (const VariedInput& in : study.inputs) {
        const Distribution& d = in.distribution;
        json entry = {{"field", StudyFieldName(in.field)},
                      {"label", StudyFieldLabel(in.field, u)},
                      {"distribution", DistributionName(d.kind)}};
        // The resolved study: every mean is a number here.
        PutDistributionParameters(entry, d, false);
        const TruncatedSampler s = InputSampler(in, u);
        entry["sampledOn"] = {s.low, s.high};
        inputs.push_back(entry);
    }
    return {{"method", SamplingMethodCode(study.method)},
            {"samples", study.samples},
            {"seed", study.seed},
            {"inputs", inputs}};
}

json RiskResultsJson(const RiskResults& r)
{
    json classes = json::object();
    for (std::size_t k = 0; k < SampleClassCount; ++k)
        classes[SampleClassCode(static_cast<SampleClass>(k))] = r.classCounts[k];
    json histogram = json::array();
    for (const HistogramBin& b : r.histogram)
        histogram.push_back({{"from", b.from}, {"to", b.to}, {"count", b.count}, {"cumulative", b.cumulative}});
    json sensitivity = json::array();
    for (const SensitivityRow& row : r.sensitivity)
        sensitivity.push_back({{"field", StudyFieldName(row.field)},
                               {"rankCorrelation", row.rankCorrelation},
                               {"varianceShare", row.varianceShare}});
    json margin = {{"count", r.marginCount}};
    if (r.marginCount > 0) {
        margin["mean"] = r.marginMean;
        margin["sd"] = r.marginSd;
        margin["percentiles"] = {{"p1", r.percentiles[0]},
                                 {"p5", r.percentiles[1]},
                                 {"p50", r.percentiles[2]},
                                 {"p95", r.percentiles[3]},
                                 {"p99", r.percentiles[4]}};
        margin["histogram"] = histogram;
    }
    return {{"samples", r.samples},
            {"pPass", r.pPass},
            {"interval", {r.pLow, r.pHigh}},
            {"beta", std::isfinite(r.beta) ? json(r.beta) : json(nullptr)},
            {"betaText", BetaText(r.beta)},
            {"classes", classes},
            {"warned", r.warned},
            {"margin", margin},
            {"sensitivity", sensitivity}};
}

int RunRiskCommand(const std::vector<std::string>& args, const CliInput& in, CliStream& out, CliStream& err,
                   const std::string& usage)
{
    RiskOptions options;
    try {
        options = ParseRiskOptions(args);
    } catch (const RiskUsageError& e) {
        ErrorLine(err, "risk", e.detail);
        err << usage;
        return CliUsage;
    }
    std::optional<Study> file;
    try {
        file = ReadStudyFile(options.study);
    } catch (const RiskFailure& e) {
        ErrorLine(err, e.subject, e.description);
        return CliFailed;
    }
    bool failed = false;
    bool below = false;
    for (const std::string& name : options.files) {
        try {
            below = !RunOnProject(options, file, name, in, out) || below;
        } catch (const RiskFailure& e) {
            ErrorLine(err, e.subject, e.description);
            failed = true;
        } catch (const std::bad_alloc&) {
            ErrorLine(err, name, StandardDescription(err::OutOfMemory));
            failed = true;
        }
        if (!OutputReached(out, err))
            return CliFailed;
    }
    return failed ? CliFailed : below ? CliBelowProbability : CliOk;
}

}  // namespace castovin
