// A document's whole picture on its Canvas: background, frame, then the graphs in list
// order; and one graph drawn on top of what is there.
#include <QPaintDevice>
#include <QPainter>

#include "frame_renderer.h"
#include "graph_renderer.h"
#include "graphics_manager.h"
#include "style_colors.h"

namespace plotwise {

void TGraphicsManager::Repaint() {
    if (Canvas == nullptr || !PlotAreaUsable()) return;
    QPainter painter(Canvas);
    if (!painter.isActive()) return;
    TRenderContext ctx{painter, Options, ScreenMap(), *Feedback};
    const TRect area = OnScreen ? ClientRect : OutputRect;
    painter.fillRect(QRect(area.left, area.top, area.Width(), area.Height()),
                     ColorOf(Options.BackColor, Qt::white));
    DrawFrame(ctx);
    if (Drawing) return;
    for (const auto& graph : Graphs) {
        if (graph->Props.DrawGraphic && !graph->IsEmpty()) DrawGraphOn(ctx, *graph);
    }
}

void TGraphicsManager::DrawGraph(TFunction& graph) {
    if (Canvas == nullptr || !PlotAreaUsable()) return;
    QPainter painter(Canvas);
    if (!painter.isActive()) return;
    TRenderContext ctx{painter, Options, ScreenMap(), *Feedback};
    DrawGraphOn(ctx, graph);
}

}  // namespace plotwise
