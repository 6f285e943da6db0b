// TangentWindow: the "Tangent or Normal" window, the straight line tangent or normal to a
// graph of the active document at a value of its variable, added as a Y(x) or X(y) graph.
#pragma once

#include <QDialog>
#include <vector>

#include "formula/everyday_reader.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "tool_windows/derivative_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plotwise {

class Messages;

class TangentWindow final : public QDialog {
    Q_OBJECT

  public:
    TangentWindow(QWidget* parent, Messages& messages, AddGraphCallback addGraph);

    // As DerivativeWindow::Execute; options: where a new line takes its style and interval.
    // The value typed stays for the next opening; notation: how it is read.
    void Execute(const std::vector<GraphRecord>& graphs, int selected, const OptionsRecord& options,
                 Notation notation = Notation::Strict);

  private:
    void UpdateTangentControls();
    void OnAddGraph();

    Messages& messages_;
    OptionsRecord options_{};
    Notation notation_ = Notation::Strict;
    AddGraphCallback addGraph_;
    std::vector<GraphRecord> graphs_;
    GraphRecord pending_{};

    QComboBox* funcBox_;
    QLabel* varLabel_;
    QLineEdit* varEdit_;
    QLabel* piLabel_;
    QRadioButton* tangent_;
    QRadioButton* normal_;
    QPushButton* addButton_;
};

}  // namespace plotwise
