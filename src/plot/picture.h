// A document's whole picture through a render context, whatever surface the context's
// painter draws on.
#pragma once

#include "plot/document.h"
#include "plot/render_context.h"

namespace plotwise {

// The background over area, the frame, then the graphs in list order (none while the
// document is resampling them).
void DrawPicture(RenderContext& ctx, const Document& document, const PixelRect& area);

}  // namespace plotwise
