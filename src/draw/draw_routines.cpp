#include "draw/draw_routines.h"

#include <QPolygon>
#include <algorithm>

namespace plotwise {

Qt::PenStyle PenStyleOf(long long style) {
    switch (style) {
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        default:
            return Qt::SolidLine;
    }
}

Qt::BrushStyle BrushStyleOf(long long style) {
    switch (style) {
        case 1:
            return Qt::BDiagPattern;
        case 2:
            return Qt::FDiagPattern;
        case 3:
            return Qt::CrossPattern;
        case 4:
            return Qt::DiagCrossPattern;
        case 5:
            return Qt::HorPattern;
        case 6:
            return Qt::VerPattern;
        default:
            return Qt::SolidPattern;
    }
}

void DrawPoint(QPainter& painter, const DeviceScale& scale, int x, int y, long long style,
               long long size) {
    const long long clamped = std::clamp<long long>(size, 1, kMaxPointSize);
    QPen pen = painter.pen();
    pen.setStyle(Qt::SolidLine);
    if (ScaledPixels(clamped, scale.Min()) <= 1) {
        pen.setWidth(1);
        painter.setPen(pen);
        painter.drawPoint(x, y);
        return;
    }
    if (style < 0 || style >= kPointStyleCount) return;
    pen.setWidth(std::max(1, ScaledPixels(1, scale.Min())));
    painter.setPen(pen);
    // The brush keeps its colour: a hollow marker must not lose it for the next filled one.
    QBrush brush = painter.brush();
    brush.setStyle(style == 3 || style == 5 || style == 7 ? Qt::SolidPattern : Qt::NoBrush);
    painter.setBrush(brush);
    const int hw = ScaledPixels(clamped, scale.X()) / 2;
    const int hh = ScaledPixels(clamped, scale.Y()) / 2;
    // Aliased Qt lines include both ends and outlined shapes cover width + 1 pixels, so
    // every shape spans 2 * hw + 1 pixels centred on (x, y).
    const QRect box(x - hw, y - hh, 2 * hw, 2 * hh);
    switch (style) {
        case 0:
            painter.drawLine(x - hw, y - hh, x + hw, y + hh);
            painter.drawLine(x - hw, y + hh, x + hw, y - hh);
            break;
        case 1:
            painter.drawLine(x - hw, y, x + hw, y);
            painter.drawLine(x, y + hh, x, y - hh);
            break;
        case 2:
        case 3:
            painter.drawRect(box);
            break;
        case 4:
        case 5:
            painter.drawPolygon(QPolygon(
                {QPoint(x - hw, y), QPoint(x, y - hh), QPoint(x + hw, y), QPoint(x, y + hh)}));
            break;
        default:
            painter.drawEllipse(box);
            break;
    }
}

void DrawPointer(QPainter& painter, const DeviceScale& scale, int kind, int x, int y,
                 const QColor& color, int direction) {
    if (kind != 0) return;
    const int a = ScaledPixels(9, scale.X());
    const int b = ScaledPixels(4, scale.Y());
    const int c = ScaledPixels(4, scale.X());
    const int d = ScaledPixels(9, scale.Y());
    QPolygon corners;
    switch (direction) {
        case 0:
            corners = {QPoint(x, y), QPoint(x - a, y + b), QPoint(x - a, y - b)};
            break;
        case 1:
            corners = {QPoint(x, y), QPoint(x + a, y + b), QPoint(x + a, y - b)};
            break;
        case 2:
            corners = {QPoint(x, y), QPoint(x + c, y + d), QPoint(x - c, y + d)};
            break;
        default:
            corners = {QPoint(x, y), QPoint(x + c, y - d), QPoint(x - c, y - d)};
            break;
    }
    painter.save();
    // Filled, then outlined edge by edge: a polygon's own outline leaves out the last pixel
    // of some edges, which would make the arrow lopsided.
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(corners);
    painter.setPen(QPen(color, 1));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(corners[i], corners[(i + 1) % 3]);
    painter.restore();
}

void FillArea(QPainter& painter, int x1, int y1, int x2, int y2) {
    const QRect area(QPoint(std::min(x1, x2), std::min(y1, y2)),
                     QPoint(std::max(x1, x2), std::max(y1, y2)));
    painter.fillRect(area, painter.brush());
}

}  // namespace plotwise
