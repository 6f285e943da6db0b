// The fonts of axis names and number labels as stored in the options, made drawable.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <string>

#include "plot/options_record.h"

namespace plotwise {

inline constexpr int kMaxFontSize = 72;  // points; the largest the font dialog offers

// Size in points (clamped to 1..72) at the resolution of the device drawn on, bold,
// italic, underline and strikeout, never smoothed, so pixels are exact. A family missing
// here (the stored "MS Sans Serif" on Linux) gives the desktop's sans-serif; the record
// keeps its name.
QFont FontOf(const FontRecord& record);
// Text of a record (axis names, suffixes, font names): UTF-8 when it is valid UTF-8,
// otherwise one character per byte as older files hold it.
QString RecordText(const std::string& text);
// A text for a record: UTF-8, cut at a character boundary to at most maxBytes bytes.
std::string RecordBytes(const QString& text, std::size_t maxBytes);

// red + 256 green + 65536 blue; higher bytes are ignored.
QColor FontColorOf(const FontRecord& record);

// Text with its top left corner at (left, top), in the font and colour, no background.
void DrawTextAt(QPainter& painter, const QFont& font, const QColor& color, int left, int top,
                const QString& text);

}  // namespace plotwise
