// The Calculus menu's windows and Trace. Each window is made the first time it is asked for
// and lives with the main window, so what the user typed there is offered again. The
// windows that add graphs work on the document they were opened on, which they follow: a
// change of its graphs under an open window closes the window, whose list no longer holds.
#pragma once

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "plot/document.h"
#include "plot/plot_overlay.h"
#include "tool_windows/derivative_window.h"

namespace plotwise {

class CalculatorWindow;
class DocumentWindow;
class Feedback;
class FileDialogs;
class FunctionAnalysisTool;
class IntegralWindow;
class IntersectionWindow;
class MainWindow;
class Messages;
class RegressionWindow;
class TangentWindow;
class TraceWindow;

class ToolController final : public DocumentObserver {
  public:
    ToolController(MainWindow& window, Messages& messages, FileDialogs& dialogs,
                   Feedback& feedback);
    ~ToolController() override;

    void Calculator();
    void AnalyseFunction();
    void Intersections();
    void Integration();
    void Derivative();
    void TangentNormal();
    void Regression();
    void Trace();

    void GraphInserted(std::size_t) override { CloseToolWindow(); }
    void GraphRemoved(std::size_t, const GraphRecord&) override { CloseToolWindow(); }
    void GraphReplaced(std::size_t, const GraphRecord&) override { CloseToolWindow(); }
    void GraphsReset() override { CloseToolWindow(); }
    void DocumentDestroyed() override;

  private:
    std::vector<std::string> ActiveFunctionFormulas() const;  // non-empty Y(x) graphs
    // The graph the windows start with: the Graph toolbar's or the graph panel's, while either is
    // shown.
    int SelectedGraph() const;
    // The formula of the selected graph when it is a Y(x) graph with one, else empty.
    std::string SelectedFunction() const;
    // The tool windows' way to the properties dialog, always into the document the window
    // was opened on.
    AddGraphCallback AddGraph();
    // The tool windows' way to mark their answers on the document they were opened on.
    std::function<void(const PlotOverlay&)> ShowOverlay();
    // The results lists' way to centre that document's view on a point: one view step.
    std::function<void(long double x, long double y)> CentreView();
    void FollowDocument(DocumentWindow* child);
    void CloseToolWindow();

    MainWindow& window_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Feedback& feedback_;
    std::unique_ptr<FunctionAnalysisTool> analysis_;
    IntegralWindow* integral_ = nullptr;
    CalculatorWindow* calculator_ = nullptr;
    DerivativeWindow* derivative_ = nullptr;
    TangentWindow* tangent_ = nullptr;
    RegressionWindow* regress_ = nullptr;
    TraceWindow* trace_ = nullptr;
    IntersectionWindow* intersections_ = nullptr;
    QPointer<DocumentWindow> toolDocument_;  // the document the open tool window works on
    Document* followed_ = nullptr;
};

}  // namespace plotwise
