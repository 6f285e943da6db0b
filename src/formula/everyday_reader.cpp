#include "formula/everyday_reader.h"

#include <algorithm>
#include <cstdint>

#include "formula/check_formula.h"
#include "formula/compiled_formula.h"
#include "formula/decimal_io.h"
#include "formula/lexer.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/text_utils.h"

namespace plotwise {
namespace {

// The characters beyond ASCII that everyday notation knows, coded above every byte.
enum Symbol : int {
    kPiSign = 0x100,
    kSquareSign,
    kCubeSign,
    kTimesSign,
    kDivideSign,
    kMinusSign,
    kRootSign,
    kOtherSign,
};

struct Char {
    int code;  // an ASCII byte, a Symbol, or any other byte
    std::size_t start;
    std::size_t end;
};

// The code point of the UTF-8 sequence at i and its length in bytes; -1 (one byte) when it
// is malformed.
int DecodeUtf8(const std::string& s, std::size_t i, std::size_t& length) {
    const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned lead = byte(i);
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || i + length > s.size()) {
        length = 1;
        return -1;
    }
    int code = static_cast<int>(lead & (0x7F >> length));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            length = 1;
            return -1;
        }
        code = (code << 6) | static_cast<int>(byte(i + k) & 0x3F);
    }
    return code;
}

int SymbolOf(int codePoint) {
    switch (codePoint) {
        case 0x3C0:  // π
            return kPiSign;
        case 0xB2:  // ²
            return kSquareSign;
        case 0xB3:  // ³
            return kCubeSign;
        case 0xB7:    // ·
        case 0xD7:    // ×
        case 0x22C5:  // dot operator
            return kTimesSign;
        case 0xF7:  // ÷
            return kDivideSign;
        case 0x2212:  // −
            return kMinusSign;
        case 0x221A:  // √
            return kRootSign;
        default:
            return kOtherSign;
    }
}

