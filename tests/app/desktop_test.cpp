// The main window as a desktop program: the changed mark following undo to the saved state,
// the recent files of the File menu, icons, help from a dialog and the help window's history.
#include <gtest/gtest.h>

#include "app/help_window.h"
#include "app/program_icons.h"
#include "main_window_fixture.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::MainWindowTest;
using testing_support::OnNextModal;
using testing_support::PressKey;
using C = Command;

TEST_F(MainWindowTest, F1InEveryDialogOpensItsTopic) {
    QFile::copy(PLOTWISE_HELP_FILE, Path("Plotwise.hlp"));
    Start();
    ASSERT_NE(window->DocumentCommands().Open(PLOTWISE_EXAMPLES "/gallery.plw"), nullptr);
    const struct {
        Command command;
        int topic;
    } cases[] = {{C::AddGraph, 207},     {C::GraphProperties, 217},   {C::PlotOptions, 203},
                 {C::AxisOptions, 201},  {C::BackgroundOptions, 202}, {C::CommonOptions, 204},
                 {C::Print, 215},        {C::SaveAsBitmap, 208},      {C::CopyAsBitmap, 218},
                 {C::Export, 9},         {C::Integration, 29},        {C::Derivative, 26},
                 {C::TangentNormal, 27}, {C::Regression, 24},         {C::AnalyseFunction, 23},
                 {C::Trace, 30}};
    for (const auto& c : cases) {
        QString shown;
        OnNextModal<QDialog>([&shown](QDialog& dialog) {
            QWidget* focus = dialog.focusWidget();
            PressKey(focus != nullptr ? focus : &dialog, Qt::Key_F1);
            auto* help = dialog.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
            if (help != nullptr && help->isVisible()) shown = help->CurrentTopic();
        });
        Run(c.command);
        EXPECT_EQ(shown, QString::number(c.topic)) << c.topic;
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();
}

TEST_F(MainWindowTest, AddGraphOpensWithTheFormulaFocusedAndTheEquationRowHasBothLabels) {
    Start();
    OnNextModal<QDialog>([](QDialog& dialog) {
        ASSERT_NE(dialog.focusWidget(), nullptr);
        EXPECT_EQ(dialog.focusWidget()->objectName(), "FormulaYFromXEdit");
        auto* kind = dialog.findChild<QComboBox*>("FuncStyleComboBox");
        kind->setCurrentIndex(kEquation);
        emit kind->activated(kEquation);
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->isVisibleTo(&dialog) && label->text().startsWith('='))
                labels << label->text();
        EXPECT_EQ(labels, QStringList({"=", "=f(x,y)"}));
    });
    Run(C::AddGraph);
}

TEST(HelpWindowNavigation, BackForwardContentsAndSearchByWords) {
    testing_support::ScriptedMessages messages;
    HelpWindow help(PLOTWISE_HELP_FILE, messages, nullptr);
    help.ShowTopic(7);
    help.ShowTopic(6);
    EXPECT_FALSE(help.ForwardButton->isEnabled());
    help.BackButton->click();
    EXPECT_EQ(help.CurrentTopic(), "7");
    help.ForwardButton->click();
    EXPECT_EQ(help.CurrentTopic(), "6");
    help.ContentsButton->click();
    help.SearchEdit->setText("  paper   MARGINS ");
    PressKey(help.SearchEdit, Qt::Key_Return);
    EXPECT_EQ(help.CurrentTopic(), "?paper MARGINS");
    const QString page = help.findChild<QTextBrowser*>()->toHtml();
    EXPECT_TRUE(page.contains("topic:6") && page.contains("Page Setup"));
    EXPECT_FALSE(page.contains("topic:25"));  // the Calculator has no margins
    const auto keys = [&help](QKeySequence sequence) {
        for (QShortcut* shortcut : help.findChildren<QShortcut*>())
            if (shortcut->key() == sequence) emit shortcut->activated();
    };
    keys(QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_EQ(help.CurrentTopic(), "contents");
    keys(QKeySequence(Qt::ALT | Qt::Key_Right));
    EXPECT_EQ(help.CurrentTopic(), "?paper MARGINS");
    EXPECT_TRUE(messages.shown.isEmpty());
}

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
