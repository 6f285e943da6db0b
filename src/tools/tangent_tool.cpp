#include "tools/tangent_tool.h"

#include <cmath>

#include "derivative/derivative.h"
#include "derivative/expr_tree.h"
#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "formula/formula_errors.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/residue.h"
#include "formula/round12.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

// A formula and its derivative, each evaluated at one argument.
struct ValueAndSlope {
    long double value = 0;
    long double slope = 0;
    int error = 0;
};

ValueAndSlope Evaluate(const std::string& formula, const std::string& var, long double at) {
    ValueAndSlope result;
    CompiledFormula f;
    if (const FormulaError error = f.Compile(formula, var); error != FormulaError::None) {
        result.error = ErrorCode(error);
        return result;
    }
    const Evaluation value = f.Calculate(at);
    if (!value.Ok()) {
        result.error = ErrorCode(value.error);
        return result;
    }
    result.value = value.value;
    if (FormulaDepth(formula, var).depth >= kMaxDerivationDepth) {
        result.error = kTangentTooLarge;
        return result;
    }
    DerivedTokens derived = DerivativeTokens(formula, var);
    CompiledFormula derivative;
    if (derived.notDifferentiable || derived.error != FormulaError::None ||
        derived.tokens.Empty() ||
        derivative.CompileTokens(std::move(derived.tokens)) != FormulaError::None) {
        result.error = kTangentNotDifferentiable;
        return result;
    }
    const Evaluation slope = derivative.Calculate(at);
    result.slope = slope.value;
    result.error = ErrorCode(slope.error);
    return result;
}

// A sum that cancels to rounding residue of its terms is 0, as the engine's own sums are.
long double Sum(long double a, long double b) {
    return ZeroIfResidue(a + b, std::fmax(std::fabs(a), std::fabs(b)));
}

// Cosine and sine of the same angle carry an error of about 1E-19 of the pair, so a
// component of a point or direction below the rounding of its length is 0 (the cosine of a
// quarter turn).
void FlushResidue(long double& x, long double& y) {
    const long double length = std::hypot(x, y);
    x = ZeroIfResidue(x, length);
    y = ZeroIfResidue(y, length);
}

// k*var followed by m with its sign.
std::string LineText(long double k, const char* var, long double m) {
    std::string text = CoefToStr(k) + "*" + var;
    if (Round12(m) >= 0) text += '+';
    return text + CoefToStr(m);
}

}  // namespace

TangentResult TangentLine(const GraphRecord& graph, long double v, bool normal) {
    TangentResult line;
    const std::uint8_t kind = graph.Kind;
    const std::string var = FormulaVariable(kind);
    long double x0 = 0;
    long double y0 = 0;
    long double dx = 0;
    long double dy = 0;
    if (kind == kParametric) {
        const ValueAndSlope x = Evaluate(graph.Formula().Text(), var, v);
        if (x.error != 0) return {x.error, "", kYOfX};
        const ValueAndSlope y = Evaluate(graph.FormulaY().Text(), var, v);
        if (y.error != 0) return {y.error, "", kYOfX};
        x0 = x.value;
        y0 = y.value;
        dx = x.slope;
        dy = y.slope;
    } else {
        const long double at = kind == kPolarGraph ? v * kPi : v;
        const ValueAndSlope f = Evaluate(graph.Formula().Text(), var, at);
        if (f.error != 0) return {f.error, "", kYOfX};
        if (kind == kYOfX) {
            x0 = v;
            y0 = f.value;
            dx = 1;
            dy = f.slope;
        } else if (kind == kXOfY) {
            y0 = v;
            x0 = f.value;
            dy = 1;
            dx = f.slope;
        } else {
            const long double c = std::cos(at);
            const long double s = std::sin(at);
            x0 = f.value * c;
            y0 = f.value * s;
            dx = Sum(f.slope * c, -f.value * s);
            dy = Sum(f.slope * s, f.value * c);
            FlushResidue(x0, y0);
        }
    }
    if (kind == kPolarGraph || kind == kParametric) FlushResidue(dx, dy);
    if (normal) {
        const long double turned = dx;
        dx = dy;
        dy = -turned;
    }
    bool inY = kind == kXOfY;
    if (kind == kPolarGraph || kind == kParametric)
        inY = Round12(dy) != 0 && std::fabs(Round12(dx / dy)) <= 1e-6L;
    // A Y(x) or X(y) line keeps its form, so a normal across a flat point has no equation
    // of that form: reported like a point without direction rather than divided by zero.
    if (Round12(inY ? dy : dx) == 0) return {kNoLine, "", kYOfX};
    line.kind = inY ? kXOfY : kYOfX;
    const long double k = inY ? dx / dy : dy / dx;
    const long double m = inY ? Sum(x0, -k * y0) : Sum(y0, -k * x0);
    line.formula = LineText(k, inY ? "y" : "x", m);
    return line;
}

std::string TangentErrorText(int error, bool normal) {
    switch (error) {
        case kTangentTooLarge:
            return "Too large expression for derivation";
        case kTangentNotDifferentiable:
            return "The expression contains nondifferentiable function";
        default:
            return normal ? "Error of the determination of the equation of the normal"
                          : "Error of the determination of the equation of the tangent";
    }
}

std::string CheckTangentValue(const std::string& text, long double& value) {
    if (CheckNumStr(text, value) != 0) return kTangentValueNotNumber;
    if (std::fabs(value) > kMaxFieldNumber) return kTangentValueTooLarge;
    return {};
}

GraphRecord TangentRecord(const TangentResult& line, const OptionsRecord& options) {
    return NewGraphRecordOfKind(line.kind, line.formula, options);
}

}  // namespace plotwise
