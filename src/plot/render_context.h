// What every part of a document's picture is drawn with.
#pragma once

#include <QPainter>

#include "draw/device_scale.h"
#include "plot/document.h"
#include "plot/feedback.h"
#include "plot/options_record.h"

namespace plotwise {

struct RenderContext {
    QPainter& painter;
    const OptionsRecord& options;
    ScreenMapping map;
    Feedback& feedback;
    DeviceScale scale{};  // of the surface drawn on
    // Cleared for a printed page: a page drawn halfway cannot be taken back.
    bool escEnabled = true;
    // Graph lines are this many times as wide as their records say: on a page, the whole
    // number nearest its scale, so every graph keeps its width relative to the others.
    long double graphWidthScale = 1;
    bool blackAndWhite = false;  // every graph in black
    // Curves, the polar grid and the edges of shaded regions anti-aliased, between pixels
    // where they fall there; the rest stays pixel-exact. Off for printing and 16-colour
    // bitmaps.
    bool smooth = false;

    // Esc during drawing stops the graph being drawn; the rest of the picture still comes.
    bool Interrupted() const { return escEnabled && feedback.EscPressed(); }
};

}  // namespace plotwise
