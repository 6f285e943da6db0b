// TAxlesForm: "Axis Options", the axis lines with their names, and the marks and labels
// along them. The fonts are edited in working copies that reach the options only on OK.
#pragma once

#include <array>

#include "options_dialog.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace plotwise {

class TColorComboBox;
class TLineComboBox;
class TLineWidthComboBox;
class TPointersComboBox;

// The controls of one axis (0: X, 1: Y).
struct TAxisControls {
    QCheckBox* Draw;
    TLineComboBox* Style;
    TPointersComboBox* Pointer;
    TColorComboBox* Color;
    TLineWidthComboBox* Width;
    QRadioButton* Forward;
    QRadioButton* Backward;
    QCheckBox* NameShow;
    QLineEdit* Name;
    QPushButton* NameFont;
    QCheckBox* NameColAsAxle;
    QCheckBox* Marks;
    QLineEdit* MarksStep;
    QSpinBox* MarksLength;
    QRadioButton* MarksAxisColor;
    QRadioButton* MarksCustomColor;
    TColorComboBox* MarksColor;
    QCheckBox* Labels;
    QLineEdit* LabelsStep;
    QLineEdit* AddName;
    QCheckBox* LabelsColAsAxle;
    QPushButton* LabelsFont;
    QCheckBox* LabelsDirect;
};

class TAxlesForm final : public TOptionsDialog {
    Q_OBJECT

  public:
    explicit TAxlesForm(QWidget* parent = nullptr);

    void SetOptions(const TOptionsRecord& options);
    void StoreOptions(TOptionsRecord& options) const;

    // Edits a font working copy; false when cancelled. The desktop's font dialog by default.
    std::function<bool(TFontRecord& font)> ChooseFont;

    std::array<TAxisControls, 2> Axes{};

  protected:
    bool Check() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* AxisGroup(int axis, QWidget* page);
    QWidget* MarksGroup(int axis, QWidget* page);
    QWidget* LabelsGroup(int axis, QWidget* page);
    TMarksFields Fields() const;
    QWidget* FieldWidget(int field) const;

    // Name fonts of X and Y, then label fonts of X and Y.
    std::array<TFontRecord, 4> fonts_{};
    std::array<QString, 4> shownTexts_;  // names and suffixes as filled, to store only edits
};

}  // namespace plotwise
