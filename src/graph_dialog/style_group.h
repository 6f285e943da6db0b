// The style group of the graph properties dialogs: the "Lines" and "Points" check boxes
// and the five style choosers with their labels.
#pragma once

#include <QGroupBox>

#include "graph_dialog/graph_fields.h"

class QCheckBox;
class QLabel;

namespace plotwise {

class ShadingComboBox;
class ColorComboBox;
class LineWidthComboBox;
class PointStyleComboBox;
class PointSizeComboBox;

// Which style controls a graph uses: inequalities only fill a region, and slope fields
// draw plain segments.
enum class StyleLayout { Full, SlopeField, Shading };

StyleLayout StyleLayoutFor(int kind, int relation);

class StyleGroup final : public QGroupBox {
    Q_OBJECT

  public:
    explicit StyleGroup(QWidget* parent = nullptr);

    void SetStyle(const StyleFields& style);
    StyleFields Style() const;
    void ApplyLayout(StyleLayout layout);

    QCheckBox* LinesCheckBox;
    QCheckBox* PointsCheckBox;
    ColorComboBox* ColorChooser;
    LineWidthComboBox* LineWidthChooser;
    PointStyleComboBox* PointStyleChooser;
    PointSizeComboBox* PointSizeChooser;
    ShadingComboBox* ShadingChooser;

  private:
    QLabel* colorLabel_;
    QLabel* thicknessLabel_;
    QLabel* pointStyleLabel_;
    QLabel* pointSizeLabel_;
    QLabel* shadingLabel_;
};

}  // namespace plotwise
