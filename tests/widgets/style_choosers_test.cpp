// The choosers draw each style value where the item's pixels can be checked.
#include "widgets/style_choosers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "../pixels.h"
#include "../widget_application.h"
#include "draw/style_colors.h"

namespace plotwise {
namespace {

// The item sits off the image's origin so that drawing relative to the image shows.
const QRect kItem(5, 3, 70, 16);
constexpr int kMidX = (5 + 74) / 2;
constexpr int kMidY = (3 + 18) / 2;
constexpr QRgb kBlack = 0xFF000000;

QImage Drawn(const ScaledComboBox& box, int index) {
    QImage image(80, 22, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPainter painter(&image);
    // The caller's painter settings must not change the pixels.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 3));
    box.DrawItem(painter, index, kItem);
    return image;
}

QRect BlackBox(const QImage& image) {
    return testing_support::BoxOf(image, kBlack);
}

TEST(StyleChoosers, EveryChooserFillsItsListAndDrawsOnlyItsClearedItem) {
    LineStyleComboBox lines;
    LineWidthComboBox widths;
    PointSizeComboBox sizes;
    PointStyleComboBox markers;
    ColorComboBox colours;
    ShadingComboBox shadings;
    PointerComboBox pointers;
    const std::pair<const ScaledComboBox*, int> choosers[] = {
        {&lines, 4},    {&widths, 5},   {&sizes, 6},   {&markers, 8},
        {&colours, 16}, {&shadings, 7}, {&pointers, 2}};
    QImage untouched(80, 22, QImage::Format_RGB32);
    untouched.fill(Qt::green);
    for (const auto& [box, count] : choosers) {
        ASSERT_EQ(box->count(), count);
        const QRgb background = box->palette().color(QPalette::Base).rgb();
        for (int i = 0; i < count; ++i) {
            const QImage image = Drawn(*box, i);
            QImage outside = image;
            QPainter(&outside).fillRect(kItem, Qt::green);
            EXPECT_EQ(outside, untouched) << count << " " << i;
            EXPECT_EQ(image.pixel(kItem.topLeft()), background) << count << " " << i;
            EXPECT_EQ(image.pixel(kItem.bottomRight()), background) << count << " " << i;
        }
    }
}

TEST(StyleChoosers, RefillingKeepsTheChoiceQuietly) {
    ColorComboBox box;
    box.setCurrentIndex(9);
    int changes = 0;
    QObject::connect(&box, &QComboBox::currentIndexChanged, [&] { ++changes; });
    box.Refill();
    EXPECT_EQ(box.currentIndex(), 9);
    EXPECT_EQ(changes, 0);
    box.SetItems(4);  // the old choice is gone: the owner must hear of the new one
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_GT(changes, 0);
}

TEST(StyleChoosers, LinesThickenWithinTheirEndsAndSquaresGrowCentred) {
    const LineWidthComboBox widths;
    const int insets[][2] = {{0, 0}, {1, 1}, {1, 2}, {2, 2}, {2, 3}};
    for (int i = 0; i < 5; ++i) {
        const QRect black = BlackBox(Drawn(widths, i));
        EXPECT_EQ(black.height(), i + 1) << i;
        EXPECT_EQ(black.top(), kMidY - (i + 1) / 2) << i;
        // Between the thin line's ends and the inset ends.
        EXPECT_TRUE(black.left() >= kItem.left() + 3 &&
                    black.left() <= kItem.left() + 3 + insets[i][0])
            << i;
        EXPECT_TRUE(black.right() <= kItem.right() - 3 &&
                    black.right() >= kItem.right() - 3 - insets[i][1])
            << i;
    }
    const PointSizeComboBox sizes;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(BlackBox(Drawn(sizes, i)), QRect(kMidX - i, kMidY - i, 2 * i + 1, 2 * i + 1))
            << i;
}

TEST(StyleChoosers, ColoursAndShadingsFillInsideABackgroundEdge) {
    const ColorComboBox colours;
    for (int i = 0; i < 16; ++i) {
        const QImage image = Drawn(colours, i);
        EXPECT_EQ(image.pixel(kItem.left() + 1, kItem.top() + 1), kColorTable[i]) << i;
        EXPECT_EQ(image.pixel(kItem.right() - 1, kItem.bottom() - 1), kColorTable[i]) << i;
    }
    const ShadingComboBox shadings;
    const QRect inside = kItem.adjusted(1, 1, -1, -1);
    for (int i = 0; i < 7; ++i) {
        const QImage image = Drawn(shadings, i);
        const int black = testing_support::CountColor(image, kBlack, inside);
        // Solid fills everything; a pattern leaves background between its lines.
        const int area = inside.width() * inside.height();
        EXPECT_TRUE(i == 0 ? black == area : black > 0 && black < area / 2) << i << ": " << black;
        EXPECT_TRUE(inside.contains(BlackBox(image))) << i;
    }
}

TEST(StyleChoosers, MarkersAndPointerUseTheSharedShapes) {
    const PointStyleComboBox markers;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(BlackBox(Drawn(markers, i)), QRect(kMidX - 4, kMidY - 4, 9, 9)) << i;
    EXPECT_NE(Drawn(markers, 2).pixel(kMidX, kMidY), kBlack);
    EXPECT_EQ(Drawn(markers, 3).pixel(kMidX, kMidY), kBlack);

    const PointerComboBox pointers;
    const int left = kItem.left() + 3;
    const int tip = kItem.right() - 3;
    const QImage arrow = Drawn(pointers, 0);
    EXPECT_EQ(BlackBox(arrow), QRect(QPoint(left, kMidY - 4), QPoint(tip, kMidY + 4)));
    EXPECT_EQ(arrow.pixel(tip - 9, kMidY - 4), kBlack);  // the head is 9 pixels long
    EXPECT_EQ(BlackBox(Drawn(pointers, 1)), QRect(QPoint(left, kMidY), QPoint(tip, kMidY)));
}

}  // namespace
}  // namespace plotwise
