// What every part of a document's picture is drawn with.
#pragma once

#include <QPainter>

#include "feedback.h"
#include "graphics_manager.h"
#include "options_record.h"

namespace plotwise {

struct TRenderContext {
    QPainter& painter;
    const TOptionsRecord& options;
    TScreenMap map;
    TFeedback& feedback;

    // Esc during drawing stops the graph being drawn; the rest of the picture still comes.
    bool Interrupted() const { return EscEnabled && feedback.EscPressed(); }
};

}  // namespace plotwise
