// The graph properties dialog: its fields without widgets (filled, changed with the kind,
// checked in order and stored byte for byte), then the dialog, the default graph
// properties dialog and the table grid as the user drives them.
#include "graph_dialog/graph_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../widget_application.h"
#include "graph_dialog/default_graph_dialog.h"
#include "graph_dialog/graph_fields.h"
#include "graph_dialog/table_grid.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

using testing_support::PressKey;
using testing_support::SameBytes;

// Visible ranges and steps unlike every standard block, so that a field shows where its
// value came from.
OptionsRecord Options() {
    OptionsRecord o = StandardOptions();
    o.MinX = -3;
    o.MaxX = 5;
    o.MinY = -7;
    o.MaxY = 2.5L;
    o.StepsNum = 321;
    o.MaxGap = 4567;
    return o;
}

GraphRecord MakeGraph(int kind) {
    GraphRecord p = EmptyGraphRecord();
    p.Kind = static_cast<std::uint8_t>(kind);
    SetNewProps(p, Options());
    return p;
}

// Fields that pass every check, of the given kind.
GraphFields Valid(int kind) {
    GraphRecord p = MakeGraph(kind);
    if (kind <= kParametric) p.Interval().DefaultInterval = p.Interval().DefaultSteps = false;
    return FieldsFromProps(p, Options());
}

std::string Shown(const GraphFields& f) {
    return f.Min + "|" + f.Max + "|" + f.MinY + "|" + f.MaxY + "|" + f.Steps + "|" + f.MaxGap;
}

using Edits = std::vector<std::pair<std::string GraphFields::*, const char*>>;

