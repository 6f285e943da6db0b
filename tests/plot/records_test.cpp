// The records: field types, the checks a record read from a file must pass, new graph
// records, how graphs are listed and the colour a new graph gets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "plot/graph_entry_text.h"
#include "plot/record_checks.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using namespace testing_support;

TEST(RecordTypes, HostileBytesReadSafelyAndStay) {
    Bool8 flag{5};  // any non-zero byte is true, and the byte stays as it was
    EXPECT_TRUE(flag && flag.byte == 5);
    String32 name;
    std::memset(&name, 'A', sizeof name);
    name.length = 200;  // a hostile length reads as the capacity
    EXPECT_EQ(name.Text(), std::string(32, 'A'));
    name.SetText(std::string(40, 'b'));
    EXPECT_EQ(name.length, 32);
    name.SetText("ab");
    EXPECT_EQ(BytesOf(name)[3], 0);  // past the length: zero
}

TEST(CheckOptionsRecord, EachCondition) {
    // clang-format off
    const struct { const char* what; void (*change)(OptionsRecord&); bool valid; } cases[] = {
        {CHANGE(), true}, {CHANGE(r.MinX = 10), false}, {CHANGE(r.MinX = 9.9999999999L), false},
        {CHANGE(r.MinY = 11), false}, {CHANGE(r.MaxX = 2e100L), false},
        {CHANGE(r.MinY = -1e100L), true}, {CHANGE(r.MinX = std::nanl("")), false},
        {CHANGE(r.CoeffX = 0), false}, {CHANGE(r.CoeffY = -1e50L), true},
        {CHANGE(r.CoeffY = 2e50L), false}, {CHANGE(r.LogXBase = 1), false},
        {CHANGE(r.LogYBase = 1000), true}, {CHANGE(r.LogYBase = 1001), false},
        {CHANGE(r.LogX = true; r.MaxX = 99), true}, {CHANGE(r.LogX = true; r.MaxX = 100), false},
        {CHANGE(r.LogY = true; r.LogYBase = 2; r.MaxY = 400), false},
        {CHANGE(r.MaxY = 100), true}, {CHANGE(r.StepsNum = 0), false},
        {CHANGE(r.StepsNum = 20001), false}, {CHANGE(r.MaxGap = 1000001), false},
        {CHANGE(r.StepHor = 0), false}, {CHANGE(r.StepVert = -1), true},
        {CHANGE(r.RadiusStep = 1e-300L), false}, {CHANGE(r.NumLinesY.Step = 2e100L), false},
        {CHANGE(r.NumsX.Step = 0), false}, {CHANGE(r.AngleStep = 2), true},
        {CHANGE(r.AngleStep = 2.5L), false}, {CHANGE(r.NumsY.Font.Size = 0), false},
        {CHANGE(r.AxisX.NameFont.Size = 0), false}, {CHANGE(r.AxisY.NameFont.Size = 0), true},
        {CHANGE(r.GraphDefaults.Polar.Min = 1), false},
        {CHANGE(r.GraphDefaults.XFromY.StepsNum = 0), false},
        {CHANGE(r.GraphDefaults.Integral.MaxGap = 0), false},
        {CHANGE(r.GraphDefaults.Equation.StepsNumY = 9), false},
        {CHANGE(r.GraphDefaults.SlopeField.MaxGap = 101), false},
        {CHANGE(r.GraphDefaults.SlopeField.MinY = 10), false},
        {CHANGE(r.GraphDefaults.SortType = 3), true}, {CHANGE(r.GraphDefaults.SortType = 4), false},
    };
    // clang-format on
    for (const auto& c : cases) {
        OptionsRecord options = StandardOptions();
        c.change(options);
        EXPECT_EQ(CheckOptionsRecord(options), c.valid) << c.what;
    }
}

// Encodings no computation produces: an unnormal and a pseudo-infinity.
constexpr unsigned char kUnnormal[10] = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F};
constexpr unsigned char kPseudoInfinity[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F};

