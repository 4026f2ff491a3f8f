#include "studyfile/study_file.h"
#include "studyfile/study_json.h"

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/text/number_format.h"

namespace castovin {

using nlohmann::json;

namespace {

[[noreturn]] void Refuse(const std::string& key, const std::string& reason)
{
    throw StudyReadError{key + ": " + reason};
}

void OnlyKeys(const json& object, const std::string& where, const std::set<std::string>& allowed)
{
    if (!object.is_object())
        Refuse(where.empty() ? "study" : where, "must be an object");
    for (const auto& item : object.items())
        if (!allowed.count(item.key()))
            Refuse(where.empty() ? item.key() : where + "." + item.key(), "unknown key");
}

double NumberAt(const json& object, const std::string& name, const std::string& where)
{
    if (!object.contains(name))
        Refuse(where + "." + name, "is missing");
    if (!object[name].is_number())
        Refuse(where + "." + name, "must be a number");
    return object[name].get<double>();
}

// The parameters a distribution takes, by kind.
const std::set<std::string>& ParameterKeys(DistributionKind kind)
{
    static const std::vector<std::set<std::string>> keys = {
        {"distribution", "value", "truncate"},
        {"distribution", "mean", "sd", "truncate"},
        {"distribution", "mean", "sd", "truncate"},
        {"distribution", "min", "max", "truncate"},
        {"distribution", "min", "mode", "max", "truncate"},
    };
    return keys[static_cast<std::size_t>(kind)];
}

VariedInput InputFromJson(const std::string& name, const json& entry)
{
    const std::string where = "inputs." + name;
    const std::optional<StudyField> field = StudyFieldOf(name);
    if (!field)
        Refuse(where, "unknown field");
    if (!entry.is_object() || !entry.contains("distribution") || !entry["distribution"].is_string())
        Refuse(where + ".distribution", "is missing");
    const std::optional<DistributionKind> kind = DistributionOf(entry["distribution"].get<std::string>());
    if (!kind)
        Refuse(where + ".distribution", "must be fixed, normal, lognormal, uniform or triangular");
    OnlyKeys(entry, where, ParameterKeys(*kind));
    VariedInput in;
    in.field = *field;
    Distribution& d = in.distribution;
    d.kind = *kind;
    switch (*kind) {
    case DistributionKind::Fixed:
        d.value = NumberAt(entry, "value", where);
        break;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        in.meanFromProject = !entry.contains("mean") || entry["mean"] == "-";
        if (!in.meanFromProject)
            d.mean = NumberAt(entry, "mean", where);
        d.sd = NumberAt(entry, "sd", where);
        break;
    case DistributionKind::Triangular:
        d.mode = NumberAt(entry, "mode", where);
        [[fallthrough]];
    case DistributionKind::Uniform:
        d.min = NumberAt(entry, "min", where);
        d.max = NumberAt(entry, "max", where);
        break;
    }
    if (entry.contains("truncate")) {
        const json& t = entry["truncate"];
        if (!t.is_array() || t.size() != 2 || !t[0].is_number() || !t[1].is_number())
            Refuse(where + ".truncate", "must be [MIN, MAX]");
        d.truncLow = t[0].get<double>();
        d.truncHigh = t[1].get<double>();
    }
    return in;
}

void ReadSampling(const json& s, Study& study)
{
    OnlyKeys(s, "sampling", {"method", "samples", "seed"});
    if (s.contains("method")) {
        if (s["method"] == "lhs")
            study.method = SamplingMethod::LatinHypercube;
        else if (s["method"] == "mc")
            study.method = SamplingMethod::MonteCarlo;
        else
            Refuse("sampling.method", "must be \"lhs\" or \"mc\"");
    }
    if (s.contains("samples")) {
        if (!s["samples"].is_number_unsigned())
            Refuse("sampling.samples", "must be from 100 to 10000000");
        study.samples = s["samples"].get<std::size_t>();
    }
    if (s.contains("seed")) {
        if (!s["seed"].is_number_unsigned())
            Refuse("sampling.seed", "must be a whole number from 0 to 18446744073709551615");
        study.seed = s["seed"].get<uint64_t>();
    }
}

std::vector<std::string> Split(const std::string& text, char at)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == at)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

double VaryNumber(const std::string& text, const std::string& where)
{
    const std::optional<double> v = ParseStrictNumber(text);
    if (!v || !std::isfinite(*v))
        Refuse(where, "\"" + text + "\" is not a number");
    return *v;
}

}  // namespace

