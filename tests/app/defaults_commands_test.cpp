// The Options menu's "Graph Properties..." and "Standard Options" on a live main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "current_options.h"
#include "graph_commands_fixture.h"
#include "standart_props_form.h"

namespace plotwise {
namespace {

using testing_support::SameBytes;

class DefaultsCommandsTest : public testing_support::GraphCommandsTest {
  protected:
    // Runs user on the Default Graph Properties dialog once it is up; its polar button
    // confirms -2..2.
    void WithDefaultsDialog(std::function<void(TStandartPropsForm&)> user) {
        testing_support::OnNextModal<TStandartPropsForm>([user](TStandartPropsForm& dialog) {
            dialog.KindEditor = [](TFunctionProps& props, const TOptionsRecord&) {
                props.Interval().Min = -2;
                props.Interval().Max = 2;
                return true;
            };
            user(dialog);
        });
        form->RunCommand(TCommand::GraphProperties);
    }
    static void PickPolarAsDefaultKind(TStandartPropsForm& dialog) {
        dialog.KindButton(fsPolar)->click();
        dialog.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(fsPolar);
    }
};

TEST_F(DefaultsCommandsTest, ConfirmedDefaultsShapeTheNextNewGraph) {
    WithDefaultsDialog([](TStandartPropsForm& dialog) {
        PickPolarAsDefaultKind(dialog);
        dialog.findChild<QPushButton*>("OKButton")->click();
    });
    EXPECT_TRUE(SameBytes(CurrentOptions, Document().Options));
    EXPECT_TRUE(Document().Modified);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 1u);

    form->RunCommand(TCommand::AddGraph);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].FuncStyle, fsPolar);
    EXPECT_EQ(offered[0].Interval().Min, -2.0L);
    EXPECT_EQ(offered[0].Interval().Max, 2.0L);
}

TEST_F(DefaultsCommandsTest, CancelDiscardsEveryChangeAndRecordsNothing) {
    const TOptionsRecord before = Document().Options;
    WithDefaultsDialog([](TStandartPropsForm& dialog) {
        PickPolarAsDefaultKind(dialog);
        EXPECT_EQ(dialog.Options.StandartProps.Polar.Min, -2.0L);
        dialog.findChild<QPushButton*>("CancelButton")->click();
    });
    EXPECT_TRUE(SameBytes(Document().Options, before));
    EXPECT_TRUE(SameBytes(CurrentOptions, before));
    EXPECT_FALSE(Document().Modified);
    EXPECT_TRUE(Doc().UndoManager().UndoList().empty());
}

TEST_F(DefaultsCommandsTest, StandardOptionsRecordsAStepOnlyWhenSomethingDiffers) {
    form->RunCommand(TCommand::IncreaseXY);
    ASSERT_FALSE(SameBytes(Document().Options, StandardOptions()));
    form->RunCommand(TCommand::StandardOptions);
    EXPECT_TRUE(SameBytes(Document().Options, StandardOptions()));
    EXPECT_TRUE(SameBytes(CurrentOptions, StandardOptions()));
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 2u);
    form->RunCommand(TCommand::StandardOptions);
    EXPECT_EQ(Doc().UndoManager().UndoList().size(), 2u);
}

}  // namespace
}  // namespace plotwise
