// The seven style choosers: line style, thickness, point size, point marker, colour,
// shading and axis pointer. Each fills its list when created.
#pragma once

#include "scaled_combo_box.h"

namespace plotwise {

class TLineComboBox final : public TScaledComboBox {
  public:
    explicit TLineComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 4; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class TLineWidthComboBox final : public TScaledComboBox {
  public:
    explicit TLineWidthComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 5; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class TPointWidthComboBox final : public TScaledComboBox {
  public:
    explicit TPointWidthComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 6; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class TPointStyleComboBox final : public TScaledComboBox {
  public:
    explicit TPointStyleComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 8; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class TColorComboBox final : public TScaledComboBox {
  public:
    explicit TColorComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 16; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class TBrushComboBox final : public TScaledComboBox {
  public:
    explicit TBrushComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 7; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class TPointersComboBox final : public TScaledComboBox {
  public:
    explicit TPointersComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 2; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

}  // namespace plotwise
