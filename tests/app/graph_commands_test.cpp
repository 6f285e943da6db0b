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

#include "app/graph_toolbar.h"
#include "graph_commands_fixture.h"
#include "plot/new_graph.h"
#include "widgets/style_choosers.h"

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
    ASSERT_EQ(Doc().GraphCount(), 2u);
    EXPECT_TRUE(Doc().GraphAt(1).HasValues());
    EXPECT_FALSE(Doc().Drawing);
    EXPECT_TRUE(Doc().Modified);
    ASSERT_EQ(Window().History().UndoList().size(), 2u);
    EXPECT_EQ(Window().History().UndoList().back().kind, UndoKind::AddGraph);
    for (Command c : {Command::DeleteGraph, Command::DoubleGraph, Command::GraphProps})
        EXPECT_TRUE(form->Action(c)->isEnabled());
    // Cancelled: nothing changes.
    accept = false;
    form->RunCommand(Command::AddGraph);
    EXPECT_EQ(Doc().GraphCount(), 2u);
    EXPECT_EQ(Window().History().UndoList().size(), 2u);
}

TEST_F(GraphCommandsTest, NewGraphsTakeTheLeastUsedColourOnlyWhenSwitchedOn) {
    form->CurrentOptions().GraphDefaults.Style.Color = 4;
    AddGraphs({"x"});
    EXPECT_EQ(offered.back().Color, 4);
    AddGraphs({"x"});
    EXPECT_EQ(offered.back().Color, 1);  // 4 is used: the first unused colour
    form->Settings().Common.FunctionNewColor = false;
    AddGraphs({"x"});
    EXPECT_EQ(offered.back().Color, 4);
}

TEST_F(GraphCommandsTest, TheThirtyFirstGraphIsRefusedBeforeAnyDialog) {
    for (std::size_t i = 0; i < kMaxGraphs; ++i)
        Doc().AddGraph(NewGraphRecord(form->CurrentOptions()));
    Doc().Modified = false;
    for (Command c : {Command::AddGraph, Command::DoubleGraph})
        form->RunCommand(c);
    EXPECT_TRUE(editorCalls.isEmpty());
    EXPECT_EQ(messages.shown, QStringList({"Error: Amount of the graphs must not exceed 30",
                                           "Error: Amount of the graphs must not exceed 30"}));
    EXPECT_EQ(Doc().GraphCount(), kMaxGraphs);
    EXPECT_FALSE(Doc().Modified);
}

TEST_F(GraphCommandsTest, DoubleOffersACopyOfTheSelectedGraph) {
    AddGraphs({"x^2", "x^3"});
    form->GraphBar()->Select(0);
    form->RunCommand(Command::DoubleGraph);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^2", "Y(x)=x^3", "Y(x)=x^2"}));
    EXPECT_EQ(List()->currentIndex(), 2);
}

TEST_F(GraphCommandsTest, DeleteSelectsTheNextOrTheLastAndEmptiesTheControls) {
    AddGraphs({"1", "2", "3"});
    form->GraphBar()->Select(0);
    form->RunCommand(Command::DeleteGraph);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 0);  // the graph now at the same place
    const HistoryEntry& step = Window().History().UndoList().back();
    EXPECT_EQ(step.kind, UndoKind::DeleteGraph);
    EXPECT_EQ(std::get<GraphRecord>(step.record).Formula().Text(), "1");
    EXPECT_EQ(step.index, 0u);
    form->GraphBar()->Select(1);
    form->RunCommand(Command::DeleteGraph);
    EXPECT_EQ(List()->currentIndex(), 0);  // past the end: the new last one
    form->RunCommand(Command::DeleteGraph);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_TRUE(Doc().Graphs().empty());
    for (Command c : {Command::DeleteGraph, Command::DrawLines, Command::GraphProps})
        EXPECT_FALSE(form->Action(c)->isEnabled());
    EXPECT_FALSE(List()->isEnabled());
    EXPECT_TRUE(form->Action(Command::AddGraph)->isEnabled());
    GraphToolbar* bar = form->GraphBar();  // the neutral style
    const QComboBox* shown[] = {bar->PointSizeChooser, bar->PointStyleChooser, bar->ColorChooser,
                                bar->LineWidthChooser, bar->ShadingChooser};
    const int items[] = {0, 3, 2, 0, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shown[i]->currentIndex(), items[i]) << i;
}

TEST_F(GraphCommandsTest, DeleteAsksWhenTheSettingSaysSo) {
    AddGraphs({"x"});
    form->Settings().Common.ConfirmDelete = true;
    messages.answers = {Answer::No, Answer::Yes};
    form->RunCommand(Command::DeleteGraph);
    EXPECT_EQ(Doc().GraphCount(), 1u);
    form->RunCommand(Command::DeleteGraph);
    EXPECT_TRUE(Doc().Graphs().empty());
    EXPECT_EQ(messages.shown, QStringList({"Ask: Do you want to remove the graph?",
                                           "Ask: Do you want to remove the graph?"}));
}

