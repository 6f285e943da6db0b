#include "tools/integral_tool.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "formula/compiled_formula.h"
#include "formula/formula_errors.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/residue.h"
#include "formula/text_utils.h"
#include "plot/feedback.h"

namespace plotwise {
namespace {

constexpr char kVariable[] = "X";
// Beyond this the sum is of no use; either sign overflows the same way.
constexpr long double kMaxSum = 1e500L;

// The syntax and blank checks of one formula; false with the failure filled in, else the
// formula as read in read.
bool CheckIntegrand(const std::string& formula, IntegralField field, Notation notation,
                    IntegralCheck& check, std::string& read) {
    const FormulaReading reading = ReadFormula(formula, {{kVariable}, 'y'}, notation);
    if (!reading.Ok()) {
        check.message = ReadingMessage(reading);
        check.spot = reading.spot;
    } else if (RemoveSpaces(reading.text).empty()) {
        check.message = "Empty formula";
    } else {
        read = reading.text;
        return true;
    }
    check.field = field;
    return false;
}

}  // namespace

IntegralCheck CheckIntegralInput(const std::string& formula1, const std::string& formula2,
                                 const std::string& minText, const std::string& maxText,
                                 const std::string& stepsText, bool absIntegrate,
                                 Notation notation) {
    IntegralCheck check;
    IntegralParams& p = check.params;
    if (!CheckIntegrand(formula1, IntegralField::Formula1, notation, check, p.formula1))
        return check;
    if (!CheckIntegrand(formula2, IntegralField::Formula2, notation, check, p.formula2))
        return check;
    check.minText = ReadNumberText(minText, notation);
    check.maxText = ReadNumberText(maxText, notation);
    if (!ReadFieldNumber(check.minText, p.minX)) {
        check.field = IntegralField::MinX;
        check.message = "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100";
        return check;
    }
    if (!ReadFieldNumber(check.maxText, p.maxX)) {
        check.field = IntegralField::MaxX;
        check.message = "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100";
        return check;
    }
    if (p.maxX <= p.minX) {
        check.field = IntegralField::MaxX;
        check.message = "Maximum of X must be more\rthan minimum of X";
        return check;
    }
    long long steps = 0;
    if (!ReadInteger(stepsText, steps) || steps < kMinIntegralSteps || steps > kMaxIntegralSteps) {
        check.field = IntegralField::StepsNum;
        check.message = "The number of steps must be\ran integer from 10 up to 2000";
        return check;
    }
    p.stepsNum = static_cast<int>(steps);
    p.absIntegrate = absIntegrate;
    return check;
}

IntegralResult IntegrateSimpson(const IntegralParams& params,
                                const std::function<bool()>& escPressed) {
    CompiledFormula y1;
    CompiledFormula y2;
    if (y1.Compile(params.formula1, kVariable) != FormulaError::None ||
        y2.Compile(params.formula2, kVariable) != FormulaError::None) {
        return {IntegralOutcome::EvaluationError, 0};
    }
    const int n = 2 * params.stepsNum;
    const long double a = params.minX;
    const long double h = (params.maxX - a) / n;
    const long double third = 1.0L / 3.0L;
    long double sum = 0;
    long double magnitude = 0;  // of the terms, whose rounding the sum carries
    for (int i = 0; i <= n; ++i) {
        // From i rather than accumulated, so that rounding does not drift along the grid.
        const long double x = i * h + a;
        const Evaluation v1 = y1.Calculate(x);
        if (!v1.Ok()) return {IntegralOutcome::EvaluationError, 0};
        const Evaluation v2 = y2.Calculate(x);
        if (!v2.Ok()) return {IntegralOutcome::EvaluationError, 0};
        long double v = params.absIntegrate ? fabsl(v2.value - v1.value) : v1.value - v2.value;
        v *= i == 0 || i == n ? 1 : (i % 2 == 1 ? 4 : 2);
        sum += v * h * third;
        magnitude += std::fabs(v * h * third);
        if (fabsl(sum) > kMaxSum) return {IntegralOutcome::TooLarge, 0};
        if (escPressed && escPressed()) return {IntegralOutcome::Interrupted, 0};
    }
    // A sum that cancels below the rounding of its terms (x over -1..1) is 0.
    return {IntegralOutcome::Done, ZeroIfResidue(sum, magnitude, 1e-15L)};
}

std::vector<ShadeSample> IntegralBand(const IntegralParams& params) {
    std::vector<ShadeSample> band;
    CompiledFormula y1;
    CompiledFormula y2;
    if (y1.Compile(params.formula1, kVariable) != FormulaError::None ||
        y2.Compile(params.formula2, kVariable) != FormulaError::None)
        return band;
    const int n = std::max(2 * params.stepsNum, kMinBandColumns);
    const long double h = (params.maxX - params.minX) / n;
    band.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const long double x = i * h + params.minX;  // as the rule places its points
        const Evaluation v1 = y1.Calculate(x);
        const Evaluation v2 = y2.Calculate(x);
        band.push_back({x, v1.Ok() ? v1.value : NAN, v2.Ok() ? v2.value : NAN});
    }
    return band;
}

std::string IntegralResultText(const IntegralResult& result) {
    switch (result.outcome) {
        case IntegralOutcome::Interrupted:
            return kCalculationInterrupted;
        case IntegralOutcome::EvaluationError:
            return "Error at function evaluation";
        case IntegralOutcome::TooLarge:
            return "Too large value of the integral";
        case IntegralOutcome::Done:
            break;
    }
    return NumToStr(result.sum);
}

}  // namespace plotwise