// Every character but blanks, which the language ignores wherever they are.
std::vector<Char> CharsOf(const std::string& text) {
    std::vector<Char> chars;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        int code = byte;
        if (byte >= 0x80) {
            const int point = DecodeUtf8(text, i, length);
            code = point < 0 ? kOtherSign : SymbolOf(point);
        }
        if (byte != ' ') chars.push_back({code, i, i + length});
        i += length;
    }
    return chars;
}

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int UpperCode(int c) {
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

enum class Kind : std::uint8_t {
    Number,
    Variable,
    Pi,
    Euler,
    Function,
    Open,
    Close,
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    Square,  // ² or ³: "^2", "^3"
    Invalid,
};

struct Token {
    Kind kind;
    std::size_t start;  // bytes of the typed text
    std::size_t end;
    std::string gap;       // the blanks before it
    std::string spelling;  // how the language writes it
    bool scientific = false;
};

struct Word {
    std::string name;  // upper case
    Kind kind;
};

// Longest first, so that a split prefers sinh to sin h and exp to e xp.
std::vector<Word> WordsOf(const FormulaField& field, bool& euler) {
    std::vector<Word> words;
    for (const std::string& name : FunctionNames())
        words.push_back({name, Kind::Function});
    words.push_back({"PI", Kind::Pi});
    euler = true;
    for (const std::string& variable : field.variables) {
        const std::string name = UpperAscii(variable);
        const bool taken = std::any_of(words.begin(), words.end(),
                                       [&name](const Word& w) { return w.name == name; });
        if (!name.empty() && !taken) words.push_back({name, Kind::Variable});
        if (name == "E") euler = false;
    }
    if (euler) words.push_back({"E", Kind::Euler});
    std::stable_sort(words.begin(), words.end(),
                     [](const Word& a, const Word& b) { return a.name.size() > b.name.size(); });
    return words;
}

class Tokenizer {
  public:
    Tokenizer(const std::string& typed, const std::vector<Char>& chars, const FormulaField& field)
        : typed_(typed), chars_(chars), words_(WordsOf(field, euler_)) {}

    // Tokens of the characters from first on.
    std::vector<Token> Run(std::size_t first, std::size_t textStart) {
        std::size_t k = first;
        previousEnd_ = textStart;
        while (k < chars_.size()) {
            const int c = chars_[k].code;
            if (IsDigit(c) || c == '.') {
                k = Number(k);
            } else if (IsLetter(c)) {
                k = Letters(k);
            } else {
                Single(k);
                ++k;
            }
        }
        return std::move(tokens_);
    }

  private:
    std::string Slice(std::size_t from, std::size_t to) const {
        return typed_.substr(chars_[from].start, chars_[to - 1].end - chars_[from].start);
    }

    void Add(Kind kind, std::size_t from, std::size_t to, std::string spelling) {
        const std::size_t start = chars_[from].start;
        const std::size_t end = chars_[to - 1].end;
        tokens_.push_back({kind, start, end, typed_.substr(previousEnd_, start - previousEnd_),
                           std::move(spelling)});
        previousEnd_ = end;
    }

    std::string Codes(std::size_t from, std::size_t to) const {
        std::string text;
        for (std::size_t k = from; k < to; ++k)
            text.push_back(static_cast<char>(chars_[k].code));
        return text;
    }

    // Digits with a point (".5" is 0.5) and, unless e is a variable, an exponent: a digit,
    // then e, an optional sign and digits.
    std::size_t Number(std::size_t k) {
        const std::size_t n = chars_.size();
        std::size_t j = k;
        while (j < n && (IsDigit(chars_[j].code) || chars_[j].code == '.'))
            ++j;
        const std::size_t mantissaEnd = j;
        std::size_t digits = j;
        bool negative = false;
        if (euler_ && j < n && UpperCode(chars_[j].code) == 'E' && IsDigit(chars_[j - 1].code)) {
            std::size_t m = j + 1;
            if (m < n && (chars_[m].code == '+' || chars_[m].code == '-')) {
                negative = chars_[m].code == '-';
                ++m;
            }
            if (m < n && IsDigit(chars_[m].code)) {
                digits = m;
                for (j = m; j < n && IsDigit(chars_[j].code);)
                    ++j;
            }
        }
        const std::string mantissa = Codes(k, mantissaEnd);
        const std::string point = mantissa[0] == '.' ? "0" : "";
        long double value = 0;
        bool valid = mantissa.find_first_of("0123456789") != std::string::npos &&
                     ScanUnsignedDecimal(point + mantissa, value);
        std::string spelling = point + Slice(k, mantissaEnd);
        const bool scientific = j > mantissaEnd;
        if (scientific) {
            const std::string exponent = Codes(digits, j);
            valid = valid && ScanUnsignedDecimal(exponent, value);
            spelling += "*10^" + (negative ? "(-" + exponent + ")" : exponent);
        }
        Add(valid ? Kind::Number : Kind::Invalid, k, j, std::move(spelling));
        tokens_.back().scientific = scientific;
        return j;
    }

    // A run of letters split wholly into words, or invalid as a whole.
    std::size_t Letters(std::size_t k) {
        std::size_t j = k;
        while (j < chars_.size() && IsLetter(chars_[j].code))
            ++j;
        std::string upper;
        for (std::size_t i = k; i < j; ++i)
            upper.push_back(static_cast<char>(UpperCode(chars_[i].code)));
        // choice[i]: the word that starts a whole split of upper from i, longest first.
        const std::size_t n = upper.size();
        std::vector<const Word*> choice(n + 1, nullptr);
        std::vector<bool> splits(n + 1, false);
        splits[n] = true;
        for (std::size_t i = n; i-- > 0;) {
            for (const Word& w : words_) {
                if (upper.compare(i, w.name.size(), w.name) == 0 && splits[i + w.name.size()]) {
                    choice[i] = &w;
                    splits[i] = true;
                    break;
                }
            }
        }
        if (!splits[0]) {
            Add(Kind::Invalid, k, j, Slice(k, j));
            return j;
        }
        for (std::size_t i = 0; i < n; i += choice[i]->name.size()) {
            const std::size_t to = k + i + choice[i]->name.size();
            Add(choice[i]->kind, k + i, to, Slice(k + i, to));
        }
        return j;
    }

    void Single(std::size_t k) {
        const int c = chars_[k].code;
        const std::string typed = Slice(k, k + 1);
        switch (c) {
            case '(':
                return Add(Kind::Open, k, k + 1, typed);
            case ')':
                return Add(Kind::Close, k, k + 1, typed);
            case '+':
                return Add(Kind::Plus, k, k + 1, typed);
            case '-':
                return Add(Kind::Minus, k, k + 1, typed);
            case kMinusSign:
                return Add(Kind::Minus, k, k + 1, "-");
            case '*':
                return Add(Kind::Times, k, k + 1, typed);
            case kTimesSign:
                return Add(Kind::Times, k, k + 1, "*");
            case '/':
                return Add(Kind::Divide, k, k + 1, typed);
            case kDivideSign:
                return Add(Kind::Divide, k, k + 1, "/");
            case '^':
                return Add(Kind::Power, k, k + 1, typed);
            case kSquareSign:
                return Add(Kind::Square, k, k + 1, "^2");
            case kCubeSign:
                return Add(Kind::Square, k, k + 1, "^3");
            case kPiSign:
                return Add(Kind::Pi, k, k + 1, "pi");
            case kRootSign:
                return Add(Kind::Function, k, k + 1, "sqrt");
            default:
                return Add(Kind::Invalid, k, k + 1, typed);
        }
    }

    const std::string& typed_;
    const std::vector<Char>& chars_;
    bool euler_ = true;
    std::vector<Word> words_;
    std::vector<Token> tokens_;
    std::size_t previousEnd_ = 0;
};

// The characters after a leading "y=", "y(x)=" or "f(x)=" the field allows; 0 without one.
std::size_t PrefixEnd(const std::vector<Char>& chars, const FormulaField& field) {
    std::vector<std::string> prefixes;
    const std::string variable =
        field.variables.size() == 1 ? UpperAscii(field.variables[0]) : std::string();
    if (field.result != 0) {
        const std::string result(1, UpperAscii(field.result));
        prefixes.push_back(result + "=");
        if (!variable.empty()) prefixes.push_back(result + "(" + variable + ")=");
    }
    if (!variable.empty()) prefixes.push_back("F(" + variable + ")=");
    for (const std::string& prefix : prefixes) {
        if (prefix.size() > chars.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < prefix.size() && same; ++k)
            same = UpperCode(chars[k].code) == prefix[k];
        if (same) return prefix.size();
    }
    return 0;
}

std::string LeadingBlanksRemoved(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// Whether the text is one bracketed group: "(x+1)", not "(x)*(y)".
bool Bracketed(const std::string& text) {
    if (text.empty() || text[0] != '(') return false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0) return i + 1 == text.size();
    }
    return false;
}

