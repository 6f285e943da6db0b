// The segments of a slope field as they are drawn, for drawing and for finding the graph
// under the pointer alike.
#pragma once

#include <QLine>
#include <functional>

#include "draw/device_scale.h"
#include "plot/graph.h"
#include "plot/screen_map.h"

namespace plotwise {

// Calls visit with each cell's segment in device pixels, column by column; a cell without
// a slope gives a null line. Stops when visit returns false, and then returns false.
bool ForEachSlopeSegment(const Graph& graph, const OptionsRecord& options, const ScreenMapping& map,
                         const DeviceScale& scale, const std::function<bool(const QLine&)>& visit);

}  // namespace plotwise
