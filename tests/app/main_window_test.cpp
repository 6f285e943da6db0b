// The main window as a user meets it, offscreen, with scripted questions and file dialogs:
// start-up, New, Open, Save, closing and shut-down, settings kept between runs, and the
// status bar and Esc during a computation.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include "../plot/plot_test_support.h"
#include "app/document_window.h"
#include "app/full_screen_window.h"
#include "app_test_support.h"
#include "main_window_fixture.h"
#include "plot/document_file.h"
#include "services/program_settings.h"

namespace plotwise {
namespace {

using testing_support::MainFormTest;
using testing_support::PumpUntil;
using testing_support::ScriptedDialogs;
using testing_support::ScriptedMessages;

TEST_F(MainFormTest, StartsWithNonameDocumentAndNumbersNewOnesInTheFirstGap) {
    Start();
    EXPECT_EQ(form->windowTitle(), "Plotwise");
    EXPECT_EQ(form->minimumSize(), QSize(400, 300));
    EXPECT_EQ(form->StatusPanel(0)->text(), "Ready");
    form->DocumentCommands().New();
    form->DocumentCommands().New();
    EXPECT_EQ(Captions(), QStringList({"Noname1.plw", "Noname2.plw", "Noname3.plw"}));
    CloseWindow(form->Documents()[1]);
    form->DocumentCommands().New();
    EXPECT_EQ(Captions().last(), "Noname2.plw");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainFormTest, CommandsFollowTheNumberOfDocuments) {
    Start();
    const Command withDocument[] = {Command::Save, Command::SaveAs, Command::FullScreen,
                                    Command::Cascade, Command::SaveOptions};
    for (Command c : withDocument)
        EXPECT_TRUE(form->Action(c)->isEnabled()) << InfoOf(c).hint;
    CloseWindow(form->Documents()[0]);
    for (Command c : withDocument)
        EXPECT_FALSE(form->Action(c)->isEnabled()) << InfoOf(c).hint;
    for (Command c : {Command::Undo, Command::Redo, Command::AddGraph})
        EXPECT_FALSE(form->Action(c)->isEnabled());
    for (Command c : {Command::New, Command::Open, Command::Exit, Command::About})
        EXPECT_TRUE(form->Action(c)->isEnabled());
}

TEST_F(MainFormTest, FullScreenShowsTheActiveDocumentUntilEsc) {
    Start();
    form->RunCommand(Command::FullScreen);
    auto* view = form->findChild<FullScreenWindow*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &esc);
    EXPECT_FALSE(view->isVisible());
}

// The hint panel's text after the pointer moved over a menu item.
QString HintOver(MainWindow& form, QMenu* menu, const QString& item) {
    form.StatusPanel(1)->clear();
    menu->popup(QPoint(0, 0));
    for (QAction* action : menu->actions()) {
        if (action->text() != item) continue;
        const QPoint at = menu->actionGeometry(action).center();
        QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &move);
    }
    const QString hint = form.StatusPanel(1)->text();
    menu->hide();
    return hint;
}

TEST_F(MainFormTest, MenuItemsShowTheirHintsAlsoDisabledAndInContextMenus) {
    Start();
    QMenu* plot = nullptr;
    for (QObject* object : form->Action(Command::AddGraph)->associatedObjects())
        plot = plot != nullptr ? plot : qobject_cast<QMenu*>(object);
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(HintOver(*form, plot, "&Add Graph..."), "Add new graph");  // disabled for now
    std::unique_ptr<QMenu> toolbars(form->createPopupMenu());
    EXPECT_EQ(HintOver(*form, toolbars.get(), "Graph"), "Hide/Show the Graph toolbar");
    EXPECT_EQ(HintOver(*form, toolbars.get(), "Help"), "Show the help information about toolbars");
}

TEST_F(MainFormTest, OpensGoodFilesAndRefusesBadOnesWithoutAWindow) {
    QFile bad(Path("bad.plw"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a document");
    bad.close();
    Start("plotwise " + Path("missing.plw"), true);
    EXPECT_TRUE(form->Documents().isEmpty());
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));

    EXPECT_EQ(form->DocumentCommands().Open(Path("bad.plw")), nullptr);
    EXPECT_EQ(messages.shown.last(), "Error: Incorrect format of the file");
    EXPECT_TRUE(form->Documents().isEmpty());

    dialogs.names = {PLOTWISE_EXAMPLES "/gallery.plw"};
    form->DocumentCommands().OpenCommand();
    ASSERT_EQ(form->Documents().size(), 1);
    DocumentWindow* child = form->Documents()[0];
    const Document& doc = child->Doc();
    EXPECT_EQ(child->Caption(), "gallery.plw");
    EXPECT_TRUE(doc.Named);
    EXPECT_FALSE(doc.Modified);
    ASSERT_FALSE(doc.Graphs().empty());
    EXPECT_GT(doc.GraphAt(0).Values.size(), 0u);  // sampled as it opened
    EXPECT_TRUE(testing_support::SameBytes(form->CurrentOptions(), doc.Options));
}

