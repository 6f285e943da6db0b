// A document's whole picture on its Canvas: background, frame, then the graphs in list
// order; and one graph drawn on top of what is there.
#include <QPaintDevice>
#include <QPainter>

#include "draw/style_colors.h"
#include "plot/document.h"
#include "plot/frame_renderer.h"
#include "plot/graph_renderer.h"

namespace plotwise {

void Document::Repaint() {
    if (Canvas == nullptr || !PlotAreaUsable()) return;
    QPainter painter(Canvas);
    if (!painter.isActive()) return;
    RenderContext ctx{painter,   Options, ScreenMap(), *Reporter, DeviceScale(ScaleX, ScaleY),
                      EscEnabled};
    const PixelRect area = OnScreen ? ClientRect : OutputRect;
    painter.fillRect(QRect(area.left, area.top, area.Width(), area.Height()),
                     ColorOf(Options.BackColor, Qt::white));
    DrawFrame(ctx);
    if (Drawing) return;
    for (const auto& graph : graphs_) {
        if (graph->Record().DrawGraphic && !graph->IsEmpty()) DrawGraphOn(ctx, *graph);
    }
}

void Document::DrawGraph(Graph& graph) {
    if (Canvas == nullptr || !PlotAreaUsable()) return;
    QPainter painter(Canvas);
    if (!painter.isActive()) return;
    RenderContext ctx{painter,   Options, ScreenMap(), *Reporter, DeviceScale(ScaleX, ScaleY),
                      EscEnabled};
    DrawGraphOn(ctx, graph);
}

}  // namespace plotwise
