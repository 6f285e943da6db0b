// The shared shapes cover exactly the pixels the style choosers and the plot rely on.
#include "draw/draw_routines.h"

#include <gtest/gtest.h>

#include <QImage>

#include "../pixels.h"
#include "draw/style_colors.h"

namespace plotwise {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr DeviceScale kScreen{};

// Bounding box of the pixels that are no longer white.
QRect Painted(const QImage& image) {
    return testing_support::BoxWhere(image, [](QRgb c) { return c != kWhite; });
}

template <typename Draw>
QImage Drawn(Draw draw) {
    QImage image(41, 41, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::red);
    painter.setBrush(Qt::red);
    draw(painter);
    return image;
}

QRect PaintedPoint(int style, int size) {
    return Painted(Drawn([&](QPainter& p) { DrawPoint(p, kScreen, 20, 20, style, size); }));
}

TEST(DrawPoint, EveryStyleAndSizeIsCentredAndSizeWideAndDamagedValuesStayBounded) {
    for (int style = 0; style < kPointStyleCount; ++style) {
        for (int size : {1, 3, 5, 7, 9, 11})
            EXPECT_EQ(PaintedPoint(style, size), QRect(20 - size / 2, 20 - size / 2, size, size))
                << "style " << style << " size " << size;
    }
    EXPECT_TRUE(PaintedPoint(8, 9).isNull());
    EXPECT_TRUE(PaintedPoint(-1, 9).isNull());
    EXPECT_EQ(PaintedPoint(3, 2000000000), QRect(15, 15, 11, 11));
    EXPECT_EQ(PaintedPoint(3, -7), QRect(20, 20, 1, 1));
    for (int style : {2, 4, 6}) {
        // A hollow marker first: the filled one after it keeps the brush's colour.
        const QImage image = Drawn([&](QPainter& p) {
            DrawPoint(p, kScreen, 10, 10, style, 9);
            DrawPoint(p, kScreen, 30, 30, style + 1, 9);
        });
        EXPECT_EQ(image.pixel(10, 10), kWhite) << style;
        EXPECT_EQ(image.pixel(30, 30), QColor(Qt::red).rgb()) << style;
    }
}

TEST(DrawPointer, TipAndBaseByDirectionAndFillAreaBetweenCornersInAnyOrder) {
    // clang-format off
    const struct { int direction; QRect box; } cases[] = {
        {0, QRect(11, 16, 10, 9)},  // pointing right: tip at the right edge
        {1, QRect(20, 16, 10, 9)},
        {2, QRect(16, 20, 9, 10)},  // pointing up: tip at the top
        {3, QRect(16, 11, 9, 10)},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QImage image =
            Drawn([&](QPainter& p) { DrawPointer(p, kScreen, 0, 20, 20, Qt::blue, c.direction); });
        EXPECT_EQ(Painted(image), c.box) << c.direction;
        EXPECT_EQ(image.pixel(20, 20), QColor(Qt::blue).rgb()) << c.direction;
    }
    EXPECT_TRUE(Painted(Drawn([](QPainter& p) {
                    DrawPointer(p, kScreen, 1, 20, 20, Qt::blue, 0);
                })).isNull());
    EXPECT_EQ(Painted(Drawn([](QPainter& p) { FillArea(p, 30, 25, 10, 5); })),
              QRect(QPoint(10, 5), QPoint(30, 25)));
}

TEST(StyleTables, ColoursShadingsAndUnknownIndices) {
    // Indices from damaged files fall back.
    EXPECT_EQ(ColorOf(16, Qt::green), QColor(Qt::green));
    EXPECT_EQ(ColorOf(-1, Qt::green), QColor(Qt::green));
    EXPECT_EQ(BrushStyleOf(99), Qt::SolidPattern);
    EXPECT_EQ(PenStyleOf(200), Qt::SolidLine);
    // clang-format off
    const struct { QRgb rgb; int index; } nearest[] = {
        {qRgb(0, 0, 0), 0}, {qRgb(250, 250, 250), 15}, {qRgb(200, 10, 10), 9},
        {qRgb(100, 100, 100), 7}, {qRgb(170, 170, 170), 8}, {qRgb(0, 0, 140), 4},
    };
    // clang-format on
    for (const auto& n : nearest)
        EXPECT_EQ(NearestColorIndex(n.rgb), n.index) << std::hex << n.rgb;
}

}  // namespace
}  // namespace plotwise
