// The style group of the graph properties dialogs: the "Lines" and "Points" check boxes
// and the five style choosers with their labels.
#pragma once

#include <QGroupBox>

#include "props_fields.h"

class QCheckBox;
class QLabel;

namespace plotwise {

class TBrushComboBox;
class TColorComboBox;
class TLineWidthComboBox;
class TPointStyleComboBox;
class TPointWidthComboBox;

// Which style controls a graph uses: inequalities only fill a region, and slope fields
// draw plain segments.
enum class TStyleLayout { Full, SlopeField, Shading };

TStyleLayout StyleLayoutFor(int kind, int relation);

class TStyleGroup final : public QGroupBox {
    Q_OBJECT

  public:
    explicit TStyleGroup(QWidget* parent = nullptr);

    void SetStyle(const TStyleFields& style);
    TStyleFields Style() const;
    void ApplyLayout(TStyleLayout layout);

    QCheckBox* LinesCheckBox;
    QCheckBox* PointsCheckBox;
    TColorComboBox* ColorComboBox;
    TLineWidthComboBox* LineWidthComboBox;
    TPointStyleComboBox* PointStyleComboBox;
    TPointWidthComboBox* PointWidthComboBox;
    TBrushComboBox* BrushComboBox;

  private:
    QLabel* colorLabel_;
    QLabel* thicknessLabel_;
    QLabel* pointStyleLabel_;
    QLabel* pointSizeLabel_;
    QLabel* shadingLabel_;
};

}  // namespace plotwise
