// IntersectionWindow: the "Intersections" window, where two Y(x) graphs of a document, or one
// and the X axis, meet over an interval; the points are listed, marked on the plot while the
// window shows them, and may be kept as a table graph.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "plot/plot_overlay.h"
#include "tool_windows/derivative_window.h"
#include "tools/intersection_tool.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace plotwise {

class Feedback;
class FileDialogs;
class Messages;

class IntersectionWindow final : public QDialog {
    Q_OBJECT

  public:
    IntersectionWindow(QWidget* parent, Messages& messages, FileDialogs& dialogs,
                       Feedback& feedback, AddGraphCallback addGraph);
    ~IntersectionWindow() override;

    // Shows the window modally for the Y(x) graphs with a formula among graphs (the second
    // list adds the X(y) graphs), the first list on graph selected when it is one of them. The
    // interval starts as the view of options; steps and decimals stay as last used.
    void Execute(const std::vector<GraphRecord>& graphs, int selected, const OptionsRecord& options,
                 Notation notation = Notation::Strict);
    // Fills the lists and fields as Execute does, without showing the window (tests).
    void Prepare(const std::vector<GraphRecord>& graphs, int selected, const OptionsRecord& options,
                 Notation notation = Notation::Strict);

    // The Calculate button: checks the fields, finds the points, lists and marks them.
    void Calculate();
    const Intersections* Result() const { return result_.get(); }
    // The "Add as Table Graph" record of the points listed, as listed.
    GraphRecord PointsRecord() const;

    // Told what to show on the plot, an empty overlay when nothing; the window clears it when
    // it closes.
    std::function<void(const PlotOverlay&)> ShowOverlay;
    // Told to centre the view on a point of the list (a double click on its row).
    std::function<void(long double x, long double y)> CentreOn;

    void CopyToClipboard();
    void SaveToFile();

  protected:
    void done(int result) override;

  private:
    void AddAsTable();
    void ShowRows();
    void Overlay(const PlotOverlay& overlay);

    Messages& messages_;
    FileDialogs& dialogs_;
    Feedback& feedback_;
    AddGraphCallback addGraph_;
    Notation notation_ = Notation::Strict;
    OptionsRecord options_{};
    std::vector<std::string> formulas_;  // of the first list's Y(x) graphs, in list order
    // The second list: those Y(x) graphs, then the X(y) graphs (true), then the X axis.
    std::vector<std::pair<std::string, bool>> others_;
    std::unique_ptr<Intersections> result_;

    QComboBox* first_;
    QComboBox* second_;
    QLineEdit* minX_;
    QLineEdit* maxX_;
    QLineEdit* stepsNum_;
    QLineEdit* digitsNum_;
    QLabel* caption_;
    QTableWidget* grid_;
    QPushButton* copyButton_;
    QPushButton* saveButton_;
    QPushButton* addButton_;
};

}  // namespace plotwise
