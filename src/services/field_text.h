// Formula and number fields as the dialogs and tool windows read them: UTF-8 texts, since
// everyday notation has signs beyond Latin-1 (π, −, √), and a refused formula shown where
// its error is.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "formula/everyday_reader.h"

class QLineEdit;

namespace plotwise {

inline std::string FieldText(const QString& text) {
    return text.toUtf8().toStdString();
}

inline QString FromFieldText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A refused field's message ("\r" breaks lines) and, for a formula whose error has a spot in
// typed, a second line naming it: near "x2", or at the end.
QString FieldMessage(const std::string& message, const std::string& typed,
                     const std::optional<TextSpot>& spot);

// Focuses the edit and selects the spot of its text (the cursor at a spot of no length).
void FocusSpot(QLineEdit* edit, const std::optional<TextSpot>& spot);

}  // namespace plotwise
