// TBackGroundForm: "Background Options", the background colour, the Cartesian grid and
// the polar grid of a document.
#pragma once

#include <array>

#include "options_dialog.h"

class QCheckBox;

namespace plotwise {

class TColorComboBox;
class TLineComboBox;
class TLineWidthComboBox;

class TBackGroundForm final : public TOptionsDialog {
    Q_OBJECT

  public:
    explicit TBackGroundForm(QWidget* parent = nullptr);

    void SetOptions(const TOptionsRecord& options);
    void StoreOptions(TOptionsRecord& options) const;

    TColorComboBox* BackColorComboBox;
    std::array<QLineEdit*, kGridFieldCount> StepEdits{};
    QCheckBox* HorLinesCheckBox;
    QCheckBox* VertLinesCheckBox;
    QCheckBox* AngleCheckBox;
    QCheckBox* RadiusCheckBox;
    // Horizontal, vertical, radial, angular: in the order of StepEdits.
    std::array<TColorComboBox*, kGridFieldCount> ColorBoxes{};
    std::array<TLineWidthComboBox*, kGridFieldCount> WidthBoxes{};
    std::array<TLineComboBox*, 2> StyleBoxes{};  // horizontal, vertical

  protected:
    bool Check() override;

  private:
    QWidget* GridGroup(int field, QCheckBox*& check, const QString& caption, QWidget* page);
    TGridFields Fields() const;
};

}  // namespace plotwise
