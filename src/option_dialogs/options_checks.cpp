#include "option_dialogs/options_checks.h"

#include <cmath>

#include "formula/number_input.h"
#include "formula/number_text.h"
#include "plot/view_interval.h"

namespace plotwise {
namespace {

std::string Text(long double v) {
    return NumToStr(v);
}

std::string IntText(std::int32_t v) {
    return std::to_string(v);
}

bool ReadNumber(const std::string& text, long double& value) {
    return CheckNumStr(text, value) == 0;
}

// Written so that NaN fails.
bool PositiveUpTo(const std::string& text, long double limit) {
    long double v = 0;
    return ReadNumber(text, v) && v > 0 && v <= limit;
}

// min and max of one axis: each a field number, then max above min once both are flushed.
std::optional<OptionsFailure> CheckRange(const PlotFields& f, int minField, int maxField,
                                         char axis) {
    const std::string letter(1, axis);
    long double low = 0;
    long double high = 0;
    if (!ReadFieldNumber(f.Text[minField], low))
        return OptionsFailure{
            "Minimum of " + letter + " must be a number\rfrom -1*10^100 up to 1*10^100", minField};
    if (!ReadFieldNumber(f.Text[maxField], high))
        return OptionsFailure{
            "Maximum of " + letter + " must be a number\rfrom -1*10^100 up to 1*10^100", maxField};
    if (!(FlushTiny(high) > FlushTiny(low)))
        return OptionsFailure{"Maximum of " + letter + " must be more\rthan minimum of " + letter,
                              maxField};
    return std::nullopt;
}

}  // namespace

PlotFields PlotFieldsOf(const OptionsRecord& o) {
    PlotFields f;
    f.Text = {Text(o.MinX),     Text(o.MaxX),    Text(o.MinY),        Text(o.MaxY),
              Text(o.CoeffX),   Text(o.CoeffY),  IntText(o.StepsNum), IntText(o.MaxGap),
              Text(o.LogXBase), Text(o.LogYBase)};
    f.PointsAlign = o.PointsAlign;
    f.LogX = o.LogX;
    f.LogY = o.LogY;
    return f;
}

std::optional<OptionsFailure> CheckPlotFields(const PlotFields& f) {
    if (auto failure = CheckRange(f, pfMinX, pfMaxX, 'X')) return failure;
    if (auto failure = CheckRange(f, pfMinY, pfMaxY, 'Y')) return failure;
    for (int field : {pfCoeffX, pfCoeffY}) {
        long double v = 0;
        if (!(ReadNumber(f.Text[field], v) && std::fabs(v) <= 1e50L && v != 0))
            return OptionsFailure{
                "Coefficient must be a number\rfrom -1*10^50 up to 1*10^50 and unequal zero",
                field};
    }
    if (!ReadIntegerInRange(f.Text[pfSteps], 1, 20000))
        return OptionsFailure{"Number of steps must be a\rpositive integer up to 20000", pfSteps};
    if (!ReadIntegerInRange(f.Text[pfMaxGap], 1, 1000000))
        return OptionsFailure{"Maximum gap must be a positive\rinteger up to 1000000", pfMaxGap};
    long double base[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const int field = i == 0 ? pfBaseX : pfBaseY;
        if (!(ReadNumber(f.Text[field], base[i]) && base[i] > 1 && base[i] <= 1000))
            return OptionsFailure{"The logarithmic base must be\ra number from 1 up to 1000",
                                  field};
    }
    const long double maxX = StrToNumRounded(f.Text[pfMaxX]);
    const long double maxY = StrToNumRounded(f.Text[pfMaxY]);
    if (f.LogX && LogBoundTooLarge(base[0], maxX)) return OptionsFailure{kLogBoundMessage, pfMaxX};
    if (f.LogY && LogBoundTooLarge(base[1], maxY)) return OptionsFailure{kLogBoundMessage, pfMaxY};
    return std::nullopt;
}

void StorePlotFields(const PlotFields& f, OptionsRecord& o) {
    Extended80* numbers[] = {&o.MinX, &o.MaxX, &o.MinY, &o.MaxY, &o.CoeffX, &o.CoeffY};
    for (int i = pfMinX; i <= pfCoeffY; ++i)
        UpdateField(*numbers[i], StrToNumRounded(f.Text[i]));
    UpdateField(o.StepsNum, IntegerField(f.Text[pfSteps]));
    UpdateField(o.MaxGap, IntegerField(f.Text[pfMaxGap]));
    UpdateField(o.LogXBase, StrToNumRounded(f.Text[pfBaseX]));
    UpdateField(o.LogYBase, StrToNumRounded(f.Text[pfBaseY]));
    UpdateField(o.PointsAlign, f.PointsAlign);
    UpdateField(o.LogX, f.LogX);
    UpdateField(o.LogY, f.LogY);
}

GridFields GridFieldsOf(const OptionsRecord& o) {
    return {Text(o.StepHor), Text(o.StepVert), Text(o.RadiusStep), Text(o.AngleStep)};
}

std::optional<OptionsFailure> CheckGridFields(const GridFields& f) {
    for (int field : {gfStepHor, gfStepVert, gfRadiusStep}) {
        if (!PositiveUpTo(f[field], 1e100L))
            return OptionsFailure{
                "The step of grid lines must be\ra positive number up to 1*10^100", field};
    }
    if (!PositiveUpTo(f[gfAngleStep], 2))
        return OptionsFailure{"The step of grid lines must be\ra positive number up to 2*Pi",
                              gfAngleStep};
    return std::nullopt;
}

void StoreGridFields(const GridFields& f, OptionsRecord& o) {
    UpdateField(o.StepHor, StrToNumRounded(f[gfStepHor]));
    UpdateField(o.StepVert, StrToNumRounded(f[gfStepVert]));
    UpdateField(o.RadiusStep, StrToNumRounded(f[gfRadiusStep]));
    UpdateField(o.AngleStep, StrToNumRounded(f[gfAngleStep]));
}

MarksFields MarksFieldsOf(const OptionsRecord& o) {
    return {Text(o.NumLinesX.Step),      Text(o.NumLinesY.Step), IntText(o.NumLinesX.Length),
            IntText(o.NumLinesY.Length), Text(o.NumsX.Step),     Text(o.NumsY.Step)};
}

std::optional<OptionsFailure> CheckMarksFields(const MarksFields& f) {
    for (int field : {mfMarksStepX, mfMarksStepY}) {
        if (!PositiveUpTo(f[field], 1e100L))
            return OptionsFailure{"The step of marks must be\ra positive number up to 1*10^100",
                                  field};
    }
    for (int field : {mfLengthX, mfLengthY}) {
        if (!ReadIntegerInRange(f[field], 1, 10))
            return OptionsFailure{"Marks length must be\ra natural number up to 10", field};
    }
    for (int field : {mfLabelsStepX, mfLabelsStepY}) {
        if (!PositiveUpTo(f[field], 1e100L))
            return OptionsFailure{"The step of labels must be\ra positive number up to 1*10^100",
                                  field};
    }
    return std::nullopt;
}

void StoreMarksFields(const MarksFields& f, OptionsRecord& o) {
    UpdateField(o.NumLinesX.Step, StrToNumRounded(f[mfMarksStepX]));
    UpdateField(o.NumLinesY.Step, StrToNumRounded(f[mfMarksStepY]));
    UpdateField(o.NumLinesX.Length, IntegerField(f[mfLengthX]));
    UpdateField(o.NumLinesY.Length, IntegerField(f[mfLengthY]));
    UpdateField(o.NumsX.Step, StrToNumRounded(f[mfLabelsStepX]));
    UpdateField(o.NumsY.Step, StrToNumRounded(f[mfLabelsStepY]));
}

void ReadNotation(PlotFields& f, Notation notation) {
    for (int field : {pfMinX, pfMaxX, pfMinY, pfMaxY, pfCoeffX, pfCoeffY, pfBaseX, pfBaseY})
        f.Text[field] = ReadNumberText(f.Text[field], notation);
}

void ReadNotation(GridFields& f, Notation notation) {
    for (std::string& text : f)
        text = ReadNumberText(text, notation);
}

void ReadNotation(MarksFields& f, Notation notation) {
    for (int field : {mfMarksStepX, mfMarksStepY, mfLabelsStepX, mfLabelsStepY})
        f[field] = ReadNumberText(f[field], notation);
}

void RescaleStepsToIntervals(OptionsRecord& now, const OptionsRecord& old) {
    const long double kx = (now.MaxX - now.MinX) / (old.MaxX - old.MinX);
    const long double ky = (now.MaxY - now.MinY) / (old.MaxY - old.MinY);
    RescaleSteps(now, kx, ky);
}

}  // namespace plotwise
