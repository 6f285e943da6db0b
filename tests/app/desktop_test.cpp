// The main window as a desktop program: the changed mark following undo to the saved state,
// recent files, icons and cascading, where an installed program finds its files, help from
// every dialog and the help window's history and search.
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
    const std::pair<Command, int> cases[] = {
        {C::AddGraph, 207},     {C::GraphProperties, 217},   {C::PlotOptions, 203},
        {C::AxisOptions, 201},  {C::BackgroundOptions, 202}, {C::CommonOptions, 204},
        {C::Print, 215},        {C::SaveAsBitmap, 208},      {C::CopyAsBitmap, 218},
        {C::Export, 9},         {C::Integration, 29},        {C::Derivative, 26},
        {C::TangentNormal, 27}, {C::Regression, 24},         {C::AnalyseFunction, 23},
        {C::Trace, 30}};
    for (const auto& [command, topic] : cases) {
        QString shown, focused;
        QStringList labels;
        OnNextModal<QDialog>([&](QDialog& dialog) {
            QWidget* focus = dialog.focusWidget();
            focused = focus != nullptr ? focus->objectName() : QString();
            PressKey(focus != nullptr ? focus : &dialog, Qt::Key_F1);
            auto* help = dialog.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
            if (!dialog.isModal())  // Trace: the main window's help, as the Calculator's
                help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
            if (help != nullptr && help->isVisible()) shown = help->CurrentTopic();
            if (command != C::AddGraph) return;
            auto* kind = dialog.findChild<QComboBox*>("FuncStyleComboBox");
            kind->setCurrentIndex(kEquation);
            emit kind->activated(kEquation);
            for (QLabel* label : dialog.findChildren<QLabel*>())
                if (label->isVisibleTo(&dialog) && label->text().startsWith('='))
                    labels << label->text();
        });
        Run(command);
        EXPECT_EQ(shown, QString::number(topic)) << topic;
        if (command == C::AddGraph) {  // the formula typed at once; the equation row's labels
            EXPECT_EQ(focused, "FormulaYFromXEdit");
            EXPECT_EQ(labels, QStringList({"=", "=f(x,y)"}));
        }
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();
}

TEST(HelpWindowNavigation, BackForwardContentsAndSearchByWords) {
    testing_support::ScriptedMessages messages;
    HelpWindow help(PLOTWISE_HELP_FILE, messages, nullptr);
    const auto keys = [&help](int key) {
        for (QShortcut* shortcut : help.findChildren<QShortcut*>())
            if (shortcut->key() == QKeySequence(Qt::ALT | key)) emit shortcut->activated();
        return help.CurrentTopic();
    };
    help.ShowTopic(7);
    help.ShowTopic(6);
    EXPECT_FALSE(help.ForwardButton->isEnabled());
    help.BackButton->click();
    EXPECT_EQ(help.CurrentTopic(), "7");
    help.ForwardButton->click();
    help.ContentsButton->click();
    EXPECT_EQ(keys(Qt::Key_Left), "6");
    EXPECT_EQ(keys(Qt::Key_Right), "contents");
    help.SearchEdit->setText("  paper   MARGINS ");
    PressKey(help.SearchEdit, Qt::Key_Return);
    EXPECT_EQ(help.CurrentTopic(), "?paper MARGINS");
    const QString page = help.findChild<QTextBrowser*>()->toHtml();
    EXPECT_TRUE(page.contains("topic:6") && page.contains("Page Setup"));
    EXPECT_FALSE(page.contains("topic:25"));  // the Calculator has no margins
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWindowTest, NewWindowsCascadeAndShowTheProgramsIconsAtAnySize) {
    Start();
    Run(C::New);
    const QList<QMdiSubWindow*> subs = window->MdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(subs.size(), 2);
    const QPoint step = subs[1]->pos() - subs[0]->pos();
    EXPECT_TRUE(step.x() > 10 && step.x() == step.y()) << step.x() << "," << step.y();
    const std::pair<QIcon, QIcon> icons[] = {{window->windowIcon(), ApplicationIcon()},
                                             {subs[1]->windowIcon(), DocumentIcon()}};
    for (const auto& [shown, drawn] : icons) {
        for (const int side : {16, 256}) {
            const QImage image = shown.pixmap(side, side).toImage();
            EXPECT_EQ(image, drawn.pixmap(side, side).toImage());
            EXPECT_EQ(qAlpha(image.pixel(side / 2, side / 2)), 255) << side;  // drawn
        }
    }
}

