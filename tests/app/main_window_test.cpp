// The main window as a user meets it, offscreen, with scripted questions and file dialogs:
// start-up, New, Open, Save, closing and shut-down, the status bar and Esc during a
// computation, the Calculus windows and Trace, and the output commands.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTableWidget>
#include <filesystem>

#include "../plot/plot_test_support.h"
#include "app/full_screen_window.h"
#include "formula/number_input.h"
#include "main_window_fixture.h"
#include "option_dialogs/output_dialogs.h"
#include "plot/document_file.h"
#include "tool_windows/calculator_window.h"
#include "tool_windows/intersection_window.h"
#include "tool_windows/trace_window.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::GraphOfKind;
using testing_support::MainWindowTest;
using testing_support::OnNextModal;
using testing_support::PressOk;
using testing_support::SameBytes;
using C = Command;

TEST_F(MainWindowTest, StartsWithNonameNumbersNewOnesInTheFirstGapAndCommandsFollow) {
    Start();
    EXPECT_EQ(window->StatusPanel(0)->text(), "Ready");
    EXPECT_EQ(Text(C::Undo), "&Undo");
    EXPECT_EQ(Text(C::Redo), "&Redo");
    Run(C::FullScreen);
    auto* view = window->findChild<FullScreenWindow*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &esc);
    EXPECT_FALSE(view->isVisible());

    window->DocumentCommands().New();
    window->DocumentCommands().New();
    EXPECT_EQ(Captions(), QStringList({"Noname1.plw", "Noname2.plw", "Noname3.plw"}));
    CloseWindow(window->Documents()[1]);
    window->DocumentCommands().New();
    EXPECT_EQ(Captions().last(), "Noname2.plw");
    EXPECT_TRUE(messages.shown.isEmpty());

    const Command withDocument[] = {C::Save, C::SaveAs, C::FullScreen, C::Cascade, C::SaveOptions};
    for (Command c : withDocument)
        EXPECT_TRUE(Enabled(c)) << InfoOf(c).hint;
    while (!window->Documents().isEmpty())
        CloseWindow(window->Documents()[0]);
    for (Command c : withDocument)
        EXPECT_FALSE(Enabled(c)) << InfoOf(c).hint;
    for (Command c : {C::Undo, C::Redo, C::AddGraph})
        EXPECT_FALSE(Enabled(c));
    for (Command c : {C::New, C::Open, C::Exit, C::About})
        EXPECT_TRUE(Enabled(c));
}

// The hint panel's text after the pointer moved over a menu item.
QString HintOver(MainWindow& window, QMenu* menu, const QString& item) {
    window.StatusPanel(1)->clear();
    menu->popup(QPoint(0, 0));
    for (QAction* action : menu->actions()) {
        if (action->text() != item) continue;
        const QPoint at = menu->actionGeometry(action).center();
        QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &move);
    }
    const QString hint = window.StatusPanel(1)->text();
    menu->hide();
    return hint;
}

TEST_F(MainWindowTest, MenuItemsShowTheirHintsAlsoDisabledAndInContextMenus) {
    Start();
    QMenu* plot = nullptr;
    for (QObject* object : window->Action(C::AddGraph)->associatedObjects())
        plot = plot != nullptr ? plot : qobject_cast<QMenu*>(object);
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(HintOver(*window, plot, "&Add Graph..."), "Add new graph");  // disabled for now
    std::unique_ptr<QMenu> toolbars(window->createPopupMenu());
    EXPECT_EQ(HintOver(*window, toolbars.get(), "Graph"), "Hide/Show the Graph toolbar");
    EXPECT_EQ(HintOver(*window, toolbars.get(), "Help"),
              "Show the help information about toolbars");
}

TEST_F(MainWindowTest, OpensGoodFilesAndRefusesBadOnesWithoutAWindow) {
    QFile bad(Path("bad.plw"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a document");
    bad.close();
    Start("plotwise " + Path("missing.plw"), true);
    EXPECT_TRUE(window->Documents().isEmpty());
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));

    EXPECT_EQ(window->DocumentCommands().Open(Path("bad.plw")), nullptr);
    EXPECT_EQ(messages.shown.last(), "Error: Incorrect format of the file");
    EXPECT_TRUE(window->Documents().isEmpty());

    dialogs.names = {PLOTWISE_EXAMPLES "/gallery.plw"};
    window->DocumentCommands().OpenCommand();
    ASSERT_EQ(window->Documents().size(), 1);
    DocumentWindow* child = window->Documents()[0];
    const Document& doc = child->Doc();
    EXPECT_EQ(child->Caption(), "gallery.plw");
    ASSERT_FALSE(doc.Graphs().empty());
    EXPECT_GT(doc.GraphAt(0).Values.size(), 0u);  // sampled as it opened
    EXPECT_TRUE(SameBytes(window->CurrentOptions(), doc.Options));
}

