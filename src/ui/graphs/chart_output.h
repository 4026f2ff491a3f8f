#pragma once
// What the program's charts share: the graph window's look (title and axis
// fonts, axis lines) and their copy and print, so that every chart reads
// and leaves the program alike.

#include <string>

#include <QFont>
#include <QString>

class QAbstractAxis;
class QChart;
class QChartView;
class QWidget;

namespace castovin {

struct Environment;
struct Messenger;
struct Project;
struct WindowContext;

// The chart's title in 15 points.
void StyleChartTitle(QChart* chart);
// Axis labels in 10 points, a 2-pixel axis line, no minor grid.
void StyleChartAxis(QAbstractAxis* axis);

// The chart onto the clipboard as a bitmap at twice the screen's resolution
// (sharp in a document) and as SVG titled `title`.
void CopyChart(QChartView* view, const QString& title, const WindowContext& context);

// Asks for a printer, then prints the project title, the project's file
// name and the date above the chart, which fills the rest of the page as far
// as its proportions allow. `history` goes to the history window once the
// printer is chosen.
void PrintChart(QWidget* parent, QChartView* view, const Project& project, const Environment& environment,
                Messenger& messenger, const WindowContext& context, const std::string& history);

}  // namespace castovin