// Recursion is bounded (a bracket counts twice) beyond what the longest formula can nest, so
// that the stack stays safe whatever reaches the reader.
constexpr int kMaxNesting = 600;

enum class Outcome { Done, Failed, TooDeep };

// The tokens back into the language by recursive descent, with the language's precedence:
// + and -, then * and /, then ^ (left to right); a sign at the start of a bracket covers
// the first term, as the language's unary minus does.
class Rewriter {
  public:
    Rewriter(const std::vector<Token>& tokens, std::size_t textEnd)
        : tokens_(tokens), textEnd_(textEnd) {}

    Outcome Run(std::string& out) {
        if (Expression(out)) {
            if (AtEnd()) return Outcome::Done;
            if (At(Kind::Close)) {
                const Token& t = tokens_[pos_];
                Fail(FormulaError::MissingOpen, {t.start, t.end - t.start});
            } else {
                Fail();
            }
        }
        return tooDeep_ ? Outcome::TooDeep : Outcome::Failed;
    }

    FormulaError Error() const { return error_; }
    TextSpot Spot() const { return spot_; }

  private:
    bool AtEnd() const { return pos_ == tokens_.size(); }
    bool At(Kind kind) const { return !AtEnd() && tokens_[pos_].kind == kind; }
    bool AtAny(std::initializer_list<Kind> kinds) const {
        return !AtEnd() && std::find(kinds.begin(), kinds.end(), tokens_[pos_].kind) != kinds.end();
    }

    std::string Take() {
        const Token& t = tokens_[pos_++];
        return t.gap + t.spelling;
    }

    // Implicit multiplication, with blanks around it when the user left some.
    std::string Times() const { return tokens_[pos_].gap.empty() ? "*" : " *"; }

    bool Fail(FormulaError error, TextSpot spot) {
        error_ = error;
        spot_ = spot;
        return false;
    }

    // The token at hand may not come here: a bad word, or a discordance with the token
    // before it (or at the end).
    bool Fail() {
        if (AtEnd()) return Fail(FormulaError::Discordance, {textEnd_, 0});
        const Token& t = tokens_[pos_];
        if (t.kind == Kind::Invalid) return Fail(FormulaError::Syntax, {t.start, t.end - t.start});
        const std::size_t start = pos_ > 0 ? tokens_[pos_ - 1].start : t.start;
        return Fail(FormulaError::Discordance, {start, t.end - start});
    }

    bool Enter() {
        if (++depth_ <= kMaxNesting) return true;
        tooDeep_ = true;
        return false;
    }