TEST_F(MainWindowTest, SavesUnnamedThroughTheDialogAndKeepsModifiedWhenWritingFails) {
    Start();
    DocumentWindow* child = window->Documents()[0];
    Document& doc = child->Doc();
    doc.Modified = true;
    dialogs.names = {QString(), Path("first.plw")};  // cancelled, then a name
    EXPECT_FALSE(window->DocumentCommands().Save(*child));
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(dialogs.proposed, QStringList({"Noname1.plw"}));
    EXPECT_TRUE(window->DocumentCommands().Save(*child));
    EXPECT_EQ(child->Caption(), "first.plw");
    EXPECT_FALSE(doc.Modified);

    // Named: no dialog; a folder that is gone makes the write fail.
    doc.FileName = Path("gone/first.plw").toStdString();
    doc.Modified = true;
    EXPECT_FALSE(window->DocumentCommands().Save(*child));
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(messages.shown, QStringList({"Error: Input-output error"}));
    EXPECT_EQ(dialogs.asked, 2);
}

TEST_F(MainWindowTest, ClosingAsksForEachModifiedDocumentInWindowOrderAndStopsAtCancel) {
    Start();
    DocumentWindow* child = window->Documents()[0];
    child->Doc().Modified = true;
    messages.answers = {Answer::Cancel};
    qobject_cast<QMdiSubWindow*>(child->parentWidget())->close();
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to Noname1.plw?"}));
    ASSERT_EQ(window->Documents().size(), 1);

    // Shutting down: Yes saves the first, Cancel keeps the second and the program.
    window->DocumentCommands().New();
    window->Documents()[1]->Doc().Modified = true;
    messages.shown.clear();
    messages.answers = {Answer::Yes, Answer::Cancel};
    dialogs.names = {Path("one.plw")};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to Noname1.plw?",
                                           "Ask: Save changes to Noname2.plw?"}));
    EXPECT_EQ(Captions(), QStringList({"one.plw", "Noname2.plw"}));
    EXPECT_FALSE(QFile::exists(Path("Plotwise.ini")));  // nothing written when stopped

    messages.shown.clear();
    messages.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    window.reset();  // the windows go without asking again
    EXPECT_EQ(messages.shown, QStringList({"Ask: Save changes to Noname2.plw?"}));
    EXPECT_TRUE(QFile::exists(Path("Plotwise.ini")));
}

