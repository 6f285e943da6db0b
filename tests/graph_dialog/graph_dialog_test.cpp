// The graph properties dialog, the default graph properties dialog and the table grid as
// the user drives them.
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
#include <vector>

#include "../widget_application.h"
#include "graph_dialog/default_graph_dialog.h"
#include "graph_dialog/table_grid.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

using testing_support::PressKey;
using testing_support::SameBytes;

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
    // Of each named control, 1 when visible.
    QString Visible(std::initializer_list<const char*> names) {
        QString flags;
        for (const char* name : names)
            flags += Find(name)->isVisible() ? '1' : '0';
        return flags;
    }
    void ChooseKind(int kind) { emit Find<QComboBox>("FuncStyleComboBox")->activated(kind); }
    int CurrentPage() { return dialog.findChild<QTabWidget*>()->currentIndex(); }

    OptionsRecord options = StandardOptions();
    GraphDialog dialog;
    QStringList errors;
    QList<int> results;  // each closing of the dialog
};

TEST_F(GraphDialogTest, TypedFieldsReachTheRecordAndUncheckingShowsTheVisibleRange) {
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

TEST_F(GraphDialogTest, KindChangeShowsTheNewKindsControls) {
    Fill(kYOfX, "sin(x)");
    ChooseKind(kPolarGraph);
    EXPECT_EQ(Find<QLineEdit>("FormulaPolarEdit")->text(), "sin(x)");
    dialog.ShowPage(GraphPage::AddProperties);
    EXPECT_EQ(Find<QLineEdit>("MinATEdit")->text(), "-1");
    EXPECT_EQ(Visible({"FormulaYFromXEdit", "MinATEdit", "MinXYEdit"}), "010");
    dialog.ShowPage(GraphPage::Properties);
    ChooseKind(kEquation);
    Find<QComboBox>("EquationComboBox")->setCurrentIndex(1);
    EXPECT_EQ(Visible({"ColorComboBox", "BrushComboBox", "LineWidthComboBox"}), "110");
    Find<QComboBox>("EquationComboBox")->setCurrentIndex(0);
    EXPECT_EQ(Visible({"BrushComboBox"}), "0");
    ChooseKind(kSlopeField);
    EXPECT_EQ(Visible({"LinesCheckBox"}), "1");
    EXPECT_FALSE(Find("LinesCheckBox")->isEnabled());
    EXPECT_TRUE(Find("LineWidthComboBox")->isEnabled());
    PressKey(Find<QSpinBox>("LinesLengthEditDF"), Qt::Key_Return);
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_EQ(dialog.Record.Kind, kSlopeField);
    EXPECT_EQ(dialog.Record.Formula().Text(), "sin(x)");
}

TEST_F(GraphDialogTest, AReservedKindKeepsItsBytes) {
    GraphRecord p;
    std::memset(&p, 0x5A, sizeof p);
    p.Kind = kIntegralGraph;
    p.LineWidth = 2;
    p.PointWidth = 3;
    dialog.ShowRecord(p, options);
    EXPECT_EQ(Find<QComboBox>("FuncStyleComboBox")->currentIndex(), -1);
    EXPECT_EQ(Visible({"FormulaYFromXEdit", "NumTableGrid"}), "00");
    Find<QCheckBox>("DrawGraphicCheckBox")->setChecked(false);
    ClickOK(dialog);
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_FALSE(dialog.Record.DrawGraphic);
    EXPECT_EQ(std::memcmp(&dialog.Record.Body, &p.Body, sizeof p.Body), 0);
}

TEST(DefaultGraphDialog, OKStoresTheChangedChoicesAndKeepsEveryOtherByte) {
    DefaultGraphDialog dialog;
    OptionsRecord options = StandardOptions();
    GraphStyle& style = options.GraphDefaults.Style;
    style.Lines.byte = 7;  // true, as any non-zero byte
    style.DrawGraphic = false;
    style.PointWidth = 7;
    style.Brush = 4;
    dialog.SetOptions(options);
    dialog.findChild<QComboBox*>("LineWidthComboBox")->setCurrentIndex(2);
    dialog.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(kTable);
    ClickOK(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    style.LineWidth = 3;
    options.GraphDefaults.Kind = kTable;
    EXPECT_TRUE(SameBytes(dialog.Options, options));
}

TEST(DefaultGraphDialog, EachButtonEditsItsOwnKindsBlockInTheCopy) {
    DefaultGraphDialog dialog;
    bool accept = true;
    std::vector<int> offered;
    dialog.KindEditor = [&](GraphRecord& props, const OptionsRecord&) {
        offered.push_back(props.Kind);
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
    dialog.SetOptions(expected);
    for (int kind = kYOfX; kind <= kTable; ++kind) {
        // Twice confirmed, the second from the first's result, then cancelled.
        for (bool confirm : {true, true, false}) {
            accept = confirm;
            dialog.KindButton(kind)->click();
        }
    }
    NewGraphDefaults& s = expected.GraphDefaults;
    for (GraphInterval* in : {&s.YFromX, &s.XFromY, &s.Polar, &s.Param}) {
        in->DefaultSteps = false;
        in->StepsNum = in->StepsNum + 2;
    }
    for (GraphArea* area : {&s.Equation, &s.SlopeField})
        area->StepsNumX = area->StepsNumX + 2;
    s.SortType += 2;
    EXPECT_TRUE(SameBytes(dialog.Options, expected));
    ASSERT_EQ(offered.size(), 21u);
    for (int kind = kYOfX; kind <= kTable; ++kind)
        EXPECT_EQ(offered[kind * 3], kind);
}

TEST(DefaultGraphDialog, TheGraphDialogShowsOnlyItsSecondPageAndChecksTheDefaults) {
    DefaultGraphDialog dialog;
    QStringList errors;
    dialog.ShowError = [&](const QString& text) { errors << text; };
    dialog.findChild<QComboBox*>("ColorComboBox")->setCurrentIndex(9);
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
    // A style chosen before the button is still there for OK.
    EXPECT_EQ(dialog.findChild<QComboBox*>("ColorComboBox")->currentIndex(), 9);
    // Out of the defaults mode, the first page is back.
    GraphDialog graph;
    auto* tabs = graph.findChild<QTabWidget*>();
    graph.SetDefaultsMode(true);
    graph.SetDefaultsMode(false);
    EXPECT_TRUE(tabs->isTabVisible(0));
    EXPECT_EQ(tabs->currentIndex(), 0);
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

TEST_F(TableGridTest, EnterMovesThroughTheCells) {
    const struct {
        int row, column, toRow, toColumn;
    } cases[] = {{0, 0, 0, 1}, {0, 1, 1, 0}, {98, 1, 99, 0}, {99, 0, 99, 1}, {99, 1, 99, 1}};
    for (const auto& c : cases) {
        grid.setCurrentCell(c.row, c.column);
        PressKey(&grid, Qt::Key_Return);
        EXPECT_EQ(grid.currentRow(), c.toRow) << c.row << "," << c.column;
        EXPECT_EQ(grid.currentColumn(), c.toColumn) << c.row << "," << c.column;
    }
}

TEST_F(TableGridTest, InsertAndDeleteRows) {
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
