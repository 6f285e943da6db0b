// The coordinates the document window shows under the pointer.
#include "pointer_hint.h"

#include <gtest/gtest.h>

namespace plotwise {
namespace {

TEST(PointerHint, AxisValuesInsideThePlotRectangleOnly) {
    TGraphicsManager doc(StandardOptions());
    doc.ClientRect = {0, 0, 640, 480};
    const TRect plot = doc.GetPlotRect();
    // Width 20: two decimals everywhere, also at the edges.
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom), "-10.00:-10.00");
    EXPECT_EQ(PointerHint(doc, plot.right, plot.top), "10.00:10.00");
    EXPECT_EQ(PointerHint(doc, plot.left - 1, plot.top), "");
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom + 1), "");

    doc.Options.LogX = true;
    doc.Options.LogXBase = 10;
    doc.Options.MinX = -2;
    doc.Options.MaxX = 3;
    doc.Options.CoeffY = 2;  // not applied: the hint shows axis values
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom), "0.01:-10.00");
}

}  // namespace
}  // namespace plotwise