TEST(CheckGraphRecord, EachKindsConditions) {
    // clang-format off
    const struct { std::uint8_t kind; const char* formula; const char* what;
                   void (*change)(GraphRecord&); bool valid; } cases[] = {
        {kYOfX, "x^2", CHANGE(), true}, {kYOfX, "", CHANGE(), true}, {kYOfX, "y", CHANGE(), false},
        {kXOfY, "y^2", CHANGE(), true}, {kPolarGraph, "a", CHANGE(), true},
        {kPolarGraph, "x", CHANGE(), false}, {kYOfX, "x", CHANGE(r.Interval().Min = 10), false},
        {kYOfX, "x", CHANGE(r.Interval().Max = 1e101L), false},
        {kXOfY, "y", CHANGE(r.Interval().StepsNum = 20001), false},
        {kPolarGraph, "a", CHANGE(r.Interval().MaxGap = 0), false},
        {kParametric, "t", CHANGE(r.FormulaY().SetText("t^2")), true},
        {kParametric, "t", CHANGE(r.FormulaY().SetText("x")), false},
        {kParametric, "t", CHANGE(r.Interval().Max = -10), false},
        // Kind 3's interval is the block at 536; the one at 280 is the Y(t) formula.
        {kParametric, "t", CHANGE(r.Body.Formulas.Variant.Interval.StepsNum = 0), true},
        {kEquation, "x^2+y^2-1", CHANGE(), true}, {kEquation, "x+z", CHANGE(), false},
        {kEquation, "x", CHANGE(r.Relation() = 2), true},
        {kEquation, "x", CHANGE(r.Relation() = 3), false},
        {kEquation, "x", CHANGE(r.Area().StepsNumX = 1), true},
        {kEquation, "x", CHANGE(r.Area().StepsNumY = 401), false},
        {kEquation, "x", CHANGE(r.Area().MaxGap = 0), false},
        {kEquation, "x", CHANGE(r.Area().MinY = 10), false}, {kSlopeField, "x*y", CHANGE(), true},
        {kSlopeField, "x", CHANGE(r.Relation() = 2), false},
        {kSlopeField, "x", CHANGE(r.Area().StepsNumX = 101), false},
        {kSlopeField, "x", CHANGE(r.Area().MaxGap = 3), false},
        {kSlopeField, "x", CHANGE(r.Area().MaxX = -11), false}, {kTable, "", CHANGE(), true},
        {kTable, "", CHANGE(r.Body.Table[99].Y = -1e100L), true},
        {kTable, "", CHANGE(r.Body.Table[5].X = 2e100L), false},
        {kTable, "", CHANGE(r.Body.Table[5].X = -kNoPoint), false},
        {kTable, "", CHANGE(r.Body.Table[0].Y = std::nanl("")), false},
        {kTable, "", CHANGE(r.SortType = 4), false},
        {kYOfX, "x", CHANGE(std::memcpy(r.Interval().Min.bytes, kUnnormal, 10)), false},
        {kTable, "", CHANGE(std::memcpy(r.Body.Table[7].X.bytes, kPseudoInfinity, 10)), false},
        {kIntegralGraph, "x", CHANGE(), false}, {kTable, "", CHANGE(r.Kind = 200), false},
    };
    // clang-format on
    for (const auto& c : cases) {
        GraphRecord props = GraphOfKind(c.kind, c.formula);
        c.change(props);
        EXPECT_EQ(CheckGraphRecord(props), c.valid) << int(c.kind) << " " << c.formula << c.what;
    }
}

TEST(NewGraphRecord, ANewKindTakesItsDefaultsOverTheOldBytesAndKeepsTheStyle) {
    OptionsRecord o = StandardOptions();
    o.GraphDefaults.Kind = 9;  // no kind: a Y(x) graph
    EXPECT_EQ(NewGraphRecord(o).Kind, kYOfX);
    o.GraphDefaults.Kind = kPolarGraph;
    o.GraphDefaults.Style.Color = 12;
    o.GraphDefaults.SortType = 2;
    GraphRecord table = NewGraphRecord(o);
    GraphRecord field = table;
    table.Kind = kTable;
    field.Kind = kSlopeField;
    SetNewProps(table, o);
    SetNewProps(field, o);
    EXPECT_EQ(table.SortType, 2);
    EXPECT_EQ(table.Color, 12);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[0].X), kNoPoint);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[99].Y), kNoPoint);
    EXPECT_EQ(field.Area().MaxGap, 25);
    EXPECT_EQ(field.Relation(), 0);
}

