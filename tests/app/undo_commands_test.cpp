// Undo and Redo on a live main window, and the view interval buttons that record options
// steps.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "graph_commands_fixture.h"
#include "option_dialogs/plot_options_dialog.h"
#include "widgets/style_choosers.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::OnNextModal;
using testing_support::SameBytes;
using C = Command;

class UndoCommandsTest : public GraphCommandsTest {
  protected:
    QString UndoText() { return form->Action(C::Undo)->text(); }
    QString RedoText() { return form->Action(C::Redo)->text(); }
    bool CanUndo() { return form->Action(C::Undo)->isEnabled(); }
    bool CanRedo() { return form->Action(C::Redo)->isEnabled(); }
};

TEST_F(UndoCommandsTest, OnlyTheLastFifteenStepsCanBeUndone) {
    AddGraphs({"x"});
    for (int i = 0; i < 16; ++i)
        form->RunCommand(C::DrawLines);
    EXPECT_EQ(Window().History().UndoList().size(), 15u);
    for (int i = 0; i < 15; ++i)
        form->RunCommand(C::Undo);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(UndoText(), "&Undo");
    form->RunCommand(C::Undo);          // nothing left: nothing happens
    ASSERT_EQ(Doc().GraphCount(), 1u);  // the addition itself fell off the history
    EXPECT_EQ(Window().History().RedoList().size(), 15u);
}

TEST_F(UndoCommandsTest, DeleteUndoneComesBackInPlaceWithTheSelectionOnTheSameGraph) {
    AddGraphs({"1", "2", "3"});
    form->GraphBar()->Select(0);
    form->RunCommand(C::DeleteGraph);
    form->GraphBar()->Select(1);  // "3"
    form->RunCommand(C::Undo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=1", "Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 2);
    EXPECT_TRUE(Doc().GraphAt(0).HasValues());
    EXPECT_EQ(RedoText(), "&Redo Delete graph");
    form->RunCommand(C::Redo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 1);
    EXPECT_EQ(UndoText(), "&Undo Delete graph");
}

