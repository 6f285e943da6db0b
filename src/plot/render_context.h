// What every part of a document's picture is drawn with.
#pragma once

#include <QPainter>

#include "plot/document.h"
#include "plot/feedback.h"
#include "plot/options_record.h"

namespace plotwise {

struct RenderContext {
    QPainter& painter;
    const OptionsRecord& options;
    ScreenMapping map;
    Feedback& feedback;

    // Esc during drawing stops the graph being drawn; the rest of the picture still comes.
    bool Interrupted() const { return EscEnabled && feedback.EscPressed(); }
};

}  // namespace plotwise
