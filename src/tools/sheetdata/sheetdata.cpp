// castovin-sheetdata: fills the reference-sheet templates with numbers the
// core computes, so the printed tables can never drift from the program.
//
// usage: castovin-sheetdata TEMPLATE.html OUT.html
//
// A marker comment on a line of its own is replaced by generated HTML:
//   <!--sheetdata:bolt-capacity english-->   table rows, capacity in tons
//   <!--sheetdata:bolt-capacity metric-->    table rows, capacity in kN
//   <!--sheetdata:units KIND-->              table rows of conversion factors,
//                                            KIND = length, load, load-gradient,
//                                            stress or stress-gradient
//   <!--sheetdata:report design|cost FILE--> a <pre> block with the report of
//                                            FILE (relative to the template),
//                                            as castovin-cli prints it
// These are the only lines that include the core; they name its folders.

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/model/formulas.h"
#include "core/text/number_format.h"
#include "core/tools/unit_calculator.h"

namespace castovin {
namespace {

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c != '\r')
            out += c;
    }
    return out;
}

// Bolt capacity for the common diameters and the program's built-in grades.
// A metric bolt is converted into working units and its capacity back into
// kN exactly as the design report does.
std::string BoltCapacityRows(bool metric)
{
    const std::vector<float> diameters =
        metric ? std::vector<float>{16, 18, 20, 22, 25} : std::vector<float>{0.5f, 0.625f, 0.75f, 0.875f, 1.0f};
    const std::vector<float> grades =
        metric ? std::vector<float>{380, 420, 520, 620} : std::vector<float>{55, 60, 75, 90};
    std::string html = std::string("<tr><th>Diameter ") + (metric ? "(mm)" : "(in)") + "</th>";
    for (float g : grades)
        html += "<th>" + GeneralNumber(g) + (metric ? " MPa" : " ksi") + "</th>";
    html += "</tr>\n";
    for (float d : diameters) {
        html += "<tr><td align=\"center\">" + GeneralNumber(d) + "</td>";
        for (float g : grades) {
            float capacity = 0;
            if (metric) {
                const float D = ToFloat(d / conv::MmPerInch);
                const float Gr = ToFloat(g * 1000000.0 / conv::PsiPerMPa / 1000);
                capacity = ToFloat(BoltCapacity(D, Gr) * 2000.0 * conv::MNPerKip);
            } else {
                capacity = BoltCapacity(d, g);
            }
            html += "<td align=\"right\">" + FormatNumber(capacity, "0.0") + "</td>";
        }
        html += "</tr>\n";
    }
    return html;
}

// One row per unit: what 1 of that unit is in every unit of its kind.
std::string UnitRows(const std::string& kindName)
{
    const std::vector<std::string> names = {"length", "load", "load-gradient", "stress", "stress-gradient"};
    std::size_t k = 0;
    while (k < names.size() && names[k] != kindName)
        ++k;
    if (k == names.size())
        throw std::runtime_error("unknown unit kind " + kindName);
    const QuantityKind kind = AllQuantityKinds[k];
    const auto& captions = UnitCaptions(kind);
    std::string html = "<tr><th>1 of</th>";
    for (const std::string& c : captions)
        html += "<th>" + Escape(c) + "</th>";
    html += "</tr>\n";
    for (std::size_t from = 0; from < captions.size(); ++from) {
        html += "<tr><td><b>" + Escape(captions[from]) + "</b></td>";
        for (std::size_t to = 0; to < captions.size(); ++to)
            html += "<td align=\"right\" style=\"white-space: nowrap; font-size: 8pt\">" +
                    GeneralNumber(ConvertUnits(kind, static_cast<int>(from), static_cast<int>(to), 1.0)) + "</td>";
        html += "</tr>\n";
    }
    return html;
}

std::string ReportBlock(const std::string& command, const std::string& file)
{
    CliStream out;
    CliStream err;
    if (RunCli({command, file, "--no-header"}, CliInput(), out, err) != CliOk)
        throw std::runtime_error(err.Text());
    return "<pre>" + Escape(out.Text()) + "</pre>\n";
}

std::string Expand(const std::string& marker, const std::string& templateFolder)
{
    std::istringstream words(marker);
    std::string what, arg;
    words >> what >> arg;
    if (what == "bolt-capacity")
        return BoltCapacityRows(arg == "metric");
    if (what == "units")
        return UnitRows(arg);
    if (what == "report") {
        std::string file;
        words >> file;
        return ReportBlock(arg, templateFolder + file);
    }
    throw std::runtime_error("unknown marker " + marker);
}

int Fill(const std::string& in, const std::string& out)
{
    std::ifstream source(in);
    if (!source)
        throw std::runtime_error(in + ": cannot be read");
    const std::size_t slash = in.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : in.substr(0, slash + 1);
    const std::string open = "<!--sheetdata:";
    std::string html, line;
    while (std::getline(source, line)) {
        const std::size_t at = line.find(open);
        const std::size_t end = line.find("-->", at == std::string::npos ? 0 : at);
        if (at != std::string::npos && end != std::string::npos)
            html += Expand(line.substr(at + open.size(), end - at - open.size()), folder);
        else
            html += line + "\n";
    }
    std::ofstream target(out, std::ios::binary);
    target << html;
    if (!target.flush())
        throw std::runtime_error(out + ": cannot be written");
    return 0;
}

}  // namespace
}  // namespace castovin

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: castovin-sheetdata TEMPLATE.html OUT.html\n";
        return 2;
    }
    try {
        return castovin::Fill(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "castovin-sheetdata: " << e.what() << "\n";
        return 1;
    }
}
