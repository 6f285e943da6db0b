#include "formula/lexer.h"

#include <cmath>
#include <cstring>

#include "formula/decimal_io.h"
#include "formula/extended.h"
#include "formula/formula_errors.h"
#include "formula/text_utils.h"
#include "formula/token_codes.h"

namespace plotwise {
namespace {

struct FunctionName {
    const char* name;
    std::uint8_t code;
};

constexpr FunctionName kFunctions[] = {
    {"SIN", kSin},     {"COS", kCos},     {"TAN", kTan},   {"COT", kCot},     {"FRAC", kFrac},
    {"INT", kInt},     {"ABS", kAbs},     {"EXP", kExp},   {"LN", kLn},       {"LG", kLg},
    {"SQRT", kSqrt},   {"ATAN", kAtan},   {"ASIN", kAsin}, {"ACOS", kAcos},   {"SINH", kSinh},
    {"COSH", kCosh},   {"TANH", kTanh},   {"COTH", kCoth}, {"ASINH", kAsinh}, {"ACOSH", kAcosh},
    {"ATANH", kAtanh}, {"ACOTH", kAcoth},
};

bool IsOperatorChar(char c) {
    return c != '\0' && std::strchr("()*+-/^", c) != nullptr;
}

// Upper-cases a-z only and drops blanks; every other byte stays as it is.
std::string Normalise(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ') continue;
        out.push_back(UpperAscii(c));
    }
    return out;
}

// names: upper-cased variable names with their codes; a later match wins.
struct VariableName {
    std::string name;
    std::uint8_t code;
};

FormulaError Scan(const std::string& text, const VariableName* names, int nameCount,
                  StackList& tokens) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        switch (c) {
            case '-':
                tokens.Push(i > 0 && text[i - 1] == '(' ? kUnaryMinus : kMinus);
                ++i;
                continue;
            case '(':
                tokens.Push(kOpenBracket);
                ++i;
                continue;
            case ')':
                tokens.Push(kCloseBracket);
                ++i;
                continue;
            case '*':
                tokens.Push(kMultiply);
                ++i;
                continue;
            case '+':
                tokens.Push(kPlus);
                ++i;
                continue;
            case '/':
                tokens.Push(kDivide);
                ++i;
                continue;
            case '^':
                tokens.Push(kPower);
                ++i;
                continue;
            default:
                break;
        }
        std::size_t j = i + 1;
        if (c >= '0' && c <= '9') {
            while (j < n && !IsOperatorChar(text[j]) && !(text[j] >= 'A' && text[j] <= 'Z'))
                ++j;
            long double value = 0;
            if (!ScanUnsignedDecimal(text.substr(i, j - i), value)) return FormulaError::Syntax;
            tokens.Push(kNumber, value);
            i = j;
            continue;
        }
        while (j < n && !IsOperatorChar(text[j]))
            ++j;
        const std::string word = text.substr(i, j - i);
        i = j;
        std::uint8_t code = 0xFF;
        long double value = 0;
        for (const FunctionName& f : kFunctions) {
            if (word == f.name) code = f.code;
        }
        if (code == 0xFF && word == "PI") {
            code = kNumber;
            value = kPi;
        }
        if (code == 0xFF) {
            for (int k = 0; k < nameCount; ++k) {
                if (!names[k].name.empty() && word == names[k].name) code = names[k].code;
            }
        }
        if (code == 0xFF) return FormulaError::Syntax;
        tokens.Push(code, value);
    }
    return FormulaError::None;
}

enum class Kind { Operand, Open, Close, Operator, Function };

Kind KindOf(std::uint8_t code) {
    if (IsOperand(code)) return Kind::Operand;
    if (code == kOpenBracket) return Kind::Open;
    if (code == kCloseBracket) return Kind::Close;
    if (IsFunction(code)) return Kind::Function;
    return Kind::Operator;  // binary operators and unary minus
}

bool MayFollow(std::uint8_t earlier, std::uint8_t next) {
    const Kind e = KindOf(earlier);
    const Kind k = KindOf(next);
    switch (e) {
        case Kind::Operand:
        case Kind::Close:
            return k == Kind::Close || IsBinaryOperator(next);
        case Kind::Open:
            return k == Kind::Operand || k == Kind::Open || k == Kind::Function ||
                   next == kUnaryMinus;
        case Kind::Operator:
            return k == Kind::Operand || k == Kind::Open || k == Kind::Function;
        case Kind::Function:
            return k == Kind::Open;
    }
    return false;
}

Analysis AnalyseWithNames(const std::string& text, const VariableName* names, int nameCount) {
    Analysis result;
    result.error = Scan(Normalise(text), names, nameCount, result.tokens);
    if (result.error != FormulaError::None) return result;
    const StackItem* items = result.tokens.Data();
    for (std::size_t k = 1; k < result.tokens.Size(); ++k) {
        if (!MayFollow(items[k - 1].code, items[k].code)) {
            result.error = FormulaError::Discordance;
            break;
        }
    }
    return result;
}

}  // namespace

std::vector<std::string> FunctionNames() {
    std::vector<std::string> names;
    for (const FunctionName& f : kFunctions)
        names.emplace_back(f.name);
    return names;
}

Analysis Lexer::Analyse(const std::string& text, const std::string& varName) const {
    const VariableName names[] = {{UpperAscii(varName), kVariable}};
    return AnalyseWithNames(text, names, 1);
}

Analysis Lexer2Var::Analyse(const std::string& text, const std::string& firstName,
                            const std::string& secondName) const {
    const VariableName names[] = {{UpperAscii(firstName), kVariable},
                                  {UpperAscii(secondName), kSecondVariable}};
    return AnalyseWithNames(text, names, 2);
}

}  // namespace plotwise
