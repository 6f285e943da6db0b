// Which graph the pointer is on: the drawn curve, point marker, table marker, implicit curve
// or slope segment nearest to a pixel of the document's picture.
#pragma once

#include "plot/document.h"

namespace plotwise {

// How near, in pixels, the pointer must come to what a graph draws to pick it.
inline constexpr int kPickTolerance = 4;

// The index of the graph drawn nearest to (px, py), within tolerance pixels of its lines or
// of the edge of its markers; the later graph (drawn on top) on a tie; -1 for none or a
// pixel outside the plot rectangle. Graphs not drawn (switched off, empty, without values,
// or while the document resamples) are never picked; shaded regions are not picked.
int PickGraph(const Document& document, int px, int py, int tolerance = kPickTolerance);

}  // namespace plotwise
