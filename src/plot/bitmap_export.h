// A document drawn into an image of a chosen size, as Save As Bitmap and the command line
// make it, and that image written as a 16-colour BMP or as PNG.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "plot/document.h"

namespace plotwise {

inline constexpr int kMinBitmapSide = 100;
inline constexpr int kMaxBitmapSide = 3000;
inline constexpr char kBitmapWidthMessage[] =
    "The width of bitmap must be an integer\rfrom 100 up to 3000";
inline constexpr char kBitmapHeightMessage[] =
    "The height of bitmap must be an integer\rfrom 100 up to 3000";
inline constexpr char kOutOfResources[] = "Out of system resources";

// A bitmap side as typed: an integer from 100 to 3000, blanks around it allowed.
bool ParseBitmapSide(const std::string& text, int& side);

// Whether a file of this name is written as PNG: it ends in ".png", in any case.
bool IsPngName(const std::string& path);

// The whole image is the output area; the document's surface and output area are restored
// afterwards. A null image when memory runs out making or drawing it. Smooth: curves, the
// polar grid and region edges anti-aliased, for PNG and the clipboard only; a 16-colour
// BMP is drawn pixel-exact.
QImage RenderBitmap(Document& document, int width, int height, bool smooth = false);

// Every pixel as its nearest colour of the 16-colour table.
QImage ToColorTable(const QImage& image);

// A BMP file of 4 bits per pixel: 16-entry palette, rows bottom-up, padded to 4 bytes.
std::vector<unsigned char> EncodeBmp4(const QImage& image);
// allColors keeps a smooth picture's blended edges; otherwise the 16 colours.
std::vector<unsigned char> EncodePng(const QImage& image, bool allColors = false);

// Writes the image as PNG when IsPngName, with every colour of a smooth picture, otherwise
// as a 16-colour BMP. The old file is replaced only by a complete new one; false on
// failure.
bool WriteBitmapFile(const QImage& image, const std::string& path, bool smooth = false);

}  // namespace plotwise