    // Terms joined by + and -.
    bool Expression(std::string& out) {
        if (!Enter()) return false;
        bool ok = Term(out, true);
        while (ok && AtAny({Kind::Plus, Kind::Minus})) {
            out += Take();
            ok = Term(out, false);
        }
        --depth_;
        return ok;
    }

    // Factors joined by * and /, or side by side.
    bool Term(std::string& out, bool opening) {
        if (!FirstFactor(out, opening)) return false;
        for (;;) {
            if (AtAny({Kind::Times, Kind::Divide})) {
                const bool divide = At(Kind::Divide);
                out += Take();
                if (!SignedPower(out, divide)) return false;
            } else if (AtAny({Kind::Variable, Kind::Pi, Kind::Euler, Kind::Function, Kind::Open})) {
                out += Times();
                if (!PowerChain(out, false)) return false;
            } else {
                return true;
            }
        }
    }

    // Right after a bracket opens, one minus is the language's own sign; a plus goes.
    bool FirstFactor(std::string& out, bool opening) {
        if (opening) {
            while (At(Kind::Plus))
                ++pos_;
            if (At(Kind::Minus)) out += Take();
        }
        return SignedPower(out, false);
    }

    // Anywhere else a minus negates the power that follows: x*-2 -> x*(-2).
    bool SignedPower(std::string& out, bool afterDivide) {
        while (At(Kind::Plus))
            ++pos_;
        if (!At(Kind::Minus)) return PowerChain(out, afterDivide);
        if (!Enter()) return false;
        const Token& minus = tokens_[pos_++];
        std::string inner;
        const bool ok = SignedPower(inner, false);
        out += minus.gap + "(" + minus.spelling + inner + ")";
        --depth_;
        return ok;
    }

    bool PowerChain(std::string& out, bool afterDivide) {
        if (!Primary(out, afterDivide)) return false;
        for (;;) {
            if (At(Kind::Square)) {
                out += Take();
            } else if (At(Kind::Power)) {
                out += Take();
                if (!PowerOperand(out)) return false;
            } else {
                return true;
            }
        }
    }

    // After ^: one primary, as ^ works left to right; a sign takes the power after it.
    bool PowerOperand(std::string& out) {
        while (At(Kind::Plus))
            ++pos_;
        if (At(Kind::Minus)) return SignedPower(out, false);
        return Primary(out, true, true);
    }

    // tight: a product such as 2*10^5 needs brackets here (after / or ^). In an exponent, e
    // is exp(1) alone: 2^e^x is (2^e)^x, as ^ works left to right.
    bool Primary(std::string& out, bool tight, bool exponent = false) {
        if (AtEnd()) return Fail();
        const Token& t = tokens_[pos_];
        switch (t.kind) {
            case Kind::Number: {
                const bool powered =
                    pos_ + 1 < tokens_.size() && (tokens_[pos_ + 1].kind == Kind::Power ||
                                                  tokens_[pos_ + 1].kind == Kind::Square);
                ++pos_;
                const bool bracket = t.scientific && (tight || powered);
                out += bracket ? t.gap + "(" + t.spelling + ")" : t.gap + t.spelling;
                return true;
            }
            case Kind::Variable:
            case Kind::Pi:
                out += Take();
                return true;
            case Kind::Euler:
                if (!exponent) return Euler(out);
                ++pos_;
                out += t.gap + "exp(1)";
                return true;
            case Kind::Open:
                return Group(out);
            case Kind::Function:
                return Call(out);
            default:
                return Fail();
        }
    }

    bool Group(std::string& out) {
        if (!Enter()) return false;
        std::string inner = Take();
        bool ok = Expression(inner);
        if (ok && At(Kind::Close)) {
            inner += Take();
        } else if (ok && AtEnd()) {
            ok = Fail(FormulaError::MissingClose, {textEnd_, 0});
        } else if (ok) {
            ok = Fail();
        }
        out += inner;
        --depth_;
        return ok;
    }

    // e^u -> exp(u); a lone e -> exp(1).
    bool Euler(std::string& out) {
        const Token& e = tokens_[pos_++];
        if (!At(Kind::Power)) {
            out += e.gap + "exp(1)";
            return true;
        }
        ++pos_;
        if (!Enter()) return false;
        std::string operand;
        const bool ok = PowerOperand(operand);
        operand = LeadingBlanksRemoved(operand);
        out += e.gap + "exp" + (Bracketed(operand) ? operand : "(" + operand + ")");
        --depth_;
        return ok;
    }

