#pragma once
// The probabilistic window's charts in Qt Charts, in the graph window's
// look: the histogram of the margin with the pass line at 1 and the failing
// bins in another colour, the cumulative curve with P(pass) marked, and the
// tornado of rank correlations. Pointing at a bar or point shows its values
// under the chart and as a tool tip.

#include <array>

#include <QObject>

#include "core/risk/risk_charts.h"
#include "ui/app/window_context.h"
#include "ui/risk/risk_charts.h"

class QChart;
class QChartView;
class QLabel;

namespace castovin {

struct Environment;
struct Messenger;
struct Project;

class RiskChartsPane final : public QObject, public RiskCharts {
    Q_OBJECT

public:
    RiskChartsPane(QWidget* parent, const Project& project, const Environment& environment, Messenger& messenger,
                   const WindowContext& context);

    QWidget* View(RiskChartKind kind) override;
    void Show(const RiskChartData& data) override;
    QString Pointed(RiskChartKind kind) const override;
    void Copy(RiskChartKind kind) override;
    void Print(RiskChartKind kind) override;

    // The values under a position in the chart's pixels.
    void PointerAt(RiskChartKind kind, const QPoint& position);

private:
    struct Chart {
        QWidget* frame = nullptr;
        QChart* chart = nullptr;
        QChartView* view = nullptr;
        QLabel* pointed = nullptr;
    };
    Chart& Of(RiskChartKind kind) { return m_charts[static_cast<std::size_t>(kind)]; }
    const Chart& Of(RiskChartKind kind) const { return m_charts[static_cast<std::size_t>(kind)]; }
    void ShowHistogram();
    void ShowCumulative();
    void ShowTornado();
    // Removes the series and axes of a chart and gives it its title.
    void Restart(RiskChartKind kind, const QString& title);
    void ApplyGrid(RiskChartKind kind);

    const Project& m_project;
    const Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    QWidget* m_parent;
    RiskChartData m_data;
    std::array<Chart, RiskChartCount> m_charts;
};

// The charts for `parent`, which owns them.
RiskCharts* MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                           Messenger& messenger, const WindowContext& context);

}  // namespace castovin
