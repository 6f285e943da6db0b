// Everything of a picture that is not a graph: rectangular and polar grid, the axes with
// their names and pointers, tick marks and number labels, drawn over the background in
// that order.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "plot/render_context.h"

namespace plotwise {

// Where the axes cross: the X axis lies at height y0, the Y axis at x0 (0 when in view,
// otherwise the nearer edge; always the minimum on a logarithmic scale).
struct AxisPixels {
    long double x0 = 0;
    long double y0 = 0;
    int ax = 0;  // the Y axis column
    int ay = 0;  // the X axis row
};
AxisPixels AxisPositions(const RenderContext& ctx);

void DrawFrame(RenderContext& ctx);

// At every step value along X (alongX) or Y, a line of the painter's pen and the given
// thickness across that axis from `from` to `to`; the one on the other axis is left out
// while that axis is drawn. Grid lines and tick marks.
void DrawLinesAcross(RenderContext& ctx, const AxisPixels& axes, bool alongX, long double step,
                     int from, int to, int thickness);

void DrawGrid(RenderContext& ctx, const AxisPixels& axes);
void DrawPolarGrid(RenderContext& ctx);
void DrawAxes(RenderContext& ctx, const AxisPixels& axes);
void DrawMarks(RenderContext& ctx, const AxisPixels& axes);

// A number label as it will be drawn: the top left corner of its text.
struct PlacedLabel {
    char axis;  // 'X', 'Y', or '0' for the origin's
    QFont font;
    QColor color;
    int left;
    int top;
    QString text;
};
// The labels of both axes and the origin's "0" that fit: where neighbours would overlap,
// only every 2nd, 5th, 10th... counted from 0.
std::vector<PlacedLabel> PlaceLabels(const RenderContext& ctx, const AxisPixels& axes);
// The background colour under a label: its ink and one pixel around it.
QRect LabelGround(const PlacedLabel& label, const QPaintDevice* device);
// Drawn before the axes and marks, which stay whole, and after the grids, which it covers.
void DrawLabelGrounds(RenderContext& ctx, const std::vector<PlacedLabel>& labels);
void DrawLabels(RenderContext& ctx, const std::vector<PlacedLabel>& labels);

}  // namespace plotwise
