// The lexical analysers: formula text to a token list, with the neighbour check.
#pragma once

#include <string>
#include <vector>

#include "formula/formula_errors.h"
#include "formula/stack_list.h"

namespace plotwise {

// The tokens of a text, last token on top, or error 1 (syntax error) or 2 (discordance
// of lexems), and then the tokens are of no use.
struct [[nodiscard]] Analysis {
    FormulaError error = FormulaError::None;
    StackList tokens;
};

// The names of the language's functions, upper case.
std::vector<std::string> FunctionNames();

class Lexer {
  public:
    // text is the formula already enclosed in "(" and ")".
    Analysis Analyse(const std::string& text, const std::string& varName) const;
};

class Lexer2Var {
  public:
    // As above; firstName gives code 3, secondName code 51 (it wins when both are equal).
    Analysis Analyse(const std::string& text, const std::string& firstName,
                     const std::string& secondName) const;
};

}  // namespace plotwise
