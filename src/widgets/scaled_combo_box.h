// ScaledComboBox: a drop-down list whose items are drawings of style values (item i stands
// for value i) instead of texts. Subclasses draw their items.
#pragma once

#include <QComboBox>

namespace plotwise {

class ScaledComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit ScaledComboBox(QWidget* parent = nullptr);

    // Empties the list and adds n items.
    void SetItems(int n);
    // Fills the list again with the subclass's own number of items.
    void Refill() { SetItems(ItemCount()); }
    virtual int ItemCount() const = 0;
    // Draws item index into rect, which the caller has not cleared.
    virtual void DrawItem(QPainter& painter, int index, const QRect& rect) const = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plotwise
