#pragma once
// What the graph window tests share: a [Graph] settings section, opening a
// project and a graph, the options dialog, the chart's axes and pixels, the
// command-line tool's curve and the members of a workbook.

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QMouseEvent>
#include <QProcess>
#include <QValueAxis>

#include "core/program/program_state.h"
#include "process.h"
#include "ui/app/names.h"
#include "ui/graphs/graph_window.h"
#include "ui_fixture.h"

namespace castovin::test {

// A [Graph] section with every key (English titles, lines and symbols, the
// last-used option) with `changes` in place of the same keys, and a kept
// history log.
inline QByteArray GraphSettings(const QByteArray& changes)
{
    QList<QByteArray> keys = {"GraphSetParams=1",
                              "GridStyle=0",
                              "GraphStyle=3",
                              "CurveLegend=1",
                              "SymbolSize=5",
                              "GraphUnits=0",
                              "GraphTitle=Castovin",
                              "XAxisTitle0=CMRR",
                              "XAxisTitle1=Depth of Cover (ft)",
                              "XAxisTitle2=Stability Factor",
                              "XAxisTitle3=Intersection Span (ft)",
                              "YAxisTitle0=Suggested VELB"};
    for (const QByteArray& change : changes.split('\n')) {
        const QByteArray line = change.trimmed();
        for (QByteArray& key : keys)
            if (!line.isEmpty() && key.startsWith(line.left(line.indexOf('=') + 1)))
                key = line;
    }
    return "[Settings]\r\nDisplayHistoryWin=1\r\nMaxDisplaySize=16384\r\n[Graph]\r\n" + keys.join("\r\n") + "\r\n";
}

inline QList<QPointF> CliCurve(const QString& project, const QString& graph)
{
    const ProcessResult cli = RunProcess(CASTOVIN_CLI, {"curve", project.toStdString(), graph.toStdString()});
    QList<QPointF> points;
    const QStringList lines = QString::fromStdString(cli.out).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList xy = lines[i].split(',');
        points.append(QPointF(xy[0].toDouble(), xy[1].toDouble()));
    }
    return points;
}

// The pixel of point j of curve 0 in the chart view.
inline QPoint PointPixel(GraphWindow* window, int j)
{
    QLineSeries* line = window->Lines(0);
    QChart* chart = window->Chart();
    return window->View()->mapFromScene(chart->mapToScene(chart->mapToPosition(line->at(j), line)));
}

inline void MovePointer(GraphWindow* window, const QPoint& at)
{
    QWidget* pane = window->View()->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), pane->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pane, &move);
}

inline QValueAxis* Axis(GraphWindow* window, Qt::Orientation orientation)
{
    return qobject_cast<QValueAxis*>(window->Chart()->axes(orientation).front());
}

inline QString Unzipped(const QString& archive, const QString& member)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", archive, member});
    unzip.waitForFinished(30000);
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

inline void Open(UiFixture& f, const QString& path)
{
    f.platform->AnswerFile(path);
    f.Trigger(names::FileOpenItem);
}

inline GraphWindow* Graph(UiFixture& f, int index)
{
    f.Trigger(names::Indexed(names::GraphItem, index));
    auto* window = qobject_cast<GraphWindow*>(FindTopLevel(names::GraphWindow));
    if (window != nullptr)
        QApplication::processEvents();
    return window;
}

inline QWidget* Options(GraphWindow* window)
{
    window->findChild<QAction*>(names::GraphBasicOptionsItem)->trigger();
    return FindTopLevel(names::GraphOptionsDialog);
}

inline QString Log(UiFixture& f)
{
    return QString::fromStdString(f.state->messenger.History.Text());
}

}  // namespace castovin::test
