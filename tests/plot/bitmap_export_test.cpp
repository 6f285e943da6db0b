// 16-colour bitmaps: the BMP layout, colours reduced to the table, and the size fields.
#include "plot/bitmap_export.h"

#include <gtest/gtest.h>

#include <QImage>

#include "draw/style_colors.h"

namespace plotwise {
namespace {

std::uint32_t Read32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}

TEST(Bmp4, HeaderPaletteAndPaddedRowsRoundTrip) {
    for (int width : {1, 2, 7, 8, 9, 33}) {
        QImage image(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, kColorTable[static_cast<std::size_t>((x + 5 * y) % 16)]);
        }
        image.setPixel(0, 0, qRgb(250, 10, 5));  // not in the table: nearest is red
        const std::vector<unsigned char> bmp = EncodeBmp4(image);
        const std::uint32_t rowBytes = (width * 4 + 31) / 32 * 4;
        SCOPED_TRACE(width);
        ASSERT_EQ(bmp.size(), 118 + rowBytes * 3);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(Read32(bmp, 2), bmp.size());
        EXPECT_EQ(Read32(bmp, 10), 118u);  // pixels after 14 + 40 + 16 * 4 bytes
        EXPECT_EQ(Read32(bmp, 18), std::uint32_t(width));
        EXPECT_EQ(Read32(bmp, 22), 3u);  // positive: bottom row first
        EXPECT_EQ(bmp[28], 4);           // bits per pixel
        EXPECT_EQ(Read32(bmp, 46), 16u);
        for (int i = 0; i < 16; ++i) {
            const QRgb c = kColorTable[static_cast<std::size_t>(i)];
            EXPECT_EQ(Read32(bmp, 54 + 4 * i),
                      std::uint32_t(qBlue(c) | qGreen(c) << 8 | qRed(c) << 16));
        }
        EXPECT_EQ(bmp[118] >> 4, (0 + 5 * 2) % 16);  // first pixel of the bottom row
        const QImage back = QImage::fromData(bmp.data(), static_cast<int>(bmp.size()), "BMP");
        ASSERT_EQ(back.size(), image.size());
        EXPECT_EQ(back.pixel(0, 0), kColorTable[9]);
        for (int y = 0; y < 3; ++y) {
            for (int x = (y == 0 ? 1 : 0); x < width; ++x)
                ASSERT_EQ(back.pixel(x, y), image.pixel(x, y)) << x << "," << y;
        }
    }
}

TEST(Bmp4, SidesAsTyped) {
    // clang-format off
    const struct { const char* text; bool ok; int side; } cases[] = {
        {"100", true, 100}, {"3000", true, 3000}, {" 400 ", true, 400}, {"+250", true, 250},
        {"99", false, 0}, {"3001", false, 0}, {"-100", false, 0}, {"", false, 0},
        {"2e2", false, 0}, {"1.5", false, 0}, {"99999999999999999999", false, 0}, {"+", false, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        int side = 0;
        EXPECT_EQ(ParseBitmapSide(c.text, side), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(side, c.side) << c.text;
        }
    }
}

}  // namespace
}  // namespace plotwise
