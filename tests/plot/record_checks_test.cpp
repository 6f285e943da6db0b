// The checks a record read from a file must pass, and what reading normalises.
#include "record_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;

TEST(CheckOptionsRecord, EachCondition) {
    using Change = std::function<void(TOptionsRecord&)>;
    // clang-format off
    const struct {
        const char* what;
        Change change;
        bool valid;
    } cases[] = {
        {"standard", [](TOptionsRecord&) {}, true},
        {"MinX = MaxX", [](TOptionsRecord& o) { o.MinX = 10; }, false},
        {"MinX shows as MaxX", [](TOptionsRecord& o) { o.MinX = 9.9999999999L; }, false},
        {"MinY > MaxY", [](TOptionsRecord& o) { o.MinY = 11; }, false},
        {"MaxX beyond 1E100", [](TOptionsRecord& o) { o.MaxX = 2e100L; }, false},
        {"MinY at -1E100", [](TOptionsRecord& o) { o.MinY = -1e100L; }, true},
        {"MinX not a number", [](TOptionsRecord& o) { o.MinX = std::nanl(""); }, false},
        {"CoeffX 0", [](TOptionsRecord& o) { o.CoeffX = 0; }, false},
        {"CoeffY -1E50", [](TOptionsRecord& o) { o.CoeffY = -1e50L; }, true},
        {"CoeffY 2E50", [](TOptionsRecord& o) { o.CoeffY = 2e50L; }, false},
        {"LogXBase 1", [](TOptionsRecord& o) { o.LogXBase = 1; }, false},
        {"LogYBase 1000", [](TOptionsRecord& o) { o.LogYBase = 1000; }, true},
        {"LogYBase 1001", [](TOptionsRecord& o) { o.LogYBase = 1001; }, false},
        {"log X, 10^99", [](TOptionsRecord& o) { o.LogX = true; o.MaxX = 99; }, true},
        {"log X, 10^100", [](TOptionsRecord& o) { o.LogX = true; o.MaxX = 100; }, false},
        {"log Y, 2^400", [](TOptionsRecord& o) { o.LogY = true; o.LogYBase = 2; o.MaxY = 400; }, false},
        {"linear Y, 10^100", [](TOptionsRecord& o) { o.MaxY = 100; }, true},
        {"StepsNum 0", [](TOptionsRecord& o) { o.StepsNum = 0; }, false},
        {"StepsNum 20001", [](TOptionsRecord& o) { o.StepsNum = 20001; }, false},
        {"MaxGap 1000001", [](TOptionsRecord& o) { o.MaxGap = 1000001; }, false},
        {"StepHor 0", [](TOptionsRecord& o) { o.StepHor = 0; }, false},
        {"StepVert -1", [](TOptionsRecord& o) { o.StepVert = -1; }, true},
        {"RadiusStep tiny", [](TOptionsRecord& o) { o.RadiusStep = 1e-300L; }, false},
        {"NumLinesYStep 2E100", [](TOptionsRecord& o) { o.NumLinesY.Step = 2e100L; }, false},
        {"NumsXStep 0", [](TOptionsRecord& o) { o.NumsX.Step = 0; }, false},
        {"AngleStep 2", [](TOptionsRecord& o) { o.AngleStep = 2; }, true},
        {"AngleStep 2.5", [](TOptionsRecord& o) { o.AngleStep = 2.5L; }, false},
        {"NumsY font size 0", [](TOptionsRecord& o) { o.NumsY.Font.Size = 0; }, false},
        {"X name font size 0", [](TOptionsRecord& o) { o.AxleX.NameFont.Size = 0; }, false},
        {"Y name font size 0", [](TOptionsRecord& o) { o.AxleY.NameFont.Size = 0; }, true},
        {"default polar Min = Max", [](TOptionsRecord& o) { o.StandartProps.Polar.Min = 1; }, false},
        {"default X(y) steps 0", [](TOptionsRecord& o) { o.StandartProps.XFromY.StepsNum = 0; }, false},
        {"default integral gap 0", [](TOptionsRecord& o) { o.StandartProps.Integral.MaxGap = 0; }, false},
        {"default equation steps 9", [](TOptionsRecord& o) { o.StandartProps.Equation.StepsNumY = 9; }, false},
        {"default field length 101", [](TOptionsRecord& o) { o.StandartProps.DifField.MaxGap = 101; }, false},
        {"default field MinY = MaxY", [](TOptionsRecord& o) { o.StandartProps.DifField.MinY = 10; }, false},
        {"default sorting 3", [](TOptionsRecord& o) { o.StandartProps.SortType = 3; }, true},
        {"default sorting 4", [](TOptionsRecord& o) { o.StandartProps.SortType = 4; }, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        TOptionsRecord options = StandardOptions();
        c.change(options);
        EXPECT_EQ(CheckOptionsRecord(options), c.valid) << c.what;
    }
}

constexpr unsigned char kUnnormal[10] = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F};
constexpr unsigned char kPseudoInfinity[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F};

void SetBytes(Extended80& value, const unsigned char (&bytes)[10]) {
    std::memcpy(value.bytes, bytes, 10);
}