TEST_F(MainWindowTest, AnInstalledProgramFindsItsHelpInShareAndKeepsItsDefaultsWithItsSettings) {
    for (const char* folder : {"bin", "share/plotwise", "config"})
        QDir(dir.path()).mkpath(folder);
    const MainWindowSetup setup{Path("bin"), Path("config/Plotwise.ini"), "plotwise", false};
    QFile::copy(PLOTWISE_HELP_FILE, Path("share/plotwise/Plotwise.hlp"));
    MainWindow installed(setup, &messages, &dialogs);
    EXPECT_EQ(installed.HelpFilePath(), Path("share/plotwise/Plotwise.hlp"));
    EXPECT_EQ(installed.OptionsFilePath(), Path("config/Plotwise.cfg"));
    QFile::copy(PLOTWISE_HELP_FILE, Path("bin/Plotwise.hlp"));  // a build tree: all beside it
    MainWindow built(setup, &messages, &dialogs);
    EXPECT_EQ(built.HelpFilePath(), Path("bin/Plotwise.hlp"));
    EXPECT_EQ(built.OptionsFilePath(), Path("bin/Plotwise.cfg"));
}

TEST_F(MainWindowTest, RecentFilesListTheEightNewestAndForgetOnesThatAreGone) {
    Start();
    for (const int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 5}) {  // 5 again: moves up, not twice
        const QString path = Path(qPrintable(QString("f%1.plw").arg(i)));
        QFile::copy(PLOTWISE_EXAMPLES "/polar.plw", path);
        window->DocumentCommands().Open(path);
    }
    window->close();
    Start();  // read back from Plotwise.ini
    QStringList items;
    for (QAction* item : window->RecentItems())
        items << item->text();
    EXPECT_EQ(items.join(' '),
              "&1 f5.plw &2 f9.plw &3 f8.plw &4 f7.plw &5 f6.plw &6 f4.plw "
              "&7 f3.plw &8 f2.plw");
    QFile::remove(Path("f9.plw"));
    window->RecentItems()[1]->trigger();
    EXPECT_EQ(messages.shown, QStringList("Error: The file " + Path("f9.plw") +
                                          " no longer exists;\rit is taken off the list of "
                                          "recent files"));
    window->RecentItems()[1]->trigger();
    EXPECT_EQ(window->ActiveDocument()->Caption(), "f8.plw");
}

TEST_F(GraphCommandsTest, TheChangedMarkFollowsUndoAndRedoToTheSavedState) {
    dialogs.names = {Path("a.plw")};
    // Add, Save, Undo, Redo, and whether the document is modified after each.
    const std::string steps = "asauurruuau", modified = "10101010111";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const char step = steps[i];
        if (step == 'a') AddGraphs({"x"});
        if (step != 'a') Run(step == 's' ? C::Save : step == 'u' ? C::Undo : C::Redo);
        EXPECT_EQ(Doc().Modified, modified[i] == '1') << i;
        EXPECT_EQ(Child().isWindowModified(), modified[i] == '1') << i;
    }
    EXPECT_EQ(Child().windowTitle(), "a.plw[*]");
    Run(C::Undo);  // back to the saved graphs, but the saved state was left out of reach
    messages.answers = {Answer::No};
    qobject_cast<QMdiSubWindow*>(Child().parentWidget())->close();
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to a.plw?"}));
}

}  // namespace
}  // namespace plotwise
