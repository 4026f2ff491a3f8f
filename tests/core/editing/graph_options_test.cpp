#include <gtest/gtest.h>

#include "core/editing/graph_options.h"
#include "core/model/curves.h"
#include "core/model/project.h"
#include "core/text/messages.h"

namespace castovin {
namespace {

TEST(GraphFormatDefaults, LengthTitlesCarryTheUnitOfTheProject)
{
    SettingsRecord s;
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::English);
    EXPECT_EQ(s.XAxisTitle[0], "CMRR");
    EXPECT_EQ(s.XAxisTitle[1], "Depth of Cover (ft)");
    EXPECT_EQ(s.XAxisTitle[2], "Stability Factor");
    EXPECT_EQ(s.XAxisTitle[3], "Intersection Span (ft)");
    EXPECT_EQ(s.GraphUnits, UnitNumber(UnitSystem::English));

    // A metric graph after English titles: the units differ, so the defaults
    // come back with metres.
    EXPECT_TRUE(NeedsDefaultFormat(s, 1, UnitSystem::Metric));
    EXPECT_FALSE(NeedsDefaultFormat(s, 1, UnitSystem::English));
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::Metric);
    EXPECT_EQ(s.XAxisTitle[1], "Depth of Cover (m)");
    EXPECT_EQ(s.XAxisTitle[3], "Intersection Span (m)");
    EXPECT_EQ(s.GraphUnits, UnitNumber(UnitSystem::Metric));
}

TEST(GraphFormatDefaults, AnEmptyTitleOfTheGraphShownBringsTheDefaults)
{
    SettingsRecord s;
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::English);
    s.XAxisTitle[2].clear();
    EXPECT_TRUE(NeedsDefaultFormat(s, 2, UnitSystem::English));
    EXPECT_FALSE(NeedsDefaultFormat(s, 0, UnitSystem::English));
}

TEST(GraphFormatDefaults, EveryFormatFieldIsReset)
{
    SettingsRecord s;
    s.GraphTitle = "Mine 4";
    s.YAxisTitle0 = "VELB";
    s.GridStyle = 3;
    s.GraphStyle = 1;
    s.CurveLegend = 0;
    s.SymbolSize = 17;
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::English);
    EXPECT_EQ(s.GraphTitle, "Castovin");
    EXPECT_EQ(s.YAxisTitle0, "Suggested VELB");
    EXPECT_EQ(s.GridStyle, 0);
    EXPECT_EQ(s.GraphStyle, 3);
    EXPECT_EQ(s.CurveLegend, 1);
    EXPECT_EQ(s.SymbolSize, 5);
}

TEST(GraphStyles, GridAndGraphStylesSplitIntoWhatIsDrawn)
{
    EXPECT_FALSE(HorizontalGrid(0) || VerticalGrid(0));
    EXPECT_TRUE(HorizontalGrid(1) && !VerticalGrid(1));
    EXPECT_TRUE(!HorizontalGrid(2) && VerticalGrid(2));
    EXPECT_TRUE(HorizontalGrid(3) && VerticalGrid(3));
    for (int16_t g = 0; g <= 3; ++g)
        EXPECT_EQ(GridStyleOf(HorizontalGrid(g), VerticalGrid(g)), g);

    EXPECT_TRUE(DrawsLines(1) && !DrawsSymbols(1));
    EXPECT_TRUE(!DrawsLines(2) && DrawsSymbols(2));
    EXPECT_TRUE(DrawsLines(3) && DrawsSymbols(3));
}

TEST(GraphReadBack, TheChartOverwritesOnlyTheTitleOfTheGraphShown)
{
    SettingsRecord s;
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::English);
    ChartReading chart{12, 0, "Panel 7", "Depth below surface", "VELB", false, true};
    ReadChartBack(s, 1, chart);
    EXPECT_EQ(s.XAxisTitle[1], "Depth below surface");
    EXPECT_EQ(s.XAxisTitle[0], "CMRR");
    EXPECT_EQ(s.XAxisTitle[3], "Intersection Span (ft)");
    EXPECT_EQ(s.GraphTitle, "Panel 7");
    EXPECT_EQ(s.YAxisTitle0, "VELB");
    EXPECT_EQ(s.SymbolSize, 12);
    EXPECT_EQ(s.CurveLegend, 0);
    EXPECT_EQ(s.GridStyle, 2);

    chart.curveLabels = 2;
    chart.horizontalGrid = true;
    chart.verticalGrid = false;
    ReadChartBack(s, 1, chart);
    EXPECT_EQ(s.CurveLegend, 1);
    EXPECT_EQ(s.GridStyle, 1);
}