// The checks in their order, the formulas' on the first page, the others' on the second;
// message null: accepted. How a formula, a number or an integer is read is tested with
// CheckFormula, ReadNumber and ReadInteger.
TEST(CheckFields, InOrder) {
    using F = GraphField;
    using T = GraphFields;
    const auto Mn = &T::Min, Mx = &T::Max, MnY = &T::MinY, MxY = &T::MaxY, St = &T::Steps,
               StY = &T::StepsY, Gp = &T::MaxGap, Ln = &T::LinesLength, Fx = &T::Formula,
               Fy = &T::FormulaY;
    const char* steps = "Number of steps must be a\rpositive integer up to 20000";
    const char* gap = "Maximum gap must be a\rpositive integer up to 1000000";
    const char* eqSteps = "Number of steps must be an\rinteger from 10 up to 400";
    const char* series = "Number of serieses must be\ran integer from 2 up to 100";
    const char* length = "Line length must be\ran integer from 4 up to 100";
    const char* minX = "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100";
    const char* syntax = "Error 1: syntax error";
    // clang-format off
    const struct { int kind; Edits edits; GraphField field; const char* message; } cases[] = {
        {kYOfX, {{Fx, "x*y"}, {Mn, "x"}}, F::Formula, syntax}, {kXOfY, {{Fx, "x"}}, F::Formula, syntax},
        {kParametric, {{Fx, "cos(x)"}, {Fy, "sin(t"}}, F::Formula, syntax},
        {kParametric, {{Fx, "cos(t)"}, {Fy, "sin(t"}}, F::FormulaY, "Error 3: not enough ')' "},
        {kSlopeField, {{Fx, "x*y)"}}, F::Formula, "Error 4: not enough '(' "},
        {kYOfX, {{Fx, " "}, {Mn, "x"}}, F::Min, minX},
        {kPolarGraph, {{Fx, "2*cos(a)"}}, {}, nullptr}, {kEquation, {{Fx, "x^2+y^2-4"}}, {}, nullptr},
        {kYOfX, {{Mn, "2*10^100"}}, F::Min, minX},
        {kPolarGraph, {{Mn, "2*10^100"}}, F::Min, "Minimum of A must be a number\rfrom -1*10^100Pi up to 1*10^100Pi"},
        {kPolarGraph, {{Mx, "pi"}}, F::Max, "Maximum of A must be a number\rfrom -1*10^100Pi up to 1*10^100Pi"},
        {kParametric, {{Mx, ""}}, F::Max, "Maximum of T must be a number\rfrom -1*10^100 up to 1*10^100"},
        {kXOfY, {{Mx, "-10"}}, F::Max, "Maximum of Y must be more\rthan minimum of Y"},
        {kYOfX, {{Mn, "1"}, {Mx, "0.5"}}, F::Max, "Maximum of X must be more\rthan minimum of X"},
        {kYOfX, {{Mn, "x"}, {Mx, "y"}, {St, "0"}}, F::Min, minX},
        {kYOfX, {{St, "0"}, {Gp, "0"}}, F::Steps, steps}, {kPolarGraph, {{St, "20001"}}, F::Steps, steps},
        {kYOfX, {{Gp, "0"}}, F::MaxGap, gap}, {kParametric, {{Gp, "1000001"}}, F::MaxGap, gap},
        {kYOfX, {{Mn, "-1*10^100"}, {Mx, " 1*10^100 "}, {St, "20000"}, {Gp, "1000000"}}, {}, nullptr},
        {kEquation, {{Mn, "-2*10^100"}, {MnY, "z"}}, F::Min, minX},
        {kEquation, {{MnY, "z"}, {St, "1"}}, F::MinY, "Minimum of Y must be a number\rfrom -1*10^100 up to 1*10^100"},
        {kSlopeField, {{MxY, "1*10^101"}}, F::MaxY, "Maximum of Y must be a number\rfrom -1*10^100 up to 1*10^100"},
        {kEquation, {{MxY, "-20"}}, F::MaxY, "Maximum of Y must be more\rthan minimum of Y"},
        {kEquation, {{St, "9"}}, F::Steps, eqSteps}, {kEquation, {{StY, "401"}}, F::StepsY, eqSteps},
        {kEquation, {{St, "10"}, {StY, "400"}}, {}, nullptr}, {kEquation, {{Gp, "1000001"}}, F::MaxGap, gap},
        {kSlopeField, {{St, "1"}}, F::Steps, series}, {kSlopeField, {{StY, "101"}}, F::StepsY, series},
        {kSlopeField, {{Ln, "3"}}, F::LinesLength, length},
        {kSlopeField, {{Gp, "x"}, {Ln, "101"}}, F::LinesLength, length},
        {kSlopeField, {{St, "2"}, {StY, "100"}, {Ln, "4"}, {Gp, "kind 4 only"}}, {}, nullptr},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        GraphFields f = Valid(cases[i].kind);
        for (const auto& [field, text] : cases[i].edits)
            f.*field = text;
        const auto failure = CheckFields(f);
        EXPECT_EQ(failure ? failure->Message : "", cases[i].message ? cases[i].message : "")
            << "case " << i;
        if (failure) {
            const bool formula = cases[i].field == F::Formula || cases[i].field == F::FormulaY;
            EXPECT_EQ(failure->Field, cases[i].field) << "case " << i;
            EXPECT_EQ(failure->Page, formula ? GraphPage::Properties : GraphPage::AddProperties)
                << "case " << i;
        }
    }
}

// A default interval or step count shows the document's, and so does unchecking its box;
// the own values a box shows are pinned by the round trip below.
TEST(FieldsFromProps, DefaultIntervalsAndStepsShowTheDocuments) {
    // Polar and parametric graphs never take the visible range, areas always own steps.
    // clang-format off
    const struct { int kind; const char* shown; } cases[] = {
        {kYOfX, "-3|5|||321|4567"}, {kXOfY, "-7|2.5|||321|4567"},
        {kPolarGraph, "-1.5|2000|||321|4567"}, {kParametric, "-1.5|2000|||321|4567"},
        {kEquation, "-3|5|-7|2.5|17|5000000"}, {kSlopeField, "-3|5|-7|2.5|17|"},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (const bool defaults : {true, false}) {
            GraphRecord p = MakeGraph(c.kind);
            if (c.kind <= kParametric) {
                GraphInterval& in = p.Interval();
                in.DefaultInterval = in.DefaultSteps = defaults;
                in.Min = -1.5L;
                in.Max = 2000;
                in.StepsNum = 17;
                in.MaxGap = 5000000;
            } else {
                GraphArea& a = p.Area();
                a.DefaultInterval = defaults;
                a.MinX = a.MinY = -1.5L;
                a.MaxX = a.MaxY = 2000;
                a.StepsNumX = 17;
                a.MaxGap = 5000000;
            }
            GraphFields f = FieldsFromProps(p, Options());
            EXPECT_EQ(f.IntervalChecked, !defaults) << c.kind;
            UncheckInterval(f, Options());
            UncheckSteps(f, Options());
            EXPECT_FALSE(f.IntervalChecked || f.StepsChecked);
            EXPECT_EQ(Shown(f), c.shown) << c.kind << (defaults ? " default" : " own");
        }
    }
}

