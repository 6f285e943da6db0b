// The main window as a desktop program: the changed mark following undo to the saved state,
// the recent files of the File menu, icons, help from a dialog and the help window's history.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using C = Command;

TEST_F(GraphCommandsTest, TheChangedMarkFollowsUndoAndRedoToTheSavedState) {
    dialogs.names = {Path("a.plw")};
    const struct {
        const char* step;
        bool modified;
    } steps[] = {{"add", true},  {"save", false}, {"add", true},  {"undo", false},
                 {"undo", true}, {"redo", false}, {"redo", true}, {"undo", false},
                 {"undo", true}, {"add", true},   {"undo", true}};
    for (const auto& s : steps) {
        const std::string step = s.step;
        if (step == "add") AddGraphs({"x"});
        if (step == "save") Run(C::Save);
        if (step == "undo") Run(C::Undo);
        if (step == "redo") Run(C::Redo);
        EXPECT_EQ(Doc().Modified, s.modified) << step;
        EXPECT_EQ(Child().isWindowModified(), s.modified) << step;
    }
    EXPECT_EQ(Child().Caption(), "a.plw");
    EXPECT_EQ(Child().windowTitle(), "a.plw[*]");
    Run(C::Undo);  // back to the saved graphs, but the saved state was left out of reach
    messages.answers = {Answer::No};
    qobject_cast<QMdiSubWindow*>(Child().parentWidget())->close();
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to a.plw?"}));
}

}  // namespace
}  // namespace plotwise
