#include "core/editing/graph_options.h"

#include <cmath>
#include <limits>

#include "core/model/curves.h"
#include "core/model/formulas.h"
#include "core/model/project.h"
#include "core/text/number_format.h"
#include "core/text/paths.h"

namespace castovin {

void SetDefaultGraphFormat(SettingsRecord& s, const GraphFormat& defaults, UnitSystem unitSystem)
{
    const std::string length(UnitLabel(UnitKind::Length, unitSystem));
    s.XAxisTitle[0] = defaults.XAxisTitle[0];
    s.XAxisTitle[1] = defaults.XAxisTitle[1] + length;
    s.XAxisTitle[2] = defaults.XAxisTitle[2];
    s.XAxisTitle[3] = defaults.XAxisTitle[3] + length;
    s.YAxisTitle0 = defaults.YAxisTitle;
    s.GraphTitle = defaults.GraphTitle;
    s.GraphStyle = defaults.GraphStyle;
    s.GraphUnits = UnitNumber(unitSystem);
    s.GridStyle = defaults.GridStyle;
    s.CurveLegend = defaults.CurveLegend;
    s.SymbolSize = defaults.SymbolSize;
}

bool NeedsDefaultFormat(const SettingsRecord& s, int16_t graph, UnitSystem unitSystem)
{
    return s.XAxisTitle.at(static_cast<std::size_t>(graph)).empty() || s.GraphUnits != UnitNumber(unitSystem);
}

bool HorizontalGrid(int16_t gridStyle)
{
    return gridStyle == 1 || gridStyle == 3;
}

bool VerticalGrid(int16_t gridStyle)
{
    return gridStyle == 2 || gridStyle == 3;
}

int16_t GridStyleOf(bool horizontal, bool vertical)
{
    return static_cast<int16_t>((horizontal ? 1 : 0) + (vertical ? 2 : 0));
}

bool DrawsLines(int16_t graphStyle)
{
    return graphStyle == 1 || graphStyle == 3;
}

bool DrawsSymbols(int16_t graphStyle)
{
    return graphStyle == 2 || graphStyle == 3;
}

void ReadChartBack(SettingsRecord& s, int16_t currentGraph, const ChartReading& chart)
{
    s.SymbolSize = chart.symbolSize;
    s.CurveLegend = chart.curveLabels > 0 ? 1 : 0;
    s.GraphTitle = chart.title;
    s.XAxisTitle.at(static_cast<std::size_t>(currentGraph)) = chart.xTitle;
    s.YAxisTitle0 = chart.yTitle;
    s.GridStyle = GridStyleOf(chart.horizontalGrid, chart.verticalGrid);
}

GraphOptionsFields GraphOptionsFromRecord(const SettingsRecord& s)
{
    GraphOptionsFields f;
    f.title = s.GraphTitle;
    f.xTitles = s.XAxisTitle;
    f.yTitle = s.YAxisTitle0;
    f.gridPosition = s.GridStyle;
    f.stylePosition = s.GraphStyle - 1;
    f.legend = s.CurveLegend == 1;
    f.symbolSize = s.SymbolSize;
    f.option = s.GraphSetParams;
    return f;
}

void CommitGraphOptions(SettingsRecord& s, const GraphOptionsFields& f)
{
    s.GraphTitle = f.title;
    s.XAxisTitle = f.xTitles;
    s.YAxisTitle0 = f.yTitle;
    s.GridStyle = static_cast<int16_t>(f.gridPosition);
    s.GraphStyle = static_cast<int16_t>(f.stylePosition + 1);
    s.CurveLegend = f.legend ? 1 : 0;
    s.SymbolSize = static_cast<int16_t>(f.symbolSize);
    s.GraphSetParams = static_cast<int16_t>(f.option);
}

void ChooseGraphOption(SettingsRecord& s, int option, const GraphFormat& defaults, UnitSystem unitSystem)
{
    if (option != 0)
        return;
    s.GraphSetParams = 0;
    SetDefaultGraphFormat(s, defaults, unitSystem);
}

bool GraphOptionsEditable(int option)
{
    return option == 1;
}

bool XTitleEditable(int box, int currentGraph, int option)
{
    return GraphOptionsEditable(option) && box == currentGraph;
}

bool SymbolSizeShown(int stylePosition)
{
    return stylePosition > 0;
}

std::optional<PointHit> NearestPoint(const std::vector<std::vector<PixelPoint>>& curves, int px, int py)
{
    std::optional<PointHit> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t c = 0; c < curves.size(); ++c) {
        for (std::size_t j = 0; j < curves[c].size(); ++j) {
            const double d = std::hypot(double(curves[c][j].x - px), double(curves[c][j].y - py));
            if (d < bestDistance) {
                bestDistance = d;
                best = PointHit{static_cast<int>(c), static_cast<int>(j), static_cast<int>(std::lround(d))};
            }
        }
    }
    return best;
}

std::string ExportFileName(const std::string& projectPath, int16_t graph)
{
    std::string name = BaseName(projectPath);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    if (name.empty())
        name = "Untitled";
    return name + "-" + GraphShortNames.at(static_cast<std::size_t>(graph)) + ".xlsx";
}

namespace {

// Why the CMRR curve is empty: its range is empty, or the suitability limit
// for the depth of cover cuts it before its start.
std::string EmptyCmrrCurveReason(const SupportRecord& s0, UnitSystem unitSystem)
{
    const CmrrCurveRange r = CmrrRange(s0, unitSystem);
    if (r.end < r.start)
        return "the CMRR curve starts at CMRR " + GeneralNumber(r.start) + ", above the project's CMRR " +
               GeneralNumber(s0.CMRR) + " + 10";
    if (r.cutEnd < r.start)
        return "the roof is too strong for the CMRR curve: at this depth of cover the VELB method ends at CMRR " +
               GeneralNumber(r.cutEnd) + ", below the curve's start at CMRR " + GeneralNumber(r.start);
    return "its lower limit lies above its upper limit";
}

}  // namespace

std::string EmptyCurveMessage(const SupportRecord& s0, UnitSystem unitSystem, int16_t graph)
{
    const std::string reason =
        graph == GraphCMRR ? EmptyCmrrCurveReason(s0, unitSystem) : "its lower limit lies above its upper limit";
    return "The chosen range holds no points: " + reason + ".";
}

}  // namespace castovin