TEST(ChangeKind, CarriesTheFormulaAndResetsTheKindsPart) {
    const OptionsRecord o = Options();
    // A Y(x) record keeps an old Y(t) formula in its bytes; the Y(t) field stays empty.
    GraphRecord p = MakeGraph(kParametric);
    p.FormulaY().SetText("sin(t)");
    p.Kind = kYOfX;
    p.Formula().SetText("sin(x)");
    p.Color = 9;
    GraphFields f = FieldsFromProps(p, o);
    EXPECT_EQ(f.FormulaY, "");
    f.Style.PointStyle = 5;  // chosen in the dialog, not yet stored
    f.FormulaY = "typed Y(t)";
    f.Table[3][1] = "7";
    const GraphRecord before = p;
    ChangeKind(f, p, kYOfX, o);
    EXPECT_EQ(std::memcmp(&before, &p, sizeof p), 0);

    ChangeKind(f, p, kPolarGraph, o);
    EXPECT_EQ(p.Kind, kPolarGraph);
    EXPECT_EQ(std::memcmp(&p.Interval(), &o.GraphDefaults.Polar, sizeof(GraphInterval)), 0);
    EXPECT_TRUE(p.Color == 9 && f.Style.PointStyle == 5);
    EXPECT_EQ(f.Formula + " " + f.Min + " " + f.Max, "sin(x) -1 1");
    // A table has no formula: the text waits for the next formula kind.
    f.Formula = "cos(a)";
    ChangeKind(f, p, kTable, o);
    ChangeKind(f, p, kParametric, o);
    EXPECT_EQ(f.Formula + "|" + f.FormulaY + "|" + f.Table[3][1], "cos(a)|typed Y(t)|7");
    ChangeKind(f, p, kEquation, o);
    EXPECT_EQ(f.Relation, 0);
    EXPECT_EQ(f.Min, "-3");  // the standard equation block covers the visible plane
}

TEST(StoreFields, RoundTripsEveryKindAndReadsTheCells) {
    const OptionsRecord o = Options();
    for (int kind = kYOfX; kind <= kTable; ++kind) {
        GraphRecord p = MakeGraph(kind);
        SetStyle(p, o.GraphDefaults.Style);
        p.LineWidth = 3;
        p.PointWidth = 5;
        if (kind <= kParametric) {
            p.Interval().DefaultInterval = kind >= kPolarGraph;  // kept as it is there
            p.Interval().DefaultSteps = false;
            p.Interval().Min = -0.125L;
            p.Interval().Max = 1e100L;
        } else if (kind != kTable) {
            p.Relation() = kind == kEquation ? 2 : 1;
            p.Area().DefaultInterval = false;
            p.Area().MaxY = 123456.78L;
        } else {
            p.Body.Table[1].X = -2.5L;
            p.Body.Table[50].Y = 1e-20L;
            p.SortType = 2;
        }
        if (kind != kTable) p.Formula().SetText("1+2");
        if (kind == kParametric) p.FormulaY().SetText("3");
        // What a file may hold and the fields cannot show: string tails, true bytes other
        // than 1, a negative zero.
        if (kind != kTable) p.Formula().chars[200] = 'Z';
        if (kind == kParametric) p.FormulaY().chars[100] = 'Z';
        p.Lines.byte = 7;
        if (kind == kTable) p.Body.Table[2].X = -0.0L;
        const GraphFields f = FieldsFromProps(p, o);
        ASSERT_FALSE(CheckFields(f).has_value()) << kind;
        GraphRecord stored = p;
        StoreFields(f, stored);
        EXPECT_EQ(std::memcmp(&stored, &p, sizeof p), 0) << kind;
    }
    // Cells are read as the display rounds them (tested with StrToNumRounded); blank is none.
    GraphRecord p = MakeGraph(kTable);
    GraphFields f = FieldsFromProps(p, o);
    f.Table[1] = {" ", "-2*10^(-3)"};
    f.SortType = 0;
    StoreFields(f, p);
    EXPECT_EQ(static_cast<long double>(p.Body.Table[1].X), kNoPoint);
    EXPECT_EQ(p.Body.Table[1].Y, -0.002L);
    EXPECT_EQ(p.SortType, 0);
}

