// Which part of a segment is drawn, and the shortcuts that skip rounding far from a bound.
#include "plot/segment_clip.h"

#include <gtest/gtest.h>

#include <random>

#include "plot/screen_map.h"

namespace plotwise {
namespace {

OptionsRecord View() {
    OptionsRecord o = StandardOptions();  // -10..10 both ways
    return o;
}

TEST(SegmentClip, GapClipAndMiss) {
    // clang-format off
    const struct { long long gap; long double x1, y1, x2, y2; bool drawn; long double cx1, cy1, cx2, cy2; }
    cases[] = {
        {50, 0, -50, 1, 50, false, 0, 0, 0, 0},   // a jump of 100 is more than 50 % of 20
        {50, 0, -4, 1, 4, true, 0, -4, 1, 4},
        {10000, 0, 0, 10, 20, true, 0, 0, 5, 10},  // cut exactly at MaxY
        {10000, 10, 20, 0, 0, true, 5, 10, 0, 0},
        {10000, -20, 0, 20, 0, true, -10, 0, 10, 0},
        {10000, 9, 12, 12, 9, false, 0, 0, 0, 0},  // passes outside the corner
        {10000, 11, 0, 12, 5, false, 0, 0, 0, 0},  // wholly right of the view
        {10000, 10, 10, -10, -10, true, 10, 10, -10, -10},  // corner to corner
    };
    // clang-format on
    for (const auto& c : cases) {
        const SegmentClipper clipper(View(), c.gap);
        long double x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        const bool drawn = clipper.Clip(x1, y1, x2, y2);
        SCOPED_TRACE(std::to_string(double(c.x1)) + "," + std::to_string(double(c.y1)));
        ASSERT_EQ(drawn, c.drawn);
        if (!drawn) continue;
        EXPECT_EQ(x1, c.cx1);
        EXPECT_EQ(y1, c.cy1);
        EXPECT_EQ(x2, c.cx2);
        EXPECT_EQ(y2, c.cy2);
    }
}

// The shortcuts must agree with rounding first, also next to bounds, gaps and half pixels,
// and in a view so small that its values round to 0.
TEST(SegmentClip, ShortcutsAgreeWithRoundingFirst) {
    for (const long double scale : {1.0L, 1e-200L}) {
        OptionsRecord o = View();
        o.MinX = -3.7L * scale;
        o.MaxX = 1e6L / 3 * scale;
        o.MinY = -10 * scale;
        o.MaxY = 10 * scale;
        const SegmentClipper clipper(o, 37);
        ScreenMapping map;
        map.plot = {20, 20, 1020, 720};
        map.minX = o.MinX;
        map.factorX = 1000 / (static_cast<long double>(o.MaxX) - o.MinX);
        std::mt19937_64 random(5);
        std::uniform_real_distribution<double> unit(-1, 1);
        const long double anchors[] = {o.MinX, o.MaxX, o.MinY, o.MaxY, 0, 7.4L * scale};
        // Values at, just beside, and far from the anchors.
        const auto near = [&](long double a) {
            const int digits = static_cast<int>(random() % 16);
            return a + a * unit(random) * std::pow(10.0L, -2 - digits) +
                   unit(random) * 1e-9L * scale;
        };
        for (int i = 0; i < 100000; ++i) {
            const long double x = near(anchors[random() % 6]);
            const long double y = near(anchors[random() % 6]);
            long double rx = x, ry = y;
            SegmentClipper::Round(rx, ry);
            ASSERT_EQ(clipper.InsideUnrounded(x, y), clipper.Inside(rx, ry)) << double(x);
            const long double x2 = x + (i % 2 ? 0.74L * (o.MaxX - o.MinX) : unit(random) * scale);
            const long double y2 = near(y + 7.4L * scale * (i % 3 ? 1 : -1));
            long double rx2 = x2, ry2 = y2;
            SegmentClipper::Round(rx2, ry2);
            ASSERT_EQ(clipper.WithinGapUnrounded(x, y, x2, y2),
                      clipper.WithinGap(rx, ry, rx2, ry2));
            // Half a pixel off a pixel boundary, give or take a hair.
            const long double half = o.MinX + (std::floor(unit(random) * 500 + 500) + 0.5L) /
                                                  map.factorX * (1 + unit(random) * 1e-12L);
            ASSERT_EQ(map.XOfRounded(half), map.X(RoundMantissa(half))) << double(half);
            ASSERT_EQ(map.XOfRounded(x), map.X(rx)) << double(x);
        }
    }
}

}  // namespace
}  // namespace plotwise
