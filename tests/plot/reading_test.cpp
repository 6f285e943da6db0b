// What makes a picture read cleanly: labels over grids and in crowds.
#include <gtest/gtest.h>

#include <QPainter>

#include "plot/frame_renderer.h"
#include "render_support.h"

namespace plotwise {
namespace {

using namespace testing_support;

constexpr int kRed = 9;

// The labels as the renderer places them on an image of the document's last render.
std::vector<PlacedLabel> LabelsOf(Document& doc, QImage& image) {
    QPainter painter(&image);
    RenderContext ctx{painter, doc.Options, doc.ScreenMap(), *doc.Reporter};
    return PlaceLabels(ctx, AxisPositions(ctx));
}

TEST(Labels, StandOnTheBackgroundOverAnyGrid) {
    Document doc(StandardOptions());
    OptionsRecord& o = doc.Options;
    o.DrawHorLines = o.DrawVertLines = o.DrawRadius = o.DrawAngle = true;
    o.HorColor = o.VertColor = kRed;
    o.RadiusColor = o.AngleColor = kRed;
    o.LogY = true;  // 10^(-1): the minus sign under a grid line
    o.MinY = -2;
    o.MaxY = 2;
    QImage image = Render(doc, 600, 400);
    const std::vector<PlacedLabel> labels = LabelsOf(doc, image);
    ASSERT_EQ(labels.size(), 21u + 5u);
    for (const PlacedLabel& label : labels) {
        const QRect ground = LabelGround(label, &image);
        EXPECT_EQ(CountColor(image, Rgb(kRed), ground), 0) << label.text.toStdString();
        EXPECT_GT(CountColor(image, Rgb(0), ground), 0) << label.text.toStdString();
    }
    // The grid line a Y label is centred on reaches its ground and goes on beyond it.
    const QRect ground = LabelGround(labels[21 + 1], &image);
    EXPECT_EQ(image.pixel(ground.left() - 1, doc.YToScreen(-1)), Rgb(kRed));
}

TEST(Labels, NeighboursThatWouldOverlapLeaveEvery2nd5th10thCountedFrom0) {
    // clang-format off
    const struct { int width, height; long double step; bool yAxis; const char* x; const char* y; } cases[] = {
        {800, 600, 1, true, "-10 -9 -8 -7 -6 -5 -4 -3 -2 -1 1 2 3 4 5 6 7 8 9 10",
                            "-10 -9 -8 -7 -6 -5 -4 -3 -2 -1 1 2 3 4 5 6 7 8 9 10 0"},
        {200, 150, 1, true, "-10 -5 5 10", "-10 -5 5 10 0"},
        {400, 120, 1, true, "-10 -9 -8 -7 -6 -5 -4 -3 -2 -1 1 2 3 4 5 6 7 8 9 10", "-10 -5 5 10 0"},
        // The step of 0.0001 doubled to 0.2048 for at most about 150 labels; the 0 stays.
        {800, 600, 0.0001L, false, "-9.22 -8.19 -7.17 -6.14 -5.12 -4.1 -3.07 -2.05 -1.02 0 1.02 "
                                   "2.05 3.07 4.1 5.12 6.14 7.17 8.19 9.22", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(StandardOptions());
        doc.Options.NumsX.Step = c.step;
        doc.Options.AxisY.Draw = c.yAxis;
        QImage image = Render(doc, c.width, c.height);
        std::string x;
        std::string y;
        for (const PlacedLabel& label : LabelsOf(doc, image)) {
            std::string& texts = label.axis == 'X' ? x : y;
            texts += (texts.empty() ? "" : " ") + label.text.toStdString();
        }
        EXPECT_EQ(x, c.x) << c.width << "x" << c.height;
        EXPECT_EQ(y, c.y) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace plotwise
