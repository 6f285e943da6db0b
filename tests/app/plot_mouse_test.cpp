// The plot under real wheel, mouse and key events, and the graph panel, on a live main
// window: the view each gesture gives, one history step per gesture, the graph picked.
#include "app/plot_mouse.h"

#include <gtest/gtest.h>

#include "../plot/plot_test_support.h"
#include "app/graph_panel.h"
#include "main_window_fixture.h"
#include "plot/graph_picking.h"
#include "plot/slope_segments.h"
#include "plot/view_gestures.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::GraphOfKind;
using testing_support::PumpUntil;
using testing_support::SameBytes;
using testing_support::TableOf;
using C = Command;

class PlotMouseTest : public GraphCommandsTest {
  protected:
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers mods = {}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove        ? buttons_
                                                                         : buttons_ | button;
        buttons_ = held;
        QMouseEvent event(type, at, Child().mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, mods);
        QApplication::sendEvent(&Child(), &event);
    }
    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton,
              Qt::KeyboardModifiers mods = {}) {
        Mouse(QEvent::MouseButtonPress, from, button, mods);
        Mouse(QEvent::MouseMove, (from + to) / 2, button, mods);
        Mouse(QEvent::MouseMove, to, button, mods);
        Mouse(QEvent::MouseButtonRelease, to, button, mods);
    }
    void Wheel(QPoint at, int delta, Qt::KeyboardModifiers mods = {}) {
        QWheelEvent event(at, Child().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Child(), &event);
    }
    void Key(int key) { testing_support::PressKey(&Child(), key); }
    // Where a point of the view lands, in pixels.
    QPoint PixelOf(long double x, long double y) {
        return {Doc().XToScreen(x), Doc().YToScreen(y)};
    }
    ViewRange View() {
        const OptionsRecord& o = Doc().Options;
        return {o.MinX, o.MaxX, o.MinY, o.MaxY};
    }

    Qt::MouseButtons buttons_;
};

TEST_F(PlotMouseTest, WheelZoomsAboutThePointerAndABurstIsOneStep) {
    // clang-format off
    const struct { Qt::KeyboardModifiers mods; int delta; bool zoomsX, zoomsY; } cases[] = {
        {{}, 120, true, true}, {Qt::ControlModifier, -120, true, false},
        {Qt::ShiftModifier, 240, false, true}};
    // clang-format on
    const QPoint at(200, 150);
    for (const auto& c : cases) {
        Run(C::StandardIntervals);
        const OptionsRecord before = Doc().Options;
        const std::size_t steps = Steps();
        const long double x = Doc().ScreenToX(at.x());
        const long double y = Doc().ScreenToY(at.y());
        for (int notch = 0; notch < 3; ++notch)
            Wheel(at, c.delta, c.mods);
        const QPoint off = PixelOf(x, y) - at;
        EXPECT_TRUE(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1) << off.x() << "," << off.y();
        const long double k = std::pow(PlotMouse::kNotchZoom, 3.0L * c.delta / 120);
        EXPECT_NEAR(20 / (View().maxX - View().minX), c.zoomsX ? k : 1, 1e-5);
        EXPECT_NEAR(20 / (View().maxY - View().minY), c.zoomsY ? k : 1, 1e-5);
        EXPECT_EQ(Steps(), steps + 1);
        EXPECT_EQ(Text(C::Undo), "&Undo Change options");
        Run(C::Undo);
        EXPECT_TRUE(SameBytes(Doc().Options, before));
    }
    // Zoomed back out by as many notches, the steps are those it started with.
    const OptionsRecord before = Doc().Options;
    Wheel(at, 360);
    Wheel(at, -360);
    EXPECT_EQ(Doc().Options.NumsX.Step, before.NumsX.Step);
    EXPECT_EQ(Doc().Options.StepVert, before.StepVert);
}

TEST_F(PlotMouseTest, ALimitIsRefusedOncePerBurstAndKeepsTheView) {
    Doc().Options.MinX = -9e99L;
    Doc().Options.MaxX = 9e99L;
    const OptionsRecord before = Doc().Options;
    for (int notch = 0; notch < 4; ++notch)
        Wheel({200, 150}, -120);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100"}));
    EXPECT_TRUE(SameBytes(Doc().Options, before));
}

