// Formulas and numbers travel as single-byte texts, as the records keep them; the widgets
// hold them as QString. Latin-1 maps each byte to one character and back.
#pragma once

#include <QString>
#include <string>

namespace plotwise {

inline std::string ToRecordText(const QString& text) {
    return text.toLatin1().toStdString();
}

inline QString FromRecordText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace plotwise
