#pragma once
// The probabilistic window's three charts: the margin's histogram, its
// cumulative curve and the tornado of the inputs' rank correlations. They
// are drawn with Qt Charts, which the graph window's module holds, so the
// window gets them from the late windows when it opens.

#include <QString>

class QWidget;

namespace castovin {

struct RiskChartData;

enum class RiskChartKind : int { Histogram = 0, Cumulative = 1, Tornado = 2 };
inline constexpr int RiskChartCount = 3;

class RiskCharts {
public:
    virtual ~RiskCharts() = default;
    // The chart with its line of pointed values, made once; owned by the
    // window the charts were made for.
    virtual QWidget* View(RiskChartKind kind) = 0;
    // The charts of a complete run; empty data leaves the charts empty.
    virtual void Show(const RiskChartData& data) = 0;
    // What the pointer shows, or "" when it is off the chart's data.
    virtual QString Pointed(RiskChartKind kind) const = 0;
    virtual void Copy(RiskChartKind kind) = 0;
    virtual void Print(RiskChartKind kind) = 0;
};

}  // namespace castovin
