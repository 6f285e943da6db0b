// TBuildForm: "Plot Options", the view interval, sampling, axis coefficients and
// logarithmic scales of a document.
#pragma once

#include <array>

#include "options_dialog.h"

class QCheckBox;

namespace plotwise {

class TBuildForm final : public TOptionsDialog {
    Q_OBJECT

  public:
    explicit TBuildForm(QWidget* parent = nullptr);

    void SetOptions(const TOptionsRecord& options);
    // Stores the fields into options; the fields must have passed the checks.
    void StoreOptions(TOptionsRecord& options) const;
    TPlotFields Fields() const;

    std::array<QLineEdit*, kPlotFieldCount> Edits{};
    QCheckBox* PointsAlignCheckBox;
    QCheckBox* LogXCheckBox;
    QCheckBox* LogYCheckBox;

  protected:
    bool Check() override;
};

}  // namespace plotwise
