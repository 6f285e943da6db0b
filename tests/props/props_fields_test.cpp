// The graph properties fields without widgets: filling, kind changes, the OK check and
// storing.
#include "props_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "new_graph.h"

namespace plotwise {
namespace {

// Visible ranges and steps unlike every standard block, so that a field shows where its
// value came from.
TOptionsRecord Options() {
    TOptionsRecord o = StandardOptions();
    o.MinX = -3;
    o.MaxX = 5;
    o.MinY = -7;
    o.MaxY = 2.5L;
    o.StepsNum = 321;
    o.MaxGap = 4567;
    return o;
}

TFunctionProps Graph(int kind) {
    TFunctionProps p = EmptyFunctionProps();
    p.FuncStyle = static_cast<std::uint8_t>(kind);
    SetNewProps(p, Options());
    return p;
}

// Fields that pass every check, of the given kind.
TPropsFields Valid(int kind) {
    TFunctionProps p = Graph(kind);
    if (kind <= fsParam) {
        p.Interval().DefaultInterval = false;
        p.Interval().DefaultSteps = false;
    }
    return FieldsFromProps(p, Options());
}

using Edits = std::vector<std::pair<std::string TPropsFields::*, const char*>>;

// The Add. Properties checks; message null: accepted.
TEST(CheckFields, AddPropertiesInOrder) {
    using F = TPropsField;
    using T = TPropsFields;
    const char* steps = "Number of steps must be a\rpositive integer up to 20000";
    const char* gap = "Maximum gap must be a\rpositive integer up to 1000000";
    const char* eqSteps = "Number of steps must be an\rinteger from 10 up to 400";
    const char* series = "Number of serieses must be\ran integer from 2 up to 100";
    const char* length = "Line length must be\ran integer from 4 up to 100";
    const char* minX = "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100";
    // clang-format off
    const struct {
        int kind;
        Edits edits;
        TPropsField field;
        const char* message;
    } cases[] = {
        {fsYFromX, {{&T::Min, "2*10^100"}}, F::Min, minX},
        {fsPolar, {{&T::Min, "2*10^100"}}, F::Min,
         "Minimum of A must be a number\rfrom -1*10^100Pi up to 1*10^100Pi"},
        {fsPolar, {{&T::Max, "pi"}}, F::Max,
         "Maximum of A must be a number\rfrom -1*10^100Pi up to 1*10^100Pi"},
        {fsParam, {{&T::Max, ""}}, F::Max,
         "Maximum of T must be a number\rfrom -1*10^100 up to 1*10^100"},
        {fsXFromY, {{&T::Max, "-10"}}, F::Max, "Maximum of Y must be more\rthan minimum of Y"},
        {fsYFromX, {{&T::Min, "1"}, {&T::Max, "0.5"}}, F::Max,
         "Maximum of X must be more\rthan minimum of X"},
        {fsYFromX, {{&T::Min, "x"}, {&T::Max, "y"}, {&T::Steps, "0"}}, F::Min, minX},
        {fsYFromX, {{&T::Steps, "0"}, {&T::MaxGap, "0"}}, F::Steps, steps},
        {fsYFromX, {{&T::Steps, "20001"}}, F::Steps, steps},
        {fsXFromY, {{&T::Steps, "2.5"}}, F::Steps, steps},
        {fsPolar, {{&T::Steps, ""}}, F::Steps, steps},
        {fsParam, {{&T::Steps, "1*10^3"}}, F::Steps, steps},
        {fsYFromX, {{&T::MaxGap, "0"}}, F::MaxGap, gap},
        {fsParam, {{&T::MaxGap, "1000001"}}, F::MaxGap, gap},
        {fsYFromX, {{&T::Min, "-1*10^100"}, {&T::Max, " 1*10^100 "}, {&T::Steps, "20000"},
                    {&T::MaxGap, "1000000"}}, {}, nullptr},
        {fsPolar, {{&T::Steps, " 1\t"}, {&T::MaxGap, "+1"}}, {}, nullptr},

        {fsEquation, {{&T::Min, "-2*10^100"}, {&T::MinY, "z"}}, F::Min, minX},
        {fsDifField, {{&T::Max, "-10"}, {&T::MinY, "z"}}, F::Max,
         "Maximum of X must be more\rthan minimum of X"},
        {fsEquation, {{&T::MinY, "z"}, {&T::Steps, "1"}}, F::MinY,
         "Minimum of Y must be a number\rfrom -1*10^100 up to 1*10^100"},
        {fsDifField, {{&T::MaxY, "1*10^101"}}, F::MaxY,
         "Maximum of Y must be a number\rfrom -1*10^100 up to 1*10^100"},
        {fsEquation, {{&T::MaxY, "-20"}}, F::MaxY, "Maximum of Y must be more\rthan minimum of Y"},
        {fsEquation, {{&T::Steps, "9"}}, F::Steps, eqSteps},
        {fsEquation, {{&T::StepsY, "401"}}, F::StepsY, eqSteps},
        {fsEquation, {{&T::Steps, "10"}, {&T::StepsY, "400"}}, {}, nullptr},
        {fsEquation, {{&T::MaxGap, "1000001"}}, F::MaxGap, gap},
        {fsDifField, {{&T::Steps, "1"}}, F::Steps, series},
        {fsDifField, {{&T::StepsY, "101"}}, F::StepsY, series},
        {fsDifField, {{&T::LinesLength, "3"}}, F::LinesLength, length},
        {fsDifField, {{&T::MaxGap, "x"}, {&T::LinesLength, "101"}}, F::LinesLength, length},
        {fsDifField, {{&T::Steps, "2"}, {&T::StepsY, "100"}, {&T::LinesLength, "4"},
                      {&T::MaxGap, "kind 4 only"}}, {}, nullptr},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        TPropsFields f = Valid(cases[i].kind);
        for (const auto& [field, text] : cases[i].edits)
            f.*field = text;
        const auto failure = CheckFields(f);
        if (cases[i].message == nullptr) {
            EXPECT_FALSE(failure.has_value()) << "case " << i << ": " << failure->Message;
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << "case " << i;
        EXPECT_EQ(failure->Message, cases[i].message) << "case " << i;
        EXPECT_EQ(failure->Field, cases[i].field) << "case " << i;
        EXPECT_EQ(failure->Page, TPropsPage::AddProperties) << "case " << i;
    }
}

TEST(CheckFields, FormulasFirstOnThePropertiesPage) {
    const struct {
        int kind;
        const char* formula;
        const char* formulaY;
        bool valid;
        TPropsField field;
    } cases[] = {
        {fsYFromX, "sin(x)", "", true, {}},
        {fsYFromX, " ", "", true, {}},
        {fsYFromX, "x*y", "", false, TPropsField::Formula},
        {fsXFromY, "x", "", false, TPropsField::Formula},
        {fsPolar, "2*cos(a)", "", true, {}},
        {fsParam, "cos(t)", "sin(t", false, TPropsField::FormulaY},
        {fsParam, "cos(x)", "sin(t", false, TPropsField::Formula},
        {fsEquation, "x^2+y^2-4", "", true, {}},
        {fsDifField, "x*y)", "", false, TPropsField::Formula},
    };
    for (const auto& c : cases) {
        TPropsFields f = Valid(c.kind);
        f.Formula = c.formula;
        f.FormulaY = c.formulaY;
        f.Min = "not a number";  // later on the list; never reported before a formula
        const auto failure = CheckFields(f);
        ASSERT_TRUE(failure.has_value()) << c.formula;
        if (c.valid) {
            EXPECT_EQ(failure->Field, TPropsField::Min) << c.formula;
            continue;
        }
        EXPECT_EQ(failure->Field, c.field) << c.formula;
        EXPECT_EQ(failure->Page, TPropsPage::Properties);
        EXPECT_EQ(failure->Message.rfind("Error ", 0), 0u) << failure->Message;
        EXPECT_NE(failure->Message.find(": "), std::string::npos) << failure->Message;
    }
}

TEST(CheckFields, TableCellsRowByRow) {
    TPropsFields f = Valid(fsTable);
    f.Table[0] = {"1", ""};
    f.Table[4] = {"-2.5", "1e5"};
    f.Table[6] = {"abc", "3"};
    auto failure = CheckFields(f);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message, "Numbers in table must be from -1*10^100 to 1*10^100");
    EXPECT_EQ(failure->Page, TPropsPage::Properties);
    EXPECT_EQ(failure->Field, TPropsField::Table);
    EXPECT_EQ(failure->Row, 4);
    EXPECT_EQ(failure->Column, 1);

    f.Table[4][1] = "1*10^5";
    f.Table[6][0] = "-1.5*10^100";
    failure = CheckFields(f);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Row, 6);
    EXPECT_EQ(failure->Column, 0);