TEST_F(UndoCommandsTest, UndoAddRemovesTheLastGraphAndRedoBringsTheSameRecord) {
    AddGraphs({"x", "x^2"});
    const GraphRecord added = Doc().GraphAt(1).Record();
    form->GraphBar()->Select(0);
    form->RunCommand(C::Undo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x"}));
    EXPECT_EQ(List()->currentIndex(), 0);
    form->RunCommand(C::Undo);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(form->Action(C::DeleteGraph)->isEnabled());
    form->RunCommand(C::Redo);
    form->RunCommand(C::Redo);
    ASSERT_EQ(Doc().GraphCount(), 2u);
    EXPECT_EQ(std::memcmp(&Doc().GraphAt(1).Record(), &added, sizeof added), 0);
    EXPECT_TRUE(Doc().GraphAt(1).HasValues());
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_TRUE(form->Action(C::DeleteGraph)->isEnabled());
}

TEST_F(UndoCommandsTest, PropertiesUndoneResampleWhenMoreThanTheStyleChanged) {
    AddGraphs({"x"});
    edit = [](GraphRecord& p) { p.Formula().SetText("x^3"); };
    form->RunCommand(C::GraphProps);
    form->RunCommand(C::Undo);
    Graph& graph = Doc().GraphAt(0);
    EXPECT_EQ(graph.Record().Formula().Text(), "x");
    ASSERT_TRUE(graph.HasValues());
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x"}));
    EXPECT_EQ(RedoText(), "&Redo Change graph properties");
    form->RunCommand(C::Redo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^3"}));
}

TEST_F(UndoCommandsTest, OptionsStepsAreUndoneAndRedoneOneByOne) {
    std::vector<OptionsRecord> states{Doc().Options};
    for (C c : {C::IncreaseX, C::MoveUp, C::ReduceXY}) {
        form->RunCommand(c);
        states.push_back(Doc().Options);
    }
    EXPECT_EQ(UndoText(), "&Undo Change options");
    for (int i = 2; i >= 0; --i) {
        form->RunCommand(C::Undo);
        EXPECT_TRUE(SameBytes(Doc().Options, states[i])) << i;
        EXPECT_TRUE(SameBytes(form->CurrentOptions(), states[i])) << i;
    }
    EXPECT_EQ(Window().History().RedoList().size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        form->RunCommand(C::Redo);
        EXPECT_TRUE(SameBytes(Doc().Options, states[i])) << i;
    }
    EXPECT_EQ(Window().History().UndoList().size(), 3u);
    EXPECT_FALSE(CanRedo());
}

TEST_F(UndoCommandsTest, ANewChangeEmptiesTheRedoList) {
    AddGraphs({"x"});
    form->RunCommand(C::DrawLines);
    form->RunCommand(C::Undo);
    EXPECT_TRUE(CanRedo());
    Choose(form->GraphBar()->ColorChooser, 9);
    EXPECT_FALSE(CanRedo());
    EXPECT_EQ(RedoText(), "&Redo");
}

TEST_F(UndoCommandsTest, EachDocumentShowsItsOwnHistoryAndUndoMarksItModified) {
    AddGraphs({"x"});
    DocumentWindow* first = &Window();
    first->Doc().Modified = false;
    form->RunCommand(C::New);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(UndoText(), "&Undo");
    form->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    EXPECT_EQ(UndoText(), "&Undo Add graph");
    EXPECT_TRUE(CanUndo());
    form->RunCommand(C::Undo);
    EXPECT_TRUE(first->Doc().Modified);
}

TEST_F(UndoCommandsTest, ViewButtonsFollowReversedAxesAndRefuseWithTheirMessage) {
    form->CurrentOptions().AxisX.Forward = false;
    form->RunCommand(C::MoveLeft);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MinX), 0);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 20);
    EXPECT_TRUE(Doc().Modified);
    const std::size_t steps = Window().History().UndoList().size();
    form->CurrentOptions().LogX = true;
    form->CurrentOptions().LogXBase = 1e11L;
    form->RunCommand(C::StandardIntervals);
    EXPECT_EQ(messages.shown, QStringList({"Error: Too large value of the boundary of the "
                                           "interval\r(in view of the logarithmic scale)"}));
    EXPECT_EQ(Window().History().UndoList().size(), steps);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 20);
}

TEST_F(UndoCommandsTest, PlotOptionsApplyAsOneStepAndScaleStepsWhenAsked) {
    form->Settings().Common.ChangeSteps = true;
    const OptionsRecord before = Doc().Options;
    OnNextModal<PlotOptionsDialog>([](PlotOptionsDialog& form) {
        form.Edits[pfMinX]->setText("-100");
        form.Edits[pfMaxX]->setText("100");
        form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    form->RunCommand(C::PlotOptions);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 100);
    EXPECT_EQ(static_cast<long double>(Doc().Options.StepVert), 10 * before.StepVert);
    EXPECT_EQ(UndoText(), "&Undo Change options");
    // Cancel applies nothing and records nothing.
    OnNextModal<PlotOptionsDialog>([](PlotOptionsDialog&) {});
    form->RunCommand(C::PlotOptions);
    EXPECT_EQ(Window().History().UndoList().size(), 1u);
    form->RunCommand(C::Undo);
    EXPECT_TRUE(SameBytes(Doc().Options, before));
}

TEST_F(UndoCommandsTest, OptionsConfirmedForADocumentThatLostTheFocusGoNowhere) {
    MainWindow* main = form.get();
    OnNextModal<PlotOptionsDialog>([main](PlotOptionsDialog& dialog) {
        dialog.Edits[pfMaxX]->setText("50");
        main->DocumentCommands().New();  // another document becomes the active one meanwhile
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    form->RunCommand(C::PlotOptions);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 10);
    EXPECT_TRUE(SameBytes(form->CurrentOptions(), Doc().Options));
    EXPECT_TRUE(Window().History().UndoList().empty());
}

}  // namespace
}  // namespace plotwise
