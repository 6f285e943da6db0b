// The formula analyser, compiler and calculator on any text: one variable (the first
// byte picks its name) or two, evaluated at a few points, including the edges of the
// number range. The everyday reader on the same text: what it rewrites compiles, and an
// error it finds lies within the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formula/check_formula.h"
#include "formula/compiled_formula.h"
#include "formula/everyday_reader.h"

using namespace plotwise;

namespace {

// A value stays within 1E500; without one it is 0.
void CheckValue(const Evaluation& v) {
    if (v.Ok() ? !(std::fabs(v.value) <= 1e500L) : v.value != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 600) return 0;
    const std::uint8_t mode = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    // A tool's field refuses what no field could hold.
    if (text.size() > kMaxFormulaLength && CheckFieldFormula(text, "X") != FormulaError::Syntax)
        __builtin_trap();
    static const long double kPoints[] = {
        0, 1, -1, 0.5L, -2.5L, 1e-300L, 1e99L, -1e100L, 3.14159265358979323846L};
    if (mode & 1) {
        CompiledFormula2Var formula;
        if (formula.Compile(text, "X", "Y") != FormulaError::None) return 0;
        for (long double x : kPoints)
            for (long double y : {0.0L, -3.0L, 1e50L})
                CheckValue(formula.Calculate(x, y));
    } else {
        static const char* const kNames[] = {"X", "Y", "T", "A", "E"};
        const char* name = kNames[(mode >> 1) % 5];
        const FormulaReading read = ReadFormula(text, {{name}, 'y'}, Notation::Everyday);
        if (read.spot && read.spot->start + read.spot->length > text.size()) __builtin_trap();
        if (read.Ok() && read.text != text &&
            CompiledFormula().Compile(read.text, name) != FormulaError::None)
            __builtin_trap();
        CompiledFormula formula;
        if (formula.Compile(text, name) != FormulaError::None) return 0;
        for (long double x : kPoints)
            CheckValue(formula.Calculate(x));
    }
    return 0;
}
