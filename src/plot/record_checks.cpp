#include "plot/record_checks.h"

#include <cmath>

#include "formula/check_formula.h"
#include "formula/number_input.h"
#include "plot/view_interval.h"

namespace plotwise {
namespace {

constexpr long double kMaxBound = 1e100L;

long double R(const Extended80& value) {
    return RoundTo8(value);
}

// Written so that NaN fails every test.
bool Within(const Extended80& value, long double limit) {
    return std::fabs(R(value)) <= limit;
}
bool Bounds(const Extended80& min, const Extended80& max) {
    return Within(min, kMaxBound) && Within(max, kMaxBound) && R(min) < R(max);
}
bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}
bool NonZeroStep(const Extended80& step, long double limit) {
    return Within(step, limit) && R(step) != 0;
}

bool IntervalValid(const GraphInterval& block) {
    return Bounds(block.Min, block.Max) && InRange(block.StepsNum, 1, 20000) &&
           InRange(block.MaxGap, 1, 1000000);
}

bool AreaBoundsValid(const GraphArea& area) {
    return Bounds(area.MinX, area.MaxX) && Bounds(area.MinY, area.MaxY);
}

bool EquationAreaValid(const GraphArea& area, std::int32_t minSteps) {
    return AreaBoundsValid(area) && InRange(area.StepsNumX, minSteps, 400) &&
           InRange(area.StepsNumY, minSteps, 400) && InRange(area.MaxGap, 1, 1000000);
}

bool SlopeFieldAreaValid(const GraphArea& area, std::int32_t minLength) {
    return AreaBoundsValid(area) && InRange(area.StepsNumX, 1, 100) &&
           InRange(area.StepsNumY, 1, 100) && InRange(area.MaxGap, minLength, 100);
}

bool LogBoundValid(bool log, const Extended80& base, const Extended80& max) {
    return !log || !LogBoundTooLarge(R(base), R(max));
}

bool Compiles(const String255& formula, char var) {
    return CheckFormula(formula.Text(), std::string(1, var)) == FormulaError::None;
}

bool Compiles2Var(const String255& formula) {
    return CheckFormula2Var(formula.Text(), "X", "Y") == FormulaError::None;
}

void Round(Extended80& value) {
    value = RoundTo8(value);
}

void Modulo(std::uint8_t& index, int choices) {
    index = static_cast<std::uint8_t>(index % choices);
}

void Modulo(Int32& value, int choices) {
    value = static_cast<std::int32_t>(value) % choices;
}

}  // namespace

bool CheckOptionsRecord(const OptionsRecord& o) {
    const NewGraphDefaults& s = o.GraphDefaults;
    return Bounds(o.MinX, o.MaxX) && Bounds(o.MinY, o.MaxY) && NonZeroStep(o.CoeffX, 1e50L) &&
           NonZeroStep(o.CoeffY, 1e50L) && R(o.LogXBase) > 1 && R(o.LogXBase) <= 1000 &&
           R(o.LogYBase) > 1 && R(o.LogYBase) <= 1000 &&
           LogBoundValid(o.LogX, o.LogXBase, o.MaxX) && LogBoundValid(o.LogY, o.LogYBase, o.MaxY) &&
           InRange(o.StepsNum, 1, 20000) && InRange(o.MaxGap, 1, 1000000) &&
           NonZeroStep(o.StepHor, kMaxBound) && NonZeroStep(o.StepVert, kMaxBound) &&
           NonZeroStep(o.RadiusStep, kMaxBound) && NonZeroStep(o.NumLinesX.Step, kMaxBound) &&
           NonZeroStep(o.NumLinesY.Step, kMaxBound) && NonZeroStep(o.NumsX.Step, kMaxBound) &&
           NonZeroStep(o.NumsY.Step, kMaxBound) && NonZeroStep(o.AngleStep, 2) &&
           o.NumsX.Font.Size > 0 && o.NumsY.Font.Size > 0 && o.AxisX.NameFont.Size >= 1 &&
           IntervalValid(s.XFromY) && IntervalValid(s.YFromX) && IntervalValid(s.Polar) &&
           IntervalValid(s.Param) && Bounds(s.Integral.Min, s.Integral.Max) &&
           InRange(s.Integral.StepsNum, 1, 20000) && InRange(s.Integral.MaxGap, 1, 1000000) &&
           EquationAreaValid(s.Equation, 10) && SlopeFieldAreaValid(s.SlopeField, 1) &&
           s.SortType <= 3;
}

bool CheckGraphRecord(const GraphRecord& p) {
    switch (p.Kind) {
        case kYOfX:
        case kXOfY:
        case kPolarGraph:
            return IntervalValid(p.Interval()) && Compiles(p.Formula(), KindVariable(p.Kind));
        case kParametric:
            return IntervalValid(p.Interval()) && Compiles(p.Formula(), 'T') &&
                   Compiles(p.FormulaY(), 'T');
        case kEquation:
            return p.Relation() <= 2 && EquationAreaValid(p.Area(), 1) && Compiles2Var(p.Formula());
        case kSlopeField:
            return p.Relation() <= 1 && SlopeFieldAreaValid(p.Area(), 4) &&
                   Compiles2Var(p.Formula());
        case kTable:
            for (const TableRow& row : p.Body.Table) {
                for (const Extended80* cell : {&row.X, &row.Y}) {
                    if (static_cast<long double>(*cell) != kNoPoint && !Within(*cell, kMaxBound)) {
                        return false;
                    }
                }
            }
            return p.SortType <= 3;
        default:
            return false;  // kind 7 has no command and no sampler; anything above is no kind
    }
}

void NormaliseOptions(OptionsRecord& o) {
    for (Extended80* value :
         {&o.MinX, &o.MaxX, &o.MinY, &o.MaxY, &o.CoeffX, &o.CoeffY, &o.StepHor, &o.StepVert,
          &o.NumLinesX.Step, &o.NumLinesY.Step, &o.NumsX.Step, &o.NumsY.Step}) {
        Round(*value);
    }
    for (std::uint8_t* style : {&o.HorStyle, &o.VertStyle, &o.AxisX.Style, &o.AxisY.Style,
                                &o.AxisX.Pointer, &o.AxisY.Pointer}) {
        Modulo(*style, 4);
    }
    for (std::uint8_t* color : {&o.HorColor, &o.VertColor, &o.BackColor, &o.AxisX.Color,
                                &o.AxisY.Color, &o.NumLinesX.Color, &o.NumLinesY.Color}) {
        Modulo(*color, 16);
    }
    for (Int32* width : {&o.HorWidth, &o.VertWidth, &o.AxisX.Width, &o.AxisY.Width})
        Modulo(*width, 6);
}

void NormaliseGraph(GraphRecord& p) {
    switch (p.Kind) {
        case kYOfX:
        case kXOfY:
        case kPolarGraph:
        case kParametric:
            Round(p.Interval().Min);
            Round(p.Interval().Max);
            break;
        case kEquation:
        case kSlopeField:
            for (Extended80* value :
                 {&p.Area().MinX, &p.Area().MaxX, &p.Area().MinY, &p.Area().MaxY})
                Round(*value);
            break;
        case kIntegralGraph:
            for (Extended80* value : {&p.Integral().Min, &p.Integral().Max, &p.Integral().FirstX,
                                      &p.Integral().FirstY}) {
                Round(*value);
            }
            break;
        case kTable:
            for (TableRow& row : p.Body.Table) {
                Round(row.X);
                Round(row.Y);
            }
            break;
        default:
            break;
    }
}

}  // namespace plotwise
