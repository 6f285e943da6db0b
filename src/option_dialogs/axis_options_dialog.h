// AxisOptionsDialog: "Axis Options", the axis lines with their names, and the marks and labels
// along them. The fonts are edited in working copies that reach the options only on OK.
#pragma once

#include <array>

#include "option_dialogs/options_dialog.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace plotwise {

class ColorComboBox;
class LineStyleComboBox;
class LineWidthComboBox;
class PointerComboBox;

// The controls of one axis (0: X, 1: Y).
struct AxisControls {
    QCheckBox* Draw;
    LineStyleComboBox* Style;
    PointerComboBox* Pointer;
    ColorComboBox* Color;
    LineWidthComboBox* Width;
    QRadioButton* Forward;
    QRadioButton* Backward;
    QCheckBox* NameShow;
    QLineEdit* Name;
    QPushButton* NameFont;
    QCheckBox* NameColorAsAxis;
    QCheckBox* Marks;
    QLineEdit* MarksStep;
    QSpinBox* MarksLength;
    QRadioButton* MarksAxisColor;
    QRadioButton* MarksCustomColor;
    ColorComboBox* MarksColor;
    QCheckBox* Labels;
    QLineEdit* LabelsStep;
    QLineEdit* AddName;
    QCheckBox* LabelsColorAsAxis;
    QPushButton* LabelsFont;
    QCheckBox* LabelsDirect;
};

class AxisOptionsDialog final : public OptionsDialog {
    Q_OBJECT

  public:
    explicit AxisOptionsDialog(QWidget* parent = nullptr);

    void SetOptions(const OptionsRecord& options);
    void StoreOptions(OptionsRecord& options) const;

    // Edits a font working copy; false when cancelled. The desktop's font dialog by default.
    std::function<bool(FontRecord& font)> ChooseFont;

    std::array<AxisControls, 2> Axes{};

  protected:
    bool Check() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* AxisGroup(int axis, QWidget* page);
    QWidget* MarksGroup(int axis, QWidget* page);
    QWidget* LabelsGroup(int axis, QWidget* page);
    MarksFields Fields() const;
    QWidget* FieldWidget(int field) const;

    // Name fonts of X and Y, then label fonts of X and Y.
    std::array<FontRecord, 4> fonts_{};
    std::array<QString, 4> shownTexts_;  // names and suffixes as filled, to store only edits
};

}  // namespace plotwise
