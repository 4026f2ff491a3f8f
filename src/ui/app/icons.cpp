#include "ui/app/icons.h"

#include <QPainter>
#include <QPainterPath>

namespace castovin {

namespace {

const QColor kInk(40, 48, 60);
const QColor kAccent(196, 122, 30);
const QColor kPaper(250, 250, 246);

void DrawOpen(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawRect(QRectF(2, 6, 11, 4));
    p.drawRect(QRectF(2, 8, 19, 13));
    p.setBrush(QColor(236, 180, 90));
    QPainterPath lid;
    lid.moveTo(5, 12);
    lid.lineTo(23, 12);
    lid.lineTo(20, 21);
    lid.lineTo(2, 21);
    lid.closeSubpath();
    p.drawPath(lid);
}

void DrawSave(QPainter& p)
{
    p.setBrush(QColor(70, 100, 150));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawPrint(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 2, 10, 7));
    p.setBrush(QColor(120, 126, 136));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 15, 12, 7));
    p.drawLine(QPointF(8, 18), QPointF(16, 18));
}

void DrawDescription(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 2, 14, 20));
    for (int y = 7; y <= 18; y += 4)
        p.drawLine(QPointF(8, y), QPointF(16, y));
}

void DrawBoltSystem(QPainter& p)
{
    // Roof strata with three bolts.
    p.setBrush(QColor(150, 140, 120));
    p.drawRect(QRectF(1, 2, 22, 12));
    p.setPen(QPen(kInk, 2));
    for (int x : {6, 12, 18})
        p.drawLine(QPointF(x, 3), QPointF(x, 18));
    p.setPen(QPen(kInk, 1));
    p.setBrush(kAccent);
    for (int x : {6, 12, 18})
        p.drawRect(QRectF(x - 3, 17, 6, 3));
}

void DrawCost(QPainter& p)
{
    p.setBrush(QColor(90, 150, 90));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kPaper);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("$"));
}

QPixmap DrawIcon(ToolIcon kind, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    p.setPen(QPen(kInk, 1));
    switch (kind) {
    case ToolIcon::Open:
        DrawOpen(p);
        break;
    case ToolIcon::Save:
        DrawSave(p);
        break;
    case ToolIcon::Print:
        DrawPrint(p);
        break;
    case ToolIcon::Description:
        DrawDescription(p);
        break;
    case ToolIcon::BoltSystem:
        DrawBoltSystem(p);
        break;
    case ToolIcon::Cost:
        DrawCost(p);
        break;
    }
    return pixmap;
}

}  // namespace

QIcon ToolbarIcon(ToolIcon kind)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(DrawIcon(kind, size));
    return icon;
}

QIcon ProgramIcon()
{
    // Embedded from the build's rendering of data/icons/castovin.svg.
    return QIcon(QStringLiteral(":/icons/castovin.png"));
}

QPixmap LogoPixmap(int width, qreal devicePixelRatio)
{
    const int height = width * 3 / 4;
    QPixmap pixmap(QSize(width, height) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 320.0, height / 240.0);

    // Strata above the entry.
    const QColor strata[] = {QColor(118, 108, 92), QColor(140, 128, 108), QColor(104, 96, 84), QColor(150, 138, 116)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(strata[i]);
        p.drawRect(QRectF(0, 10 + i * 30, 320, 30));
    }
    // The entry and the coal seam on either side.
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(QRectF(0, 130, 320, 70));
    p.setBrush(kPaper);
    p.drawRect(QRectF(70, 130, 180, 70));
    // Bolts through the roof, with plates.
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    for (int x : {95, 135, 185, 225})
        p.drawLine(QPointF(x, 45), QPointF(x, 134));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    for (int x : {95, 135, 185, 225})
        p.drawRect(QRectF(x - 11, 130, 22, 7));
    // The name.
    p.setPen(kInk);
    QFont font = p.font();
    font.setPixelSize(26);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(font);
    p.drawText(QRectF(0, 202, 320, 36), Qt::AlignCenter, QStringLiteral("CASTOVIN"));
    return pixmap;
}

}  // namespace castovin
