// The syntax checks of every formula field.
#pragma once

#include <cstdint>
#include <string>

namespace plotwise {

// True for a blank text or a formula that analyses and transforms; otherwise false with
// the code (1 to 4). Nothing is evaluated.
bool CheckFormula(const std::string& text, const std::string& varName, std::uint8_t& err);
bool CheckFormula2Var(const std::string& text, const std::string& firstName,
                      const std::string& secondName, std::uint8_t& err);

}  // namespace plotwise
