// The Graph toolbar's commands, the default graph properties, Undo and Redo and the options
// commands on a live main window, with the properties dialog scripted (and once the real
// dialog driven through its widgets).
#include <gtest/gtest.h>

#include "graph_dialog/default_graph_dialog.h"
#include "main_window_fixture.h"
#include "option_dialogs/plot_options_dialog.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::MainWindowTest;
using testing_support::OnNextModal;
using testing_support::SameBytes;
using C = Command;

TEST_F(GraphCommandsTest, AddAndDoubleSampleListAndSelectTheGraph) {
    window->CurrentOptions().GraphDefaults.Style.Color = 4;
    AddGraphs({"x^2", "sin(x)"});
    EXPECT_EQ(editorCalls, QStringList({"Add Graph/Properties", "Add Graph/Properties"}));
    EXPECT_EQ(offered[0].Color, 4);
    EXPECT_EQ(offered[1].Color, 1);  // 4 is used: the first unused colour
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^2", "Y(x)=sin(x)"}));
    EXPECT_EQ(List()->currentIndex(), 1);
    ASSERT_EQ(Doc().GraphCount(), 2u);
    EXPECT_TRUE(Doc().GraphAt(1).HasValues());
    EXPECT_FALSE(Doc().Drawing);
    EXPECT_EQ(Text(C::Undo), "&Undo Add graph");
    for (C c : {C::DeleteGraph, C::DoubleGraph, C::GraphProps})
        EXPECT_TRUE(Enabled(c));
    accept = false;  // cancelled: nothing changes
    window->Settings().Common.FunctionNewColor = false;
    Run(C::AddGraph);
    EXPECT_EQ(offered.back().Color, 4);
    EXPECT_EQ(Doc().GraphCount(), 2u);
    EXPECT_EQ(Steps(), 2u);

    accept = true;
    window->GraphBar()->Select(0);
    Run(C::DoubleGraph);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^2", "Y(x)=sin(x)", "Y(x)=x^2"}));
    EXPECT_EQ(List()->currentIndex(), 2);
    // Finish Counting samples what an interruption left.
    for (auto& graph : Doc().Graphs())
        graph->ClearValues();
    Run(C::FinishCounting);
    for (auto& graph : Doc().Graphs())
        EXPECT_TRUE(graph->HasValues());
}

TEST_F(GraphCommandsTest, TheThirtyFirstGraphIsRefusedBeforeAnyDialog) {
    for (std::size_t i = 0; i < kMaxGraphs; ++i)
        Doc().AddGraph(NewGraphRecord(window->CurrentOptions()));
    Doc().Modified = false;
    for (C c : {C::AddGraph, C::DoubleGraph})
        Run(c);
    EXPECT_TRUE(editorCalls.isEmpty());
    EXPECT_EQ(messages.shown, QStringList({"Error: Amount of the graphs must not exceed 30",
                                           "Error: Amount of the graphs must not exceed 30"}));
    EXPECT_EQ(Doc().GraphCount(), kMaxGraphs);
    EXPECT_FALSE(Doc().Modified);
}