TEST_F(GraphCommandsTest, StyleChoosersRecordOnlyRealChanges) {
    AddGraphs({"x"});
    Doc().Modified = false;
    GraphToolbar* bar = form->GraphBar();
    Graph& graph = Doc().GraphAt(0);
    const std::size_t steps = Window().History().UndoList().size();
    Choose(bar->LineWidthChooser, graph.Record().LineWidth - 1);  // the same thickness
    EXPECT_FALSE(Doc().Modified);
    EXPECT_EQ(Window().History().UndoList().size(), steps);

    using P = const GraphRecord&;
    const struct {
        QComboBox* box;
        int item;
        int (*field)(P);
        int expected;
    } cases[] = {
        {bar->LineWidthChooser, 4, [](P p) { return int{p.LineWidth}; }, 5},
        {bar->PointSizeChooser, 5, [](P p) { return int{p.PointWidth}; }, 11},
        {bar->PointStyleChooser, 6, [](P p) { return int{p.PointStyle}; }, 6},
        {bar->ColorChooser, 9, [](P p) { return int{p.Color}; }, 9},
        {bar->ShadingChooser, 3, [](P p) { return int{p.Brush}; }, 3},
    };
    for (const auto& c : cases) {
        const int before = c.field(graph.Record());
        Choose(c.box, c.item);
        EXPECT_EQ(c.field(graph.Record()), c.expected);
        // The step keeps the record as it was before the change.
        const HistoryEntry& step = Window().History().UndoList().back();
        EXPECT_EQ(c.field(std::get<GraphRecord>(step.record)), before);
    }
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(Window().History().UndoList().size(), steps + 5);
    EXPECT_EQ(Window().History().UndoList().back().kind, UndoKind::ChangeGraphProps);

    const bool lines = graph.Record().Lines;
    form->RunCommand(Command::DrawLines);
    EXPECT_EQ(bool(graph.Record().Lines), !lines);
    EXPECT_EQ(form->Action(Command::DrawLines)->isChecked(), !lines);
}

TEST_F(GraphCommandsTest, InequalitiesAndSlopeFieldsShowTheirOwnControls) {
    edit = [this](GraphRecord& p) {
        p.Kind = kEquation;
        SetNewProps(p, form->CurrentOptions());
        p.Formula().SetText("x-y");
        p.Relation() = 1;
    };
    form->RunCommand(Command::AddGraph);
    edit = [this](GraphRecord& p) {
        p.Kind = kSlopeField;
        SetNewProps(p, form->CurrentOptions());
        p.Formula().SetText("x");
    };
    form->RunCommand(Command::AddGraph);
    AddGraphs({"x"});
    GraphToolbar* bar = form->GraphBar();
    const struct {
        int index;
        bool shading, pointControls;
    } cases[] = {{0, true, false}, {1, false, false}, {2, false, true}};
    for (const auto& c : cases) {
        form->GraphBar()->Select(c.index);
        QCoreApplication::processEvents();  // the toolbar lays out its widgets later
        EXPECT_EQ(bar->ShadingChooser->isVisibleTo(bar), c.shading) << c.index;
        EXPECT_EQ(bar->LineWidthChooser->isVisibleTo(bar), !c.shading) << c.index;
        EXPECT_EQ(bar->PointSizeChooser->isEnabled(), c.pointControls) << c.index;
        EXPECT_EQ(form->Action(Command::DrawPoints)->isEnabled(), c.pointControls) << c.index;
    }
    EXPECT_EQ(Entries()[0], "x-y<0");
}

TEST_F(GraphCommandsTest, PropertiesResampleOnlyWhenMoreThanTheStyleChanged) {
    AddGraphs({"x^2"});
    Graph& graph = Doc().GraphAt(0);
    const long double* samples = graph.Values.data();
    edit = [](GraphRecord& p) { p.Color = 12; };
    form->RunCommand(Command::GraphProps);
    EXPECT_EQ(graph.Values.data(), samples);  // the same points, only drawn again
    EXPECT_EQ(graph.Record().Color, 12);
    edit = [](GraphRecord& p) { p.Formula().SetText("x^3"); };
    form->RunCommand(Command::OtherProps);
    EXPECT_EQ(editorCalls.last(), "Graph Properties/Add");
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^3"}));
    ASSERT_TRUE(graph.HasValues());
    EXPECT_EQ(Window().History().UndoList().size(), 3u);
    // OK without a change records nothing.
    edit = nullptr;
    form->RunCommand(Command::GraphProps);
    EXPECT_EQ(Window().History().UndoList().size(), 3u);
}

TEST_F(GraphCommandsTest, FinishCountingSamplesWhatAnInterruptionLeft) {
    AddGraphs({"x", "x^2"});
    for (auto& graph : Doc().Graphs())
        graph->ClearValues();
    form->RunCommand(Command::FinishCounting);
    for (auto& graph : Doc().Graphs())
        EXPECT_TRUE(graph->HasValues());
}

TEST_F(GraphCommandsTest, EachDocumentShowsItsOwnGraphs) {
    AddGraphs({"x"});
    form->DocumentCommands().New();
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(form->Action(Command::DeleteGraph)->isEnabled());
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
    void WithDialog(Command command, std::function<void(GraphDialog&)> user) {
        testing_support::OnNextModal<GraphDialog>(user);
        form->RunCommand(command);
    }
    static void Type(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    QStringList Entries() { return testing_support::Items(form->GraphBar()->GraphList); }
};

TEST_F(RealDialogTest, AddAGraphByTypingItsFormula) {
    form->CurrentOptions().GraphDefaults.Kind = kYOfX;
    WithDialog(Command::AddGraph, [](GraphDialog& dialog) {
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
    EXPECT_TRUE(form->ActiveDocument()->Doc().GraphAt(0).HasValues());
}

TEST_F(RealDialogTest, AddATableByTypingItsCells) {
    form->CurrentOptions().GraphDefaults.Kind = kTable;
    WithDialog(Command::AddGraph, [](GraphDialog& dialog) {
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
    const GraphRecord& table = form->ActiveDocument()->Doc().GraphAt(0).Record();
    EXPECT_EQ(static_cast<long double>(table.Body.Table[1].Y), -100.0L);
}

}  // namespace
}  // namespace plotwise
