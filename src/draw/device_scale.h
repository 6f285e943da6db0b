// How many device pixels stand for one screen pixel: 1 on screen and for bitmaps, the
// printer's resolution over the screen's while a page is drawn.
#pragma once

namespace plotwise {

extern long double ScaleX;
extern long double ScaleY;
extern long double ScaleMin;  // the smaller of the two

// v * scale to the nearest integer, halves to even: scaled pixel sizes.
int ScaledPixels(long double v, long double scale);

}  // namespace plotwise
