// What the main window shows around the picture: Equal Scales per window and what a view
// change stores with it, Smooth Lines for every window, the tools' answers over the picture,
// and toolbar pictures that stay visible on a dark desktop.
#include "../pixels.h"
#include "../plot/plot_test_support.h"
#include "app/toolbar_icons.h"
#include "draw/style_colors.h"
#include "main_window_fixture.h"
#include "plot/plot_overlay.h"

namespace plotwise {
namespace {

using namespace testing_support;
using C = Command;

TEST_F(MainWindowTest, EqualScalesStoresTheWidenedViewOnlyWithAViewChangeUndoneInOneStep) {
    Start();
    DocumentWindow* child = window->ActiveDocument();
    child->resize(700, 400);
    PumpUntil([&] { return child->Doc().ClientRect.Width() > child->Doc().ClientRect.Height(); });
    Document& doc = child->Doc();
    const std::size_t steps = child->History().UndoList().size();
    Run(C::EqualScales);
    EXPECT_TRUE(window->Action(C::EqualScales)->isChecked());
    EXPECT_EQ(doc.Options.MinX, -10);
    EXPECT_EQ(child->History().UndoList().size(), steps);
    EXPECT_NEAR(double(doc.ScaleFactorX() / doc.ScaleFactorY()), 1, 1e-9);
    const long double shownMaxX = doc.Shown().MaxX;
    ASSERT_GT(shownMaxX, 10);

    Run(C::MoveRight);
    EXPECT_EQ(child->History().UndoList().size(), steps + 1);
    // Stored to its eight digits.
    EXPECT_NEAR(double(doc.Options.MaxX - doc.Options.MinX), double(2 * shownMaxX), 1e-6);
    EXPECT_NEAR(double(doc.ScaleFactorX() / doc.ScaleFactorY()), 1, 1e-6);
    Run(C::Undo);
    EXPECT_EQ(doc.Options.MinX, -10);
    EXPECT_EQ(doc.Options.MaxX, 10);

    window->DocumentCommands().New();  // another window starts as its document says
    EXPECT_FALSE(window->ActiveDocument()->Doc().EqualScales());
    EXPECT_FALSE(window->Action(C::EqualScales)->isChecked());
}

// Marks ring their points in a colour not the graph's; the band covers the area between its
// curves and nothing else; an empty overlay gives the picture back.
TEST_F(MainWindowTest, AnswersAreMarkedAndShadedWhereTheyAre) {
    Start();
    DocumentWindow* child = window->ActiveDocument();
    Document& doc = child->Doc();
    doc.AddGraph(GraphOfKind(kYOfX, "x"));
    doc.CalculateGraphs();
    const QImage plain = child->grab().toImage();
    PlotOverlay overlay{{{2, 3, ""}, {-4, -6, ""}}, {{5, 2, -1}, {8, 2, -1}}, "x", 0, "", -1};
    child->SetOverlay(overlay);
    const QImage shown = child->grab().toImage();
    const ScreenMapping map = doc.ScreenMap();
    const QRgb graph = ColorOf(doc.GraphAt(0).Record().Color, Qt::black).rgb();
    const QRgb mark = MarkColor({QColor(graph), Qt::white}).rgb();
    EXPECT_NE(mark, graph);
    for (const QColor other : {Qt::red, Qt::blue, Qt::darkGreen, Qt::magenta}) {
        const QColor both = MarkColor({QColor(graph), other, Qt::white});
        EXPECT_TRUE(both != QColor(graph) && both != other) << other.name().toStdString();
    }
    for (const PlotMark& m : overlay.marks) {
        const QRect around(map.X(m.x) - 8, map.Y(m.y) - 8, 17, 17);
        EXPECT_EQ(BoxWhere(shown.copy(around), [mark](QRgb c) { return c == mark; }),
                  QRect(4, 4, 9, 9));
    }
    const struct {
        long double x, y;
        bool shaded;
    } probes[] = {
        {6, 1, true}, {7.5, -0.5, true}, {4.5, 1, false}, {6, 2.5, false}, {6, -1.5, false}};
    for (const auto& p : probes) {
        const QPoint at(map.X(p.x), map.Y(p.y));
        EXPECT_EQ(shown.pixel(at) != plain.pixel(at), p.shaded)
            << double(p.x) << " " << double(p.y);
    }
    child->SetOverlay({});
    EXPECT_EQ(child->grab().toImage(), plain);
}

TEST_F(MainWindowTest, SmoothLinesReachEveryWindowAndTheSettings) {
    Start();
    window->DocumentCommands().New();
    EXPECT_TRUE(window->Action(C::SmoothLines)->isChecked());
    Run(C::SmoothLines);
    EXPECT_FALSE(window->Settings().View.SmoothLines);
    for (DocumentWindow* child : window->Documents())
        EXPECT_FALSE(child->Doc().SmoothLines);
}

TEST(ToolbarIcons, OutlinesTakeTheTextColourOnADarkPalette) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    for (const bool isDark : {false, true}) {
        const QImage image =
            IconOf(Icon::New, isDark ? dark : QPalette(Qt::white)).pixmap(16, 16).toImage();
        EXPECT_EQ(CountColor(image, qRgb(0, 0, 0), image.rect()) > 0, !isDark);
        EXPECT_EQ(CountColor(image, qRgb(230, 230, 230), image.rect()) > 0, isDark);
    }
}

}  // namespace
}  // namespace plotwise
