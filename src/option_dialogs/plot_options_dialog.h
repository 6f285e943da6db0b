// PlotOptionsDialog: "Plot Options", the view interval, sampling, axis coefficients and
// logarithmic scales of a document.
#pragma once

#include <array>

#include "option_dialogs/options_dialog.h"

class QCheckBox;

namespace plotwise {

class PlotOptionsDialog final : public OptionsDialog {
    Q_OBJECT

  public:
    explicit PlotOptionsDialog(QWidget* parent = nullptr);

    void SetOptions(const OptionsRecord& options);
    // Stores the fields into options; the fields must have passed the checks.
    void StoreOptions(OptionsRecord& options) const;
    PlotFields Fields() const;

    std::array<QLineEdit*, kPlotFieldCount> Edits{};
    QCheckBox* PointsAlignCheckBox;
    QCheckBox* LogXCheckBox;
    QCheckBox* LogYCheckBox;

  protected:
    bool Check() override;
};

}  // namespace plotwise
