// The Options menu's "Graph Properties..." and "Standard Options" on a live main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "graph_commands_fixture.h"
#include "graph_dialog/default_graph_dialog.h"

namespace plotwise {
namespace {

using testing_support::SameBytes;

class DefaultsCommandsTest : public testing_support::GraphCommandsTest {
  protected:
    // Runs user on the Default Graph Properties dialog once it is up; its polar button
    // confirms -2..2.
    void WithDefaultsDialog(std::function<void(DefaultGraphDialog&)> user) {
        testing_support::OnNextModal<DefaultGraphDialog>([user](DefaultGraphDialog& dialog) {
            dialog.KindEditor = [](GraphRecord& props, const OptionsRecord&) {
                props.Interval().Min = -2;
                props.Interval().Max = 2;
                return true;
            };
            user(dialog);
        });
        form->RunCommand(Command::GraphProperties);
    }
    static void PickPolarAsDefaultKind(DefaultGraphDialog& dialog) {
        dialog.KindButton(kPolarGraph)->click();
        dialog.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(kPolarGraph);
    }
};

TEST_F(DefaultsCommandsTest, ConfirmedDefaultsShapeTheNextNewGraph) {
    WithDefaultsDialog([](DefaultGraphDialog& dialog) {
        PickPolarAsDefaultKind(dialog);
        dialog.findChild<QPushButton*>("OKButton")->click();
    });
    EXPECT_TRUE(SameBytes(form->CurrentOptions(), Doc().Options));
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(Window().History().UndoList().size(), 1u);

    form->RunCommand(Command::AddGraph);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].Kind, kPolarGraph);
    EXPECT_EQ(offered[0].Interval().Min, -2.0L);
    EXPECT_EQ(offered[0].Interval().Max, 2.0L);
}

TEST_F(DefaultsCommandsTest, CancelDiscardsEveryChangeAndRecordsNothing) {
    const OptionsRecord before = Doc().Options;
    WithDefaultsDialog([](DefaultGraphDialog& dialog) {
        PickPolarAsDefaultKind(dialog);
        EXPECT_EQ(dialog.Options.GraphDefaults.Polar.Min, -2.0L);
        dialog.findChild<QPushButton*>("CancelButton")->click();
    });
    EXPECT_TRUE(SameBytes(Doc().Options, before));
    EXPECT_TRUE(SameBytes(form->CurrentOptions(), before));
    EXPECT_FALSE(Doc().Modified);
    EXPECT_TRUE(Window().History().UndoList().empty());
}

TEST_F(DefaultsCommandsTest, StandardOptionsRecordsAStepOnlyWhenSomethingDiffers) {
    form->RunCommand(Command::IncreaseXY);
    ASSERT_FALSE(SameBytes(Doc().Options, StandardOptions()));
    form->RunCommand(Command::StandardOptions);
    EXPECT_TRUE(SameBytes(Doc().Options, StandardOptions()));
    EXPECT_TRUE(SameBytes(form->CurrentOptions(), StandardOptions()));
    EXPECT_EQ(Window().History().UndoList().size(), 2u);
    form->RunCommand(Command::StandardOptions);
    EXPECT_EQ(Window().History().UndoList().size(), 2u);
}

}  // namespace
}  // namespace plotwise
