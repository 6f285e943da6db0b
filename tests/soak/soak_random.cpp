#include "soak_random.h"

#include <tuple>

#include "formula/number_input.h"
#include "graph_dialog/graph_fields.h"

namespace plotwise::soak {
namespace {

const std::vector<std::string> kFunctions = {
    "sin",   "cos",   "tan",   "cot",   "asin", "acos", "atan", "sinh", "cosh", "tanh", "coth",
    "asinh", "acosh", "atanh", "acoth", "exp",  "ln",   "lg",   "sqrt", "abs",  "int",  "frac"};
const std::vector<std::string> kOperators = {"+", "-", "*", "/", "^"};
const std::vector<std::string> kConstants = {"1", "2", "3", "0.5", "10", "pi", "3.", "0.001"};
const std::vector<std::string> kNowhere = {"1/0", "ln(0)", "sqrt(-1)", "exp(1000)", "10^600"};

std::string Term(Random& random, const std::string& variables, int depth) {
    if (depth <= 0 || random.Chance(0.25)) {
        if (random.Chance(0.6))
            return std::string(1, variables[random.Int(0, variables.size() - 1)]);
        return random.Pick(kConstants);
    }
    switch (random.Int(0, 3)) {
        case 0:
            return random.Pick(kFunctions) + "(" + Term(random, variables, depth - 1) + ")";
        case 1:
            // A minus right after "(" negates the whole term.
            return "(-" + Term(random, variables, depth - 1) + ")";
        default:
            return "(" + Term(random, variables, depth - 1) + random.Pick(kOperators) +
                   Term(random, variables, depth - 1) + ")";
    }
}

bool IntervalKind(int kind) {
    return kind >= kYOfX && kind <= kParametric;
}
bool AreaKind(int kind) {
    return kind == kEquation || kind == kSlopeField;
}

std::string Variables(int kind) {
    switch (kind) {
        case kXOfY:
            return "y";
        case kPolarGraph:
            return "a";
        case kParametric:
            return "t";
        case kEquation:
        case kSlopeField:
            return "xy";
        default:
            return "x";
    }
}

std::string IntText(int value) {
    return std::to_string(value);
}

// Steps and gaps a soak can afford thousands of times.
void RandomIntervalSteps(Random& random, GraphFields& f, const OptionsRecord& options) {
    if (random.Chance(0.3)) {
        UncheckSteps(f, options);
        return;
    }
    f.StepsChecked = true;
    f.Steps = IntText(random.Chance(0.1) ? random.Int(1, 10) : random.Int(20, 1500));
    f.MaxGap = IntText(random.Chance(0.5) ? random.Int(1, 100) : random.Int(1, 1000000));
}

void RandomInterval(Random& random, GraphFields& f, const OptionsRecord& options) {
    if ((f.Kind == kYOfX || f.Kind == kXOfY) && random.Chance(0.3)) {
        UncheckInterval(f, options);
        return;
    }
    f.IntervalChecked = true;
    const auto range = RandomRangeTexts(random, f.Kind == kPolarGraph ? 0 : 6);
    f.Min = range.first;
    f.Max = range.second;
}

void RandomArea(Random& random, GraphFields& f, const OptionsRecord& options) {
    if (random.Chance(0.3)) {
        UncheckInterval(f, options);
    } else {
        f.IntervalChecked = true;
        std::tie(f.Min, f.Max) = RandomRangeTexts(random, 4);
        std::tie(f.MinY, f.MaxY) = RandomRangeTexts(random, 4);
    }
}

void RandomAreaSteps(Random& random, GraphFields& f) {
    if (f.Kind == kEquation) {
        f.Steps = IntText(random.Int(10, random.Chance(0.1) ? 150 : 60));
        f.StepsY = IntText(random.Int(10, random.Chance(0.1) ? 150 : 60));
        f.MaxGap = IntText(random.Chance(0.5) ? random.Int(1, 100) : random.Int(1, 1000000));
    } else {
        f.Steps = IntText(random.Int(2, 30));
        f.StepsY = IntText(random.Int(2, 30));
        f.LinesLength = IntText(random.Int(4, 100));
    }
}

void RandomTable(Random& random, GraphFields& f) {
    const int edits = random.Chance(0.05) ? 100 : random.Int(0, 20);
    for (int i = 0; i < edits; ++i) {
        auto& row = f.Table[static_cast<std::size_t>(random.Int(0, kTableRows - 1))];
        for (std::string& cell : row)
            cell = random.Chance(0.1) ? std::string() : RandomNumberText(random, 3);
    }
    f.SortType = random.Int(0, 2);
}

void RandomStyle(Random& random, GraphFields& f) {
    StyleFields& s = f.Style;
    s.Lines = random.Chance(0.8);
    s.Points = random.Chance(0.3);
    s.LineWidthItem = random.Int(0, 4);
    s.PointWidthItem = random.Int(0, 5);
    s.PointStyle = random.Int(0, 7);
    s.Color = random.Int(0, 15);
    s.Brush = random.Int(0, 6);
    f.DrawGraphic = random.Chance(0.9);
}

// One field typed wrong, as a user might; OK must refuse it. False when the kind has no
// such field on the pages shown.
bool SpoilAField(Random& random, GraphFields& f, bool formulas) {
    if (AreaKind(f.Kind) || IntervalKind(f.Kind)) {
        switch (random.Int(formulas ? 0 : 1, 3)) {
            case 0:
                f.Formula = InvalidFormula(random);
                break;
            case 1:
                f.Min = random.Pick(std::vector<std::string>{"", "1e5", "2*10^101", "x", "--1"});
                break;
            case 2:
                f.Max = f.Min;  // the maximum must be above the minimum
                break;
            default:
                f.Steps =
                    random.Pick(std::vector<std::string>{"0", "-3", "20001", "1.5", "", "ab"});
                break;
        }
        return true;
    }
    if (f.Kind == kTable && formulas) {
        f.Table[static_cast<std::size_t>(random.Int(0, kTableRows - 1))][random.Int(0, 1)] =
            random.Pick(std::vector<std::string>{"1e5", "2*10^101", "--1", "x"});
        return true;
    }
    return false;
}

// formulas: whether the formula fields are on a page the user sees.
bool Confirm(Random& random, GraphFields& f, GraphRecord& work, GraphRecord& props, bool formulas,
             EditorCounts& counts) {
    const bool spoiled = random.Chance(0.04) && SpoilAField(random, f, formulas);
    if (const auto failure = CheckFields(f)) {
        if (spoiled) {
            ++counts.refusedOnPurpose;
        } else {
            ++counts.refusedUnexpectedly;
            counts.lastUnexpected = failure->Message + " (kind " + std::to_string(f.Kind) + ": \"" +
                                    f.Formula + "\", \"" + f.FormulaY + "\")";
        }
        return false;
    }
    if (random.Chance(0.05)) {
        ++counts.cancelled;
        return false;
    }
    StoreFields(f, work);
    props = work;
    ++counts.confirmed;
    if (f.Kind >= kYOfX && f.Kind <= kTable) ++counts.kinds[static_cast<std::size_t>(f.Kind)];
    return true;
}

}  // namespace

std::string RandomFormula(Random& random, const std::string& variables) {
    if (random.Chance(0.03)) return random.Chance(0.5) ? "" : " ";
    if (random.Chance(0.05)) {
        return random.Pick(kNowhere) + "+" + std::string(1, variables[0]);
    }
    std::string text;
    do {
        text = Term(random, variables, random.Int(1, 5));
    } while (text.size() > 200);
    return text;
}

std::string InvalidFormula(Random& random) {
    return random.Pick(
        std::vector<std::string>{"2x", "sin x", "1e5", "x2", ".5", "((x)", "(x))", "2^-1", "()"});
}

std::string RandomNumberText(Random& random, int maxExponent) {
    std::string text = random.Chance(0.4) ? "-" : "";
    switch (random.Int(0, 3)) {
        case 0:
            text += IntText(random.Int(0, 20));
            break;
        case 1:
            text += IntText(random.Int(0, 99)) + "." + IntText(random.Int(0, 999));
            break;
        case 2:  // nine digits: one more than a field keeps
            text += IntText(random.Int(1, 9)) + "." + IntText(random.Int(10000000, 99999999));
            break;
        default: {
            const int exponent = random.Int(-maxExponent - 3, maxExponent);
            text += IntText(random.Int(1, 9)) + "." + IntText(random.Int(0, 99)) + "*10^" +
                    (exponent < 0 ? "(" + IntText(exponent) + ")" : IntText(exponent));
            break;
        }
    }
    return text;
}

std::pair<std::string, std::string> RandomRangeTexts(Random& random, int maxExponent) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::string a = RandomNumberText(random, maxExponent);
        std::string b = RandomNumberText(random, maxExponent);
        long double va = 0;
        long double vb = 0;
        if (!ReadFieldNumber(a, va) || !ReadFieldNumber(b, vb) || va == vb) continue;
        if (va > vb) std::swap(a, b);
        return {a, b};
    }
    return {"-1", "1"};
}