TEST_F(PlotMouseTest, DragMovesThePictureThenTheViewAndEscPutsItBack) {
    Run(C::StandardIntervals);
    AddGraphs({"x"});
    const OptionsRecord before = Doc().Options;
    const std::size_t steps = Steps();
    const QPoint from(300, 200), to(340, 170);
    // While dragging the picture moves and the view waits for the release.
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::LeftButton);
    const QImage frame = Child().grab().toImage();
    EXPECT_EQ(frame.pixel(to + QPoint(5, 5)), Child().Picture().pixel(from + QPoint(5, 5)));
    EXPECT_TRUE(SameBytes(Doc().Options, before));
    EXPECT_TRUE(window->StatusPanel(1)->text().startsWith("X: "));
    Key(Qt::Key_Escape);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    EXPECT_TRUE(SameBytes(Doc().Options, before));
    EXPECT_EQ(Steps(), steps);

    const long double x = Doc().ScreenToX(from.x());
    const long double y = Doc().ScreenToY(from.y());
    Drag(from, to);
    const QPoint off = PixelOf(x, y) - to;
    EXPECT_TRUE(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1) << off.x() << "," << off.y();
    EXPECT_NEAR(View().maxX - View().minX, 20, 1e-6);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_TRUE(Doc().GraphAt(0).HasValues());
}

TEST_F(PlotMouseTest, ABoxBecomesTheViewUnlessItIsTiny) {
    // clang-format off
    const struct { Qt::MouseButton button; Qt::KeyboardModifiers mods; QPoint a, b; bool zooms; } cases[] = {
        {Qt::LeftButton, Qt::ShiftModifier, {150, 100}, {350, 250}, true},
        {Qt::MiddleButton, {}, {350, 250}, {150, 100}, true},
        {Qt::MiddleButton, {}, {150, 100}, {154, 250}, false}};
    // clang-format on
    for (const auto& c : cases) {
        Run(C::StandardIntervals);
        const std::size_t steps = Steps();
        const ViewRange box = BoxView(Doc().ScreenMap(), c.a, c.b);
        Drag(c.a, c.b, c.button, c.mods);
        EXPECT_EQ(Steps(), steps + (c.zooms ? 1 : 0));
        if (!c.zooms) continue;
        for (auto bound : {&ViewRange::minX, &ViewRange::maxX, &ViewRange::minY, &ViewRange::maxY})
            EXPECT_NEAR(View().*bound, box.*bound, 1e-6);
    }
}

TEST_F(PlotMouseTest, KeysZoomMoveAndGoHome) {
    Run(C::StandardIntervals);
    const std::size_t steps = Steps();
    Key(Qt::Key_Plus);
    EXPECT_NEAR(View().maxX - View().minX, 16, 1e-6);  // about the centre
    EXPECT_NEAR(View().minX + View().maxX, 0, 0.1);
    Key(Qt::Key_Right);
    EXPECT_NEAR(View().minX, -8 + 1.6, 0.05);
    Key(Qt::Key_Up);
    EXPECT_NEAR(View().minY, -8 + 1.6, 0.05);
    Key(Qt::Key_Minus);
    EXPECT_EQ(Steps(), steps + 1);  // one burst
    Key(Qt::Key_Home);
    EXPECT_EQ(View().minX, -10);
    EXPECT_EQ(View().maxY, 10);
}

