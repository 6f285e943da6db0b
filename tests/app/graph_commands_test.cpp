// The Graph toolbar's commands on a live main window, with the properties dialog scripted
// (and, for a few paths, the real dialog driven through its widgets).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>

#include "current_options.h"
#include "graph_commands_fixture.h"
#include "graph_toolbar.h"
#include "new_graph.h"
#include "style_choosers.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::MainFormTest;
using testing_support::PumpUntil;

TEST_F(GraphCommandsTest, AddGraphSamplesListsAndSelectsItAndRecordsTheStep) {
    AddGraphs({"x^2", "sin(x)"});
    EXPECT_EQ(editorCalls, QStringList({"Add Graph/Properties", "Add Graph/Properties"}));
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^2", "Y(x)=sin(x)"}));
    EXPECT_EQ(List()->currentIndex(), 1);
    ASSERT_EQ(Document().Graphs.size(), 2u);
    EXPECT_TRUE(Document().Graphs[1]->HasValues());
    EXPECT_FALSE(Document().Drawing);
    EXPECT_TRUE(Document().Modified);
    ASSERT_EQ(Doc().UndoManager().UndoList().size(), 2u);
    EXPECT_EQ(Doc().UndoManager().UndoList().back().kind, TUndoKind::AddGraph);
    for (TCommand c : {TCommand::DeleteGraph, TCommand::DoubleGraph, TCommand::GraphProps})
        EXPECT_TRUE(form->Action(c)->isEnabled());
    // Cancelled: nothing changes.
    accept = false;
    form->RunCommand(TCommand::AddGraph);
    EXPECT_EQ(Document().Graphs.size(), 2u);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 2u);
}

TEST_F(GraphCommandsTest, NewGraphsTakeTheLeastUsedColourOnlyWhenSwitchedOn) {
    CurrentOptions.StandartProps.Style.Color = 4;
    AddGraphs({"x"});
    EXPECT_EQ(offered.back().Color, 4);
    AddGraphs({"x"});
    EXPECT_EQ(offered.back().Color, 1);  // 4 is used: the first unused colour
    ProgramSettings.Common.FunctionNewColor = false;
    AddGraphs({"x"});
    EXPECT_EQ(offered.back().Color, 4);
}

TEST_F(GraphCommandsTest, TheThirtyFirstGraphIsRefusedBeforeAnyDialog) {
    for (std::size_t i = 0; i < kMaxGraphs; ++i)
        Document().AddGraph(NewGraphRecord(CurrentOptions));
    form->RebuildGraphsList();
    for (TCommand c : {TCommand::AddGraph, TCommand::DoubleGraph})
        form->RunCommand(c);
    EXPECT_TRUE(editorCalls.isEmpty());
    EXPECT_EQ(messages.shown, QStringList({"Error: Amount of the graphs must not exceed 30",
                                           "Error: Amount of the graphs must not exceed 30"}));
    EXPECT_EQ(Document().Graphs.size(), kMaxGraphs);
    EXPECT_FALSE(Document().Modified);
}

TEST_F(GraphCommandsTest, DoubleOffersACopyOfTheSelectedGraph) {
    AddGraphs({"x^2", "x^3"});
    form->SetGraphsListItemIndex(0);
    form->RunCommand(TCommand::DoubleGraph);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^2", "Y(x)=x^3", "Y(x)=x^2"}));
    EXPECT_EQ(List()->currentIndex(), 2);
}

TEST_F(GraphCommandsTest, DeleteSelectsTheNextOrTheLastAndEmptiesTheControls) {
    AddGraphs({"1", "2", "3"});
    form->SetGraphsListItemIndex(0);
    form->RunCommand(TCommand::DeleteGraph);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 0);  // the graph now at the same place
    const THistoryEntry& step = Doc().UndoManager().UndoList().back();
    EXPECT_EQ(step.kind, TUndoKind::DeleteGraph);
    EXPECT_EQ(std::get<TFunctionProps>(step.record).Formula().Text(), "1");
    EXPECT_EQ(step.index, 0u);
    form->SetGraphsListItemIndex(1);
    form->RunCommand(TCommand::DeleteGraph);
    EXPECT_EQ(List()->currentIndex(), 0);  // past the end: the new last one
    form->RunCommand(TCommand::DeleteGraph);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_TRUE(Document().Graphs.empty());
    for (TCommand c : {TCommand::DeleteGraph, TCommand::DrawLines, TCommand::GraphProps})
        EXPECT_FALSE(form->Action(c)->isEnabled());
    EXPECT_FALSE(List()->isEnabled());
    EXPECT_TRUE(form->Action(TCommand::AddGraph)->isEnabled());
    TGraphToolbar* bar = form->GraphToolbar();  // the neutral style
    const QComboBox* shown[] = {bar->PointWidthComboBox, bar->PointStyleComboBox,
                                bar->ColorComboBox, bar->LineWidthComboBox, bar->BrushComboBox};
    const int items[] = {0, 3, 2, 0, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shown[i]->currentIndex(), items[i]) << i;
}

