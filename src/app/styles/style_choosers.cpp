#include "style_choosers.h"

#include <QPainter>
#include <array>

#include "draw_routines.h"
#include "style_colors.h"

namespace plotwise {

namespace {

// Keeps an item's drawing from leaking its pen, brush and render hints into the caller's
// painter, and starts it on a cleared rectangle.
class TItemCanvas {
  public:
    TItemCanvas(QPainter& painter, const QWidget& box, const QRect& rect)
        : painter_(painter), background_(box.palette().color(QPalette::Base)) {
        painter_.save();
        // The shapes are pixel-exact.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.fillRect(rect, background_);
    }
    ~TItemCanvas() { painter_.restore(); }
    TItemCanvas(const TItemCanvas&) = delete;
    TItemCanvas& operator=(const TItemCanvas&) = delete;

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

TLineComboBox::TLineComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TLineComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const TItemCanvas canvas(painter, *this, rect);
    HorizontalLine(painter, rect, QPen(Qt::black, 1, PenStyleOf(index)));
}

TLineWidthComboBox::TLineWidthComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TLineWidthComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    // Square caps reach half the thickness past the ends; the insets keep the thick ends
    // within the thin line's.
    static constexpr std::array<std::array<int, 2>, kMaxLineWidth> kInsets = {
        {{0, 0}, {1, 1}, {1, 2}, {2, 2}, {2, 3}}};
    const TItemCanvas canvas(painter, *this, rect);
    if (index < 0 || index >= kMaxLineWidth) return;
    const auto [a, b] = kInsets[static_cast<std::size_t>(index)];
    HorizontalLine(painter, rect, QPen(Qt::black, index + 1, Qt::SolidLine, Qt::SquareCap), a, b);
}

TPointWidthComboBox::TPointWidthComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TPointWidthComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const TItemCanvas canvas(painter, *this, rect);
    if (index < 0) return;
    const int half = index;
    painter.fillRect(MidX(rect) - half, MidY(rect) - half, 2 * half + 1, 2 * half + 1, Qt::black);
}

TPointStyleComboBox::TPointStyleComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TPointStyleComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const TItemCanvas canvas(painter, *this, rect);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    DrawPoint(painter, MidX(rect), MidY(rect), index, 9);
}

TColorComboBox::TColorComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TColorComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const TItemCanvas canvas(painter, *this, rect);
    FillInside(painter, rect, ColorOf(index, canvas.Background()));
}

TBrushComboBox::TBrushComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TBrushComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const TItemCanvas canvas(painter, *this, rect);
    FillInside(painter, rect, QBrush(Qt::black, BrushStyleOf(index)));
}

TPointersComboBox::TPointersComboBox(QWidget* parent) : TScaledComboBox(parent) {
    SetItems(ItemCount());
}

void TPointersComboBox::DrawItem(QPainter& painter, int index, const QRect& rect) const {
    const TItemCanvas canvas(painter, *this, rect);
    HorizontalLine(painter, rect, QPen(Qt::black, 1));
    DrawPointer(painter, index, rect.right() - 3, MidY(rect), Qt::black, 0);
}

}  // namespace plotwise
