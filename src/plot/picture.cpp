// A document's whole picture: background, frame, then the graphs in list order; and one
// graph drawn on top of what is there.
#include "plot/picture.h"

#include <QPaintDevice>
#include <QPainter>

#include "draw/style_colors.h"
#include "plot/frame_renderer.h"
#include "plot/graph_renderer.h"

namespace plotwise {

void DrawPicture(RenderContext& ctx, const Document& document, const PixelRect& area) {
    ctx.painter.fillRect(QRect(area.left, area.top, area.Width(), area.Height()),
                         ColorOf(ctx.options.BackColor, Qt::white));
    DrawFrame(ctx);
    if (document.Drawing) return;
    for (const auto& graph : document.Graphs()) {
        if (graph->Record().DrawGraphic && !graph->IsEmpty()) DrawGraphOn(ctx, *graph);
    }
}

void Document::Repaint() {
    if (Canvas == nullptr || !PlotAreaUsable()) return;
    QPainter painter(Canvas);
    if (!painter.isActive()) return;
    const OptionsRecord shown = Shown();
    RenderContext ctx{painter, shown, ScreenMap(), *Reporter};
    ctx.smooth = SmoothLines;
    DrawPicture(ctx, *this, OnScreen ? ClientRect : OutputRect);
}

void Document::DrawGraph(Graph& graph) {
    if (Canvas == nullptr || !PlotAreaUsable()) return;
    QPainter painter(Canvas);
    if (!painter.isActive()) return;
    const OptionsRecord shown = Shown();
    RenderContext ctx{painter, shown, ScreenMap(), *Reporter};
    ctx.smooth = SmoothLines;
    // A graph is drawn once it is sampled, also while workers still sample later ones: an Esc
    // then belongs to that pass, and a poll here would take it and leave the graph cut short.
    ctx.escEnabled = false;
    DrawGraphOn(ctx, graph);
}

}  // namespace plotwise