void ClickOK(QDialog& dialog) {
    dialog.findChild<QPushButton*>("OKButton")->click();
}

class GraphDialogTest : public ::testing::Test {
  protected:
    GraphDialogTest() {
        options.MinY = -4;
        options.MaxY = 6;
        dialog.ShowError = [this](const QString& text) { errors << text; };
        QObject::connect(&dialog, &QDialog::finished, [this](int result) { results << result; });
        dialog.show();
    }

    void Fill(int kind, const char* formula = "") {
        GraphRecord p = EmptyGraphRecord();
        p.Kind = static_cast<std::uint8_t>(kind);
        SetStyle(p, options.GraphDefaults.Style);
        SetNewProps(p, options);
        if (kind != kTable) p.Formula().SetText(formula);
        dialog.ShowRecord(p, options);
    }
    template <typename T = QWidget>
    T* Find(const char* name) {
        return testing_support::Find<T>(dialog, name);
    }
    void ChooseKind(int kind) { emit Find<QComboBox>("FuncStyleComboBox")->activated(kind); }
    int CurrentPage() { return dialog.findChild<QTabWidget*>()->currentIndex(); }

    OptionsRecord options = StandardOptions();
    GraphDialog dialog;
    QStringList errors;
    QList<int> results;  // each closing of the dialog
};

TEST_F(GraphDialogTest, TypedFieldsReachTheRecordAndUncheckingShowsTheVisibleRange) {
    dialog.SetDefaultsMode(true);
    dialog.SetDefaultsMode(false);  // the first page is back
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_TRUE(dialog.findChild<QTabWidget*>()->isTabVisible(0));
    Fill(kXOfY, "y");
    EXPECT_EQ(dialog.windowTitle(), "Graph Properties");
    auto* check = Find<QCheckBox>("IntervalsCheckBoxXY");
    auto* min = Find<QLineEdit>("MinXYEdit");
    EXPECT_FALSE(check->isChecked());  // the standard block uses the visible range
    check->click();
    EXPECT_TRUE(min->isEnabled());
    min->setText("1");
    check->click();
    EXPECT_EQ(min->text() + " " + Find<QLineEdit>("MaxXYEdit")->text(), "-4 6");
    EXPECT_FALSE(min->isEnabled());

    ChooseKind(kYOfX);
    Find<QLineEdit>("FormulaYFromXEdit")->setText("sin(x)");
    check->click();
    Find<QLineEdit>("MaxXYEdit")->setText("2.5");
    Find<QComboBox>("ColorComboBox")->setCurrentIndex(12);
    ClickOK(dialog);
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_TRUE(errors.isEmpty());
    const GraphRecord& r = dialog.Record;
    EXPECT_TRUE(r.Formula().Text() == "sin(x)" && !r.Interval().DefaultInterval &&
                r.Interval().Max == 2.5L && r.Color == 12);
}

TEST_F(GraphDialogTest, ARejectedFieldIsShownAndFocusedAndEscCancels) {
    Fill(kYOfX);
    Find<QCheckBox>("BuildCheckBoxXY")->click();
    Find<QLineEdit>("StepsNumEditXY")->setText("0");
    ClickOK(dialog);
    EXPECT_EQ(CurrentPage(), 1);
    EXPECT_EQ(dialog.focusWidget(), Find("StepsNumEditXY"));
    ChooseKind(kTable);
    auto* grid = Find<QTableWidget>("NumTableGrid");
    grid->setItem(3, 1, new QTableWidgetItem("1e5"));
    ClickOK(dialog);
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_EQ(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(1, 3));
    EXPECT_EQ(dialog.focusWidget(), grid);
    ChooseKind(kSlopeField);
    auto* length = Find<QSpinBox>("LinesLengthEditDF");
    length->setValue(3);
    ClickOK(dialog);
    EXPECT_EQ(errors, QStringList({"Number of steps must be a\rpositive integer up to 20000",
                                   "Numbers in table must be from -1*10^100 to 1*10^100",
                                   "Line length must be\ran integer from 4 up to 100"}));
    EXPECT_TRUE(results.isEmpty());
    PressKey(length, Qt::Key_Escape);
    EXPECT_EQ(results, QList<int>{QDialog::Rejected});
}