    f.Table[6][0] = "-1*10^100";
    f.Table[99][1] = " \t";
    EXPECT_FALSE(CheckFields(f).has_value());
}

TEST(FieldsFromProps, DefaultIntervalsAndStepsShowTheDocuments) {
    const TOptionsRecord o = Options();
    const struct {
        int kind;
        bool defaults;
        const char *min, *max, *minY, *maxY, *steps, *gap;
    } cases[] = {
        {fsYFromX, true, "-3", "5", "", "", "321", "4567"},
        {fsXFromY, true, "-7", "2.5", "", "", "321", "4567"},
        {fsXFromY, false, "-1.5", "2000", "", "", "17", "5000000"},
        {fsPolar, true, "-1.5", "2000", "", "", "321", "4567"},  // never the visible range
        {fsParam, true, "-1.5", "2000", "", "", "321", "4567"},
        {fsEquation, true, "-3", "5", "-7", "2.5", "17", "5000000"},  // steps always own
        {fsDifField, false, "-1.5", "2000", "0.25", "1.2345679*10^7", "17", ""},
    };
    for (const auto& c : cases) {
        TFunctionProps p = Graph(c.kind);
        if (c.kind <= fsParam) {
            TIntervalProps& in = p.Interval();
            in.DefaultInterval = c.defaults;
            in.DefaultSteps = c.defaults;
            in.Min = -1.5L;
            in.Max = 2000;
            in.StepsNum = 17;
            in.MaxGap = 5000000;  // shown as it is; the check refuses it
        } else {
            TAreaProps& a = p.Area();
            a.DefaultInterval = c.defaults;
            a.MinX = -1.5L;
            a.MaxX = 2000;
            a.MinY = 0.25L;
            a.MaxY = 12345678.9L;
            a.StepsNumX = 17;
            a.StepsNumY = 18;
            a.MaxGap = 5000000;
        }
        const TPropsFields f = FieldsFromProps(p, o);
        EXPECT_EQ(f.IntervalChecked, !c.defaults) << c.kind;
        EXPECT_EQ(f.Min, c.min) << c.kind;
        EXPECT_EQ(f.Max, c.max) << c.kind;
        EXPECT_EQ(f.MinY, c.minY) << c.kind;
        EXPECT_EQ(f.MaxY, c.maxY) << c.kind;
        EXPECT_EQ(f.Steps, c.steps) << c.kind;
        EXPECT_EQ(f.MaxGap, c.gap) << c.kind;
    }
}

TEST(FieldsFromProps, TableStyleAndFormulas) {
    TFunctionProps t = Graph(fsTable);
    t.Body.Table[0].X = 1.0L / 3;
    t.Body.Table[2].Y = -12345678;
    t.PointWidth = 7;
    t.LineWidth = 3;
    TPropsFields f = FieldsFromProps(t, Options());
    EXPECT_EQ(f.Table[0][0], "0.3333333");
    EXPECT_EQ(f.Table[0][1], "");
    EXPECT_EQ(f.Table[2][1], "-1.2345678*10^7");
    EXPECT_EQ(f.Style.PointWidthItem, 3);
    EXPECT_EQ(f.Style.LineWidthItem, 2);

    // A Y(x) record keeps an old Y(t) formula in its bytes; the Y(t) field stays empty.
    TFunctionProps p = Graph(fsParam);
    p.FormulaY().SetText("sin(t)");
    p.FuncStyle = fsYFromX;
    p.Formula().SetText("x^2");
    f = FieldsFromProps(p, Options());
    EXPECT_EQ(f.Formula, "x^2");
    EXPECT_EQ(f.FormulaY, "");
}

TEST(Uncheck, FillsFromTheDocument) {
    const TOptionsRecord o = Options();
    TPropsFields f = Valid(fsXFromY);
    f.IntervalChecked = f.StepsChecked = true;
    f.Min = f.Max = f.Steps = f.MaxGap = "typed";
    UncheckInterval(f, o);
    EXPECT_FALSE(f.IntervalChecked);
    EXPECT_EQ(f.Min, "-7");
    EXPECT_EQ(f.Max, "2.5");
    EXPECT_EQ(f.Steps, "typed");
    UncheckSteps(f, o);
    EXPECT_EQ(f.Steps, "321");
    EXPECT_EQ(f.MaxGap, "4567");

    f = Valid(fsEquation);
    UncheckInterval(f, o);
    EXPECT_EQ(f.Min + " " + f.Max + " " + f.MinY + " " + f.MaxY, "-3 5 -7 2.5");
}

TEST(ChangeKind, CarriesTheFormulaAndResetsTheKindsPart) {
    const TOptionsRecord o = Options();
    TFunctionProps p = Graph(fsYFromX);
    p.Formula().SetText("sin(x)");
    p.Color = 9;
    TPropsFields f = FieldsFromProps(p, o);
    f.Style.PointStyle = 5;  // chosen in the dialog, not yet stored
    f.FormulaY = "typed Y(t)";
    f.Table[3][1] = "7";

    const TFunctionProps before = p;
    ChangeKind(f, p, fsYFromX, o);
    EXPECT_EQ(std::memcmp(&before, &p, sizeof p), 0);
    EXPECT_EQ(f.Formula, "sin(x)");

    ChangeKind(f, p, fsPolar, o);
    EXPECT_EQ(p.FuncStyle, fsPolar);
    EXPECT_EQ(std::memcmp(&p.Interval(), &o.StandartProps.Polar, sizeof(TIntervalProps)), 0);
    EXPECT_EQ(p.Color, 9);
    EXPECT_EQ(f.Formula, "sin(x)");
    EXPECT_EQ(f.Min + " " + f.Max, "-1 1");
    EXPECT_EQ(f.Style.PointStyle, 5);

    // A table has no formula: the text waits for the next formula kind.
    f.Formula = "cos(a)";
    ChangeKind(f, p, fsTable, o);
    ChangeKind(f, p, fsParam, o);
    EXPECT_EQ(f.Formula, "cos(a)");
    EXPECT_EQ(f.FormulaY, "typed Y(t)");
    EXPECT_EQ(f.Table[3][1], "7");
    ChangeKind(f, p, fsEquation, o);
    EXPECT_EQ(f.Relation, 0);
    EXPECT_EQ(f.Min, "-3");  // the standard equation block covers the visible plane
}

TEST(StoreFields, WritesTheStyleAndOnlyTheCurrentKindsBytes) {
    for (int kind = fsYFromX; kind <= fsIntegral; ++kind) {
        TFunctionProps p;
        std::memset(&p, 0xA5, sizeof p);
        p.FuncStyle = static_cast<std::uint8_t>(kind);
        TPropsFields f = Valid(kind == fsIntegral ? fsYFromX : kind);
        f.Kind = kind;
        f.FormulaY = "y(t) typed before a kind change";
        f.Style = {true, false, 4, 5, 7, 15, 6};
        f.DrawGraphic = false;
        const TFunctionProps before = p;
        StoreFields(f, p);

        EXPECT_TRUE(p.Lines && !p.Points && !p.DrawGraphic) << kind;
        EXPECT_EQ(p.LineWidth, 5) << kind;
        EXPECT_EQ(p.PointWidth, 11) << kind;
        EXPECT_EQ(p.PointStyle, 7) << kind;
        EXPECT_EQ(p.Color, 15) << kind;
        EXPECT_EQ(p.Brush, 6) << kind;

        // The first byte past what the kind owns.
        std::size_t end = 24;
        if (kind <= fsPolar) end = 280 + sizeof(TIntervalProps);
        if (kind == fsParam) end = 536 + sizeof(TIntervalProps);
        if (kind == fsEquation || kind == fsDifField) end = 284 + sizeof(TAreaProps);
        if (kind == fsTable) end = 2025;
        const auto* a = reinterpret_cast<const std::uint8_t*>(&before);
        const auto* b = reinterpret_cast<const std::uint8_t*>(&p);
        EXPECT_EQ(std::memcmp(a + end, b + end, sizeof p - end), 0) << kind;
        EXPECT_EQ(std::memcmp(a + 1, b + 1, 3), 0) << kind;
    }
}

TEST(StoreFields, RoundTripsEveryKind) {
    const TOptionsRecord o = Options();
    for (int kind = fsYFromX; kind <= fsTable; ++kind) {
        TFunctionProps p = Graph(kind);
        SetStyle(p, o.StandartProps.Style);
        p.LineWidth = 3;
        p.PointWidth = 5;
        if (kind <= fsParam) {
            p.Interval().DefaultInterval = kind >= fsPolar;  // kept as it is there
            p.Interval().DefaultSteps = false;
            p.Interval().Min = -0.125L;
            p.Interval().Max = 1e100L;
        } else if (kind != fsTable) {
            p.Relation() = kind == fsEquation ? 2 : 1;
            p.Area().DefaultInterval = false;
            p.Area().MaxY = 123456.78L;
        } else {
            p.Body.Table[1].X = -2.5L;
            p.Body.Table[50].Y = 1e-20L;
            p.SortType = 2;
        }
        if (kind != fsTable) p.Formula().SetText("1+2");
        if (kind == fsParam) p.FormulaY().SetText("3");
        // What a file may hold and the fields cannot show: string tails, true bytes other
        // than 1, a negative zero.
        if (kind != fsTable) p.Formula().chars[200] = 'Z';
        if (kind == fsParam) p.FormulaY().chars[100] = 'Z';
        p.Lines.byte = 7;
        if (kind == fsTable) p.Body.Table[2].X = -0.0L;
        const TPropsFields f = FieldsFromProps(p, o);
        ASSERT_FALSE(CheckFields(f).has_value()) << kind;
        TFunctionProps stored = p;
        StoreFields(f, stored);
        EXPECT_EQ(std::memcmp(&stored, &p, sizeof p), 0) << kind;
    }
}

TEST(StoreFields, TableCellsAndNumbers) {
    TFunctionProps p = Graph(fsTable);
    TPropsFields f = FieldsFromProps(p, Options());
    f.Table[0] = {"1.23456789", " "};
    f.Table[1] = {"", "-2*10^(-3)"};
    f.SortType = 0;
    StoreFields(f, p);
    EXPECT_EQ(p.Body.Table[0].X, 1.2345679L);
    EXPECT_EQ(static_cast<long double>(p.Body.Table[0].Y), kNoPoint);
    EXPECT_EQ(static_cast<long double>(p.Body.Table[1].X), kNoPoint);
    EXPECT_EQ(p.Body.Table[1].Y, -0.002L);
    EXPECT_EQ(p.SortType, 0);
}

}  // namespace
}  // namespace plotwise