TEST(GraphOptionsDialog, ControlsShowTheRecordAndCommitBack)
{
    SettingsRecord s;
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::Metric);
    s.GraphStyle = 2;
    s.GraphSetParams = 1;
    GraphOptionsFields f = GraphOptionsFromRecord(s);
    EXPECT_EQ(f.stylePosition, 1);
    EXPECT_EQ(f.gridPosition, 0);
    EXPECT_TRUE(f.legend);
    EXPECT_EQ(f.option, 1);
    EXPECT_EQ(f.xTitles[1], "Depth of Cover (m)");

    f.title = "";
    f.xTitles[3] = "Span";
    f.gridPosition = 3;
    f.stylePosition = 0;
    f.legend = false;
    f.symbolSize = 20;
    f.option = 0;
    CommitGraphOptions(s, f);
    EXPECT_EQ(s.GraphTitle, "");
    EXPECT_EQ(s.XAxisTitle[3], "Span");
    EXPECT_EQ(s.GridStyle, 3);
    EXPECT_EQ(s.GraphStyle, 1);
    EXPECT_EQ(s.CurveLegend, 0);
    EXPECT_EQ(s.SymbolSize, 20);
    EXPECT_EQ(s.GraphSetParams, 0);
}

TEST(GraphOptionsDialog, TheDefaultsOptionResetsTheRecordAtOnce)
{
    SettingsRecord s;
    SetDefaultGraphFormat(s, GraphFormat{}, UnitSystem::English);
    s.GraphSetParams = 1;
    s.GraphTitle = "Mine";
    s.GridStyle = 2;
    ChooseGraphOption(s, 1, GraphFormat{}, UnitSystem::English);
    EXPECT_EQ(s.GraphTitle, "Mine");
    EXPECT_EQ(s.GraphSetParams, 1);
    ChooseGraphOption(s, 0, GraphFormat{}, UnitSystem::English);
    EXPECT_EQ(s.GraphTitle, "Castovin");
    EXPECT_EQ(s.GridStyle, 0);
    EXPECT_EQ(s.GraphSetParams, 0);
}

TEST(GraphOptionsDialog, OnlyTheShownGraphsXTitleIsEditable)
{
    for (int box = 0; box < 4; ++box) {
        EXPECT_EQ(XTitleEditable(box, 1, 1), box == 1) << box;
        EXPECT_FALSE(XTitleEditable(box, 1, 0)) << box;
    }
    EXPECT_TRUE(GraphOptionsEditable(1));
    EXPECT_FALSE(GraphOptionsEditable(0));
}

TEST(GraphOptionsDialog, SymbolSizeIsHiddenForLinesOnlyAndNoStyle)
{
    EXPECT_FALSE(SymbolSizeShown(-1));
    EXPECT_FALSE(SymbolSizeShown(0));
    EXPECT_TRUE(SymbolSizeShown(1));
    EXPECT_TRUE(SymbolSizeShown(2));
}

TEST(PointIdentification, NearestPointOverAllCurvesWithItsDistance)
{
    EXPECT_FALSE(NearestPoint({}, 10, 10).has_value());
    EXPECT_FALSE(NearestPoint({{}, {}}, 10, 10).has_value());

    const std::vector<std::vector<PixelPoint>> curves = {{{100, 50}, {140, 60}}, {{120, 80}, {103, 50}}};
    std::optional<PointHit> hit = NearestPoint(curves, 106, 50);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->curve, 1);
    EXPECT_EQ(hit->point, 1);
    EXPECT_EQ(hit->distance, 3);

    hit = NearestPoint(curves, 136, 60);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->curve, 0);
    EXPECT_EQ(hit->point, 1);
    EXPECT_EQ(hit->distance, 4);
    // A diagonal of 3 by 3 pixels lies about 4.24 pixels away.
    EXPECT_EQ(NearestPoint(curves, 97, 47)->distance, 4);
}

TEST(GraphExport, TheProposedNameIsTheProjectAndTheGraph)
{
    EXPECT_EQ(ExportFileName("/home/ann/Documents/MyTELVOR/Panel 4.vlb", GraphDepth), "Panel 4-depth.xlsx");
    EXPECT_EQ(ExportFileName("/data/mine.v2.VLB", GraphCMRR), "mine.v2-cmrr.xlsx");
    EXPECT_EQ(ExportFileName("/data/plain", GraphStabilityFactor), "plain-sf.xlsx");
    EXPECT_EQ(ExportFileName("", GraphSpan), "Untitled-span.xlsx");
}

TEST(GraphExport, AnEmptyCurveSaysWhy)
{
    RecordingMessageBox box;
    Messenger messenger(box);
    SupportRecord s0;
    s0.CMRR = 21;
    s0.DepthofCover = 400;
    s0.StabilityFactor = 1.2f;
    s0.ActualInterSpan = 30;
    ASSERT_TRUE(ComputeCurve(s0, UnitSystem::English, GraphCMRR, messenger).empty());
    EXPECT_EQ(EmptyCurveMessage(s0, UnitSystem::English, GraphCMRR),
              "The chosen range holds no points: the CMRR curve starts at CMRR 35, above the project's CMRR 21 + 10.");

    // At 400 ft the method ends at 21.6 + 11.5 log10(400), about 51.5; a roof
    // of CMRR 80 starts its curve at 70.
    s0.CMRR = 80;
    ASSERT_TRUE(ComputeCurve(s0, UnitSystem::English, GraphCMRR, messenger).empty());
    EXPECT_EQ(EmptyCurveMessage(s0, UnitSystem::English, GraphCMRR),
              "The chosen range holds no points: the roof is too strong for the CMRR curve: at this depth of "
              "cover the VELB method ends at CMRR 51, below the curve's start at CMRR 70.");
}

}  // namespace
}  // namespace castovin
