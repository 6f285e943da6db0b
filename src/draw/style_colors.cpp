#include "draw/style_colors.h"

namespace plotwise {

const std::array<QRgb, kColorCount> kColorTable = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
    qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QColor ColorOf(long long index, const QColor& fallback) {
    if (index < 0 || index >= kColorCount) return fallback;
    return QColor(kColorTable[static_cast<std::size_t>(index)]);
}

int NearestColorIndex(QRgb rgb) {
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i < kColorCount; ++i) {
        const QRgb c = kColorTable[static_cast<std::size_t>(i)];
        const int dr = qRed(rgb) - qRed(c);
        const int dg = qGreen(rgb) - qGreen(c);
        const int db = qBlue(rgb) - qBlue(c);
        const int distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace plotwise
