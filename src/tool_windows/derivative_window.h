// DerivativeWindow: the "Derivative" window, the symbolic derivative of a graph of the active
// document, added as a new graph of the same kind.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "plot/graph_record.h"
#include "tools/derivative_tool.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plotwise {

// Hands a record to the properties dialog ("Add Graph"); true when the graph was added.
// The 30-graph limit is reported there as well.
using AddGraphCallback = std::function<bool(const GraphRecord&)>;

// The result of a tool window's modal loop that asks its caller to add the pending graph.
inline constexpr int kAddGraphResult = 2;

class DerivativeWindow final : public QDialog {
    Q_OBJECT

  public:
    DerivativeWindow(QWidget* parent, AddGraphCallback addGraph);

    // graphs: the active document's graphs in list order; selected: the graph to start with
    // (-1 or out of range: the first). Returns when a graph was added or the user cancelled;
    // a cancelled properties dialog brings the window back.
    void Execute(const std::vector<GraphRecord>& graphs, int selected);

  private:
    void UpdateDerivative();
    void OnAddGraph();

    AddGraphCallback addGraph_;
    std::vector<GraphRecord> graphs_;
    GraphRecord pending_{};

    QComboBox* funcBox_;
    // Y(x), X(y), R(a), X(t), Y(t)
    std::array<QLabel*, 5> labels_{};
    std::array<QLineEdit*, 5> lines_{};
    QLineEdit* errorEdit_;
    QPushButton* addButton_;
};

}  // namespace plotwise
