// The everyday reader: formulas as people write them (2x, e^x, 1e5, x², π, y=...) turned
// into the formula language, which stays the one language documents store and the engine
// compiles. Text that is valid already is never changed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "formula/formula_errors.h"

namespace plotwise {

// How fields read what the user typed: the formula language alone, or everyday notation as
// well. The windows take it from Common Options, plotwise-cli from --strict.
enum class Notation { Strict, Everyday };

// A rewritten formula is at most this long: it must fit the formula edits it is shown in.
inline constexpr std::size_t kMaxWrittenFormula = 250;

// What a formula field reads.
struct FormulaField {
    std::vector<std::string> variables;  // none (a number field), one, or f(x,y)'s two
    // The letter a leading "y=" or "y(x)=" may name ('y' for Y(x)); 0 for none. With one
    // variable, a leading "f(x)=" is read as well.
    char result = 0;
};

// Bytes [start, start + length) of the typed text; length 0 is a point (the end).
struct TextSpot {
    std::size_t start = 0;
    std::size_t length = 0;
};

struct [[nodiscard]] FormulaReading {
    std::string text;  // in the formula language; the typed text itself when it was valid
    FormulaError error = FormulaError::None;
    std::optional<TextSpot> spot;  // where the error was found (everyday notation only)
    bool tooLong = false;          // rewritten, the formula would exceed kMaxWrittenFormula

    bool Ok() const { return error == FormulaError::None && !tooLong; }
};

// The typed text (UTF-8) as the formula field reads it. Strict: the text and the engine's
// verdict. Everyday: the text when valid, else its rewriting or the first error and where.
FormulaReading ReadFormula(const std::string& typed, const FormulaField& field, Notation notation);

// The message of a reading that failed: "Error N: message", or that the rewriting is too long.
std::string ReadingMessage(const FormulaReading& reading);

// The second line of a failed reading's message: near "x2", or "at the end".
std::string SpotLine(const std::string& typed, const TextSpot& spot);

// The typed text and a caret under the spot, as two lines joined by "\r".
std::string CaretLines(const std::string& typed, const TextSpot& spot);

// A number field's text as the field reads it: in everyday notation, a text that is no
// number but a formula without variables that has a value becomes that value rounded as
// number fields round, in its number text ("-2*pi" gives "-6.2831853"). Every other text
// comes back as it is, for the field's own check and message.
std::string ReadNumberText(const std::string& typed, Notation notation);

}  // namespace plotwise
