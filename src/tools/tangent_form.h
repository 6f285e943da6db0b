// TTangentForm: the "Tangent or Normal" window, the straight line tangent or normal to a
// graph of the active document at a value of its variable, added as a Y(x) or X(y) graph.
#pragma once

#include <QDialog>
#include <vector>

#include "derivative_form.h"
#include "function_props.h"
#include "options_record.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plotwise {

class TMessages;

class TTangentForm final : public QDialog {
    Q_OBJECT

  public:
    // options: where a new line takes its style and interval (the active document's).
    TTangentForm(QWidget* parent, TMessages& messages, const TOptionsRecord& options,
                 TAddGraph addGraph);

    // As TDerivativeForm::Execute; the value typed stays for the next opening.
    void Execute(const std::vector<TFunctionProps>& graphs, int selected);

  private:
    void UpdateTangentControls();
    void OnAddGraph();

    TMessages& messages_;
    const TOptionsRecord& options_;
    TAddGraph addGraph_;
    std::vector<TFunctionProps> graphs_;
    TFunctionProps pending_{};

    QComboBox* funcBox_;
    QLabel* varLabel_;
    QLineEdit* varEdit_;
    QLabel* piLabel_;
    QRadioButton* tangent_;
    QRadioButton* normal_;
    QPushButton* addButton_;
};

}  // namespace plotwise