TEST_F(GraphCommandsTest, DeleteAsksWhenTheSettingSaysSo) {
    AddGraphs({"x"});
    ProgramSettings.Common.FuncPanelDelConfirmation = true;
    messages.answers = {TAnswer::No, TAnswer::Yes};
    form->RunCommand(TCommand::DeleteGraph);
    EXPECT_EQ(Document().Graphs.size(), 1u);
    form->RunCommand(TCommand::DeleteGraph);
    EXPECT_TRUE(Document().Graphs.empty());
    EXPECT_EQ(messages.shown, QStringList({"Ask: Do you want to remove the graph?",
                                           "Ask: Do you want to remove the graph?"}));
}

TEST_F(GraphCommandsTest, StyleChoosersRecordOnlyRealChanges) {
    AddGraphs({"x"});
    Document().Modified = false;
    TGraphToolbar* bar = form->GraphToolbar();
    TFunction& graph = *Document().Graphs[0];
    const std::size_t steps = Doc().UndoManager().UndoList().size();
    Choose(bar->LineWidthComboBox, graph.Props.LineWidth - 1);  // the same thickness
    EXPECT_FALSE(Document().Modified);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), steps);

    using P = const TFunctionProps&;
    const struct {
        QComboBox* box;
        int item;
        int (*field)(P);
        int expected;
    } cases[] = {
        {bar->LineWidthComboBox, 4, [](P p) { return int{p.LineWidth}; }, 5},
        {bar->PointWidthComboBox, 5, [](P p) { return int{p.PointWidth}; }, 11},
        {bar->PointStyleComboBox, 6, [](P p) { return int{p.PointStyle}; }, 6},
        {bar->ColorComboBox, 9, [](P p) { return int{p.Color}; }, 9},
        {bar->BrushComboBox, 3, [](P p) { return int{p.Brush}; }, 3},
    };
    for (const auto& c : cases) {
        const int before = c.field(graph.Props);
        Choose(c.box, c.item);
        EXPECT_EQ(c.field(graph.Props), c.expected);
        // The step keeps the record as it was before the change.
        const THistoryEntry& step = Doc().UndoManager().UndoList().back();
        EXPECT_EQ(c.field(std::get<TFunctionProps>(step.record)), before);
    }
    EXPECT_TRUE(Document().Modified);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), steps + 5);
    EXPECT_EQ(Doc().UndoManager().UndoList().back().kind, TUndoKind::ChangeGraphProps);

    const bool lines = graph.Props.Lines;
    form->RunCommand(TCommand::DrawLines);
    EXPECT_EQ(bool(graph.Props.Lines), !lines);
    EXPECT_EQ(form->Action(TCommand::DrawLines)->isChecked(), !lines);
}

TEST_F(GraphCommandsTest, InequalitiesAndSlopeFieldsShowTheirOwnControls) {
    edit = [](TFunctionProps& p) {
        p.FuncStyle = fsEquation;
        SetNewProps(p, CurrentOptions);
        p.Formula().SetText("x-y");
        p.Relation() = 1;
    };
    form->RunCommand(TCommand::AddGraph);
    edit = [](TFunctionProps& p) {
        p.FuncStyle = fsDifField;
        SetNewProps(p, CurrentOptions);
        p.Formula().SetText("x");
    };
    form->RunCommand(TCommand::AddGraph);
    AddGraphs({"x"});
    TGraphToolbar* bar = form->GraphToolbar();
    const struct {
        int index;
        bool shading, pointControls;
    } cases[] = {{0, true, false}, {1, false, false}, {2, false, true}};
    for (const auto& c : cases) {
        form->SetGraphsListItemIndex(c.index);
        QCoreApplication::processEvents();  // the toolbar lays out its widgets later
        EXPECT_EQ(bar->BrushComboBox->isVisibleTo(bar), c.shading) << c.index;
        EXPECT_EQ(bar->LineWidthComboBox->isVisibleTo(bar), !c.shading) << c.index;
        EXPECT_EQ(bar->PointWidthComboBox->isEnabled(), c.pointControls) << c.index;
        EXPECT_EQ(form->Action(TCommand::DrawPoints)->isEnabled(), c.pointControls) << c.index;
    }
    EXPECT_EQ(Entries()[0], "x-y<0");
}

