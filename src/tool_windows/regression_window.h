// RegressionWindow: the "Regression" window, a least-squares fit to a table graph of the active
// document, recomputed on every change and added as a Y(x) graph.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "services/program_settings.h"
#include "tool_windows/derivative_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plotwise {

class Messages;

class RegressionWindow final : public QDialog {
    Q_OBJECT

  public:
    RegressionWindow(QWidget* parent, Messages& messages, AddGraphCallback addGraph);

    // graphs: the active document's graphs in list order; selected: the graph selected in
    // the Graph toolbar (-1 when it is hidden), preferred when it is a table; options: where
    // the fitted graph takes its style and interval. The family and degree come from
    // settings, which follow every change while the window is up.
    void Execute(const std::vector<GraphRecord>& graphs, int selected, const OptionsRecord& options,
                 RegressionSettings& settings);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RecomputeRegression();
    void OnFamilyClicked(int family);
    // Reads the degree edit: stores and recomputes when valid, else says why.
    bool ApplyPower();
    void OnAddGraph();

    Messages& messages_;
    OptionsRecord options_{};
    RegressionSettings* settings_ = nullptr;  // while the window is up
    AddGraphCallback addGraph_;
    std::size_t graphCount_ = 0;
    std::vector<GraphRecord> tables_;
    GraphRecord pending_{};

    QComboBox* tableBox_;
    QLineEdit* formulaEdit_;
    QLabel* squareLabel_;
    QLabel* rSquaredLabel_;
    std::array<QRadioButton*, 8> familyButtons_{};  // family k at k - 1
    QLineEdit* powerEdit_;
    QPushButton* addButton_;
};

}  // namespace plotwise
