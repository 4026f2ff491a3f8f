#pragma once
// The graph format: the built-in format, when a graph falls back to it, how
// grid and graph styles decompose into what the chart draws, what the chart
// reads back into the settings record, and the graph options dialog's rules.
// Pure functions over the [Graph] fields of the settings record.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/config/settings.h"
#include "core/model/project.h"

namespace castovin {

struct SupportRecord;

// The built-in format of the graphs, set at start-up and never changed.
struct GraphFormat {
    std::string GraphTitle = "Castovin";
    std::array<std::string, 4> XAxisTitle = {"CMRR", "Depth of Cover", "Stability Factor", "Intersection Span"};
    std::string YAxisTitle = "Suggested VELB";
    int16_t GridStyle = 0;
    int16_t GraphStyle = 3;
    int16_t CurveLegend = 1;
    int16_t SymbolSize = 5;
};

// The label of every curve, in the legend, the point identification and the
// exported sheet.
inline constexpr const char* CurveLabel = "Sug.VELB";
inline constexpr int MaxCurves = 6;
inline constexpr int16_t MinSymbolSize = 3;
inline constexpr int16_t MaxSymbolSize = 20;
// How far (in whole pixels) the pointer may be from a point that it identifies.
inline constexpr int PointIdDistance = 3;

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};
// Colours of curves 1..6 (index 0..5); curves 5 and 6 are near black.
inline constexpr std::array<Rgb, MaxCurves> CurveColours = {Rgb{0, 0, 255}, Rgb{205, 92, 92}, Rgb{0, 0, 0},
                                                            Rgb{0, 100, 0}, Rgb{4, 0, 0},     Rgb{5, 0, 0}};

// The defaults in the record, the length titles labelled for `unitSystem`.
void SetDefaultGraphFormat(SettingsRecord& s, const GraphFormat& defaults, UnitSystem unitSystem);
// A graph starts from the defaults when its x title is empty or the titles
// were set for the other unit system.
bool NeedsDefaultFormat(const SettingsRecord& s, int16_t graph, UnitSystem unitSystem);

// Grid style 1 or 3 draws horizontal lines (the y axis's grid), 2 or 3
// vertical lines (the x axis's grid).
bool HorizontalGrid(int16_t gridStyle);
bool VerticalGrid(int16_t gridStyle);
int16_t GridStyleOf(bool horizontal, bool vertical);
// Graph style 1 or 3 draws lines, 2 or 3 symbols.
bool DrawsLines(int16_t graphStyle);
bool DrawsSymbols(int16_t graphStyle);

// What the chart shows, read back when the graph window loses the focus.
struct ChartReading {
    int16_t symbolSize = 5;
    int curveLabels = 0;
    std::string title;
    std::string xTitle;
    std::string yTitle;
    bool horizontalGrid = false;
    bool verticalGrid = false;
};
void ReadChartBack(SettingsRecord& s, int16_t currentGraph, const ChartReading& chart);

// The options dialog's controls.
struct GraphOptionsFields {
    std::string title;
    std::array<std::string, 4> xTitles{};
    std::string yTitle;
    int gridPosition = 0;   // -1: no entry
    int stylePosition = 0;  // -1: no entry
    bool legend = false;
    int symbolSize = 5;
    int option = 0;  // 0 the defaults, 1 the last used
};
GraphOptionsFields GraphOptionsFromRecord(const SettingsRecord& s);
// An accepted close: the controls into the record.
void CommitGraphOptions(SettingsRecord& s, const GraphOptionsFields& fields);
// Choosing an option; the defaults option puts the defaults into the record
// at once (a later Cancel keeps them).
void ChooseGraphOption(SettingsRecord& s, int option, const GraphFormat& defaults, UnitSystem unitSystem);
// The editing controls follow the option; of the four x titles only that of
// the graph shown is ever editable.
bool GraphOptionsEditable(int option);
bool XTitleEditable(int box, int currentGraph, int option);
// The symbol size means nothing for lines only (or no style chosen).
bool SymbolSizeShown(int stylePosition);

// Point identification over the points as the screen shows them, in whole pixels.
struct PixelPoint {
    int x = 0;
    int y = 0;
};
struct PointHit {
    int curve = -1;
    int point = -1;
    int distance = 0;  // rounded to a whole pixel
};
// The nearest point to (px, py) over every curve, or nothing without points.
std::optional<PointHit> NearestPoint(const std::vector<std::vector<PixelPoint>>& curves, int px, int py);

// The file name the export proposes: "<project name>-<graph>.xlsx".
std::string ExportFileName(const std::string& projectPath, int16_t graph);
// Why curve `graph` of the project holds no point, as the message says it.
std::string EmptyCurveMessage(const SupportRecord& s0, UnitSystem unitSystem, int16_t graph);

}  // namespace castovin