TEST_F(GraphCommandsTest, DeleteAsksWhenSetSelectsTheNextOrTheLastAndIsUndoneInPlace) {
    AddGraphs({"1", "2", "3"});
    window->GraphBar()->Select(0);
    window->Settings().Common.ConfirmDelete = true;
    messages.answers = {Answer::No, Answer::Yes};
    Run(C::DeleteGraph);
    EXPECT_EQ(Doc().GraphCount(), 3u);
    Run(C::DeleteGraph);
    EXPECT_EQ(messages.shown, QStringList({"Ask: Do you want to remove the graph?",
                                           "Ask: Do you want to remove the graph?"}));
    window->Settings().Common.ConfirmDelete = false;
    EXPECT_EQ(Entries(), QStringList({"Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 0);  // the graph now at the same place
    // Undone, it comes back in place with the selection on the same graph.
    window->GraphBar()->Select(1);  // "3"
    Run(C::Undo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=1", "Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 2);
    EXPECT_TRUE(Doc().GraphAt(0).HasValues());
    EXPECT_EQ(Text(C::Redo), "&Redo Delete graph");
    Run(C::Redo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=2", "Y(x)=3"}));
    EXPECT_EQ(List()->currentIndex(), 1);
    EXPECT_EQ(Text(C::Undo), "&Undo Delete graph");
    Run(C::DeleteGraph);
    EXPECT_EQ(List()->currentIndex(), 0);  // past the end: the new last one
    Run(C::DeleteGraph);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_TRUE(Doc().Graphs().empty());
    for (C c : {C::DeleteGraph, C::DrawLines, C::GraphProps})
        EXPECT_FALSE(Enabled(c));
    EXPECT_FALSE(List()->isEnabled());
    EXPECT_TRUE(Enabled(C::AddGraph));
    GraphToolbar* bar = window->GraphBar();  // the neutral style
    const QComboBox* shown[] = {bar->PointSizeChooser, bar->PointStyleChooser, bar->ColorChooser,
                                bar->LineWidthChooser, bar->ShadingChooser};
    const int items[] = {0, 3, 2, 0, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shown[i]->currentIndex(), items[i]) << i;
}

TEST_F(GraphCommandsTest, StyleChoosersSetTheirFieldsOnlyOnRealChanges) {
    AddGraphs({"x"});
    Doc().Modified = false;
    GraphToolbar* bar = window->GraphBar();
    Graph& graph = Doc().GraphAt(0);
    Choose(bar->LineWidthChooser, graph.Record().LineWidth - 1);  // the same thickness
    EXPECT_FALSE(Doc().Modified);
    EXPECT_EQ(Steps(), 1u);

    using P = const GraphRecord&;
    // clang-format off
    const struct { QComboBox* box; int item; int (*field)(P); int expected; } cases[] = {
        {bar->LineWidthChooser, 4, [](P p) { return int{p.LineWidth}; }, 5},
        {bar->PointSizeChooser, 5, [](P p) { return int{p.PointWidth}; }, 11},
        {bar->PointStyleChooser, 6, [](P p) { return int{p.PointStyle}; }, 6},
        {bar->ColorChooser, 9, [](P p) { return int{p.Color}; }, 9},
        {bar->ShadingChooser, 3, [](P p) { return int{p.Brush}; }, 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        const int before = c.field(graph.Record());
        Choose(c.box, c.item);
        EXPECT_EQ(c.field(graph.Record()), c.expected);
        // The step keeps the record as it was before the change.
        EXPECT_EQ(c.field(std::get<GraphRecord>(Child().History().UndoList().back().record)),
                  before);
    }
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(Text(C::Undo), "&Undo Change graph properties");
    const bool lines = graph.Record().Lines;
    Run(C::DrawLines);
    EXPECT_EQ(bool(graph.Record().Lines), !lines);
    EXPECT_EQ(window->Action(C::DrawLines)->isChecked(), !lines);
}

TEST_F(GraphCommandsTest, InequalitiesAndSlopeFieldsShowTheirOwnControls) {
    for (const std::uint8_t kind : {kEquation, kSlopeField}) {
        edit = [this, kind](GraphRecord& p) {
            p.Kind = kind;
            SetNewProps(p, window->CurrentOptions());
            p.Formula().SetText(kind == kEquation ? "x-y" : "x");
            if (kind == kEquation) p.Relation() = 1;
        };
        Run(C::AddGraph);
    }
    AddGraphs({"x"});
    GraphToolbar* bar = window->GraphBar();
    // The inequality shades, the slope field neither shades nor has points, Y(x) has points.
    for (const int index : {0, 1, 2}) {
        window->GraphBar()->Select(index);
        QCoreApplication::processEvents();  // the toolbar lays out its widgets later
        EXPECT_EQ(bar->ShadingChooser->isVisibleTo(bar), index == 0) << index;
        EXPECT_EQ(bar->LineWidthChooser->isVisibleTo(bar), index != 0) << index;
        EXPECT_EQ(bar->PointSizeChooser->isEnabled(), index == 2) << index;
        EXPECT_EQ(Enabled(C::DrawPoints), index == 2) << index;
    }
    EXPECT_EQ(Entries()[0], "x-y<0");
}

TEST_F(GraphCommandsTest, PropertiesResampleOnlyWhenMoreThanTheStyleChangedAlsoUndone) {
    AddGraphs({"x^2"});
    Graph& graph = Doc().GraphAt(0);
    const long double* samples = graph.Values.data();
    edit = [](GraphRecord& p) { p.Color = 12; };
    Run(C::GraphProps);
    EXPECT_EQ(graph.Values.data(), samples);  // the same points, only drawn again
    EXPECT_EQ(graph.Record().Color, 12);
    edit = [](GraphRecord& p) { p.Formula().SetText("x^3"); };
    Run(C::OtherProps);
    EXPECT_EQ(editorCalls.last(), "Graph Properties/Add");
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^3"}));
    ASSERT_TRUE(graph.HasValues());
    EXPECT_EQ(Steps(), 3u);
    Run(C::Undo);
    EXPECT_EQ(graph.Record().Formula().Text(), "x^2");
    ASSERT_TRUE(graph.HasValues());
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^2"}));
    EXPECT_EQ(Text(C::Redo), "&Redo Change graph properties");
    Run(C::Redo);
    EXPECT_EQ(Entries(), QStringList({"Y(x)=x^3"}));
}

TEST_F(GraphCommandsTest, DefaultGraphPropertiesShapeTheNextGraphOnlyWhenConfirmed) {
    const OptionsRecord before = Doc().Options;
    for (const bool confirm : {false, true}) {
        // The polar button's page confirms -2..2.
        OnNextModal<DefaultGraphDialog>([confirm](DefaultGraphDialog& dialog) {
            dialog.KindEditor = [](GraphRecord& props, const OptionsRecord&) {
                props.Interval().Min = -2;
                props.Interval().Max = 2;
                return true;
            };
            dialog.KindButton(kPolarGraph)->click();
            dialog.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(kPolarGraph);
            EXPECT_EQ(dialog.Options.GraphDefaults.Polar.Min, -2.0L);
            dialog.findChild<QPushButton*>(confirm ? "OKButton" : "CancelButton")->click();
        });
        Run(C::GraphProperties);
        EXPECT_EQ(Doc().Modified, confirm);
        EXPECT_EQ(Steps(), confirm ? 1u : 0u);
        EXPECT_EQ(SameBytes(Doc().Options, before), !confirm);
        EXPECT_TRUE(SameBytes(window->CurrentOptions(), Doc().Options));
    }
    Run(C::AddGraph);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].Kind, kPolarGraph);
    EXPECT_EQ(offered[0].Interval().Min, -2.0L);
    EXPECT_EQ(offered[0].Interval().Max, 2.0L);
}

TEST_F(GraphCommandsTest, ViewButtonsFollowReversedAxes) {
    window->CurrentOptions().AxisX.Forward = false;
    Run(C::MoveLeft);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MinX), 0);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 20);
    EXPECT_EQ(Steps(), 1u);
}

