// Pixel queries the picture tests share: counts and bounding boxes of a colour.
#pragma once

#include <QImage>

namespace plotwise::testing_support {

// Bounding box of the pixels for which hit(colour) holds.
template <typename Hit>
QRect BoxWhere(const QImage& image, Hit hit) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (hit(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

inline QRect BoxOf(const QImage& image, QRgb color) {
    return BoxWhere(image, [color](QRgb c) { return c == color; });
}

// How many pixels of a rectangle (inclusive corners) have the colour.
inline int CountColor(const QImage& image, QRgb color, QRect area) {
    area &= image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == color;
    }
    return n;
}

}  // namespace plotwise::testing_support
