#include "ui/graphs/graph_window.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/config/environment.h"
#include "core/editing/graph_options.h"
#include "core/model/project.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/graphs/chart_output.h"
#include "ui/graphs/graph_options.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

constexpr int kMinimumTwips = 4000;
constexpr int kCurveLineWidth = 3;
// Screen pixels per unit of symbol size: size 3 is still a visible dot.
constexpr qreal kSymbolPixels = 2;
// The chart's mark of a missing value: such a point is never identified.
constexpr double kMissingValue = 1e308;

QColor CurveColour(int c)
{
    const Rgb rgb = CurveColours.at(static_cast<std::size_t>(c));
    return QColor(rgb.r, rgb.g, rgb.b);
}

qreal Margin(qreal low, qreal high)
{
    return high > low ? (high - low) * 0.05 : qMax(qAbs(low) * 0.05, qreal(1));
}

}  // namespace

// The chart view reports pointer movement inside it to the window.
class GraphView : public QChartView {
public:
    GraphView(QChart* chart, GraphWindow& window) : QChartView(chart), m_window(window)
    {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_window.PointerAt(event->position().toPoint());
        QChartView::mouseMoveEvent(event);
    }

private:
    GraphWindow& m_window;
};

GraphWindow::GraphWindow(Project& project, Environment& environment, Messenger& messenger, const WindowContext& context)
    : m_project(project), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::GraphWindow);
    setWindowTitle("Graph");
    setProperty("helpContext", 3520);  // the frame, the chart and the menu items
    m_chart = new QChart;
    StyleChartTitle(m_chart);
    m_x = new QValueAxis;
    m_y = new QValueAxis;
    StyleChartAxis(m_x);
    StyleChartAxis(m_y);
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_view = new GraphView(m_chart, *this);
    m_view->setObjectName(names::GraphChart);

    BuildMenus();
    BuildPointFrame();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_frame);
    layout->addWidget(m_view, 1);
    setCentralWidget(central);

    // The window never gets smaller than 4000 twips either way; the chart
    // fills what the point frame leaves.
    const int minimum = TwipsToPixels(this, kMinimumTwips);
    setMinimumSize(minimum, minimum);
    resize(minimum * 2, minimum * 3 / 2);

    ClosingRules::Install(this, [this] { m_context.host.HostWindow()->setEnabled(true); });
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName(names::GraphFileMenu);
    const char* fileTexts[5] = {"&Print", "-", "Export", "-", "E&xit"};
    for (int i = 0; i < 5; ++i) {
        QAction* item = fileTexts[i][0] == '-' ? file->addSeparator() : file->addAction(fileTexts[i]);
        item->setObjectName(names::Indexed(names::GraphFileItem, i));
    }
    connect(file->actions()[0], &QAction::triggered, this, &GraphWindow::Print);
    connect(file->actions()[2], &QAction::triggered, this, &GraphWindow::Export);
    connect(file->actions()[4], &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName(names::GraphEditMenu);
    QAction* copy = edit->addAction("Copy ");
    copy->setObjectName(names::Indexed(names::GraphEditItem, 0));
    connect(copy, &QAction::triggered, this, &GraphWindow::Copy);

    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName(names::GraphOptionsMenu);
    m_pointId = options->addAction("Point ID");
    m_pointId->setObjectName(names::Indexed(names::GraphOptionsItem, 0));
    m_pointId->setCheckable(true);
    m_pointId->setChecked(true);
    QAction* basic = options->addAction("Basic &Options");
    basic->setObjectName(names::Indexed(names::GraphOptionsItem, 1));
    connect(m_pointId, &QAction::triggered, this, &GraphWindow::TogglePointId);
    connect(basic, &QAction::triggered, this, &GraphWindow::OpenOptions);
}

