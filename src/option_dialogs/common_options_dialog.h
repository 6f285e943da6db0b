// CommonOptionsDialog: "Common Options", the switches of the program's settings.
#pragma once

#include <QDialog>

class QCheckBox;

namespace plotwise {

struct CommonSettings;

class CommonOptionsDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit CommonOptionsDialog(QWidget* parent = nullptr);

    void SetSettings(const CommonSettings& settings);
    void StoreSettings(CommonSettings& settings) const;

    QCheckBox* DeleteConfirmationCheckBox;
    QCheckBox* NewColorCheckBox;
    QCheckBox* ChangeStepsCheckBox;
    QCheckBox* AutoMaximizeCheckBox;
    QCheckBox* EverydayNotationCheckBox;
    QCheckBox* BreakLinesCheckBox;
};

}  // namespace plotwise
