// What the tool windows show on a document's picture while they are up: labelled marks at
// the points they found and a shaded band between two curves. The document window paints
// it over the picture; it is never part of the document, nor printed or exported.
#pragma once

#include <QColor>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "plot/screen_map.h"

class QPainter;

namespace plotwise {

// A point in formula values and the text written beside it.
struct PlotMark {
    long double x = 0;
    long double y = 0;
    std::string label;
};

// One column of a band: the two curves' values at x; a value that is no point (kNoPoint,
// NaN) leaves a gap in the band.
struct ShadeSample {
    long double x = 0;
    long double y1 = 0;
    long double y2 = 0;
};

struct PlotOverlay {
    std::vector<PlotMark> marks;
    std::vector<ShadeSample> shade;
    std::uint8_t color = 0;  // colour index of the graph the answers belong to
    bool Empty() const { return marks.empty() && shade.empty(); }
};

// The marks' colour: of a few strong colours, the one farthest from both the graph's and
// the background's.
QColor MarkColor(const QColor& graph, const QColor& background);
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