void GraphWindow::BuildPointFrame()
{
    m_frame = new QGroupBox("Point ID", this);
    m_frame->setObjectName(names::GraphPointFrame);
    auto makeLabel = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, m_frame);
        label->setObjectName(name);
        return label;
    };
    m_lblX = makeLabel(names::GraphXValue, {});
    m_lblSF = makeLabel(names::GraphYValue, {});
    m_lblCurve = makeLabel(names::GraphCurve, {});
    for (QLabel* value : {m_lblX, m_lblSF, m_lblCurve})
        value->setMinimumWidth(60);
    auto* row = new QHBoxLayout(m_frame);
    row->addWidget(makeLabel(names::GraphXCaption, "X-coord:"));
    row->addWidget(m_lblX);
    row->addWidget(makeLabel(names::GraphYCaption, "Stability Fact:"));
    row->addWidget(m_lblSF);
    row->addWidget(makeLabel(names::GraphCurveCaption, "Curve:"));
    row->addWidget(m_lblCurve);
    row->addStretch(1);
}

QChartView* GraphWindow::View() const
{
    return m_view;
}

QLineSeries* GraphWindow::Lines(int c) const
{
    return m_lines.at(static_cast<std::size_t>(c));
}

QScatterSeries* GraphWindow::Symbols(int c) const
{
    return m_symbols.at(static_cast<std::size_t>(c));
}

void GraphWindow::GraphInit(int16_t index)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SettingsRecord& s = m_environment.Settings;
    m_currentGraph = index;
    if (NeedsDefaultFormat(s, index, m_project.units))
        SetDefaultGraphFormat(s, GraphFormat{}, m_project.units);
    m_x->setTitleText(Q(s.XAxisTitle.at(static_cast<std::size_t>(index))));
    m_y->setTitleText(Q(s.YAxisTitle0));
    ApplyGrid();
    m_chart->setTitle(Q(s.GraphTitle));
    m_curveCount = 1;
    // The busy pointer stays until DrawCurve has drawn.
}

void GraphWindow::ApplyGrid()
{
    const int16_t grid = m_environment.Settings.GridStyle;
    m_y->setGridLineVisible(HorizontalGrid(grid));
    m_x->setGridLineVisible(VerticalGrid(grid));
}

