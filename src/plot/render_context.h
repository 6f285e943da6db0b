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

    // Esc during drawing stops the graph being drawn; the rest of the picture still comes.
    bool Interrupted() const { return escEnabled && feedback.EscPressed(); }
};

}  // namespace plotwise
