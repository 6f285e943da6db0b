// TCommonOptionsForm: "Common Options", four switches of the program's settings.
#pragma once

#include <QDialog>

class QCheckBox;

namespace plotwise {

struct TCommonSettings;

class TCommonOptionsForm final : public QDialog {
    Q_OBJECT

  public:
    explicit TCommonOptionsForm(QWidget* parent = nullptr);

    void SetSettings(const TCommonSettings& settings);
    void StoreSettings(TCommonSettings& settings) const;

    QCheckBox* DeleteConfirmationCheckBox;
    QCheckBox* NewColorCheckBox;
    QCheckBox* ChangeStepsCheckBox;
    QCheckBox* AutoMaximizeCheckBox;
};

}  // namespace plotwise
