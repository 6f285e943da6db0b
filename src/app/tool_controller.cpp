#include "app/tool_controller.h"

#include <QComboBox>
#include <algorithm>

#include "app/document_window.h"
#include "app/graph_controller.h"
#include "app/graph_panel.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "plot/view_gestures.h"
#include "services/messages.h"
#include "tool_windows/analysis_results_window.h"
#include "tool_windows/calculator_window.h"
#include "tool_windows/integral_window.h"
#include "tool_windows/intersection_window.h"
#include "tool_windows/regression_window.h"
#include "tool_windows/tangent_window.h"
#include "tool_windows/trace_window.h"

namespace plotwise {
namespace {

// The graphs of the document a tool window works on, as records in list order.
std::vector<GraphRecord> GraphRecords(const DocumentWindow* child) {
    std::vector<GraphRecord> records;
    if (child != nullptr && !child->Closing()) {
        for (const auto& graph : child->Doc().Graphs())
            records.push_back(graph->Record());
    }
    return records;
}

// The document window the Trace window walks; it may close while the window is up (a
// session ending), after which there is nothing to trace. The plot stays usable meanwhile,
// and other tools may open on other documents: the target follows its own document, closes
// the window when the graphs change and keeps it on its point through a new view.
class WindowTraceTarget final : public TraceTarget, private DocumentObserver {
  public:
    WindowTraceTarget(DocumentWindow* child, TraceWindow& window)
        : child_(child), window_(window), document_(&child->Doc()) {
        document_->AddObserver(*this);
    }
    ~WindowTraceTarget() override {
        if (document_ != nullptr) document_->RemoveObserver(*this);
    }
    WindowTraceTarget(const WindowTraceTarget&) = delete;
    WindowTraceTarget& operator=(const WindowTraceTarget&) = delete;

    const Document* Doc() const override {
        return child_ != nullptr && !child_->Closing() ? &child_->Doc() : nullptr;
    }
    void MovePointer(long double x, long double y) override {
        if (Doc() != nullptr) child_->MoveTracePointer(x, y);
    }
    void HidePointer() override {
        if (Doc() != nullptr) child_->HideTracePointer();
    }
    void ListenToClicks(std::function<void(int px, int py)> click) override {
        if (child_ != nullptr) child_->OnPlotClick = std::move(click);
    }

  private:
    void GraphInserted(std::size_t) override { window_.reject(); }
    void GraphRemoved(std::size_t, const GraphRecord&) override { window_.reject(); }
    void GraphReplaced(std::size_t, const GraphRecord&) override { window_.reject(); }
    void GraphsReset() override { window_.reject(); }
    void GraphsResampled() override { window_.Resampled(); }
    void DocumentDestroyed() override {
        document_ = nullptr;
        window_.reject();
    }

