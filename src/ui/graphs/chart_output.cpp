#include "ui/graphs/chart_output.h"

#include <QAbstractAxis>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include "core/config/environment.h"
#include "core/model/project.h"
#include "core/text/error_trap.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "ui/app/window_context.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"
#include "ui/viewer/report_printer.h"

namespace castovin {

namespace {

constexpr int kTitlePoints = 15;
constexpr int kAxisLabelPoints = 10;
constexpr int kAxisLineWidth = 2;

QFont PointFont(const QFont& base, int points)
{
    QFont font(base);
    font.setPointSize(points);
    return font;
}

void RenderTo(QPainter& painter, QChartView* view, const QRectF& target)
{
    view->render(&painter, target, view->rect(), Qt::KeepAspectRatio);
}

}  // namespace

void StyleChartTitle(QChart* chart)
{
    chart->setTitleFont(PointFont(chart->titleFont(), kTitlePoints));
}

void StyleChartAxis(QAbstractAxis* axis)
{
    axis->setLabelsFont(PointFont(axis->labelsFont(), kAxisLabelPoints));
    QPen pen = axis->linePen();
    pen.setWidth(kAxisLineWidth);
    axis->setLinePen(pen);
    axis->setMinorGridLineVisible(false);
}

void CopyChart(QChartView* view, const QString& title, const WindowContext& context)
{
    const QSize size = view->size();
    const qreal ratio = 2 * view->devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        RenderTo(painter, view, QRectF(QPointF(0, 0), size));
    }
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        RenderTo(painter, view, QRectF(QPointF(0, 0), size));
    }
    context.platform.ClearClipboard();
    context.platform.SetClipboardPicture(image, svg);
}

void PrintChart(QWidget* parent, QChartView* view, const Project& project, const Environment& environment,
                Messenger& messenger, const WindowContext& context, const std::string& history)
{
    QPrinter& printer = context.platform.Printer();
    bool cancelled = false;
    CommandTrap trap(messenger, cancelled, RestoreNormalCursor);
    if (!trap.Step([&] {
            if (!context.platform.PrintDialog(parent, printer, false,
                                              SuggestedPdfName(environment.Settings.DataPath, project.ProjectFilePath)))
                throw RuntimeError(err::DialogCancelled);
        }) ||
        cancelled)
        return;
    AppendHistory(messenger, history);
    context.host.Trapped([&] {
        QPainter painter;
        if (!painter.begin(&printer))
            throw RuntimeError(err::PrinterError);
        const QRect page = painter.viewport();
        const QStringList heading = {Q(project.ProjectTitle), QFileInfo(Q(project.ProjectFilePath)).fileName(),
                                     Q(FormatDateMdy(LocalNow()))};
        painter.setFont(QFont(PrintFontFamily(), 10));
        const int line = QFontMetrics(painter.font(), &printer).lineSpacing();
        int y = page.top();
        for (const QString& text : heading) {
            painter.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
            y += line;
        }
        y += line;
        QSize size = view->size();
        size.scale(QSize(page.width(), page.bottom() - y), Qt::KeepAspectRatio);
        RenderTo(painter, view, QRectF(QPoint(page.left(), y), size));
        painter.end();
    });
}

}  // namespace castovin
