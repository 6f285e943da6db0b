// What the main window shows around the picture: Equal Scales per window and what a view
// change stores with it, Smooth Lines for every window, and toolbar pictures that stay
// visible on a dark desktop.
#include "../pixels.h"
#include "app/toolbar_icons.h"
#include "main_window_fixture.h"

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