TEST_F(PlotMouseTest, PickingTakesTheNearestDrawnGraphWithinFourPixels) {
    Run(C::StandardIntervals);
    AddGraphs({"0", "1", "2"});
    const long double pixelsPerUnit = Doc().ScaleFactorY();
    ASSERT_GT(pixelsPerUnit, 12);
    const int x = Doc().XToScreen(0.5L);
    const int y0 = Doc().YToScreen(0);
    const int y1 = Doc().YToScreen(1);
    for (const auto& [y, picked] : {std::pair{y0, 0},
                                    {y0 - 4, 0},
                                    {y0 + 5, -1},
                                    {y1 + 2, 1},
                                    {y1 - 3, 1},
                                    {(y0 + y1) / 2, -1}})
        EXPECT_EQ(PickGraph(Doc(), x, y), picked) << y;
    // A graph switched off is never picked; a click selects, a double click edits.
    window->GraphBar()->Select(1);
    Run(C::DrawGraphic);
    EXPECT_EQ(PickGraph(Doc(), x, y1), -1);
    Mouse(QEvent::MouseButtonPress, {x, y0 + 1}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {x, y0 + 1}, Qt::LeftButton);
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_TRUE(window->StatusPanel(1)->text().endsWith("Y(x)=0"))
        << window->StatusPanel(1)->text().toStdString();
    Mouse(QEvent::MouseButtonDblClick, {x, Doc().YToScreen(2)}, Qt::LeftButton);
    EXPECT_EQ(List()->currentIndex(), 2);
    EXPECT_EQ(editorCalls.back(), "Graph Properties/Properties");
    // A right click on a graph offers its commands above the plot's own.
    Mouse(QEvent::MouseButtonRelease, {x, y0}, Qt::RightButton);
    ASSERT_TRUE(PumpUntil([] { return QApplication::activePopupWidget() != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* item : menu->actions())
        captions << item->text();
    EXPECT_EQ(captions,
              QStringList({"Properties...", "Delete", "Duplicate", "Draw graph", "Derivative...",
                           "Tangent or Normal...", "Trace", "", "Plot Options...",
                           "Axis Options...", "Background Options..."}));
    EXPECT_EQ(List()->currentIndex(), 0);
    menu->close();
}

TEST_F(PlotMouseTest, MarkersReachTheirEdgeAndSlopeSegmentsArePicked) {
    Run(C::StandardIntervals);
    GraphRecord table = TableOf({{5, 5}});
    table.Lines = false;
    table.Points = true;
    table.PointWidth = 5;  // the edge 2.5 pixels from the centre
    Doc().AddGraph(table);
    Doc().CalculateGraphs();
    const QPoint marker = PixelOf(5, 5);
    EXPECT_EQ(PickGraph(Doc(), marker.x() + 6, marker.y()), 0);
    EXPECT_EQ(PickGraph(Doc(), marker.x() + 7, marker.y()), -1);

    Doc().RemoveGraph(0);
    Doc().AddGraph(GraphOfKind(kSlopeField, "0"));  // level segments
    Doc().CalculateGraphs();
    QLine segment;
    ForEachSlopeSegment(Doc().GraphAt(0), Doc().Options, Doc().ScreenMap(), DeviceScale{},
                        [&segment](const QLine& line) {
                            segment = line;
                            return line.isNull();
                        });
    ASSERT_FALSE(segment.isNull());
    const QPoint middle = segment.center();
    EXPECT_EQ(PickGraph(Doc(), middle.x(), middle.y() + 4), 0);
    EXPECT_EQ(PickGraph(Doc(), middle.x(), middle.y() + 5), -1);

    // No line runs across a pole, so there is nothing to pick where it would have.
    Doc().RemoveGraph(0);
    Doc().AddGraph(GraphOfKind(kYOfX, "tan(x)"));
    Doc().CalculateGraphs();
    EXPECT_EQ(PickGraph(Doc(), Doc().XToScreen(1.5707963L), Doc().YToScreen(0)), -1);
}

TEST_F(PlotMouseTest, ThePanelFollowsTheDocumentAndDrivesTheSelection) {
    GraphPanel* panel = window->GraphList();
    const auto rows = [panel] {
        QStringList texts;
        for (int i = 0; i < panel->List()->count(); ++i)
            texts << panel->List()->item(i)->text() +
                         (panel->List()->item(i)->checkState() == Qt::Checked ? "" : " off");
        return texts;
    };
    AddGraphs({"x", "x^2", "x^3"});
    EXPECT_EQ(rows(), QStringList({"Y(x)=x", "Y(x)=x^2", "Y(x)=x^3"}));
    EXPECT_EQ(panel->List()->currentRow(), 2);
    panel->List()->setCurrentRow(0);
    EXPECT_EQ(List()->currentIndex(), 0);
    window->GraphBar()->Select(1);
    EXPECT_EQ(panel->List()->currentRow(), 1);
    panel->List()->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Doc().GraphAt(1).Record().DrawGraphic);
    EXPECT_EQ(rows(), QStringList({"Y(x)=x", "Y(x)=x^2 off", "Y(x)=x^3"}));
    testing_support::PressKey(panel->List(), Qt::Key_Delete);
    EXPECT_EQ(rows(), QStringList({"Y(x)=x", "Y(x)=x^3"}));
    Run(C::Undo);
    EXPECT_EQ(rows(), QStringList({"Y(x)=x", "Y(x)=x^2 off", "Y(x)=x^3"}));
    panel->List()->setCurrentRow(2);
    testing_support::PressKey(panel->List(), Qt::Key_Return);
    EXPECT_EQ(editorCalls.back(), "Graph Properties/Properties");
    EXPECT_EQ(List()->currentIndex(), 2);

    DocumentWindow& first = Child();
    window->DocumentCommands().New();
    EXPECT_TRUE(rows().isEmpty());
    window->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first.parentWidget()));
    EXPECT_EQ(rows().size(), 3);
    first.Doc().Modified = false;
    CloseWindow(&first);
    EXPECT_TRUE(rows().isEmpty());

    // View > Graphs hides it, and so it stays the next time.
    panel->toggleViewAction()->trigger();
    EXPECT_EQ(panel->toggleViewAction()->text(), "Graphs");
    ASSERT_TRUE(window->close());
    Start();
    EXPECT_TRUE(window->GraphList()->isHidden());
}

}  // namespace
}  // namespace plotwise