TEST_F(GraphCommandsTest, PlotOptionsApplyAsOneStepAndScaleStepsWhenAsked) {
    window->Settings().Common.ChangeSteps = true;
    const OptionsRecord before = Doc().Options;
    OnNextModal<PlotOptionsDialog>([](PlotOptionsDialog& dialog) {
        dialog.Edits[pfMinX]->setText("-100");
        dialog.Edits[pfMaxX]->setText("100");
        testing_support::PressOk(dialog);
    });
    Run(C::PlotOptions);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 100);
    EXPECT_EQ(static_cast<long double>(Doc().Options.StepVert), 10 * before.StepVert);
    EXPECT_EQ(Text(C::Undo), "&Undo Change options");
    OnNextModal<PlotOptionsDialog>([](PlotOptionsDialog&) {});  // cancelled: nothing recorded
    Run(C::PlotOptions);
    EXPECT_EQ(Steps(), 1u);
    Run(C::Undo);
    EXPECT_TRUE(SameBytes(Doc().Options, before));
    EXPECT_TRUE(SameBytes(window->CurrentOptions(), before));

    // Options confirmed for a document that lost the focus meanwhile go nowhere.
    MainWindow* main = window.get();
    OnNextModal<PlotOptionsDialog>([main](PlotOptionsDialog& dialog) {
        dialog.Edits[pfMaxX]->setText("50");
        main->DocumentCommands().New();
        testing_support::PressOk(dialog);
    });
    Run(C::PlotOptions);
    EXPECT_EQ(static_cast<long double>(Doc().Options.MaxX), 10);
    EXPECT_TRUE(SameBytes(window->CurrentOptions(), Doc().Options));
    EXPECT_TRUE(Child().History().UndoList().empty());
}

// The real dialog, driven through its widgets as a user types.
TEST_F(MainWindowTest, AddAGraphByTypingItsFormula) {
    Start();
    window->CurrentOptions().GraphDefaults.Kind = kYOfX;
    OnNextModal<GraphDialog>([](GraphDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Add Graph");
        auto* edit = dialog.findChild<QLineEdit*>("FormulaYFromXEdit");
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        for (const QString typed : {"sin(x", ")"}) {
            for (const QChar c : typed) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
            }
            dialog.findChild<QPushButton*>("OKButton")->click();  // refused first: the bracket
            EXPECT_EQ(dialog.isVisible(), typed == "sin(x");
        }
    });
    Run(C::AddGraph);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("Error: Error 3:")) << messages.shown[0].toStdString();
    EXPECT_EQ(testing_support::Items(window->GraphBar()->GraphList), QStringList({"Y(x)=sin(x)"}));
    EXPECT_TRUE(window->ActiveDocument()->Doc().GraphAt(0).HasValues());
}

}  // namespace
}  // namespace plotwise
