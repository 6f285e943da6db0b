// BackgroundOptionsDialog: "Background Options", the background colour, the Cartesian grid and
// the polar grid of a document.
#pragma once

#include <array>

#include "option_dialogs/options_dialog.h"

class QCheckBox;

namespace plotwise {

class ColorComboBox;
class LineStyleComboBox;
class LineWidthComboBox;

class BackgroundOptionsDialog final : public OptionsDialog {
    Q_OBJECT

  public:
    explicit BackgroundOptionsDialog(QWidget* parent = nullptr);

    void SetOptions(const OptionsRecord& options);
    void StoreOptions(OptionsRecord& options) const;

    ColorComboBox* BackColorComboBox;
    std::array<QLineEdit*, kGridFieldCount> StepEdits{};
    QCheckBox* HorLinesCheckBox;
    QCheckBox* VertLinesCheckBox;
    QCheckBox* AngleCheckBox;
    QCheckBox* RadiusCheckBox;
    // Horizontal, vertical, radial, angular: in the order of StepEdits.
    std::array<ColorComboBox*, kGridFieldCount> ColorBoxes{};
    std::array<LineWidthComboBox*, kGridFieldCount> WidthBoxes{};
    std::array<LineStyleComboBox*, 2> StyleBoxes{};  // horizontal, vertical

  protected:
    bool Check() override;

  private:
    QWidget* GridGroup(int field, QCheckBox*& check, const QString& caption, QWidget* page);
    GridFields Fields() const;
};

}  // namespace plotwise