bool EditGraphRecord(Random& random, GraphRecord& props, const OptionsRecord& options, bool fresh,
                     EditorCounts& counts) {
    GraphRecord work = props;
    GraphFields f = FieldsFromProps(work, options);
    const int oldKind = f.Kind;
    if (random.Chance(fresh ? 0.7 : 0.15)) ChangeKind(f, work, random.Int(kYOfX, kTable), options);
    const int kind = f.Kind;
    // A formula carried to another kind may name the wrong variable: typed anew.
    if (kind >= kYOfX && kind <= kSlopeField && (fresh || kind != oldKind || random.Chance(0.5))) {
        f.Formula = RandomFormula(random, Variables(kind));
        if (kind == kParametric) f.FormulaY = RandomFormula(random, Variables(kind));
    }
    if (AreaKind(kind)) {
        if (random.Chance(0.5)) f.Relation = random.Int(0, kind == kEquation ? 2 : 1);
        if (random.Chance(0.4)) RandomArea(random, f, options);
        if (random.Chance(0.4)) RandomAreaSteps(random, f);
    } else if (IntervalKind(kind)) {
        if (random.Chance(0.4)) RandomInterval(random, f, options);
        if (random.Chance(0.4)) RandomIntervalSteps(random, f, options);
    } else if (kind == kTable && (fresh || random.Chance(0.6))) {
        RandomTable(random, f);
    }
    if (random.Chance(fresh ? 0.3 : 0.4)) RandomStyle(random, f);
    return Confirm(random, f, work, props, true, counts);
}

bool EditKindDefaults(Random& random, GraphRecord& props, const OptionsRecord& options,
                      EditorCounts& counts) {
    GraphRecord work = props;
    GraphFields f = FieldsFromProps(work, options);
    if (AreaKind(f.Kind)) {
        RandomArea(random, f, options);
        RandomAreaSteps(random, f);
    } else if (IntervalKind(f.Kind)) {
        RandomInterval(random, f, options);
        RandomIntervalSteps(random, f, options);
    } else if (f.Kind == kTable) {
        f.SortType = random.Int(0, 2);
    }
    return Confirm(random, f, work, props, false, counts);
}

}  // namespace plotwise::soak