TEST_F(MainWindowTest, StatusBarShowsProgressAndEscInterruptsThePass) {
    Start();
    Document slow(StandardOptions());  // a pass that takes a while: several long graphs
    for (const char* f : {"sin(x)*cos(x)^2", "x^3-2*x", "exp(sin(x))"}) {
        GraphRecord props = GraphOfKind(kYOfX, f);
        props.Interval().StepsNum = 20000;
        props.Interval().DefaultSteps = false;
        slow.AddGraph(props);
    }
    ASSERT_TRUE(WriteDocument(slow, Path("slow.plw").toStdString()));
    QStringList seen;
    bool busyCursor = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        seen << window->StatusPanel(0)->text() + " | " + window->StatusPanel(1)->text();
        busyCursor = busyCursor || QApplication::overrideCursor() != nullptr;
    });
    watcher.start(0);
    DocumentWindow* child = window->DocumentCommands().Open(Path("slow.plw"));
    ASSERT_NE(child, nullptr);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(seen.first().startsWith("Graph N 1: ")) << seen.first().toStdString();
    EXPECT_TRUE(seen.first().endsWith("| Press Esc to interrupt the calculation"));
    EXPECT_TRUE(busyCursor);
    EXPECT_EQ(window->StatusPanel(0)->text(), "Ready");
    EXPECT_EQ(window->StatusPanel(1)->text(), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (const auto& graph : child->Doc().Graphs())
        EXPECT_TRUE(graph->HasValues());

    // Esc waiting in the queue when the pass starts stops it at the first look.
    QCoreApplication::postEvent(window.get(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    child = window->DocumentCommands().Open(Path("slow.plw"));
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(child->Doc().ContinueSampling);
    for (const auto& graph : child->Doc().Graphs())
        EXPECT_FALSE(graph->HasValues());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, CalculusWindowsOfferTheDocumentsFunctionsAndAddTheirGraphs) {
    Start();
    window->GraphCommands().GraphEditor = [](GraphRecord&, const QString& caption, GraphPage) {
        return caption == "Add Graph";
    };
    Document& document = window->ActiveDocument()->Doc();
    for (const char* f : {"x^2", " ", "sin(x)"})  // the blank one is no function
        document.AddGraph(GraphOfKind(kYOfX, f));
    document.AddGraph(GraphOfKind(kXOfY, "y"));
    EXPECT_TRUE(Enabled(C::Regression));
    Run(C::Regression);
    EXPECT_EQ(messages.shown, QStringList({"Error: There is no graph determined by table"}));
    document.AddGraph(testing_support::TableOf({{3, 7}, {1, 3}, {2, 5}}));

    // The Y(x) formulas are offered; the toolbar's graph is where the windows start. The
    // intersections found are kept as a table of the values listed.
    std::vector<std::pair<long double, long double>> points;
    const struct {
        Command command;
        int selected;
        std::function<void(QDialog&)> act;
    } cases[] = {
        {C::AnalyseFunction, 2,
         [](QDialog& w) {
             auto* box = w.findChild<QComboBox*>("FormulaComboBox");
             EXPECT_EQ(testing_support::Items(box), QStringList({"x^2", "sin(x)"}));
             EXPECT_EQ(box->currentText(), "sin(x)");
         }},
        {C::Integration, 2,
         [](QDialog& w) {
             auto* box = w.findChild<QComboBox*>("Formula1ComboBox");
             EXPECT_EQ(testing_support::Items(box), QStringList({"0", "x^2", "sin(x)"}));
             EXPECT_EQ(box->currentText(), "sin(x)");
         }},
        {C::Regression, 4, [](QDialog&) {}},
        {C::Derivative, 0,
         [](QDialog& w) { EXPECT_EQ(w.findChild<QComboBox*>("FuncComboBox")->currentIndex(), 0); }},
        {C::TangentNormal, 0, [](QDialog& w) { w.findChild<QLineEdit*>("VarEdit")->setText("1"); }},
        {C::Intersections, 2,
         [&](QDialog& w) {
             EXPECT_EQ(w.findChild<QComboBox*>("Graph1ComboBox")->currentText(), "Y(x)=sin(x)");
             w.findChild<QPushButton*>("OKButton")->click();
             for (const IntersectionRow& row : static_cast<IntersectionWindow&>(w).Result()->Rows())
                 points.emplace_back(StrToNum(row.x), StrToNum(row.y));
             // A double click on a row centres the view on the point: one step.
             const std::size_t steps = window->ActiveDocument()->History().UndoList().size();
             emit w.findChild<QTableWidget*>("IntersectionsStringGrid")->cellDoubleClicked(0, 1);
             const OptionsRecord& view = document.Options;
             EXPECT_NEAR(double(view.MinX + view.MaxX) / 2, -0.888, 1e-3);
             EXPECT_NEAR(double(view.MinY + view.MaxY) / 2, -0.776, 1e-3);
             EXPECT_EQ(window->ActiveDocument()->History().UndoList().size(), steps + 1);
             w.findChild<QPushButton*>("AddTableButton")->click();
         }},
    };
    for (const auto& c : cases) {
        window->GraphBar()->GraphList->setCurrentIndex(c.selected);
        OnNextModal<QDialog>([&c](QDialog& dialog) {
            c.act(dialog);
            if (auto* add = dialog.findChild<QPushButton*>("AddFunctionButton")) add->click();
        });
        Run(c.command);
    }
    QStringList formulas;
    for (const auto& graph : document.Graphs())
        formulas << QString::fromStdString(graph->Record().Formula().Text());
    EXPECT_EQ(formulas.mid(5, 3), QStringList({"2*x+1", "2*x", "2*x-1"}));
    ASSERT_EQ(document.Graphs().back()->Record().Kind, kTable);
    ASSERT_EQ(points.size(), 1u);  // sin(x) = 2*x+1, the graph after it, at -0.89
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TableRow& cell = document.Graphs().back()->Record().Body.Table[i];
        EXPECT_EQ((std::pair<long double, long double>(cell.X, cell.Y)), points[i]);
    }
    EXPECT_EQ(messages.shown.size(), 1);
    Run(C::Calculator);
    auto* calculator = window->findChild<CalculatorWindow*>();
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_FALSE(calculator->isModal());
}

TEST_F(MainWindowTest, TraceMarksThePointUntilTheWindowCloses) {
    Start();
    DocumentWindow* child = window->ActiveDocument();
    Document& document = child->Doc();
    document.SmoothLines = false;  // a smooth line drawn twice is darker at its edges
    document.AddGraph(GraphOfKind(kYOfX, "x/2"));
    document.CalculateGraphs();
    EXPECT_TRUE(Enabled(C::Trace));
    child->RedrawPicture();
    const QImage plain = child->Picture().copy();

    bool traced = false;
    QTimer::singleShot(0, [&] {
        auto* found = window->findChild<TraceWindow*>();
        ASSERT_TRUE(found != nullptr && found->isVisible() && !found->isModal());
        QDialog& dialog = *found;
        auto* bar = dialog.findChild<QScrollBar*>("TraceScrollBar");
        // A click on the plot, off the line, moves the trace to the nearest point: (-4, -2).
        const QPoint at(child->Doc().XToScreen(-4.1L), child->Doc().YToScreen(-1.8L));
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, child->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(child, &click);
        }
        EXPECT_EQ(bar->value(), 61);
        bar->setValue(151);  // (5, 2.5)
        EXPECT_TRUE(child->TracePointer().Visible());
        const QImage marked = child->Picture().copy();
        EXPECT_NE(marked, plain);
        child->RedrawPicture();  // as a resize does
        EXPECT_EQ(child->Picture(), marked);
        document.DrawGraph(document.GraphAt(0));  // drawn over: the cross stays on top
        EXPECT_EQ(child->Picture(), marked);
        // A new view samples anew under the open window: the trace stays at X = 5.
        const OptionsRecord view = document.Options;
        OptionsRecord wider = view;
        wider.MinX = -20;
        wider.MaxX = 20;
        document.SetOptions(wider);
        EXPECT_EQ(bar->value(), 126);
        EXPECT_EQ(dialog.findChild<QLabel*>("XLabel")->text(), "X=5");
        document.SetOptions(view);
        EXPECT_EQ(bar->value(), 151);
        traced = true;
        dialog.reject();
    });
    Run(C::Trace);
    EXPECT_TRUE(traced);
    EXPECT_FALSE(child->TracePointer().Visible());
    EXPECT_EQ(child->Picture(), plain);
}

