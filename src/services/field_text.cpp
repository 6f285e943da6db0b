#include "services/field_text.h"

#include <QLineEdit>

namespace plotwise {

QString FieldMessage(const std::string& message, const std::string& typed,
                     const std::optional<TextSpot>& spot) {
    QString text = QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
    if (spot) text += '\r' + FromFieldText(SpotLine(typed, *spot));
    return text;
}

void FocusSpot(QLineEdit* edit, const std::optional<TextSpot>& spot) {
    edit->setFocus();
    if (!spot) return;
    // The spot counts UTF-8 bytes; the edit counts UTF-16 units.
    const QByteArray bytes = edit->text().toUtf8();
    const auto units = [&bytes](std::size_t count) {
        return static_cast<int>(
            QString::fromUtf8(bytes.left(static_cast<qsizetype>(count))).size());
    };
    const int start = units(spot->start);
    const int end = units(spot->start + spot->length);
    if (end > start)
        edit->setSelection(start, end - start);
    else
        edit->setCursorPosition(start);
}

}  // namespace plotwise
