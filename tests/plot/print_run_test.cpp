// A document on a printer page: the pixel sizes scaled to the printer, black and white,
// and the document left as it was.
#include "plot/print_run.h"

#include <gtest/gtest.h>

#include <cstring>

#include "plot_test_support.h"
#include "render_support.h"

namespace plotwise {
namespace {

using testing_support::BareOptions;
using testing_support::CountColor;
using testing_support::EnsureGuiApplication;
using testing_support::GraphOfKind;
using testing_support::Rgb;

constexpr int kYellow = 11;

TEST(PrintRunTest, PixelSizesFollowThePrinterResolution) {
    OptionsRecord o = StandardOptions();
    const struct {
        Int32* field;
        std::int32_t size;
        std::int32_t printed;  // at 6.25 across and 3 down
    } cases[] = {
        {&o.HorWidth, 1, 3},          {&o.VertWidth, 1, 6},
        {&o.VertWidth, 2, 12},        {&o.RadiusWidth, 3, 9},
        {&o.AxisY.Width, 3, 19},  // 18.75
        {&o.NumLinesX.Length, 5, 15}, {&o.NumLinesY.Length, 2147483647, 1000000},
    };
    for (const auto& c : cases) {
        *c.field = c.size;
        const OptionsRecord printed = PrintOptions(o, 6.25L, 3, false);
        const auto offset = reinterpret_cast<const char*>(c.field) - reinterpret_cast<char*>(&o);
        std::int32_t value = 0;
        std::memcpy(&value, reinterpret_cast<const char*>(&printed) + offset, sizeof value);
        EXPECT_EQ(value, c.printed) << c.size;
    }
    EXPECT_EQ(PrintOptions(o, 6.25L, 6.25L, false).BackColor, o.BackColor);
    const OptionsRecord bw = PrintOptions(o, 1, 1, true);
    EXPECT_EQ(bw.BackColor, 15);
    EXPECT_EQ(bw.VertColor, 0);
    EXPECT_EQ(static_cast<std::int32_t>(bw.AngleColor), 0);
    EXPECT_EQ(static_cast<std::int32_t>(bw.NumsY.Font.Color), 0);
}

TEST(PrintRunTest, MarginsInThousandthsOfAnInch) {
    const PixelRect r = PrintOutputRect(5100, 6600, 600, 600, PageMargins{});
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 300);
    EXPECT_EQ(r.right, 4800);
    EXPECT_EQ(r.bottom, 6300);
    const PixelRect odd = PrintOutputRect(1000, 1000, 300, 300, {1, 0, 5, 1000});
    EXPECT_EQ(odd.left, 0);     // 0.3 rounds to 0
    EXPECT_EQ(odd.right, 998);  // 1.5 rounds to the even 2
    EXPECT_EQ(odd.bottom, 700);
}

TEST(PrintRunTest, BlackAndWhitePrintsAYellowGraphBlackAndGivesTheDocumentBack) {
    EnsureGuiApplication();
    Document doc(BareOptions());
    doc.ClientRect = {0, 0, 400, 300};
    GraphRecord line = GraphOfKind(kYOfX, "x/2");
    line.Color = kYellow;
    line.LineWidth = 2;
    doc.AddGraph(line);
    doc.CalculateGraphs();
    const OptionsRecord options = doc.Options;
    for (const bool blackAndWhite : {false, true}) {
        QImage page(1200, 900, QImage::Format_RGB32);
        page.setDotsPerMeterX(23622);  // 600 dots per inch
        page.setDotsPerMeterY(23622);
        page.fill(Qt::white);
        PrintDocument(doc, page, {6.25L, 6.25L, blackAndWhite, {0, 0, 1200, 900}});
        const int yellow = CountColor(page, Rgb(kYellow), page.rect());
        const int black = CountColor(page, Rgb(0), page.rect());
        if (blackAndWhite) {
            EXPECT_EQ(yellow, 0);
            EXPECT_GT(black, 1200 * 6);  // a line across the page, 12 pixels thick
        } else {
            EXPECT_GT(yellow, 1200 * 6);
        }
        EXPECT_EQ(std::memcmp(&doc.Options, &options, sizeof options), 0);
        EXPECT_EQ(std::memcmp(&doc.GraphAt(0).Record(), &line, sizeof line), 0);
        EXPECT_EQ(doc.Canvas, nullptr);
        EXPECT_TRUE(doc.OnScreen);
    }
}

}  // namespace
}  // namespace plotwise
