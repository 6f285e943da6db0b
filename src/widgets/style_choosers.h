// The seven style choosers: line style, thickness, point size, point marker, colour,
// shading and axis pointer. Each fills its list when created.
#pragma once

#include "widgets/scaled_combo_box.h"

namespace plotwise {

class LineStyleComboBox final : public ScaledComboBox {
  public:
    explicit LineStyleComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 4; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class LineWidthComboBox final : public ScaledComboBox {
  public:
    explicit LineWidthComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 5; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class PointSizeComboBox final : public ScaledComboBox {
  public:
    explicit PointSizeComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 6; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class PointStyleComboBox final : public ScaledComboBox {
  public:
    explicit PointStyleComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 8; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class ColorComboBox final : public ScaledComboBox {
  public:
    explicit ColorComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 16; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class ShadingComboBox final : public ScaledComboBox {
  public:
    explicit ShadingComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 7; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

class PointerComboBox final : public ScaledComboBox {
  public:
    explicit PointerComboBox(QWidget* parent = nullptr);
    int ItemCount() const override { return 2; }
    void DrawItem(QPainter& painter, int index, const QRect& rect) const override;
};

}  // namespace plotwise
