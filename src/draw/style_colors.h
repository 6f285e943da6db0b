// The 16 colours that every colour index of graphs and options stands for.
#pragma once

#include <QColor>
#include <QRgb>
#include <array>

namespace plotwise {

inline constexpr int kColorCount = 16;
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 15;

// Index 0..15 as stored in graph and options records.
extern const std::array<QRgb, kColorCount> kColorTable;

// The colour of an index; any other index gives the fallback.
QColor ColorOf(long long index, const QColor& fallback);

// The table index closest to rgb (ties to the lower index): 16-colour bitmaps.
int NearestColorIndex(QRgb rgb);

}  // namespace plotwise