TEST_F(GraphDialogTest, AReservedKindKeepsItsBytes) {
    GraphRecord p;
    std::memset(&p, 0x5A, sizeof p);
    p.Kind = kIntegralGraph;
    p.LineWidth = 2;
    p.PointWidth = 3;
    dialog.ShowRecord(p, options);
    EXPECT_EQ(Find<QComboBox>("FuncStyleComboBox")->currentIndex(), -1);
    EXPECT_FALSE(Find("FormulaYFromXEdit")->isVisible() || Find("NumTableGrid")->isVisible());
    Find<QCheckBox>("DrawGraphicCheckBox")->setChecked(false);
    ClickOK(dialog);
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_FALSE(dialog.Record.DrawGraphic);
    EXPECT_EQ(std::memcmp(&dialog.Record.Body, &p.Body, sizeof p.Body), 0);
}

TEST(DefaultGraphDialog, EachButtonEditsItsOwnKindsBlockAndOKKeepsEveryOtherByte) {
    DefaultGraphDialog dialog;
    bool accept = true;
    dialog.KindEditor = [&](GraphRecord& props, const OptionsRecord&) {
        // Own steps or sort order, one more than the block the dialog was given.
        if (props.Kind <= kParametric) {
            props.Interval().DefaultSteps = false;
            props.Interval().StepsNum = props.Interval().StepsNum + 1;
        } else if (props.Kind != kTable) {
            props.Area().StepsNumX = props.Area().StepsNumX + 1;
        } else {
            ++props.SortType;
        }
        return accept;
    };
    OptionsRecord expected = StandardOptions();
    NewGraphDefaults& s = expected.GraphDefaults;
    s.Style.Lines.byte = 7;  // true, as any non-zero byte
    s.Style.DrawGraphic = false;
    s.Style.PointWidth = 7;
    s.Style.Brush = 4;
    dialog.SetOptions(expected);
    for (int kind = kYOfX; kind <= kTable; ++kind) {
        // Twice confirmed, the second from the first's result, then cancelled.
        for (bool confirm : {true, true, false}) {
            accept = confirm;
            dialog.KindButton(kind)->click();
        }
    }
    dialog.findChild<QComboBox*>("LineWidthComboBox")->setCurrentIndex(2);
    dialog.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(kTable);
    ClickOK(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    for (GraphInterval* in : {&s.YFromX, &s.XFromY, &s.Polar, &s.Param}) {
        in->DefaultSteps = false;
        in->StepsNum = in->StepsNum + 2;
    }
    for (GraphArea* area : {&s.Equation, &s.SlopeField})
        area->StepsNumX = area->StepsNumX + 2;
    s.SortType += 2;
    s.Style.LineWidth = 3;
    s.Kind = kTable;
    EXPECT_TRUE(SameBytes(dialog.Options, expected));
}

TEST(DefaultGraphDialog, TheGraphDialogShowsOnlyItsSecondPageAndChecksTheDefaults) {
    DefaultGraphDialog dialog;
    QStringList errors;
    dialog.ShowError = [&](const QString& text) { errors << text; };
    const auto withGraphDialog = [&](int kind, std::function<void(GraphDialog&)> user) {
        testing_support::OnNextModal<GraphDialog>(user);
        dialog.KindButton(kind)->click();
    };
    // The document's 200 steps stand in for the block's hidden 100 and are not stored.
    withGraphDialog(kYOfX, [](GraphDialog& graph) { ClickOK(graph); });
    EXPECT_TRUE(SameBytes(dialog.Options, StandardOptions()));
    QStringList seen;
    withGraphDialog(kEquation, [&](GraphDialog& graph) {
        auto* tabs = graph.findChild<QTabWidget*>();
        seen << QString::number(tabs->isTabVisible(0)) << QString::number(tabs->currentIndex());
        for (const char* text : {"9", "10"}) {
            graph.findChild<QLineEdit*>("StepsNumXEditEq")->setText(text);
            ClickOK(graph);
            seen << QString::number(graph.isVisible());
        }
    });
    EXPECT_EQ(seen, QStringList({"0", "1", "1", "0"}));
    EXPECT_EQ(errors, QStringList{"Number of steps must be an\rinteger from 10 up to 400"});
    EXPECT_EQ(dialog.Options.GraphDefaults.Equation.StepsNumX, 10);
}

class TableGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int row = 0; row < 100; ++row)
            grid.SetCellText(row, 0, QString::number(row + 1));
        grid.show();
    }

    // Opens the editor of the current cell and types text into it.
    QLineEdit* EditCurrentCell(const QString& text) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed editors
        grid.edit(grid.currentIndex());
        auto* editor = grid.viewport()->findChild<QLineEdit*>();
        if (editor != nullptr) editor->setText(text);
        return editor;
    }
    // The X column of the given rows.
    QStringList Xs(std::initializer_list<int> rows) {
        QStringList texts;
        for (int row : rows)
            texts << grid.CellText(row, 0);
        return texts;
    }

    TableGrid grid;
};