TEST_F(MainFormTest, SavesUnnamedThroughTheDialogAndKeepsModifiedWhenWritingFails) {
    Start();
    DocumentWindow* child = form->Documents()[0];
    Document& doc = child->Doc();
    doc.Modified = true;
    dialogs.names = {QString()};  // cancelled
    EXPECT_FALSE(form->DocumentCommands().Save(*child));
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(dialogs.proposed, QStringList({"Noname1.plw"}));

    dialogs.names = {Path("first.plw")};
    EXPECT_TRUE(form->DocumentCommands().Save(*child));
    EXPECT_EQ(child->Caption(), "first.plw");
    EXPECT_TRUE(doc.Named);
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(CheckDocumentFile(Path("first.plw").toStdString()).valid);

    // Named: no dialog; a folder that is gone makes the write fail.
    doc.FileName = Path("gone/first.plw").toStdString();
    doc.Modified = true;
    EXPECT_FALSE(form->DocumentCommands().Save(*child));
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));
    EXPECT_EQ(dialogs.proposed.size(), 2);  // none for the named document
}

TEST_F(MainFormTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
    Start();
    DocumentWindow* child = form->Documents()[0];
    child->Doc().Modified = true;
    messages.answers = {Answer::Cancel};
    qobject_cast<QMdiSubWindow*>(child->parentWidget())->close();
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to Noname1.plw?"}));
    ASSERT_EQ(form->Documents().size(), 1);
    messages.answers = {Answer::No};
    CloseWindow(child);
    EXPECT_TRUE(form->Documents().isEmpty());
}

TEST_F(MainFormTest, ShutDownAsksInWindowOrderAndStopsAtCancel) {
    Start();
    form->DocumentCommands().New();
    for (DocumentWindow* child : form->Documents())
        child->Doc().Modified = true;
    messages.answers = {Answer::Yes, Answer::Cancel};
    dialogs.names = {Path("one.plw")};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to Noname1.plw?",
                                           "Ask: Save changes to Noname2.plw?"}));
    EXPECT_EQ(Captions(), QStringList({"one.plw", "Noname2.plw"}));
    EXPECT_FALSE(QFile::exists(Path("Plotwise.ini")));  // nothing written when stopped

    messages.shown.clear();
    messages.answers = {Answer::No};
    EXPECT_TRUE(form->close());
    form.reset();  // the windows go without asking again
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to Noname2.plw?"}));
    EXPECT_TRUE(QFile::exists(Path("Plotwise.ini")));
}

TEST_F(MainFormTest, ToolbarsAndSettingsOutliveTheRun) {
    Start();
    form->RunCommand(Command::GraphToolbar);
    form->addToolBar(Qt::BottomToolBarArea, form->Toolbar(ToolbarId::Calculus));
    EXPECT_FALSE(form->Toolbar(ToolbarId::Graph)->isVisible());
    EXPECT_FALSE(form->Action(Command::GraphToolbar)->isChecked());
    form->Settings().Analysis.DigitsNum = 4;
    ASSERT_TRUE(form->close());
    form->Settings() = {};
    Start();
    EXPECT_FALSE(form->Settings().Panels.GraphsPanel);
    EXPECT_FALSE(form->Toolbar(ToolbarId::Graph)->isVisible());
    EXPECT_TRUE(form->Toolbar(ToolbarId::Standard)->isVisible());
    EXPECT_EQ(form->toolBarArea(form->Toolbar(ToolbarId::Calculus)), Qt::BottomToolBarArea);
    EXPECT_EQ(form->Settings().Analysis.DigitsNum, 4);
}

// A document whose pass takes a while: several long graphs.
QString WriteSlowDocument(const QString& path) {
    Document doc(StandardOptions());
    for (const char* f : {"sin(x)*cos(x)^2", "x^3-2*x", "exp(sin(x))"}) {
        GraphRecord props = testing_support::GraphOfKind(kYOfX, f);
        props.Interval().StepsNum = 20000;
        props.Interval().DefaultSteps = false;
        doc.AddGraph(props);
    }
    EXPECT_TRUE(WriteDocument(doc, path.toStdString()));
    return path;
}

TEST_F(MainFormTest, StatusBarShowsProgressAndEscInterruptsThePass) {
    Start();
    const QString path = WriteSlowDocument(Path("slow.plw"));
    QStringList seen;
    bool busyCursor = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        seen << form->StatusPanel(0)->text() + " | " + form->StatusPanel(1)->text();
        busyCursor = busyCursor || QApplication::overrideCursor() != nullptr;
    });
    watcher.start(0);
    DocumentWindow* child = form->DocumentCommands().Open(path);
    ASSERT_NE(child, nullptr);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(seen.first().startsWith("Graph N 1: ")) << seen.first().toStdString();
    EXPECT_TRUE(seen.first().endsWith("| Press Esc to interrupt the calculation"));
    EXPECT_TRUE(busyCursor);
    EXPECT_EQ(form->StatusPanel(0)->text(), "Ready");
    EXPECT_EQ(form->StatusPanel(1)->text(), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (const auto& graph : child->Doc().Graphs())
        EXPECT_TRUE(graph->HasValues());

    // Esc waiting in the queue when the pass starts stops it at the first look.
    QCoreApplication::postEvent(form.get(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    child = form->DocumentCommands().Open(path);
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->Doc().ContinueSampling);
    for (const auto& graph : child->Doc().Graphs())
        EXPECT_FALSE(graph->HasValues());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace plotwise