void GraphWindow::DrawCurve(const std::vector<CurvePoint>& points)
{
    for (QAbstractSeries* series : m_chart->series())
        m_chart->removeSeries(series);
    qDeleteAll(m_lines);
    qDeleteAll(m_symbols);
    m_lines.clear();
    m_symbols.clear();
    QList<QPointF> data;
    for (const CurvePoint& p : points)
        data.append(QPointF(p.x, p.y));
    for (int c = 0; c < m_curveCount; ++c) {
        auto* line = new QLineSeries;
        auto* symbols = new QScatterSeries;
        line->replace(data);
        symbols->replace(data);
        for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(symbols)}) {
            m_chart->addSeries(series);
            series->attachAxis(m_x);
            series->attachAxis(m_y);
        }
        m_lines.push_back(line);
        m_symbols.push_back(symbols);
        StyleCurve(c);
    }
    if (!data.isEmpty()) {
        auto [xMin, xMax] = std::minmax_element(data.begin(), data.end(),
                                                [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        auto [yMin, yMax] = std::minmax_element(data.begin(), data.end(),
                                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        // A little room around the points, so that none sits on an axis.
        const qreal dx = Margin(xMin->x(), xMax->x());
        const qreal dy = Margin(yMin->y(), yMax->y());
        m_x->setRange(xMin->x() - dx, xMax->x() + dx);
        m_y->setRange(yMin->y() - dy, yMax->y() + dy);
        m_x->applyNiceNumbers();
        m_y->applyNiceNumbers();
    }
    ApplyLegend();
    QApplication::restoreOverrideCursor();
}

void GraphWindow::StyleCurve(int c)
{
    const SettingsRecord& s = m_environment.Settings;
    const QColor colour = CurveColour(c);
    QScatterSeries* symbols = Symbols(c);
    symbols->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    symbols->setMarkerSize(s.SymbolSize * kSymbolPixels);
    symbols->setColor(colour);
    symbols->setBorderColor(colour);
    symbols->setVisible(DrawsSymbols(s.GraphStyle));
    QPen pen(colour);
    pen.setWidth(kCurveLineWidth);
    if (!DrawsLines(s.GraphStyle))
        pen.setStyle(Qt::NoPen);
    Lines(c)->setPen(pen);
}

void GraphWindow::ApplyLegend()
{
    // A curve's label is its line's legend entry; the symbols never have one.
    const bool shown = m_environment.Settings.CurveLegend == 1;
    for (int c = 0; c < m_curveCount; ++c) {
        Lines(c)->setName(shown ? CurveLabel : "");
        for (QLegendMarker* marker : m_chart->legend()->markers(Lines(c))) {
            marker->setVisible(shown);
            marker->setBrush(CurveColour(c));
        }
        for (QLegendMarker* marker : m_chart->legend()->markers(Symbols(c)))
            marker->setVisible(false);
    }
    m_chart->legend()->setVisible(shown);
    m_chart->legend()->setAlignment(Qt::AlignRight);
}

int GraphWindow::CurveLabelCount() const
{
    if (!m_chart->legend()->isVisible())
        return 0;
    int count = 0;
    for (QLegendMarker* marker : m_chart->legend()->markers())
        if (marker->isVisible() && !marker->label().isEmpty())
            ++count;
    return count;
}

std::vector<CurvePoint> GraphWindow::CurveData(int c) const
{
    std::vector<CurvePoint> points;
    for (const QPointF& p : Lines(c)->points())
        points.push_back({static_cast<float>(p.x()), static_cast<float>(p.y())});
    return points;
}

void GraphWindow::ApplyFormatToChart()
{
    const SettingsRecord& s = m_environment.Settings;
    m_chart->setTitle(Q(s.GraphTitle));
    m_x->setTitleText(Q(s.XAxisTitle.at(static_cast<std::size_t>(m_currentGraph))));
    m_y->setTitleText(Q(s.YAxisTitle0));
    ApplyGrid();
    for (int c = 0; c < m_curveCount; ++c)
        StyleCurve(c);
    ApplyLegend();
}

void GraphWindow::ReadFormatBack()
{
    if (m_curveCount == 0)
        return;
    ChartReading chart;
    chart.symbolSize = static_cast<int16_t>(qRound(Symbols(0)->markerSize() / kSymbolPixels));
    chart.curveLabels = CurveLabelCount();
    chart.title = S(m_chart->title());
    chart.xTitle = S(m_x->titleText());
    chart.yTitle = S(m_y->titleText());
    chart.horizontalGrid = m_y->isGridLineVisible();
    chart.verticalGrid = m_x->isGridLineVisible();
    ReadChartBack(m_environment.Settings, m_currentGraph, chart);
}

void GraphWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        ReadFormatBack();
}

void GraphWindow::PointerAt(const QPoint& position)
{
    QWidget* pane = m_view->viewport();
    const QPointF inChart = m_chart->mapFromScene(m_view->mapToScene(position));
    if (!m_chart->plotArea().contains(inChart)) {
        pane->unsetCursor();
        return;
    }
    std::vector<std::vector<PixelPoint>> curves;
    for (int c = 0; c < m_curveCount; ++c) {
        std::vector<PixelPoint>& pixels = curves.emplace_back();
        for (const QPointF& p : Lines(c)->points()) {
            const QPoint at = m_view->mapFromScene(m_chart->mapToScene(m_chart->mapToPosition(p, Lines(c))));
            pixels.push_back({at.x(), at.y()});
        }
    }
    const std::optional<PointHit> hit = NearestPoint(curves, position.x(), position.y());
    if (!hit) {
        pane->unsetCursor();
        return;
    }
    const QPointF point = Lines(hit->curve)->at(hit->point);
    if (hit->distance > PointIdDistance || point.y() == kMissingValue) {
        pane->unsetCursor();
        return;
    }
    m_lblSF->setText(Q(FormatNumber(point.y(), "##0.00")));
    m_lblX->setText(Q(FormatNumber(point.x(), "##0.00")));
    m_lblCurve->setText(CurveLabel);
    pane->setCursor(Qt::CrossCursor);
}

void GraphWindow::TogglePointId()
{
    m_frame->setVisible(m_pointId->isChecked());
}

void GraphWindow::Copy()
{
    CopyChart(m_view, windowTitle(), m_context);
}

void GraphWindow::Print()
{
    PrintChart(this, m_view, m_project, m_environment, m_messenger, m_context, "Printing Graph");
}

void GraphWindow::OpenOptions()
{
    ReadFormatBack();
    ShowOwnedWindow(new GraphOptionsDialog(*this, m_environment, m_messenger, m_project.units), this, true);
}

}  // namespace castovin