    QPointer<DocumentWindow> child_;
    TraceWindow& window_;
    Document* document_;  // null once it is gone
};

}  // namespace

ToolController::ToolController(MainWindow& window, Messages& messages, FileDialogs& dialogs,
                               Feedback& feedback)
    : window_(window), messages_(messages), dialogs_(dialogs), feedback_(feedback) {}

ToolController::~ToolController() {
    FollowDocument(nullptr);
}

std::vector<std::string> ToolController::ActiveFunctionFormulas() const {
    std::vector<std::string> formulas;
    if (DocumentWindow* child = window_.ActiveDocument()) {
        for (const auto& graph : child->Doc().Graphs())
            if (graph->Record().Kind == kYOfX && !graph->IsEmpty())
                formulas.push_back(graph->Record().Formula().Text());
    }
    return formulas;
}

int ToolController::SelectedGraph() const {
    const bool shown = window_.ToolbarShown(ToolbarId::Graph) ||
                       (window_.GraphList() != nullptr && window_.GraphList()->isVisible());
    return shown ? window_.GraphBar()->SelectedIndex() : -1;
}

std::string ToolController::SelectedFunction() const {
    DocumentWindow* child = window_.ActiveDocument();
    const int selected = SelectedGraph();
    if (child == nullptr || selected < 0 ||
        static_cast<std::size_t>(selected) >= child->Doc().GraphCount())
        return {};
    const Graph& graph = *child->Doc().Graphs()[static_cast<std::size_t>(selected)];
    return graph.Record().Kind == kYOfX && !graph.IsEmpty() ? graph.Record().Formula().Text()
                                                            : std::string();
}

void ToolController::FollowDocument(DocumentWindow* child) {
    Document* document = child != nullptr ? &child->Doc() : nullptr;
    toolDocument_ = child;
    if (document == followed_) return;
    if (followed_ != nullptr) followed_->RemoveObserver(*this);
    followed_ = document;
    if (followed_ != nullptr) followed_->AddObserver(*this);
}

void ToolController::DocumentDestroyed() {
    followed_ = nullptr;
    CloseToolWindow();
}

void ToolController::CloseToolWindow() {
    // The Trace window's target closes it (it may walk another document than these tools).
    for (QDialog* tool :
         std::initializer_list<QDialog*>{derivative_, tangent_, regress_, intersections_})
        if (tool != nullptr && tool->isVisible()) tool->reject();
}

void ToolController::AnalyseFunction() {
    FollowDocument(window_.ActiveDocument());
    if (analysis_ == nullptr) {
        analysis_ =
            std::make_unique<FunctionAnalysisTool>(&window_, messages_, dialogs_, feedback_);
        analysis_->ShowOverlay = ShowOverlay();
        analysis_->AddGraph = AddGraph();
        analysis_->CentreOn = CentreView();
    }
    analysis_->Options = window_.CurrentOptions();
    analysis_->Run(ActiveFunctionFormulas(), window_.Settings().Analysis,
                   window_.Settings().Common.FieldNotation(), SelectedFunction());
}

void ToolController::Intersections() {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    if (ActiveFunctionFormulas().empty()) {
        messages_.Error(kNoFunctionGraph);
        return;
    }
    FollowDocument(child);
    if (intersections_ == nullptr) {
        intersections_ =
            new IntersectionWindow(&window_, messages_, dialogs_, feedback_, AddGraph());
        intersections_->ShowOverlay = ShowOverlay();
        intersections_->CentreOn = CentreView();
    }
    intersections_->Execute(GraphRecords(child), SelectedGraph(), child->Doc().Shown(),
                            window_.Settings().Common.FieldNotation());
}

void ToolController::Integration() {
    FollowDocument(window_.ActiveDocument());
    if (integral_ == nullptr) {
        integral_ = new IntegralWindow(&window_, messages_, feedback_);
        integral_->ShowOverlay = ShowOverlay();
    }
    integral_->Execute(ActiveFunctionFormulas(), window_.Settings().Integrate,
                       window_.Settings().Common.FieldNotation(), SelectedFunction());
}

void ToolController::Calculator() {
    if (calculator_ == nullptr) {
        calculator_ = new CalculatorWindow(&window_, messages_);
        calculator_->FieldNotation = [this] { return window_.Settings().Common.FieldNotation(); };
    }
    calculator_->ShowCalculator();
}

// When the document the window was opened on went away or another became active meanwhile,
// the window closes too: its graphs are no longer the ones to choose from.
AddGraphCallback ToolController::AddGraph() {
    return [this](const GraphRecord& record) {
        if (toolDocument_ == nullptr || window_.ActiveDocument() != toolDocument_) return true;
        return window_.GraphCommands().AddFromRecord(record) || toolDocument_ == nullptr ||
               window_.ActiveDocument() != toolDocument_;
    };
}

std::function<void(const PlotOverlay&)> ToolController::ShowOverlay() {
    return [this](const PlotOverlay& overlay) {
        if (toolDocument_ != nullptr) toolDocument_->SetOverlay(overlay);
    };
}

std::function<void(long double, long double)> ToolController::CentreView() {
    return [this](long double x, long double y) {
        if (toolDocument_ == nullptr || toolDocument_->Closing()) return;
        Document& doc = toolDocument_->Doc();
        if (!doc.PlotAreaUsable()) return;
        const std::optional<ViewRange> range = CentredView(doc.ScreenMap(), doc.Shown(), x, y);
        if (!range) return;
        OptionsRecord options = doc.Options;
        const std::string failure = SetView(options, doc.Options, *range);
        if (!failure.empty()) {
            messages_.Error(QString::fromStdString(failure));
            return;
        }
        window_.CurrentOptions() = options;
        doc.SetOptions(options);
    };
}

void ToolController::Derivative() {
    FollowDocument(window_.ActiveDocument());
    if (derivative_ == nullptr) derivative_ = new DerivativeWindow(&window_, AddGraph());
    derivative_->Execute(GraphRecords(toolDocument_), SelectedGraph());
}

void ToolController::TangentNormal() {
    FollowDocument(window_.ActiveDocument());
    if (tangent_ == nullptr) tangent_ = new TangentWindow(&window_, messages_, AddGraph());
    tangent_->Execute(GraphRecords(toolDocument_), SelectedGraph(), window_.CurrentOptions(),
                      window_.Settings().Common.FieldNotation());
}

void ToolController::Regression() {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    const std::vector<GraphRecord> graphs = GraphRecords(child);
    if (std::none_of(graphs.begin(), graphs.end(),
                     [](const GraphRecord& g) { return g.Kind == kTable; })) {
        messages_.Error("There is no graph determined by table");
        return;
    }
    FollowDocument(child);
    if (regress_ == nullptr) regress_ = new RegressionWindow(&window_, messages_, AddGraph());
    regress_->Execute(graphs, SelectedGraph(), window_.CurrentOptions(),
                      window_.Settings().Regression);
}

void ToolController::Trace() {
    DocumentWindow* child = window_.ActiveDocument();
    if (child == nullptr) return;
    if (trace_ == nullptr) trace_ = new TraceWindow(&window_, &messages_);
    if (trace_->isVisible()) {  // open already: the plot stays usable meanwhile
        trace_->raise();
        trace_->activateWindow();
        return;
    }
    WindowTraceTarget target(child, *trace_);
    trace_->Execute(target, window_.GraphBar()->SelectedIndex(),
                    window_.Settings().Common.FieldNotation());
}

}  // namespace plotwise
