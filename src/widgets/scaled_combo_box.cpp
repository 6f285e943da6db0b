#include "widgets/scaled_combo_box.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace plotwise {

namespace {

constexpr int kItemHeight = 18;
// How far the drawing stays inside the item, so that the toolkit's selection and focus
// highlight shows around it.
constexpr int kHighlightMargin = 2;
constexpr qreal kDisabledOpacity = 0.4;

// Lets the popup list show the drawings instead of the item texts.
class DrawnItemDelegate final : public QStyledItemDelegate {
  public:
    explicit DrawnItemDelegate(ScaledComboBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        opt.icon = QIcon();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : box_->style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

        const QRect rect = option.rect.adjusted(kHighlightMargin, kHighlightMargin,
                                                -kHighlightMargin, -kHighlightMargin);
        if (rect.isEmpty()) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setClipRect(rect);
        if (!(option.state & QStyle::State_Enabled)) painter->setOpacity(kDisabledOpacity);
        box_->DrawItem(*painter, index.row(), rect);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        // No width of its own: the popup is as wide as the box.
        return {0, kItemHeight};
    }

  private:
    ScaledComboBox* box_;
};

}  // namespace

ScaledComboBox::ScaledComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new DrawnItemDelegate(this));
}

void ScaledComboBox::SetItems(int n) {
    const auto fill = [this, n] {
        clear();
        for (int i = 0; i < n; ++i)
            addItem(QString::number(i));
    };
    const int kept = currentIndex();
    if (kept >= 0 && kept < n) {
        // Refilling (the Graph toolbar docked or floated) must not look like a new choice
        // to the owner, which would apply it to the selected graph.
        const QSignalBlocker blocker(this);
        fill();
        setCurrentIndex(kept);
    } else {
        fill();
    }
}

void ScaledComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);

    const int index = currentIndex();
    if (index < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    // One pixel in: styles that highlight the focused box do it in the edit field.
    const QRect rect = field.adjusted(1, 1, -1, -1);
    if (rect.isEmpty()) return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(rect);
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    DrawItem(painter, index, rect);
}

}  // namespace plotwise
