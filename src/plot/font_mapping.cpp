#include "plot/font_mapping.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringDecoder>
#include <algorithm>

namespace plotwise {

QString RecordText(const std::string& text) {
    const QByteArray bytes = QByteArray::fromStdString(text);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

std::string RecordBytes(const QString& text, std::size_t maxBytes) {
    std::string bytes = text.toStdString();
    if (bytes.size() <= maxBytes) return bytes;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;  // bytes[cut] continues a character: the character goes whole
    return bytes.substr(0, cut);
}

QFont FontOf(const FontRecord& record) {
    const QString name = RecordText(record.Name.Text());
    QFont font;
    if (!name.isEmpty() && QFontDatabase::hasFamily(name)) {
        font.setFamily(name);
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(std::clamp<int>(record.Size, 1, kMaxFontSize));
    font.setBold((record.Style & 1) != 0);
    font.setItalic((record.Style & 2) != 0);
    font.setUnderline((record.Style & 4) != 0);
    font.setStrikeOut((record.Style & 8) != 0);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QColor FontColorOf(const FontRecord& record) {
    const auto c = static_cast<std::uint32_t>(static_cast<std::int32_t>(record.Color));
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void DrawTextAt(QPainter& painter, const QFont& font, const QColor& color, int left, int top,
                const QString& text) {
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(left, top + QFontMetrics(font, painter.device()).ascent(), text);
}

}  // namespace plotwise
