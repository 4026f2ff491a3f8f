#include "ui/graphs/risk_charts_pane.h"

#include <algorithm>
#include <cmath>

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/config/environment.h"
#include "core/editing/graph_options.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/graphs/chart_output.h"

namespace castovin {

namespace {

const QColor kPassing(0, 0, 255);
const QColor kFailing(205, 92, 92);
const QColor kPassLine(0, 0, 0);
constexpr int kPassLineWidth = 2;
constexpr int kCurveWidth = 3;

const char* const kTitles[RiskChartCount] = {"Histogram of the VELB Margin", "Cumulative Curve of the VELB Margin",
                                             "Rank Correlation with the VELB Margin"};
const char* const kMarginTitle = "VELB margin (actual VELB / suggested VELB)";

// The chart view tells the pane where the pointer is.
class PointedView final : public QChartView {
public:
    PointedView(QChart* chart, RiskChartsPane& pane, RiskChartKind kind) : QChartView(chart), m_pane(pane), m_kind(kind)
    {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_pane.PointerAt(m_kind, event->position().toPoint());
        QChartView::mouseMoveEvent(event);
    }

private:
    RiskChartsPane& m_pane;
    RiskChartKind m_kind;
};

QValueAxis* ValueAxis(QChart* chart, Qt::Alignment side, const QString& title, double low, double high)
{
    auto* axis = new QValueAxis;
    StyleChartAxis(axis);
    axis->setTitleText(title);
    axis->setRange(low, high);
    chart->addAxis(axis, side);
    return axis;
}

// The margin's axis over the data and the pass line, with a little room.
QValueAxis* MarginAxis(QChart* chart, double low, double high)
{
    low = std::min(low, 1.0);
    high = std::max(high, 1.0);
    const double room = std::max((high - low) * 0.03, 0.01);
    QValueAxis* axis = ValueAxis(chart, Qt::AlignBottom, kMarginTitle, low - room, high + room);
    // Ticks of 1, 2 or 5 times a power of ten, one of them on the pass line.
    const double rough = (high - low + 2 * room) / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double step = rough / power < 2 ? power : rough / power < 5 ? 2 * power : 5 * power;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(1.0);
    axis->setTickInterval(step);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    axis->setLabelFormat(QString("%.%1f").arg(decimals));
    return axis;
}

void Attach(QChart* chart, QAbstractSeries* series)
{
    chart->addSeries(series);
    for (QAbstractAxis* axis : chart->axes())
        series->attachAxis(axis);
}

QLineSeries* PassLine(double top)
{
    auto* line = new QLineSeries;
    line->setName("Pass line (margin 1)");
    line->append(1, 0);
    line->append(1, top);
    line->setPen(QPen(kPassLine, kPassLineWidth, Qt::DashLine));
    return line;
}

// The bars of one colour as a filled outline of steps from the x axis up.
QAreaSeries* Bars(const std::vector<MarginBar>& bars, bool failing, const QString& name, const QColor& colour)
{
    auto* upper = new QLineSeries;
    for (const MarginBar& b : bars) {
        if (b.failing != failing)
            continue;
        const auto count = static_cast<qreal>(b.count);
        upper->append(b.from, 0);
        upper->append(b.from, count);
        upper->append(b.to, count);
        upper->append(b.to, 0);
    }
    auto* area = new QAreaSeries(upper);
    // The area series draws the line series but does not own it.
    upper->setParent(area);
    area->setName(name);
    area->setBrush(colour);
    area->setPen(QPen(colour.darker(150), 1));
    return area;
}

}  // namespace

RiskChartsPane::RiskChartsPane(QWidget* parent, const Project& project, const Environment& environment,
                               Messenger& messenger, const WindowContext& context)
    : QObject(parent),
      m_project(project),
      m_environment(environment),
      m_messenger(messenger),
      m_context(context),
      m_parent(parent)
{
    for (int k = 0; k < RiskChartCount; ++k) {
        const auto kind = static_cast<RiskChartKind>(k);
        Chart& c = Of(kind);
        c.frame = new QWidget(parent);
        c.chart = new QChart;
        StyleChartTitle(c.chart);
        c.chart->legend()->setAlignment(Qt::AlignBottom);
        c.view = new PointedView(c.chart, *this, kind);
        c.view->setObjectName(names::Indexed(names::RiskChart, k));
        c.pointed = new QLabel(c.frame);
        c.pointed->setObjectName(names::Indexed(names::RiskPointed, k));
        c.pointed->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* layout = new QVBoxLayout(c.frame);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(c.view, 1);
        layout->addWidget(c.pointed);
        Restart(kind, kTitles[k]);
    }
}

QWidget* RiskChartsPane::View(RiskChartKind kind)
{
    return Of(kind).frame;
}

QString RiskChartsPane::Pointed(RiskChartKind kind) const
{
    return Of(kind).pointed->text();
}

void RiskChartsPane::Restart(RiskChartKind kind, const QString& title)
{
    Chart& c = Of(kind);
    c.chart->removeAllSeries();
    for (QAbstractAxis* axis : c.chart->axes()) {
        c.chart->removeAxis(axis);
        delete axis;
    }
    c.chart->setTitle(title);
    c.pointed->clear();
}

void RiskChartsPane::ApplyGrid(RiskChartKind kind)
{
    const int16_t grid = m_environment.Settings.GridStyle;
    for (QAbstractAxis* axis : Of(kind).chart->axes())
        axis->setGridLineVisible(axis->orientation() == Qt::Vertical ? HorizontalGrid(grid) : VerticalGrid(grid));
}

void RiskChartsPane::Show(const RiskChartData& data)
{
    m_data = data;
    ShowHistogram();
    ShowCumulative();
    ShowTornado();
    for (int k = 0; k < RiskChartCount; ++k)
        ApplyGrid(static_cast<RiskChartKind>(k));
}

void RiskChartsPane::ShowHistogram()
{
    Restart(RiskChartKind::Histogram, kTitles[0]);
    if (m_data.bars.empty())
        return;
    QChart* chart = Of(RiskChartKind::Histogram).chart;
    std::size_t tallest = 0;
    for (const MarginBar& b : m_data.bars)
        tallest = std::max(tallest, b.count);
    const double top = static_cast<double>(tallest) * 1.05;
    MarginAxis(chart, m_data.bars.front().from, m_data.bars.back().to);
    QValueAxis* counts = ValueAxis(chart, Qt::AlignLeft, "Samples", 0, top);
    counts->applyNiceNumbers();
    counts->setLabelFormat("%.0f");
    Attach(chart, Bars(m_data.bars, true, "Below the pass line", kFailing));
    Attach(chart, Bars(m_data.bars, false, "At or above the pass line", kPassing));
    Attach(chart, PassLine(counts->max()));
}

void RiskChartsPane::ShowCumulative()
{
    Restart(RiskChartKind::Cumulative, kTitles[1]);
    if (m_data.curve.empty())
        return;
    QChart* chart = Of(RiskChartKind::Cumulative).chart;
    MarginAxis(chart, m_data.curve.front().margin, m_data.curve.back().margin);
    ValueAxis(chart, Qt::AlignLeft, "Share", 0, 1)->setLabelFormat("%.2f");
    auto* curve = new QLineSeries;
    curve->setName("Cumulative share");
    for (const CumulativePoint& p : m_data.curve)
        curve->append(p.margin, p.share);
    curve->setPen(QPen(kPassing, kCurveWidth));
    Attach(chart, curve);
    Attach(chart, PassLine(1));
    auto* mark = new QScatterSeries;
    mark->setName(Q(PassMarkText(m_data)));
    mark->append(1, m_data.shareBelowPass);
    mark->setColor(kFailing);
    Attach(chart, mark);
}

void RiskChartsPane::ShowTornado()
{
    Restart(RiskChartKind::Tornado, kTitles[2]);
    if (m_data.tornado.empty())
        return;
    QChart* chart = Of(RiskChartKind::Tornado).chart;
    // Qt draws the first category at the bottom: the strongest input goes
    // last, so that it stands at the top.
    auto* raises = new QBarSet("Raises the margin");
    auto* lowers = new QBarSet("Lowers the margin");
    raises->setColor(kPassing);
    lowers->setColor(kFailing);
    QStringList labels;
    for (auto bar = m_data.tornado.rbegin(); bar != m_data.tornado.rend(); ++bar) {
        labels << Q(bar->label);
        *raises << std::max(bar->rankCorrelation, 0.0);
        *lowers << std::min(bar->rankCorrelation, 0.0);
    }
    auto* series = new QHorizontalStackedBarSeries;
    series->append(raises);
    series->append(lowers);
    series->setBarWidth(0.8);
    ValueAxis(chart, Qt::AlignBottom, "Spearman rank correlation with the VELB margin", -1, 1);
    auto* inputs = new QBarCategoryAxis;
    StyleChartAxis(inputs);
    inputs->append(labels);
    chart->addAxis(inputs, Qt::AlignLeft);
    Attach(chart, series);
}

void RiskChartsPane::PointerAt(RiskChartKind kind, const QPoint& position)
{
    Chart& c = Of(kind);
    const QList<QAbstractSeries*> series = c.chart->series();
    std::string text;
    const QPointF inChart = c.chart->mapFromScene(c.view->mapToScene(position));
    if (!series.isEmpty() && c.chart->plotArea().contains(inChart)) {
        const QPointF value = c.chart->mapToValue(inChart, series.front());
        if (kind == RiskChartKind::Histogram) {
            if (const auto bar = BarAt(m_data, value.x()))
                text = BarText(m_data, *bar);
        } else if (kind == RiskChartKind::Cumulative) {
            if (const auto point = CurvePointAt(m_data, value.x()))
                text = CurvePointText(m_data, *point);
        } else {
            const double fromTop = static_cast<double>(m_data.tornado.size()) - 1 - value.y();
            if (const auto bar = TornadoBarAt(m_data, fromTop))
                text = TornadoBarText(m_data, *bar);
        }
    }
    c.pointed->setText(Q(text));
    if (text.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(c.view->mapToGlobal(position), Q(text), c.view);
}

void RiskChartsPane::Copy(RiskChartKind kind)
{
    CopyChart(Of(kind).view, kTitles[static_cast<int>(kind)], m_context);
}

void RiskChartsPane::Print(RiskChartKind kind)
{
    PrintChart(m_parent, Of(kind).view, m_project, m_environment, m_messenger, m_context,
               std::string("Printing ") + kTitles[static_cast<int>(kind)]);
}

RiskCharts* MakeRiskCharts(QWidget* parent, const Project& project, const Environment& environment,
                           Messenger& messenger, const WindowContext& context)
{
    return new RiskChartsPane(parent, project, environment, messenger, context);
}

}  // namespace castovin
