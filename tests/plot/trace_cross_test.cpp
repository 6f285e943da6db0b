// The trace cross on a document's picture: complemented pixels around a gap, and the
// picture given back byte for byte.
#include "plot/trace_cross.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>

#include "plot/document.h"

namespace plotwise {
namespace {

class TracePointerTest : public ::testing::Test {
  protected:
    TracePointerTest() {
        doc.ClientRect = {0, 0, picture.width(), picture.height()};
        std::mt19937 random(7);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
        }
        original = picture.copy();
    }

    int ChangedPixels() const {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                n += picture.pixel(x, y) != original.pixel(x, y);
        }
        return n;
    }

    Document doc{StandardOptions()};
    QImage picture{200, 150, QImage::Format_RGB32};
    QImage original;
    TraceCross pointer{doc, &picture};
};

TEST_F(TracePointerTest, CrossComplementsItsPixelsAroundAGap) {
    pointer.MoveTo(-9, 9);
    pointer.MoveTo(2.5L, -4);  // the first cross goes
    ASSERT_TRUE(pointer.Visible());
    const int px = doc.XToScreen(2.5L);
    const int py = doc.YToScreen(-4);
    for (int d = -16; d <= 16; ++d) {
        const bool drawn = std::abs(d) > 2 && std::abs(d) <= 15;
        for (const QPoint p : {QPoint(px + d, py), QPoint(px, py + d)}) {
            const QRgb was = original.pixel(p);
            EXPECT_EQ(picture.pixel(p), drawn ? 0xFF000000u | (0xFFFFFFu - (was & 0xFFFFFFu)) : was)
                << d;
        }
    }
    EXPECT_EQ(ChangedPixels(), 2 * 26);
    const QImage marked = picture.copy();
    pointer.Draw();  // again, as after a repaint: still one cross
    EXPECT_EQ(picture, marked);
    pointer.Hide();
    EXPECT_FALSE(pointer.Visible());
    EXPECT_EQ(picture, original);
}

TEST_F(TracePointerTest, OnlyPointsInTheVisibleRangeAreDrawn) {
    pointer.MoveTo(10.0000000000001L, -10);  // the edges are compared in 12 digits
    EXPECT_TRUE(pointer.Visible());
    for (const auto& [x, y] : {std::pair{10.001L, 0.0L}, {0.0L, -10.001L}, {kNoPoint, 0.0L}}) {
        pointer.MoveTo(x, y);
        EXPECT_FALSE(pointer.Visible()) << x << ", " << y;
        EXPECT_EQ(picture, original);
    }
    doc.Options.LogX = true;
    doc.Options.LogYBase = 2;
    doc.Options.LogY = true;
    EXPECT_EQ(pointer.ToPlotX(100), 2);
    EXPECT_EQ(pointer.ToPlotY(0.25L), -2);
    pointer.MoveTo(0, 1);  // no logarithm
    EXPECT_FALSE(pointer.Visible());
    pointer.MoveTo(1000, 8);
    EXPECT_TRUE(pointer.Visible());
    EXPECT_EQ(pointer.Y, 3);
}

TEST_F(TracePointerTest, PictureComesBackWhateverTheViewDidMeanwhile) {
    pointer.MoveTo(1, 1);
    doc.Options.MinX = 5;  // the point is out of view now, its pixel elsewhere
    pointer.Erase();
    EXPECT_EQ(picture, original);
    pointer.Draw();  // a repaint: no cross in the margins
    EXPECT_EQ(picture, original);
    doc.Options.MinX = -10;
    pointer.Draw();
    doc.Options.MinX = 5;
    pointer.Hide();  // hidden though its point is out of view
    EXPECT_EQ(picture, original);
    doc.Options.MinX = -10;
    pointer.Draw();
    EXPECT_EQ(picture, original);

    doc.ClientRect = {0, 0, 400, 300};  // a picture smaller than the window
    pointer.MoveTo(0.5L, 0.5L);         // about its bottom right corner
    EXPECT_GT(ChangedPixels(), 0);
    EXPECT_LT(ChangedPixels(), 2 * 26);
    pointer.Hide();
    EXPECT_EQ(picture, original);
}

}  // namespace
}  // namespace plotwise