TEST(GraphEntryText, NamesEveryKindAndRelationAndCountsFullTableRows) {
    // clang-format off
    const struct { std::uint8_t kind; const char* formula; int relation; const char* text; } cases[] = {
        {kYOfX, "sin(x)", 0, "Y(x)=sin(x)"}, {kXOfY, "y^2", 0, "X(y)=y^2"}, {kYOfX, "", 0, "Y(x)="},
        {kPolarGraph, "a", 0, "R(a)=a"}, {kParametric, "cos(t)", 0, "X(t)=cos(t); Y(t)=sin(t)"},
        {kEquation, "x-y", 0, "x-y=0"}, {kEquation, "x-y", 1, "x-y<0"},
        {kEquation, "x-y", 2, "x-y>0"}, {kEquation, "x-y", 3, ""},
        {kSlopeField, "x*y", 0, "dy/dx=x*y"}, {kSlopeField, "x*y", 1, "dx/dy=x*y"},
        {kSlopeField, "x*y", 2, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        GraphRecord props = GraphOfKind(c.kind, c.formula, "sin(t)");
        if (c.relation != 0) props.Relation() = static_cast<std::uint8_t>(c.relation);
        EXPECT_EQ(GraphEntryText(props), c.text);
    }
    GraphRecord table = TableOf({{1, kNoPoint}});  // half a row is no item
    EXPECT_EQ(GraphEntryText(table), "Table: 0 items");
    table.Body.Table[0].Y = -2;
    EXPECT_EQ(GraphEntryText(table), "Table: 1 item");
    table.Body.Table[99] = table.Body.Table[0];
    EXPECT_EQ(GraphEntryText(table), "Table: 2 items");
}

std::vector<std::uint8_t> AllColoursOnceExcept(int skipped) {
    std::vector<std::uint8_t> used;
    for (int c = 0; c < 16; ++c)
        if (c != skipped) used.push_back(static_cast<std::uint8_t>(c));
    return used;
}

TEST(NewGraphColor, LeastUsedTiesToTheDefaultElseFirstInOrderNeverWhatLiesUnderIt) {
    // clang-format off
    const struct { std::uint8_t back, preferred; std::vector<std::uint8_t> used; int expected; } cases[] = {
        {15, 4, {}, 4},                        // all tied at 0: the default
        {15, 4, {4}, 1},                       // the default used: the first unused in order
        {15, 4, {1, 2, 3, 4}, 5},
        {15, 4, AllColoursOnceExcept(15), 4},  // every candidate once: the default
        {15, 4, AllColoursOnceExcept(9), 9},
        {15, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 4}, 0},  // 0 comes last in order
        {1, 1, {}, 2},                         // the default is the background: any other wins
        {0, 1, AllColoursOnceExcept(0), 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        OptionsRecord options = StandardOptions();
        options.AxisX.Draw = options.AxisY.Draw = false;
        options.BackColor = c.back;
        options.GraphDefaults.Style.Color = c.preferred;
        EXPECT_EQ(NewGraphColor(c.used, options), c.expected)
            << int(c.back) << " " << c.used.size();
    }
    // Light grey (8), the polar grid's colour, is the least used; what is shown hides its
    // colour, and the default (4) wins the tie of the rest.
    using Show = void (*)(OptionsRecord&);
    const std::pair<Show, int> shown[] = {
        {[](OptionsRecord&) {}, 8},
        {[](OptionsRecord& o) { o.DrawRadius = true; }, 4},
        {[](OptionsRecord& o) { o.DrawAngle = true; }, 4},
        {[](OptionsRecord& o) { o.DrawVertLines = true, o.VertColor = 8; }, 4},
        {[](OptionsRecord& o) { o.DrawHorLines = true, o.HorColor = 8; }, 4},
        {[](OptionsRecord& o) { o.AxisY.Color = 8; }, 4},
        {[](OptionsRecord& o) { o.AxisY.Color = 8, o.AxisY.Draw = false; }, 8},
    };
    for (const auto& [show, expected] : shown) {
        OptionsRecord options = StandardOptions();
        options.GraphDefaults.Style.Color = 4;
        show(options);
        EXPECT_EQ(NewGraphColor(AllColoursOnceExcept(8), options), expected) << expected;
    }
}

}  // namespace
}  // namespace plotwise
