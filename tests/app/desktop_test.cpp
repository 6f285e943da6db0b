// The main window as a desktop program: the changed mark following undo to the saved state,
// the recent files of the File menu, icons, help from a dialog and the help window's history.
#include <gtest/gtest.h>

#include "app/program_icons.h"
#include "main_window_fixture.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::MainWindowTest;
using C = Command;

TEST_F(MainWindowTest, NewWindowsCascadeAndShowTheProgramsIconsAtAnySize) {
    Start();
    Run(C::New);
    const QList<QMdiSubWindow*> subs = window->MdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(subs.size(), 2);
    const QPoint step = subs[1]->pos() - subs[0]->pos();
    EXPECT_GT(step.x(), 10);
    EXPECT_EQ(step.x(), step.y());
    for (const QIcon& icon : {window->windowIcon(), subs[1]->windowIcon()}) {
        for (const int side : {16, 48, 256}) {
            const QImage image = icon.pixmap(side, side).toImage();
            ASSERT_EQ(image.size(), QSize(side, side));
            EXPECT_EQ(qAlpha(image.pixel(side / 2, side / 2)), 255) << side;  // drawn
        }
    }
    EXPECT_EQ(subs[1]->windowIcon().pixmap(32).toImage(), DocumentIcon().pixmap(32).toImage());
    EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), ApplicationIcon().pixmap(32).toImage());
}

TEST_F(MainWindowTest, AnInstalledProgramFindsItsHelpInShareAndKeepsItsDefaultsWithItsSettings) {
    QDir(dir.path()).mkpath("bin");
    QDir(dir.path()).mkpath("share/plotwise");
    QDir(dir.path()).mkpath("config");
    QFile::copy(PLOTWISE_HELP_FILE, Path("share/plotwise/Plotwise.hlp"));
    MainWindow installed({Path("bin"), Path("config/Plotwise.ini"), "plotwise", false}, &messages,
                         &dialogs);
    EXPECT_EQ(installed.HelpFilePath(), Path("share/plotwise/Plotwise.hlp"));
    EXPECT_EQ(installed.OptionsFilePath(), Path("config/Plotwise.cfg"));
    QFile::copy(PLOTWISE_HELP_FILE, Path("bin/Plotwise.hlp"));  // a build tree: all beside it
    MainWindow built({Path("bin"), Path("config/Plotwise.ini"), "plotwise", false}, &messages,
                     &dialogs);
    EXPECT_EQ(built.HelpFilePath(), Path("bin/Plotwise.hlp"));
    EXPECT_EQ(built.OptionsFilePath(), Path("bin/Plotwise.cfg"));
}

TEST_F(MainWindowTest, RecentFilesListTheEightNewestAndForgetOnesThatAreGone) {
    Start();
    for (int i = 1; i <= 9; ++i) {
        const QString path = Path(qPrintable(QString("f%1.plw").arg(i)));
        QFile::copy(PLOTWISE_EXAMPLES "/polar.plw", path);
        window->DocumentCommands().Open(path);
    }
    window->DocumentCommands().Open(Path("f5.plw"));  // again: moves up, not twice
    window->close();
    Start();  // read back from Plotwise.ini
    QStringList items;
    for (QAction* item : window->RecentItems())
        items << item->text();
    EXPECT_EQ(items, QStringList({"&1 f5.plw", "&2 f9.plw", "&3 f8.plw", "&4 f7.plw", "&5 f6.plw",
                                  "&6 f4.plw", "&7 f3.plw", "&8 f2.plw"}));
    QFile::remove(Path("f9.plw"));
    window->RecentItems()[1]->trigger();
    EXPECT_EQ(messages.shown, QStringList({"Error: The file " + Path("f9.plw") +
                                           " no longer exists;\rit is taken off the list of "
                                           "recent files"}));
    EXPECT_EQ(window->RecentItems().size(), 7);
    window->RecentItems()[1]->trigger();
    EXPECT_EQ(window->ActiveDocument()->Caption(), "f8.plw");
}

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