TEST_F(GraphCommandsTest, PropertiesResampleOnlyWhenMoreThanTheStyleChanged) {
    AddGraphs({"x^2"});
    TFunction& graph = *Document().Graphs[0];
    const long double* samples = graph.Values.data();
    edit = [](TFunctionProps& p) { p.Color = 12; };
    form->RunCommand(TCommand::GraphProps);
    EXPECT_EQ(graph.Values.data(), samples);  // the same points, only drawn again
    EXPECT_EQ(graph.Props.Color, 12);
    edit = [](TFunctionProps& p) { p.Formula().SetText("x^3"); };
    form->RunCommand(TCommand::OtherProps);
    EXPECT_EQ(editorCalls.last(), "Graph Properties/Add");
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^3"}));
    ASSERT_TRUE(graph.HasValues());
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 3u);
    // OK without a change records nothing.
    edit = nullptr;
    form->RunCommand(TCommand::GraphProps);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 3u);
}

TEST_F(GraphCommandsTest, FinishCountingSamplesWhatAnInterruptionLeft) {
    AddGraphs({"x", "x^2"});
    for (auto& graph : Document().Graphs)
        graph->ClearValues();
    form->RunCommand(TCommand::FinishCounting);
    for (auto& graph : Document().Graphs)
        EXPECT_TRUE(graph->HasValues());
}

TEST_F(GraphCommandsTest, EachDocumentShowsItsOwnGraphs) {
    AddGraphs({"x"});
    form->NewDocument();
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(form->Action(TCommand::DeleteGraph)->isEnabled());
    AddGraphs({"2*x", "3*x"});
    form->MdiArea()->activateNextSubWindow();
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x"}));
}

// The real dialog, driven through its widgets as a user types.
class RealDialogTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Start();
    }
    // Runs user once the next dialog is up, then the command that opens it.
    void WithDialog(TCommand command, std::function<void(TStdPropsForm&)> user) {
        testing_support::OnNextModal<TStdPropsForm>(user);
        form->RunCommand(command);
    }
    static void Type(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    QStringList Entries() { return testing_support::Items(form->GraphToolbar()->FuncComboBox); }
};

TEST_F(RealDialogTest, AddAGraphByTypingItsFormula) {
    CurrentOptions.StandartProps.FuncStyle = fsYFromX;
    WithDialog(TCommand::AddGraph, [](TStdPropsForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Add Graph");
        auto* edit = dialog.findChild<QLineEdit*>("FormulaYFromXEdit");
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        Type(edit, "sin(x");
        dialog.findChild<QPushButton*>("OKButton")->click();  // refused: the bracket
        EXPECT_TRUE(dialog.isVisible());
        Type(edit, ")");
        dialog.findChild<QPushButton*>("OKButton")->click();
    });
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("Error: Error 3:")) << messages.shown[0].toStdString();
    EXPECT_EQ(Entries(), QStringList({"Y(x)=sin(x)"}));
    EXPECT_TRUE(form->ActiveDocument()->Document().Graphs[0]->HasValues());
}

TEST_F(RealDialogTest, AddATableByTypingItsCells) {
    CurrentOptions.StandartProps.FuncStyle = fsTable;
    WithDialog(TCommand::AddGraph, [](TStdPropsForm& dialog) {
        auto* grid = dialog.findChild<QTableWidget*>("NumTableGrid");
        ASSERT_NE(grid, nullptr);
        grid->setFocus();
        grid->setCurrentCell(0, 0);
        for (const QString cell : {"1", "2.5", "2", "-1*10^2"}) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Type(grid, cell.left(1));  // a key on a cell opens its editor with it
            auto* editor = grid->viewport()->findChild<QLineEdit*>();
            ASSERT_NE(editor, nullptr);
            Type(editor, cell.mid(1));
            testing_support::PressKey(editor, Qt::Key_Return);
        }
        dialog.findChild<QPushButton*>("OKButton")->click();
    });
    EXPECT_EQ(Entries(), QStringList({"Table: 2 items"}));
    const TFunctionProps& table = form->ActiveDocument()->Document().Graphs[0]->Props;
    EXPECT_EQ(static_cast<long double>(table.Body.Table[1].Y), -100.0L);
}

}  // namespace
}  // namespace plotwise
