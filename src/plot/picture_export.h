// A document as a picture file: the 16-colour bitmap of Save As Bitmap, or a PNG in full
// colour with smoothed graph lines, or SVG and PDF as vector drawings, each of a chosen size
// in screen pixels. Only the bitmap borrows the document's surface; the others leave the
// document untouched.
#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "plot/document.h"

class QPaintDevice;

namespace plotwise {

enum class PictureFormat { Bmp, Png, Svg, Pdf };

// By the name's extension in any case: ".png", ".svg", ".pdf"; anything else is the BMP.
PictureFormat PictureFormatOf(const std::string& path);

// The document drawn on device over 0, 0, width, height at the screen's scale; smooth draws
// graph lines antialiased (for a raster device).
void DrawDocumentPicture(const Document& document, QPaintDevice& device, int width, int height,
                         bool smooth);

// The PNG picture in full colour, smoothed; null when memory runs out.
QImage RenderSmoothImage(const Document& document, int width, int height);

// The file's bytes in format Png, Svg or Pdf (one page of the picture's size); empty when
// memory runs out or the encoder fails.
std::vector<unsigned char> EncodePicture(const Document& document, PictureFormat format, int width,
                                         int height);

enum class PictureWrite { Ok, OutOfMemory, WriteFailed, Interrupted };

// Writes the document into path in the format its extension names (the BMP as
// WriteBitmapFile writes it), replacing an old file only by a complete new one. When
// drawingComplete says no after drawing (Esc cut it short), nothing is written.
PictureWrite WritePictureFile(Document& document, const std::string& path, int width, int height,
                              const std::function<bool()>& drawingComplete = {});

}  // namespace plotwise