Study ParseStudyJson(const std::string& text)
{
    const json doc = json::parse(text, nullptr, false);
    if (doc.is_discarded())
        Refuse("study", "is not JSON");
    OnlyKeys(doc, "", {"format", "unitSystem", "sampling", "inputs"});
    if (!doc.contains("format") || doc["format"] != StudyFormatVersion)
        Refuse("format", "must be " + std::to_string(StudyFormatVersion));
    Study study;
    if (!doc.contains("unitSystem") || (doc["unitSystem"] != "english" && doc["unitSystem"] != "metric"))
        Refuse("unitSystem", "must be \"english\" or \"metric\"");
    study.unitSystem = doc["unitSystem"] == "metric" ? UnitSystem::Metric : UnitSystem::English;
    if (doc.contains("sampling"))
        ReadSampling(doc["sampling"], study);
    if (doc.contains("inputs")) {
        if (!doc["inputs"].is_object())
            Refuse("inputs", "must be an object");
        for (const auto& item : doc["inputs"].items())
            study.inputs.push_back(InputFromJson(item.key(), item.value()));
    }
    return study;
}

void PutDistributionParameters(json& entry, const Distribution& d, bool meanFromProject)
{
    switch (d.kind) {
    case DistributionKind::Fixed:
        entry["value"] = d.value;
        break;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        entry["mean"] = meanFromProject ? json("-") : json(d.mean);
        entry["sd"] = d.sd;
        break;
    case DistributionKind::Triangular:
        entry["mode"] = d.mode;
        [[fallthrough]];
    case DistributionKind::Uniform:
        entry["min"] = d.min;
        entry["max"] = d.max;
        break;
    }
}

std::string StudyJson(const Study& study)
{
    json inputs = json::object();
    for (const VariedInput& in : study.inputs) {
        const Distribution& d = in.distribution;
        json entry = {{"distribution", DistributionName(d.kind)}};
        PutDistributionParameters(entry, d, in.meanFromProject);
        // A truncation has both ends, in the file as on the command line.
        if (d.truncLow && d.truncHigh)
            entry["truncate"] = {*d.truncLow, *d.truncHigh};
        inputs[StudyFieldName(in.field)] = entry;
    }
    const json doc = {
        {"format", StudyFormatVersion},
        {"unitSystem", study.unitSystem == UnitSystem::Metric ? "metric" : "english"},
        {"sampling",
         {{"method", study.method == SamplingMethod::MonteCarlo ? "mc" : "lhs"},
          {"samples", study.samples},
          {"seed", study.seed}}},
        {"inputs", inputs},
    };
    return doc.dump(2) + "\n";
}

VariedInput ParseVary(const std::string& text)
{
    const std::size_t eq = text.find('=');
    const std::string name = text.substr(0, eq);
    const std::string where = "--vary " + name;
    if (eq == std::string::npos)
        Refuse("--vary " + text, "takes FIELD=DIST:P1:P2[:P3][@MIN:MAX]");
    VariedInput in;
    const std::optional<StudyField> field = StudyFieldOf(name);
    if (!field)
        Refuse(where, "unknown field");
    in.field = *field;
    std::string entry = text.substr(eq + 1);
    const std::size_t at = entry.find('@');
    Distribution& d = in.distribution;
    if (at != std::string::npos) {
        const std::vector<std::string> bounds = Split(entry.substr(at + 1), ':');
        if (bounds.size() != 2)
            Refuse(where, "truncation takes @MIN:MAX");
        d.truncLow = VaryNumber(bounds[0], where);
        d.truncHigh = VaryNumber(bounds[1], where);
        entry.resize(at);
    }
    const std::vector<std::string> p = Split(entry, ':');
    const std::optional<DistributionKind> kind = DistributionOf(p[0]);
    if (!kind)
        Refuse(where, "DIST must be fixed, normal, lognormal, uniform or triangular");
    d.kind = *kind;
    static constexpr std::size_t kCounts[] = {1, 2, 2, 2, 3};
    static constexpr const char* kShapes[] = {"fixed:VALUE", "normal:MEAN:SD", "lognormal:MEAN:SD", "uniform:MIN:MAX",
                                              "triangular:MIN:MODE:MAX"};
    const std::size_t k = static_cast<std::size_t>(*kind);
    if (p.size() != kCounts[k] + 1)
        Refuse(where, std::string("takes ") + kShapes[k]);
    switch (*kind) {
    case DistributionKind::Fixed:
        d.value = VaryNumber(p[1], where);
        break;
    case DistributionKind::Normal:
    case DistributionKind::Lognormal:
        in.meanFromProject = p[1] == "-";
        if (!in.meanFromProject)
            d.mean = VaryNumber(p[1], where);
        d.sd = VaryNumber(p[2], where);
        break;
    case DistributionKind::Uniform:
        d.min = VaryNumber(p[1], where);
        d.max = VaryNumber(p[2], where);
        break;
    case DistributionKind::Triangular:
        d.min = VaryNumber(p[1], where);
        d.mode = VaryNumber(p[2], where);
        d.max = VaryNumber(p[3], where);
        break;
    }
    return in;
}

}  // namespace castovin
