// The checks a record read from a file must pass, and what reading normalises.
#include "plot/record_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;

TEST(CheckOptionsRecord, EachCondition) {
    using Change = std::function<void(OptionsRecord&)>;
    // clang-format off
    const struct {
        const char* what;
        Change change;
        bool valid;
    } cases[] = {
        {"standard", [](OptionsRecord&) {}, true},
        {"MinX = MaxX", [](OptionsRecord& o) { o.MinX = 10; }, false},
        {"MinX shows as MaxX", [](OptionsRecord& o) { o.MinX = 9.9999999999L; }, false},
        {"MinY > MaxY", [](OptionsRecord& o) { o.MinY = 11; }, false},
        {"MaxX beyond 1E100", [](OptionsRecord& o) { o.MaxX = 2e100L; }, false},
        {"MinY at -1E100", [](OptionsRecord& o) { o.MinY = -1e100L; }, true},
        {"MinX not a number", [](OptionsRecord& o) { o.MinX = std::nanl(""); }, false},
        {"CoeffX 0", [](OptionsRecord& o) { o.CoeffX = 0; }, false},
        {"CoeffY -1E50", [](OptionsRecord& o) { o.CoeffY = -1e50L; }, true},
        {"CoeffY 2E50", [](OptionsRecord& o) { o.CoeffY = 2e50L; }, false},
        {"LogXBase 1", [](OptionsRecord& o) { o.LogXBase = 1; }, false},
        {"LogYBase 1000", [](OptionsRecord& o) { o.LogYBase = 1000; }, true},
        {"LogYBase 1001", [](OptionsRecord& o) { o.LogYBase = 1001; }, false},
        {"log X, 10^99", [](OptionsRecord& o) { o.LogX = true; o.MaxX = 99; }, true},
        {"log X, 10^100", [](OptionsRecord& o) { o.LogX = true; o.MaxX = 100; }, false},
        {"log Y, 2^400", [](OptionsRecord& o) { o.LogY = true; o.LogYBase = 2; o.MaxY = 400; }, false},
        {"linear Y, 10^100", [](OptionsRecord& o) { o.MaxY = 100; }, true},
        {"StepsNum 0", [](OptionsRecord& o) { o.StepsNum = 0; }, false},
        {"StepsNum 20001", [](OptionsRecord& o) { o.StepsNum = 20001; }, false},
        {"MaxGap 1000001", [](OptionsRecord& o) { o.MaxGap = 1000001; }, false},
        {"StepHor 0", [](OptionsRecord& o) { o.StepHor = 0; }, false},
        {"StepVert -1", [](OptionsRecord& o) { o.StepVert = -1; }, true},
        {"RadiusStep tiny", [](OptionsRecord& o) { o.RadiusStep = 1e-300L; }, false},
        {"NumLinesYStep 2E100", [](OptionsRecord& o) { o.NumLinesY.Step = 2e100L; }, false},
        {"NumsXStep 0", [](OptionsRecord& o) { o.NumsX.Step = 0; }, false},
        {"AngleStep 2", [](OptionsRecord& o) { o.AngleStep = 2; }, true},
        {"AngleStep 2.5", [](OptionsRecord& o) { o.AngleStep = 2.5L; }, false},
        {"NumsY font size 0", [](OptionsRecord& o) { o.NumsY.Font.Size = 0; }, false},
        {"X name font size 0", [](OptionsRecord& o) { o.AxisX.NameFont.Size = 0; }, false},
        {"Y name font size 0", [](OptionsRecord& o) { o.AxisY.NameFont.Size = 0; }, true},
        {"default polar Min = Max", [](OptionsRecord& o) { o.GraphDefaults.Polar.Min = 1; }, false},
        {"default X(y) steps 0", [](OptionsRecord& o) { o.GraphDefaults.XFromY.StepsNum = 0; }, false},
        {"default integral gap 0", [](OptionsRecord& o) { o.GraphDefaults.Integral.MaxGap = 0; }, false},
        {"default equation steps 9", [](OptionsRecord& o) { o.GraphDefaults.Equation.StepsNumY = 9; }, false},
        {"default field length 101", [](OptionsRecord& o) { o.GraphDefaults.SlopeField.MaxGap = 101; }, false},
        {"default field MinY = MaxY", [](OptionsRecord& o) { o.GraphDefaults.SlopeField.MinY = 10; }, false},
        {"default sorting 3", [](OptionsRecord& o) { o.GraphDefaults.SortType = 3; }, true},
        {"default sorting 4", [](OptionsRecord& o) { o.GraphDefaults.SortType = 4; }, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        OptionsRecord options = StandardOptions();
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
    using Change = std::function<void(GraphRecord&)>;
    const Change none = [](GraphRecord&) {};
    // clang-format off
    const struct {
        std::uint8_t kind;
        const char* formula;
        Change change;
        bool valid;
    } cases[] = {
        {kYOfX, "x^2", none, true}, {kYOfX, "", none, true}, {kYOfX, "y", none, false},
        {kXOfY, "y^2", none, true}, {kPolarGraph, "a", none, true}, {kPolarGraph, "x", none, false},
        {kYOfX, "x", [](GraphRecord& p) { p.Interval().Min = 10; }, false},
        {kYOfX, "x", [](GraphRecord& p) { p.Interval().Max = 1e101L; }, false},
        {kXOfY, "y", [](GraphRecord& p) { p.Interval().StepsNum = 20001; }, false},
        {kPolarGraph, "a", [](GraphRecord& p) { p.Interval().MaxGap = 0; }, false},
        {kParametric, "t", [](GraphRecord& p) { p.FormulaY().SetText("t^2"); }, true},
        {kParametric, "t", [](GraphRecord& p) { p.FormulaY().SetText("x"); }, false},
        {kParametric, "t", [](GraphRecord& p) { p.Interval().Max = -10; }, false},
        // Kind 3's interval is the block at 536; the one at 280 is the Y(t) formula.
        {kParametric, "t", [](GraphRecord& p) { p.Body.Formulas.Variant.Interval.StepsNum = 0; }, true},
        {kEquation, "x^2+y^2-1", none, true}, {kEquation, "x+z", none, false},
        {kEquation, "x", [](GraphRecord& p) { p.Relation() = 2; }, true},
        {kEquation, "x", [](GraphRecord& p) { p.Relation() = 3; }, false},
        {kEquation, "x", [](GraphRecord& p) { p.Area().StepsNumX = 1; }, true},
        {kEquation, "x", [](GraphRecord& p) { p.Area().StepsNumY = 401; }, false},
        {kEquation, "x", [](GraphRecord& p) { p.Area().MaxGap = 0; }, false},
        {kEquation, "x", [](GraphRecord& p) { p.Area().MinY = 10; }, false},
        {kSlopeField, "x*y", none, true},
        {kSlopeField, "x", [](GraphRecord& p) { p.Relation() = 2; }, false},
        {kSlopeField, "x", [](GraphRecord& p) { p.Area().StepsNumX = 101; }, false},
        {kSlopeField, "x", [](GraphRecord& p) { p.Area().MaxGap = 3; }, false},
        {kSlopeField, "x", [](GraphRecord& p) { p.Area().MaxX = -11; }, false},
        {kTable, "", none, true},
        {kTable, "", [](GraphRecord& p) { p.Body.Table[99].Y = -1e100L; }, true},
        {kTable, "", [](GraphRecord& p) { p.Body.Table[5].X = 2e100L; }, false},
        {kTable, "", [](GraphRecord& p) { p.Body.Table[5].X = -kNoPoint; }, false},
        {kTable, "", [](GraphRecord& p) { p.Body.Table[0].Y = std::nanl(""); }, false},
        {kTable, "", [](GraphRecord& p) { p.SortType = 4; }, false},
        // Encodings no computation produces: an unnormal and a pseudo-infinity.
        {kYOfX, "x", [](GraphRecord& p) { SetBytes(p.Interval().Min, kUnnormal); }, false},
        {kTable, "", [](GraphRecord& p) { SetBytes(p.Body.Table[7].X, kPseudoInfinity); }, false},
        {kIntegralGraph, "x", none, false},
        {kTable, "", [](GraphRecord& p) { p.Kind = 200; }, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        GraphRecord props = GraphOfKind(c.kind, c.formula);
        c.change(props);
        EXPECT_EQ(CheckGraphRecord(props), c.valid) << int(c.kind) << " " << c.formula;
    }
}

TEST(NormaliseOptions, RoundsValuesAndWrapsIndices) {
    OptionsRecord o = StandardOptions();
    o.MinX = 1.23456789L;
    o.NumsY.Step = 0.1234567891L;
    o.BackColor = 20;
    o.AxisY.Pointer = 6;
    o.HorWidth = 7;
    o.VertWidth = -7;            // truncating modulo, as everywhere; drawing clamps widths
    o.RadiusStep = 1.23456789L;  // not among the rounded fields
    NormaliseOptions(o);
    EXPECT_EQ(static_cast<long double>(o.MinX), 1.2345679L);
    EXPECT_EQ(static_cast<long double>(o.NumsY.Step), 0.1234568L);  // as displayed: 7 decimals
    EXPECT_EQ(o.BackColor, 4);
    EXPECT_EQ(o.AxisY.Pointer, 2);
    EXPECT_EQ(o.HorWidth, 1);
    EXPECT_EQ(o.VertWidth, -1);
    EXPECT_EQ(static_cast<long double>(o.RadiusStep), 1.23456789L);
}

TEST(NormaliseGraph, RoundsTheFieldsOfItsKindOnly) {
    GraphRecord line = GraphOfKind(kYOfX, "x");
    line.Interval().Min = -1.000000049L;
    line.Body.Formulas.Variant.Param.Interval.Min = 0.123456789L;  // not kind 0's
    NormaliseGraph(line);
    EXPECT_EQ(static_cast<long double>(line.Interval().Min), -1.0L);
    EXPECT_EQ(static_cast<long double>(line.Body.Formulas.Variant.Param.Interval.Min),
              0.123456789L);

    GraphRecord table = GraphOfKind(kTable);
    table.Body.Table[3].Y = 2.0000000049L;
    NormaliseGraph(table);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[3].Y), 2.0L);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[4].X), kNoPoint);

    GraphRecord field = GraphOfKind(kSlopeField, "x");
    field.Area().MaxY = 3.333333333L;
    NormaliseGraph(field);
    EXPECT_EQ(static_cast<long double>(field.Area().MaxY), 3.3333333L);
}

}  // namespace
}  // namespace plotwise
