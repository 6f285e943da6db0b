// How the picture is shown: equal scales widen one axis of the view without touching the
// stored one, and smooth lines blend only where a smooth picture is asked for.
#include <gtest/gtest.h>

#include <set>

#include "plot/view_interval.h"
#include "plot_test_support.h"
#include "render_support.h"

namespace plotwise {
namespace {

using namespace testing_support;

TEST(EqualScales, WidensOneAxisAboutItsMiddle) {
    // clang-format off
    const struct { int w, h; long double minX, maxX, minY, maxY, coeffX;
                   bool logX; long double wantMinX, wantMaxX, wantMinY, wantMaxY; } cases[] = {
        {600, 300, -10, 10, -10, 10, 1, false, -20, 20, -10, 10},  // wide: X widens
        {300, 600, -10, 10, -10, 10, 1, false, -10, 10, -20, 20},  // tall: Y widens
        {400, 400, -10, 10, -10, 10, 1, false, -10, 10, -10, 10},  // already equal
        {600, 300, 0, 4, -10, 10, 1, false, -18, 22, -10, 10},     // about the middle
        {400, 400, -10, 10, -10, 10, 2, false, -10, 10, -20, 20},  // in the formulas' units
        {600, 300, -2, 3, -10, 10, 1, true, -2, 3, -10, 10},       // logarithmic: left alone
        {600, 300, -1, 1, -9e99L, 9e99L, 1, false, -1, 1, -9e99L, 9e99L},  // beyond 1E100
    };
    // clang-format on
    for (const auto& c : cases) {
        OptionsRecord o = StandardOptions();
        SetView(o, c.minX, c.maxX, c.minY, c.maxY);
        o.CoeffX = c.coeffX;
        o.LogX = c.logX;
        WidenToEqualScales(o, c.w, c.h);
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        EXPECT_DOUBLE_EQ(double(o.MinX), double(c.wantMinX));
        EXPECT_DOUBLE_EQ(double(o.MaxX), double(c.wantMaxX));
        EXPECT_DOUBLE_EQ(double(o.MinY), double(c.wantMinY));
        EXPECT_DOUBLE_EQ(double(o.MaxY), double(c.wantMaxY));
    }
}

TEST(EqualScales, ACircleIsRoundInANonSquareWindowAndTheStoredViewStays) {
    Document doc(BareOptions());
    GraphRecord props = GraphOfKind(kEquation, "x^2+y^2-4");
    props.Color = 12;
    const Graph& circle = doc.AddGraph(props);
    doc.ClientRect = {0, 0, 640, 320};
    doc.SetEqualScales(true);
    doc.CalculateGraphs();
    EXPECT_EQ(doc.Options.MinX, -10);  // the document is unchanged
    EXPECT_EQ(doc.Options.MaxX, 10);
    EXPECT_NEAR(double(doc.ScaleFactorX()), double(doc.ScaleFactorY()), 1e-9);
    const QImage image = Render(doc, 640, 320);
    const QRect box = BoxOf(image, Rgb(circle.Record().Color));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(std::abs(box.width() - box.height()), 1);

    doc.SetEqualScales(false);
    doc.CalculateGraphs();
    EXPECT_GT(doc.ScaleFactorX() / doc.ScaleFactorY(), 1.5L);
    const QRect wide = BoxOf(Render(doc, 640, 320), Rgb(circle.Record().Color));
    EXPECT_GT(wide.width(), wide.height() * 3 / 2);
}

// The distinct colours of a picture of a steep line.
std::set<QRgb> ColoursOfLine(bool smooth, const std::string& file) {
    Document doc(BareOptions());
    GraphRecord line = GraphOfKind(kYOfX, "0.7*x");
    line.Color = 12;
    doc.AddGraph(line);
    doc.ClientRect = {0, 0, 300, 300};
    doc.CalculateGraphs();
    EnsureGuiApplication();
    QImage image = RenderBitmap(doc, 300, 300, smooth);
    if (!file.empty()) {
        EXPECT_TRUE(WriteBitmapFile(image, file, smooth));
        image = QImage(QString::fromStdString(file));
    }
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xff000000u);
    }
    return colours;
}

TEST(SmoothLines, BlendOnlyInSmoothPicturesAndTheirPngFiles) {
    const ScratchFolder dir;
    EXPECT_EQ(ColoursOfLine(false, "").size(), 2u);  // background and the line
    EXPECT_GT(ColoursOfLine(true, "").size(), 2u);
    EXPECT_GT(ColoursOfLine(true, dir.File("smooth.png")).size(), 2u);
    EXPECT_EQ(ColoursOfLine(false, dir.File("exact.png")).size(), 2u);
}

}  // namespace
}  // namespace plotwise