TEST_F(GraphCommandsTest, PrintAndBitmapsKeepTheChoicesAndLeaveTheDocumentAsItWas) {
    AddGraphs({"x", "sin(x)"});
    Doc().Modified = false;
    const OptionsRecord options = Doc().Options;
    QPrinter& printer = window->PrintCommands().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("page.pdf"));
    printer.setResolution(600);
    OnNextModal<PrintOptionsDialog>([](PrintOptionsDialog& dialog) {
        dialog.BlackAndWhiteCheckBox->setChecked(!dialog.BlackAndWhiteCheckBox->isChecked());
        dialog.accept();
    });
    const bool blackAndWhite = window->Settings().Print.BlackAndWhite;
    Run(C::Print);
    EXPECT_EQ(window->Settings().Print.BlackAndWhite, !blackAndWhite);
    EXPECT_GT(QFileInfo(Path("page.pdf")).size(), 1000);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();

    OnNextModal<CopyBitmapDialog>([](CopyBitmapDialog& dialog) {
        EXPECT_EQ(dialog.WidthEdit->text(), "400");
        dialog.WidthEdit->setText("300");
        dialog.HeightEdit->setText("150");
        PressOk(dialog);
    });
    Run(C::CopyAsBitmap);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(300, 150));
    OnNextModal<CopyBitmapDialog>([](CopyBitmapDialog& dialog) {
        EXPECT_EQ(dialog.WidthEdit->text(), "300");  // kept for the run
    });
    Run(C::CopyAsBitmap);

    const QString typed = Path("plot");
    for (const bool there : {false, true}) {
        messages.answers = {Answer::No};
        OnNextModal<BitmapDialog>([typed, there](BitmapDialog& dialog) {
            EXPECT_EQ(dialog.FileNameEdit->text(), "Noname1.bmp");
            dialog.FileNameEdit->setText(typed);
            PressOk(dialog);
            EXPECT_EQ(dialog.isVisible(), there);  // No to replacing keeps the dialog open
        });
        Run(C::SaveAsBitmap);
    }
    EXPECT_EQ(messages.shown, QStringList({"Ask: File already exists. Overwrite it?"}));
    EXPECT_EQ(QFileInfo(typed + ".bmp").size(), 118 + 200 * 200);  // 4-bit rows, 400 x 200
    EXPECT_TRUE(SameBytes(Doc().Options, options));
    EXPECT_FALSE(Doc().Modified);
}

TEST_F(MainWindowTest, SettingsBehindALinkLoopAreNeitherReadNorReplaced) {
    const std::string ini = Path("Plotwise.ini").toStdString();
    std::filesystem::create_symlink(ini + ".loop", ini);
    std::filesystem::create_symlink(ini, ini + ".loop");
    Start();
    ASSERT_TRUE(window->close());
    window.reset();
    EXPECT_TRUE(std::filesystem::is_symlink(ini) && std::filesystem::is_symlink(ini + ".loop"));
}

}  // namespace
}  // namespace plotwise
