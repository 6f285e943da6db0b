// AnalysisOptionsDialog: the "Analyse Function" dialog, where the user picks the formula to
// analyse, what to find and the scan parameters.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "tools/function_analysis.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace plotwise {

class Messages;

class AnalysisOptionsDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit AnalysisOptionsDialog(Messages& messages, QWidget* parent = nullptr);

    // The formula list: the document's Y(x) formulas, in list order.
    void SetFormulas(const std::vector<std::string>& formulas);
    // The fields: the formula box text and the parameters.
    void SetFields(const std::string& formula, const AnalysisParams& params);

    // How the fields read what is typed; the formula language alone unless set.
    void SetNotation(Notation notation) { notation_ = notation; }

    // Valid once the dialog closed with OK; the formula in the formula language.
    const std::string& Formula() const { return formula_; }
    const AnalysisParams& Params() const { return params_; }

  private:
    void OnOK();
    QWidget* FieldWidget(AnalysisField field) const;

    Messages& messages_;
    QComboBox* formulaBox_;
    QCheckBox* nullsCheck_;
    QCheckBox* extremumsCheck_;
    QLineEdit* minXEdit_;
    QLineEdit* maxXEdit_;
    QLineEdit* stepsNumEdit_;
    QLineEdit* digitsNumEdit_;
    QCheckBox* useDerivativeCheck_;
    std::string formula_;
    AnalysisParams params_;
    Notation notation_ = Notation::Strict;
};

}  // namespace plotwise