    // A function takes its bracket, or the product that follows it: sin 2x -> sin(2*x).
    bool Call(std::string& out) {
        out += Take();
        if (At(Kind::Open)) return Group(out);
        if (!AtAny({Kind::Number, Kind::Variable, Kind::Pi, Kind::Euler, Kind::Function, Kind::Plus,
                    Kind::Minus}))
            return Fail();
        if (!Enter()) return false;
        std::string argument;
        bool ok = FirstFactor(argument, true);
        while (ok && AtAny({Kind::Variable, Kind::Pi, Kind::Euler, Kind::Open})) {
            argument += Times();
            ok = PowerChain(argument, false);
        }
        out += '(';  // appended: GCC 12 misreports "(" + temporary (-Wrestrict)
        out += LeadingBlanksRemoved(argument);
        out += ')';
        --depth_;
        return ok;
    }

    const std::vector<Token>& tokens_;
    std::size_t textEnd_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    bool tooDeep_ = false;
    FormulaError error_ = FormulaError::None;
    TextSpot spot_;
};

FormulaError EngineCheck(const std::string& text, const FormulaField& field) {
    const std::vector<std::string>& v = field.variables;
    if (v.size() >= 2) return CheckFormula2Var(text, v[0], v[1]);
    return CheckFormula(text, v.empty() ? std::string() : v[0]);
}

}  // namespace

FormulaReading ReadFormula(const std::string& typed, const FormulaField& field, Notation notation) {
    FormulaReading reading;
    reading.text = typed;
    // No field holds more: such a text is refused as it stands, in either notation.
    if (typed.size() > kMaxFormulaLength) {
        reading.error = FormulaError::Syntax;
        return reading;
    }
    reading.error = EngineCheck(typed, field);
    if (notation == Notation::Strict || reading.error == FormulaError::None) return reading;
    const std::vector<Char> chars = CharsOf(typed);
    const std::size_t first = PrefixEnd(chars, field);
    const std::size_t textStart = first == 0 ? 0 : chars[first - 1].end;
    const std::vector<Token> tokens = Tokenizer(typed, chars, field).Run(first, textStart);
    Rewriter rewriter(tokens, typed.size());
    std::string out;
    switch (tokens.empty() ? Outcome::Done : rewriter.Run(out)) {
        case Outcome::TooDeep:
            return reading;
        case Outcome::Failed:
            reading.error = rewriter.Error();
            reading.spot = rewriter.Spot();
            return reading;
        case Outcome::Done:
            break;
    }
    if (first > 0) out = LeadingBlanksRemoved(out);
    // The rewriting is in the language by construction; the engine has the last word.
    if (EngineCheck(out, field) != FormulaError::None) return reading;
    if (out.size() > kMaxWrittenFormula) {
        reading.error = FormulaError::None;
        reading.tooLong = true;
        return reading;
    }
    reading.text = std::move(out);
    reading.error = FormulaError::None;
    return reading;
}

std::string ReadingMessage(const FormulaReading& reading) {
    if (reading.tooLong) {
        return "Written out, the formula is longer\rthan " + std::to_string(kMaxWrittenFormula) +
               " characters";
    }
    return FormulaErrorText(reading.error);
}

std::string SpotLine(const std::string& typed, const TextSpot& spot) {
    if (spot.length == 0 || spot.start >= typed.size()) return "at the end";
    const std::string near = typed.substr(spot.start, spot.length);
    return "near \"" + near + "\"";
}

std::string CaretLines(const std::string& typed, const TextSpot& spot) {
    // One column per character: UTF-8 continuation bytes take none.
    std::size_t column = 0;
    for (std::size_t i = 0; i < spot.start && i < typed.size(); ++i)
        column += (static_cast<unsigned char>(typed[i]) & 0xC0) != 0x80 ? 1 : 0;
    return typed + "\r" + std::string(column, ' ') + "^";
}

std::string ReadNumberText(const std::string& typed, Notation notation) {
    long double value = 0;
    if (notation == Notation::Strict || TrimControls(typed).empty() ||
        CheckNumStr(typed, value) == 0)
        return typed;
    const FormulaReading reading = ReadFormula(typed, FormulaField{}, notation);
    CompiledFormula formula;
    if (!reading.Ok() || RemoveSpaces(reading.text).empty() ||
        formula.Compile(reading.text, std::string()) != FormulaError::None)
        return typed;
    const Evaluation result = formula.Calculate(0);
    return result.Ok() ? NumToStr(RoundFieldValue(result.value)) : typed;
}

}  // namespace plotwise
