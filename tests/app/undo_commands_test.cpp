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

#include "build_form.h"
#include "current_options.h"
#include "graph_commands_fixture.h"
#include "style_choosers.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::OnNextModal;
using testing_support::SameBytes;
using C = TCommand;

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
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 15u);
    for (int i = 0; i < 15; ++i)
        form->RunCommand(C::Undo);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(UndoText(), "&Undo");
    form->RunCommand(C::Undo);                // nothing left: nothing happens
    ASSERT_EQ(Document().Graphs.size(), 1u);  // the addition itself fell off the history
    EXPECT_EQ(Doc().UndoManager().RedoList().size(), 15u);
}

TEST_F(UndoCommandsTest, DeleteUndoneComesBackInPlaceWithTheSelectionOnTheSameGraph) {
    AddGraphs({"1", "2", "3"});
    form->SetGraphsListItemIndex(0);
    form->RunCommand(C::DeleteGraph);
    form->SetGraphsListItemIndex(1);  // "3"
    form->RunCommand(C::Undo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=1", "Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 2);
    EXPECT_TRUE(Document().Graphs[0]->HasValues());
    EXPECT_EQ(RedoText(), "&Redo Delete graph");
    form->RunCommand(C::Redo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 1);
    EXPECT_EQ(UndoText(), "&Undo Delete graph");
}

TEST_F(UndoCommandsTest, UndoAddRemovesTheLastGraphAndRedoBringsTheSameRecord) {
    AddGraphs({"x", "x^2"});
    const TFunctionProps added = Document().Graphs[1]->Props;
    form->SetGraphsListItemIndex(0);
    form->RunCommand(C::Undo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x"}));
    EXPECT_EQ(List()->currentIndex(), 0);
    form->RunCommand(C::Undo);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(form->Action(C::DeleteGraph)->isEnabled());
    form->RunCommand(C::Redo);
    form->RunCommand(C::Redo);
    ASSERT_EQ(Document().Graphs.size(), 2u);
    EXPECT_EQ(std::memcmp(&Document().Graphs[1]->Props, &added, sizeof added), 0);
    EXPECT_TRUE(Document().Graphs[1]->HasValues());
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_TRUE(form->Action(C::DeleteGraph)->isEnabled());
}

TEST_F(UndoCommandsTest, PropertiesUndoneResampleWhenMoreThanTheStyleChanged) {
    AddGraphs({"x"});
    edit = [](TFunctionProps& p) { p.Formula().SetText("x^3"); };
    form->RunCommand(C::GraphProps);
    form->RunCommand(C::Undo);
    TFunction& graph = *Document().Graphs[0];
    EXPECT_EQ(graph.Props.Formula().Text(), "x");
    ASSERT_TRUE(graph.HasValues());
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x"}));
    EXPECT_EQ(RedoText(), "&Redo Change graph properties");
    form->RunCommand(C::Redo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^3"}));
}

TEST_F(UndoCommandsTest, OptionsStepsAreUndoneAndRedoneOneByOne) {
    std::vector<TOptionsRecord> states{Document().Options};
    for (C c : {C::IncreaseX, C::MoveUp, C::ReduceXY}) {
        form->RunCommand(c);
        states.push_back(Document().Options);
    }
    EXPECT_EQ(UndoText(), "&Undo Change options");
    for (int i = 2; i >= 0; --i) {
        form->RunCommand(C::Undo);
        EXPECT_TRUE(SameBytes(Document().Options, states[i])) << i;
        EXPECT_TRUE(SameBytes(CurrentOptions, states[i])) << i;
    }
    EXPECT_EQ(Doc().UndoManager().RedoList().size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        form->RunCommand(C::Redo);
        EXPECT_TRUE(SameBytes(Document().Options, states[i])) << i;
    }
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 3u);
    EXPECT_FALSE(CanRedo());
}

TEST_F(UndoCommandsTest, ANewChangeEmptiesTheRedoList) {
    AddGraphs({"x"});
    form->RunCommand(C::DrawLines);
    form->RunCommand(C::Undo);
    EXPECT_TRUE(CanRedo());
    Choose(form->GraphToolbar()->ColorComboBox, 9);
    EXPECT_FALSE(CanRedo());
    EXPECT_EQ(RedoText(), "&Redo");
}

TEST_F(UndoCommandsTest, EachDocumentShowsItsOwnHistoryAndUndoMarksItModified) {
    AddGraphs({"x"});
    TMDIChild* first = &Doc();
    first->Document().Modified = false;
    form->RunCommand(C::New);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(UndoText(), "&Undo");
    form->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    EXPECT_EQ(UndoText(), "&Undo Add graph");
    EXPECT_TRUE(CanUndo());
    form->RunCommand(C::Undo);
    EXPECT_TRUE(first->Document().Modified);
}

TEST_F(UndoCommandsTest, ViewButtonsFollowReversedAxesAndRefuseWithTheirMessage) {
    CurrentOptions.AxleX.Forward = false;
    form->RunCommand(C::MoveLeft);
    EXPECT_EQ(static_cast<long double>(Document().Options.MinX), 0);
    EXPECT_EQ(static_cast<long double>(Document().Options.MaxX), 20);
    EXPECT_TRUE(Document().Modified);
    const std::size_t steps = Doc().UndoManager().UndoList().size();
    CurrentOptions.LogX = true;
    CurrentOptions.LogXBase = 1e11L;
    form->RunCommand(C::StandardIntervals);
    EXPECT_EQ(messages.shown, QStringList({"Error: Too large value of the boundary of the "
                                           "interval\r(in view of the logarithmic scale)"}));
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), steps);
    EXPECT_EQ(static_cast<long double>(Document().Options.MaxX), 20);
}

TEST_F(UndoCommandsTest, PlotOptionsApplyAsOneStepAndScaleStepsWhenAsked) {
    ProgramSettings.Common.ChangeSteps = true;
    const TOptionsRecord before = Document().Options;
    OnNextModal<TBuildForm>([](TBuildForm& form) {
        form.Edits[pfMinX]->setText("-100");
        form.Edits[pfMaxX]->setText("100");
        form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    form->RunCommand(C::PlotOptions);
    EXPECT_EQ(static_cast<long double>(Document().Options.MaxX), 100);
    EXPECT_EQ(static_cast<long double>(Document().Options.StepVert), 10 * before.StepVert);
    EXPECT_EQ(UndoText(), "&Undo Change options");
    // Cancel applies nothing and records nothing.
    OnNextModal<TBuildForm>([](TBuildForm&) {});
    form->RunCommand(C::PlotOptions);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 1u);
    form->RunCommand(C::Undo);
    EXPECT_TRUE(SameBytes(Document().Options, before));
}

TEST_F(UndoCommandsTest, OptionsConfirmedForADocumentThatLostTheFocusGoNowhere) {
    TMainForm* main = form.get();
    OnNextModal<TBuildForm>([main](TBuildForm& dialog) {
        dialog.Edits[pfMaxX]->setText("50");
        main->NewDocument();  // another document becomes the active one meanwhile
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    form->RunCommand(C::PlotOptions);
    EXPECT_EQ(static_cast<long double>(Document().Options.MaxX), 10);
    EXPECT_TRUE(SameBytes(CurrentOptions, Document().Options));
    EXPECT_TRUE(Doc().UndoManager().UndoList().empty());
}

}  // namespace
}  // namespace plotwise
