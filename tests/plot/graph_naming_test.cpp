// How graphs are listed for the user, and the colour a new graph gets.
#include <gtest/gtest.h>

#include <limits>

#include "plot/graph_entry_text.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;

TEST(GraphEntryText, NamesEveryKindAndRelation) {
    GraphRecord param = GraphOfKind(kParametric, "cos(t)");
    param.FormulaY().SetText("sin(t)");
    GraphRecord less = GraphOfKind(kEquation, "x^2+y^2-1");
    less.Relation() = 1;
    GraphRecord greater = less;
    greater.Relation() = 2;
    GraphRecord bad = less;
    bad.Relation() = 3;
    GraphRecord dxdy = GraphOfKind(kSlopeField, "x*y");
    dxdy.Relation() = 1;
    GraphRecord badField = dxdy;
    badField.Relation() = 2;
    const struct {
        GraphRecord props;
        const char* text;
    } cases[] = {
        {GraphOfKind(kYOfX, "sin(x)"), "Y(x)=sin(x)"},
        {GraphOfKind(kXOfY, "y^2"), "X(y)=y^2"},
        {GraphOfKind(kPolarGraph, "a"), "R(a)=a"},
        {param, "X(t)=cos(t); Y(t)=sin(t)"},
        {GraphOfKind(kEquation, "x-y"), "x-y=0"},
        {less, "x^2+y^2-1<0"},
        {greater, "x^2+y^2-1>0"},
        {bad, ""},
        {GraphOfKind(kSlopeField, "x*y"), "dy/dx=x*y"},
        {dxdy, "dx/dy=x*y"},
        {badField, ""},
        {GraphOfKind(kYOfX), "Y(x)="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphEntryText(c.props), c.text);
}

TEST(GraphEntryText, CountsTableRowsWithBothValues) {
    GraphRecord table = GraphOfKind(kTable);
    EXPECT_EQ(GraphEntryText(table), "Table: 0 items");
    table.Body.Table[7].X = 1;  // half a row is no item
    EXPECT_EQ(GraphEntryText(table), "Table: 0 items");
    table.Body.Table[7].Y = -2;
    EXPECT_EQ(GraphEntryText(table), "Table: 1 item");
    table.Body.Table[99].X = 0;
    table.Body.Table[99].Y = 0;
    EXPECT_EQ(GraphEntryText(table), "Table: 2 items");
}

std::vector<std::uint8_t> AllColoursOnceExcept(int skipped) {
    std::vector<std::uint8_t> used;
    for (int c = 0; c < 16; ++c)
        if (c != skipped) used.push_back(static_cast<std::uint8_t>(c));
    return used;
}

TEST(NewGraphColor, LeastUsedWinsTiesGoToTheDefaultElseToTheFirstInOrder) {
    OptionsRecord options = StandardOptions();
    options.BackColor = 15;
    options.GraphDefaults.Style.Color = 4;
    const struct {
        std::vector<std::uint8_t> used;
        int expected;
    } cases[] = {
        {{}, 4},                        // all tied at 0: the default
        {{4}, 1},                       // the default used: the first unused in order
        {{1, 2, 3, 4}, 5},              //
        {AllColoursOnceExcept(15), 4},  // every candidate once: the default
        {AllColoursOnceExcept(9), 9},   // the unused one
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 4}, 0},  // 0 comes last in order
    };
    for (const auto& c : cases)
        EXPECT_EQ(NewGraphColor(c.used, options), c.expected);
}

TEST(NewGraphColor, NeverTheBackground) {
    OptionsRecord options = StandardOptions();
    options.BackColor = 1;
    options.GraphDefaults.Style.Color = 1;  // the default is the background: any other wins
    EXPECT_EQ(NewGraphColor({}, options), 2);
    options.BackColor = 0;
    EXPECT_EQ(NewGraphColor(AllColoursOnceExcept(0), options), 1);
}

}  // namespace
}  // namespace plotwise
