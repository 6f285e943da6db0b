// Drawing a tool window's answers (overlay_marks.h) over a document's picture, and keeping
// its points as a table graph.
#pragma once

#include <QColor>
#include <initializer_list>
#include <utility>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "plot/overlay_marks.h"
#include "plot/screen_map.h"

class QPainter;

namespace plotwise {

// The marks' colour: of a few strong colours, the one farthest from every colour it stands
// on (the graphs' and the background's).
QColor MarkColor(std::initializer_list<QColor> under);
// The band's colour: the graph's, lightened and translucent, so lines under it still show.
QColor ShadeColor(const QColor& graph);

// Draws overlay over a picture mapped by map for the shown options (a logarithmic axis
// places the logarithms). Marks outside the plot rectangle are left out.
void DrawPlotOverlay(QPainter& painter, const ScreenMapping& map, const OptionsRecord& shown,
                     const PlotOverlay& overlay);

inline constexpr char kTableHoldsFirstPoints[] =
    "A table graph holds at most 100 points:\rthe first 100 are added";

// A table graph of the (x, y) points, in their order, at most kTableRows of them; the
// style is the default one of options.
GraphRecord PointsTableRecord(const std::vector<std::pair<long double, long double>>& points,
                              const OptionsRecord& options);

}  // namespace plotwise