TEST(CheckGraphRecord, EachKindsConditions) {
    using Change = std::function<void(TFunctionProps&)>;
    const Change none = [](TFunctionProps&) {};
    // clang-format off
    const struct {
        std::uint8_t kind;
        const char* formula;
        Change change;
        bool valid;
    } cases[] = {
        {fsYFromX, "x^2", none, true}, {fsYFromX, "", none, true}, {fsYFromX, "y", none, false},
        {fsXFromY, "y^2", none, true}, {fsPolar, "a", none, true}, {fsPolar, "x", none, false},
        {fsYFromX, "x", [](TFunctionProps& p) { p.Interval().Min = 10; }, false},
        {fsYFromX, "x", [](TFunctionProps& p) { p.Interval().Max = 1e101L; }, false},
        {fsXFromY, "y", [](TFunctionProps& p) { p.Interval().StepsNum = 20001; }, false},
        {fsPolar, "a", [](TFunctionProps& p) { p.Interval().MaxGap = 0; }, false},
        {fsParam, "t", [](TFunctionProps& p) { p.FormulaY().SetText("t^2"); }, true},
        {fsParam, "t", [](TFunctionProps& p) { p.FormulaY().SetText("x"); }, false},
        {fsParam, "t", [](TFunctionProps& p) { p.Interval().Max = -10; }, false},
        // Kind 3's interval is the block at 536; the one at 280 is the Y(t) formula.
        {fsParam, "t", [](TFunctionProps& p) { p.Body.Formulas.Variant.Interval.StepsNum = 0; }, true},
        {fsEquation, "x^2+y^2-1", none, true}, {fsEquation, "x+z", none, false},
        {fsEquation, "x", [](TFunctionProps& p) { p.Relation() = 2; }, true},
        {fsEquation, "x", [](TFunctionProps& p) { p.Relation() = 3; }, false},
        {fsEquation, "x", [](TFunctionProps& p) { p.Area().StepsNumX = 1; }, true},
        {fsEquation, "x", [](TFunctionProps& p) { p.Area().StepsNumY = 401; }, false},
        {fsEquation, "x", [](TFunctionProps& p) { p.Area().MaxGap = 0; }, false},
        {fsEquation, "x", [](TFunctionProps& p) { p.Area().MinY = 10; }, false},
        {fsDifField, "x*y", none, true},
        {fsDifField, "x", [](TFunctionProps& p) { p.Relation() = 2; }, false},
        {fsDifField, "x", [](TFunctionProps& p) { p.Area().StepsNumX = 101; }, false},
        {fsDifField, "x", [](TFunctionProps& p) { p.Area().MaxGap = 3; }, false},
        {fsDifField, "x", [](TFunctionProps& p) { p.Area().MaxX = -11; }, false},
        {fsTable, "", none, true},
        {fsTable, "", [](TFunctionProps& p) { p.Body.Table[99].Y = -1e100L; }, true},
        {fsTable, "", [](TFunctionProps& p) { p.Body.Table[5].X = 2e100L; }, false},
        {fsTable, "", [](TFunctionProps& p) { p.Body.Table[5].X = -kNoPoint; }, false},
        {fsTable, "", [](TFunctionProps& p) { p.Body.Table[0].Y = std::nanl(""); }, false},
        {fsTable, "", [](TFunctionProps& p) { p.SortType = 4; }, false},
        // Encodings no computation produces: an unnormal and a pseudo-infinity.
        {fsYFromX, "x", [](TFunctionProps& p) { SetBytes(p.Interval().Min, kUnnormal); }, false},
        {fsTable, "", [](TFunctionProps& p) { SetBytes(p.Body.Table[7].X, kPseudoInfinity); }, false},
        {fsIntegral, "x", none, false},
        {fsTable, "", [](TFunctionProps& p) { p.FuncStyle = 200; }, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        TFunctionProps props = GraphOfKind(c.kind, c.formula);
        c.change(props);
        EXPECT_EQ(CheckGraphRecord(props), c.valid) << int(c.kind) << " " << c.formula;
    }
}

TEST(NormaliseOptions, RoundsValuesAndWrapsIndices) {
    TOptionsRecord o = StandardOptions();
    o.MinX = 1.23456789L;
    o.NumsY.Step = 0.1234567891L;
    o.BackColor = 20;
    o.AxleY.Pointer = 6;
    o.HorWidth = 7;
    o.VertWidth = -7;            // truncating modulo, as everywhere; drawing clamps widths
    o.RadiusStep = 1.23456789L;  // not among the rounded fields
    NormaliseOptions(o);
    EXPECT_EQ(static_cast<long double>(o.MinX), 1.2345679L);
    EXPECT_EQ(static_cast<long double>(o.NumsY.Step), 0.1234568L);  // as displayed: 7 decimals
    EXPECT_EQ(o.BackColor, 4);
    EXPECT_EQ(o.AxleY.Pointer, 2);
    EXPECT_EQ(o.HorWidth, 1);
    EXPECT_EQ(o.VertWidth, -1);
    EXPECT_EQ(static_cast<long double>(o.RadiusStep), 1.23456789L);
}

TEST(NormaliseGraph, RoundsTheFieldsOfItsKindOnly) {
    TFunctionProps line = GraphOfKind(fsYFromX, "x");
    line.Interval().Min = -1.000000049L;
    line.Body.Formulas.Variant.Param.Interval.Min = 0.123456789L;  // not kind 0's
    NormaliseGraph(line);
    EXPECT_EQ(static_cast<long double>(line.Interval().Min), -1.0L);
    EXPECT_EQ(static_cast<long double>(line.Body.Formulas.Variant.Param.Interval.Min),
              0.123456789L);

    TFunctionProps table = GraphOfKind(fsTable);
    table.Body.Table[3].Y = 2.0000000049L;
    NormaliseGraph(table);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[3].Y), 2.0L);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[4].X), kNoPoint);

    TFunctionProps field = GraphOfKind(fsDifField, "x");
    field.Area().MaxY = 3.333333333L;
    NormaliseGraph(field);
    EXPECT_EQ(static_cast<long double>(field.Area().MaxY), 3.3333333L);
}

}  // namespace
}  // namespace plotwise
