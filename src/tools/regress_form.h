// TRegressForm: the "Regression" window, a least-squares fit to a table graph of the active
// document, recomputed on every change and added as a Y(x) graph.
#pragma once

#include <QDialog>
#include <array>
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

class TRegressForm final : public QDialog {
    Q_OBJECT

  public:
    // options: where the fitted graph takes its style and interval (the active document's).
    TRegressForm(QWidget* parent, TMessages& messages, const TOptionsRecord& options,
                 TAddGraph addGraph);

    // graphs: the active document's graphs in list order; selected: the graph selected in
    // the Graph toolbar (-1 when it is hidden), preferred when it is a table. The family
    // and degree come from ProgramSettings.Regression, which follows every change.
    void Execute(const std::vector<TFunctionProps>& graphs, int selected);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RecomputeRegression();
    void OnFamilyClicked(int family);
    // Reads the degree edit: stores and recomputes when valid, else says why.
    bool ApplyPower();
    void OnAddGraph();

    TMessages& messages_;
    const TOptionsRecord& options_;
    TAddGraph addGraph_;
    std::size_t graphCount_ = 0;
    std::vector<TFunctionProps> tables_;
    TFunctionProps pending_{};

    QComboBox* tableBox_;
    QLineEdit* formulaEdit_;
    QLabel* squareLabel_;
    QLabel* rSquaredLabel_;
    std::array<QRadioButton*, 8> familyButtons_{};  // family k at k - 1
    QLineEdit* powerEdit_;
    QPushButton* addButton_;
};

}  // namespace plotwise
