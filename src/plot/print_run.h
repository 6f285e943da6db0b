// A document drawn on a printer page: pixel sizes scaled to the printer's resolution,
// optionally black on white, and the document given back exactly as it was.
#pragma once

#include "plot/document.h"

class QPaintDevice;

namespace plotwise {

// Page margins in thousandths of an inch.
struct PageMargins {
    int left = 500;
    int top = 500;
    int right = 500;
    int bottom = 500;
};

struct PrintSetup {
    long double scaleX = 1;  // printer pixels per screen pixel
    long double scaleY = 1;
    bool blackAndWhite = false;
    PixelRect output;  // the page less its margins, in printer pixels
};

// The page's area inside the margins, for a page of width x height pixels at dpiX x dpiY.
PixelRect PrintOutputRect(int width, int height, long double dpiX, long double dpiY,
                          const PageMargins& margins);

// The options as the page draws them: axis, grid and mark sizes scaled by the printer's
// resolution and, for black and white, every colour black on a white background.
OptionsRecord PrintOptions(const OptionsRecord& options, long double scaleX, long double scaleY,
                           bool blackAndWhite);

// Draws the document on page with Esc ignored, then restores its options, graph widths and
// colours, surface, output area and the program's scales, also when drawing throws.
void PrintDocument(Document& document, QPaintDevice& page, const PrintSetup& setup);

}  // namespace plotwise
