// A document drawn on a printer page: pixel sizes scaled to the printer's resolution,
// optionally black on white, the document itself left as it is.
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
    PixelRect output;     // the page less its margins, in printer pixels
    bool smooth = false;  // graph lines antialiased: full-colour pictures, not pages
    // The same page this many times, for a device that makes no copies itself (a PDF file).
    int copies = 1;
};

// The page's area inside the margins, for a page of width x height pixels at dpiX x dpiY.
PixelRect PrintOutputRect(int width, int height, long double dpiX, long double dpiY,
                          const PageMargins& margins);

// The options as the page draws them: axis, grid and mark sizes scaled by the printer's
// resolution and, for black and white, every colour black on a white background.
OptionsRecord PrintOptions(const OptionsRecord& options, long double scaleX, long double scaleY,
                           bool blackAndWhite);

// Draws the document on page through a context of its own: the page's scale, the options
// as PrintOptions makes them, graph lines as many times as wide as the nearest whole number
// of the smaller scale, black graphs for black and white, and Esc ignored; copies pages
// where page is a paged device.
void PrintDocument(const Document& document, QPaintDevice& page, const PrintSetup& setup);

}  // namespace plotwise
