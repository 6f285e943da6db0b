// The lexical analysers: formula text to a token list, with the neighbour check.
#pragma once

#include <cstdint>
#include <string>

#include "formula/stack_list.h"

namespace plotwise {

class Lexer {
  public:
    // text is the formula already enclosed in "(" and ")". tokens is always refilled;
    // err is 0, 1 (syntax error) or 2 (discordance of lexems).
    void Analyse(const std::string& text, const std::string& varName, std::uint8_t& err,
                 StackList& tokens) const;
};

class Lexer2Var {
  public:
    // As above; firstName gives code 3, secondName code 51 (it wins when both are equal).
    void Analyse(const std::string& text, const std::string& firstName,
                 const std::string& secondName, std::uint8_t& err, StackList& tokens) const;
};

}  // namespace plotwise
