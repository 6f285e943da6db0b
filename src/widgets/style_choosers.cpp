#include "widgets/style_choosers.h"

#include <QPainter>
#include <array>

#include "draw/draw_routines.h"
#include "draw/style_colors.h"

namespace plotwise {

namespace {

// The items are drawn on screen, one screen pixel to the pixel.
constexpr DeviceScale kItemScale{};

// Keeps an item's drawing from leaking its pen, brush and render hints into the caller's
// painter, and starts it on a cleared rectangle.
class ItemCanvas {
  public:
    ItemCanvas(QPainter& painter, const QWidget& box, const QRect& rect)
        : painter_(painter), background_(box.palette().color(QPalette::Base)) {
        painter_.save();
        // The shapes are pixel-exact.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.fillRect(rect, background_);
    }
    ~ItemCanvas() { painter_.restore(); }
    ItemCanvas(const ItemCanvas&) = delete;
    ItemCanvas& operator=(const ItemCanvas&) = delete;

    const QColor& Background() const { return background_; }

  private:
    QPainter& painter_;
    QColor background_;
};

int MidX(const QRect& r) {
    return (r.left() + r.right()) / 2;
}
int MidY(const QRect& r) {
    return (r.top() + r.bottom()) / 2;
}

void HorizontalLine(QPainter& painter, const QRect& r, const QPen& pen, int insetLeft = 0,
                    int insetRight = 0) {
    painter.setPen(pen);
    const int y = MidY(r);
    painter.drawLine(r.left() + 3 + insetLeft, y, r.right() - 3 - insetRight, y);
}

// The item's inner rectangle in a colour or pattern, its edge in the background colour.
void FillInside(QPainter& painter, const QRect& r, const QBrush& brush) {
    painter.fillRect(r.adjusted(1, 1, -1, -1), brush);
}

}  // namespace

LineStyleComboBox::LineStyleComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void LineStyleComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const ItemCanvas canvas(painter, *this, rect);
    HorizontalLine(painter, rect, QPen(Qt::black, 1, PenStyleOf(index)));
}

LineWidthComboBox::LineWidthComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void LineWidthComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    // Square caps reach half the thickness past the ends; the insets keep the thick ends
    // within the thin line's.
    static constexpr std::array<std::array<int, 2>, kMaxLineWidth> kInsets = {
        {{0, 0}, {1, 1}, {1, 2}, {2, 2}, {2, 3}}};
    const ItemCanvas canvas(painter, *this, rect);
    if (index < 0 || index >= kMaxLineWidth) return;
    const auto [a, b] = kInsets[static_cast<std::size_t>(index)];
    HorizontalLine(painter, rect, QPen(Qt::black, index + 1, Qt::SolidLine, Qt::SquareCap), a, b);
}

PointSizeComboBox::PointSizeComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void PointSizeComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const ItemCanvas canvas(painter, *this, rect);
    if (index < 0) return;
    const int half = index;
    painter.fillRect(MidX(rect) - half, MidY(rect) - half, 2 * half + 1, 2 * half + 1, Qt::black);
}

PointStyleComboBox::PointStyleComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void PointStyleComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const ItemCanvas canvas(painter, *this, rect);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    DrawPoint(painter, kItemScale, MidX(rect), MidY(rect), index, 9);
}

ColorComboBox::ColorComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void ColorComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const ItemCanvas canvas(painter, *this, rect);
    FillInside(painter, rect, ColorOf(index, canvas.Background()));
}

ShadingComboBox::ShadingComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void ShadingComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const ItemCanvas canvas(painter, *this, rect);
    FillInside(painter, rect, QBrush(Qt::black, BrushStyleOf(index)));
}

PointerComboBox::PointerComboBox(QWidget* parent) : ScaledComboBox(parent) {
    SetItems(ItemCount());
}

void PointerComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const ItemCanvas canvas(painter, *this, rect);
    HorizontalLine(painter, rect, QPen(Qt::black, 1));
    DrawPointer(painter, kItemScale, index, rect.right() - 3, MidY(rect), Qt::black, 0);
}

}  // namespace plotwise
