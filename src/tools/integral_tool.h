// The Definite Integral window's computation: input checks, Simpson's rule and the result
// text. The window and plotwise-cli integrate share it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formula/everyday_reader.h"
#include "plot/overlay_marks.h"

namespace plotwise {

inline constexpr int kMinIntegralSteps = 10;
inline constexpr int kMaxIntegralSteps = 2000;

enum class IntegralField { None, Formula1, Formula2, MinX, MaxX, StepsNum };

struct IntegralParams {
    std::string formula1;  // Y1(x); the integrand is Y1(x) - Y2(x)
    std::string formula2;  // Y2(x)
    long double minX = 0;
    long double maxX = 0;
    int stepsNum = 0;  // S: the rule works on 2S intervals
    bool absIntegrate = false;
};

struct IntegralCheck {
    IntegralField field = IntegralField::None;    // None: every field is valid
    std::string message;                          // "\r" marks a line break
    std::optional<TextSpot> spot = std::nullopt;  // where in the formula its error is
    IntegralParams params;  // the parsed fields when valid; formulas in the formula language
    std::string minText;    // the interval fields as read, as numbers
    std::string maxText;
};

// Checks the fields in the window's order and reports the first failure.
IntegralCheck CheckIntegralInput(const std::string& formula1, const std::string& formula2,
                                 const std::string& minText, const std::string& maxText,
                                 const std::string& stepsText, bool absIntegrate,
                                 Notation notation = Notation::Strict);

enum class IntegralOutcome { Done, Interrupted, EvaluationError, TooLarge };

struct IntegralResult {
    IntegralOutcome outcome = IntegralOutcome::Done;
    long double sum = 0;  // meaningful for Done only
};

// Composite Simpson's rule over 2 * stepsNum intervals of checked parameters. escPressed is
// polled after every point; true interrupts the calculation.
IntegralResult IntegrateSimpson(const IntegralParams& params,
                                const std::function<bool()>& escPressed);

// The band between Y1(x) and Y2(x) over the interval, on the rule's grid or, when that is
// coarser, on kMinBandColumns + 1 points: what the window shades on the plot. A point where
// either formula has no value has NaN there.
inline constexpr int kMinBandColumns = 400;
std::vector<ShadeSample> IntegralBand(const IntegralParams& params);

// What the window's Result shows: the value, or why there is none.
std::string IntegralResultText(const IntegralResult& result);

}  // namespace plotwise
