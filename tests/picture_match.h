// Comparing two renderings of one picture (a PNG and a vector file drawn back by another
// program): where they put ink, each within a few pixels of the other.
#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace plotwise::testing_support {

// Anything clearly darker or more colourful than the light grey of a grid.
inline bool IsInk(QRgb c) {
    return std::min({qRed(c), qGreen(c), qBlue(c)}) < 159;
}

// The share of a's ink pixels that have ink of b within radius pixels either way.
inline double InkFoundWithin(const QImage& a, const QImage& b, int radius) {
    long ink = 0, found = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!IsInk(a.pixel(x, y))) continue;
            ++ink;
            bool near = false;
            for (int dy = -radius; dy <= radius && !near; ++dy)
                for (int dx = -radius; dx <= radius && !near; ++dx)
                    near = b.valid(x + dx, y + dy) && IsInk(b.pixel(x + dx, y + dy));
            found += near;
        }
    }
    return ink == 0 ? 0 : static_cast<double>(found) / ink;
}

// The PNG a command (rsvg-convert, pdftoppm) writes to out, read back; null when it failed.
inline QImage Rasterise(const std::string& command, const std::string& out) {
    if (std::system(command.c_str()) != 0) return QImage();
    return QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace plotwise::testing_support
