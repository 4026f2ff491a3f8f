#include "core/risk/risk_report.h"

#include <cmath>

#include "core/model/report_lines.h"
#include "core/text/number_format.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

constexpr const char* kEnd = "\r\n";
constexpr int kInputColumn = 44;

std::string Line(std::string_view label, std::string_view value)
{
    return ValueLine(label, value) + kEnd;
}

std::string Share(std::size_t count, std::size_t total)
{
    return FormatNumber(total ? static_cast<double>(count) / static_cast<double>(total) : 0.0, "0.0000");
}

std::string PadRight(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width)
        text.append(static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string StudySection(const Study& study, UnitSystem u)
{
    std::string out = std::string("[PROBABILISTIC DESIGN STUDY]") + kEnd + kEnd;
    if (study.inputs.empty())
        out += std::string("No input is varied: every value is the project's.") + kEnd;
    for (const VariedInput& in : study.inputs)
        out += Line(StudyFieldLabel(in.field, u), DistributionText(in.distribution));
    out += std::string(kEnd) + "[SAMPLING]" + kEnd + kEnd;
    out += Line("Method", SamplingMethodName(study.method));
    out += Line("Samples", std::to_string(study.samples));
    out += Line("Seed", std::to_string(study.seed));
    return out + kEnd;
}

std::string ProbabilitySection(const RiskResults& r, UnitSystem u)
{
    std::string out = std::string("[PROBABILITY OF PASSING]") + kEnd + kEnd;
    out += Line("Probability of passing", FormatNumber(r.pPass, "0.0000"));
    out += Line("95 % interval (Wilson)", FormatNumber(r.pLow, "0.0000") + " to " + FormatNumber(r.pHigh, "0.0000"));
    out += Line("Reliability index (beta)", BetaText(r.beta));
    out += std::string(kEnd) + "[OUTCOMES (share of the samples)]" + kEnd + kEnd;
    const auto& c = r.classCounts;
    out += Line("Pass", Share(c[0], r.samples));
    out += Line("VELB method does not apply", Share(c[1], r.samples));
    out += Line("Actual VELB below suggested VELB", Share(c[2], r.samples));
    out += Line(u != UnitSystem::English ? "Bolt shorter than suggested by more than 30 cm"
                                         : "Bolt shorter than suggested by more than 1 foot",
                Share(c[3], r.samples));
    out += Line("Values the parameters editor warns about", Share(r.warned, r.samples));
    return out + kEnd;
}

std::string HistogramTable(const RiskResults& r)
{
    std::string out = std::string("[MARGIN HISTOGRAM]") + kEnd + kEnd;
    out += AlignRight("From", 10) + AlignRight("To", 10) + AlignRight("Samples", 12) + AlignRight("Share", 10) +
           AlignRight("Cumulative", 12) + kEnd;
    for (const HistogramBin& b : r.histogram)
        out += AlignRight(FormatNumber(b.from, "0.000"), 10) + AlignRight(FormatNumber(b.to, "0.000"), 10) +
               AlignRight(std::to_string(b.count), 12) + AlignRight(Share(b.count, r.marginCount), 10) +
               AlignRight(FormatNumber(b.cumulative, "0.0000"), 12) + kEnd;
    return out + kEnd;
}

std::string MarginSection(const RiskResults& r)
{
    std::string out = std::string("[VELB MARGIN (actual / suggested VELB, Bolt System #1)]") + kEnd + kEnd;
    out += Line("Samples where the VELB method applies", std::to_string(r.marginCount));
    if (r.marginCount == 0)
        return out + kEnd;
    out += Line("Mean", FormatNumber(r.marginMean, "0.000"));
    out += Line("Standard deviation", FormatNumber(r.marginSd, "0.000"));
    static constexpr const char* kNames[] = {"1st percentile", "5th percentile", "Median (50th percentile)",
                                             "95th percentile", "99th percentile"};
    for (std::size_t k = 0; k < r.percentiles.size(); ++k)
        out += Line(kNames[k], FormatNumber(r.percentiles[k], "0.000"));
    return out + kEnd + HistogramTable(r);
}

std::string SensitivitySection(const RiskResults& r, UnitSystem u)
{
    std::string out = std::string("[SENSITIVITY (rank correlation with the margin)]") + kEnd + kEnd;
    if (r.sensitivity.empty())
        return out + "No varied input changes the margin." + kEnd + kEnd;
    out += PadRight("Input", kInputColumn) + AlignRight("Rank corr.", 12) + AlignRight("Share", 10) + kEnd;
    for (const SensitivityRow& row : r.sensitivity)
        out += PadRight(StudyFieldLabel(row.field, u), kInputColumn) +
               AlignRight(FormatNumber(row.rankCorrelation, "0.000"), 12) +
               AlignRight(FormatNumber(row.varianceShare, "0.000"), 10) + kEnd;
    return out + kEnd;
}

}  // namespace

const char* SamplingMethodName(SamplingMethod method)
{
    return method == SamplingMethod::MonteCarlo ? "Monte Carlo" : "Latin Hypercube";
}

const char* SamplingMethodCode(SamplingMethod method)
{
    return method == SamplingMethod::MonteCarlo ? "mc" : "lhs";
}

std::string BetaText(double beta)
{
    if (beta > 8)
        return "> 8";
    if (beta < -8)
        return "< -8";
    return FormatNumber(beta, "0.00");
}

std::string RiskReportText(const Study& study, const RiskResults& r, UnitSystem u)
{
    return StudySection(study, u) + ProbabilitySection(r, u) + MarginSection(r) + SensitivitySection(r, u);
}

ReportPages BuildRiskReport(const Project& project, const Study& study, const RiskResults& r, bool withHeader)
{
    ReportPages pages = BuildReport(project, project.Support, project.Cost, ReportType::Design, withHeader);
    pages.results = RiskReportText(study, r, project.units);
    return pages;
}

std::string SamplesCsv(const RiskSamples& s)
{
    std::string text = "sample";
    for (StudyField f : s.fields)
        text += std::string(",") + StudyFieldName(f);
    text += ",margin,class\n";
    for (std::size_t i = 0; i < s.Count(); ++i) {
        text += std::to_string(i + 1);
        for (const std::vector<float>& column : s.values)
            text += "," + GeneralNumber(column[i]);
        text += "," + (std::isnan(s.margin[i]) ? std::string() : GeneralNumber(s.margin[i]));
        text += std::string(",") + SampleClassCode(s.classes[i]) + "\n";
    }
    return text;
}

}  // namespace castovin
