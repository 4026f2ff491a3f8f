#pragma once
// frmGraph, "Graph": one curve of the suggested VELB index in a chart, with
// point identification, printing, copying, export to a workbook and the
// graph options dialog. The main window stays disabled while it is open.

#include <cstdint>
#include <vector>

#include <QMainWindow>

#include "core/model/curves.h"
#include "ui/app/window_context.h"

class QAction;
class QChart;
class QChartView;
class QGroupBox;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace castovin {

struct Project;
struct Environment;
struct Messenger;

class GraphView;

// Computes curve `graphIndex` (0..3) from the project and opens the graph
// window on it over the main window, which it disables until it closes. A
// curve without points opens no window; a message says why.
void OpenGraphWindow(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context,
                     int16_t graphIndex);

class GraphWindow : public QMainWindow {
    Q_OBJECT

public:
    GraphWindow(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context);
    ~GraphWindow() override;

    // Prepares the chart's axes, titles, grid and header for graph `index`.
    void GraphInit(int16_t index);
    // Loads the points into the chart and styles the curves and the legend.
    void DrawCurve(const std::vector<CurvePoint>& points);
    // The format in the settings record onto the chart as it is (the options
    // dialog's closing).
    void ApplyFormatToChart();
    // The chart's format back into the settings record (Form_Deactivate).
    void ReadFormatBack();

    void Print();
    void Export();
    void Copy();
    void TogglePointId();
    void OpenOptions();
    // Point identification at a position in the chart view's pixels.
    void PointerAt(const QPoint& position);

    int16_t CurrentGraph() const { return m_currentGraph; }
    int CurveCount() const { return m_curveCount; }
    QChart* Chart() const { return m_chart; }
    QChartView* View() const;
    // Curve c's line and symbol series (c from 0).
    QLineSeries* Lines(int c) const;
    QScatterSeries* Symbols(int c) const;
    // The data of curve c as the chart holds it.
    std::vector<CurvePoint> CurveData(int c) const;
    // Labels shown in the legend.
    int CurveLabelCount() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void BuildPointFrame();
    void StyleCurve(int c);
    void ApplyGrid();
    void ApplyLegend();
    void ExportTo(const QString& path, bool csv);

    Project& m_project;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    int16_t m_currentGraph = 0;
    int m_curveCount = 0;
    QChart* m_chart = nullptr;
    GraphView* m_view = nullptr;
    QValueAxis* m_x = nullptr;
    QValueAxis* m_y = nullptr;
    QGroupBox* m_frame = nullptr;
    QLabel* m_lblX = nullptr;
    QLabel* m_lblSF = nullptr;
    QLabel* m_lblCurve = nullptr;
    QAction* m_pointId = nullptr;
    std::vector<QLineSeries*> m_lines;
    std::vector<QScatterSeries*> m_symbols;
};

}  // namespace castovin