TEST_F(TableGridTest, EnterMovesThroughTheCellsAndCtrlKeysInsertAndDeleteRows) {
    // Cells as (column, row), before and after Enter.
    // clang-format off
    const std::pair<QPoint, QPoint> moves[] = {
        {{0, 0}, {1, 0}}, {{1, 0}, {0, 1}}, {{1, 98}, {0, 99}}, {{0, 99}, {1, 99}}, {{1, 99}, {1, 99}}};
    // clang-format on
    for (const auto& [from, to] : moves) {
        grid.setCurrentCell(from.y(), from.x());
        PressKey(&grid, Qt::Key_Return);
        EXPECT_EQ(QPoint(grid.currentColumn(), grid.currentRow()), to) << from.y();
    }
    grid.SetCellText(99, 1, "last");
    grid.setCurrentCell(2, 1);
    PressKey(&grid, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(Xs({1, 2, 3, 99}), QStringList({"2", "", "3", "99"}));  // row 100 pushed out
    EXPECT_EQ(grid.CellText(99, 1), "");
    grid.setCurrentCell(0, 0);
    PressKey(&grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Xs({0, 1, 98, 99}), QStringList({"2", "", "99", ""}));
    PressKey(&grid, Qt::Key_I);  // without Ctrl it is typing, not a row command
    EXPECT_EQ(Xs({1, 2}), QStringList({"", "3"}));
}

TEST_F(TableGridTest, KeysCommitAnOpenEditorFirstAndEscAsksToCancel) {
    int esc = 0;
    QObject::connect(&grid, &TableGrid::EscPressed, [&esc] { ++esc; });
    grid.setCurrentCell(4, 0);
    PressKey(&grid, Qt::Key_Escape);
    EXPECT_EQ(esc, 1);
    QLineEdit* editor = EditCurrentCell("1.5");
    ASSERT_NE(editor, nullptr);
    PressKey(editor, Qt::Key_Enter);
    EXPECT_EQ(grid.CellText(4, 0), "1.5");
    EXPECT_EQ(grid.currentColumn(), 1);
    grid.setCurrentCell(6, 0);
    ASSERT_NE(editor = EditCurrentCell("typed"), nullptr);
    PressKey(editor, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(Xs({6, 7}), QStringList({"", "typed"}));
    grid.setCurrentCell(7, 0);
    ASSERT_NE(editor = EditCurrentCell("gone"), nullptr);
    PressKey(editor, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(grid.CellText(7, 0), "8");
    ASSERT_NE(editor = EditCurrentCell("5"), nullptr);
    PressKey(editor, Qt::Key_Escape);
    EXPECT_EQ(esc, 2);
}

}  // namespace
}  // namespace plotwise
