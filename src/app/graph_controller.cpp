// The graph commands. A modal dialog or question runs an event loop, so each command looks
// its document up again afterwards.
#include "app/graph_controller.h"

#include <QPointer>
#include <cstring>

#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "plot/new_graph.h"
#include "services/messages.h"

namespace plotwise {

GraphController::GraphController(MainWindow& window, Messages& messages, GraphToolbar& toolbar)
    : window_(window), messages_(messages), toolbar_(toolbar) {
    GraphEditor = [this](GraphRecord& record, const QString& caption, GraphPage page) {
        return RunPropsDialog(record, caption, page);
    };
}

bool GraphController::RunPropsDialog(GraphRecord& record, const QString& caption, GraphPage page) {
    GraphDialog form(&window_);
    form.ShowError = [this](const QString& text) { messages_.Error(text); };
    form.SetNotation(window_.Settings().Common.FieldNotation());
    form.ShowRecord(record, window_.CurrentOptions());
    form.setWindowTitle(caption);
    form.ShowPage(page);
    if (form.exec() != QDialog::Accepted) return false;
    record = form.Record;
    return true;
}

void GraphController::Add() {
    if (window_.ActiveDocument() != nullptr)
        AddFromRecord(NewGraphRecord(window_.CurrentOptions()));
}

bool GraphController::AddFromRecord(GraphRecord record) {
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    if (child == nullptr) return false;
    if (child->Doc().GraphCount() + 1 > kMaxGraphs) {
        messages_.Error(QString("Amount of the graphs must not exceed %1").arg(kMaxGraphs));
        return false;
    }
    if (window_.Settings().Common.FunctionNewColor) {
        std::vector<std::uint8_t> used;
        for (const auto& graph : child->Doc().Graphs())
            used.push_back(graph->Record().Color);
        record.Color = NewGraphColor(used, window_.CurrentOptions());
    }
    if (!GraphEditor(record, "Add Graph", GraphPage::Properties)) return false;
    // The dialog's event loop may have let the document go (a session ending).
    if (child == nullptr || window_.ActiveDocument() != child) return false;
    Document& document = child->Doc();
    document.AddGraph(record);
    const std::size_t index = document.GraphCount() - 1;
    toolbar_.Select(static_cast<int>(index));
    document.CalculateGraphAlone(index, window_.CurrentOptions());
    return true;
}

void GraphController::Double() {
    if (const Graph* graph = toolbar_.SelectedGraph()) AddFromRecord(graph->Record());
}

void GraphController::Delete() {
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    const Graph* graph = toolbar_.SelectedGraph();
    if (graph == nullptr) return;
    if (window_.Settings().Common.ConfirmDelete &&
        !messages_.YesNo("Do you want to remove the graph?"))
        return;
    // The question's event loop may have let the document go (a session ending).
    if (child == nullptr || window_.ActiveDocument() != child || toolbar_.SelectedGraph() != graph)
        return;
    child->Doc().RemoveGraph(static_cast<std::size_t>(toolbar_.SelectedIndex()));
    window_.update();
    child->Doc().Repaint();
}

void GraphController::Edit(GraphPage page) {
    DocumentWindow* child = window_.ActiveDocument();
    Graph* graph = toolbar_.SelectedGraph();
    if (graph == nullptr) return;
    const int index = toolbar_.SelectedIndex();
    GraphRecord edited = graph->Record();
    const QPointer<DocumentWindow> guard(child);
    if (!GraphEditor(edited, "Graph Properties", page)) return;
    // The dialog's event loop may have let the document go (a session ending).
    if (guard == nullptr || window_.ActiveDocument() != child || toolbar_.SelectedGraph() != graph)
        return;
    Document& document = child->Doc();
    const bool resample = NeedsRecalcProps(*graph, edited);
    if (resample) graph->ClearValues();
    document.ReplaceRecord(static_cast<std::size_t>(index), edited);
    toolbar_.Select(index);
    if (resample)
        document.CalculateGraphAlone(static_cast<std::size_t>(index), window_.CurrentOptions());
    else
        document.Repaint();
}

void GraphController::ChangeStyle(StyleField field, int item) {
    DocumentWindow* child = window_.ActiveDocument();
    Graph* graph = toolbar_.SelectedGraph();
    if (graph == nullptr || item < 0) return;
    GraphRecord p = graph->Record();
    // Whether the change shows in the picture. Equations and slope fields draw their lines
    // whatever Lines says, so their picture follows the Draw toggle and the thickness too.
    const bool drawn = p.DrawGraphic;
    bool visible = drawn;
    // Toggles: the button shows the inverted field, and the field follows the button.
    const auto toggle = [this](Command command, Bool8& value) {
        QAction* button = window_.Action(command);
        button->setChecked(!value);
        value = button->isChecked();
    };
    switch (field) {
        case StyleField::DrawGraphic:
            visible = ShowsLines(p) || ShowsPoints(p);
            toggle(Command::DrawGraphic, p.DrawGraphic);
            break;
        case StyleField::Lines:
            toggle(Command::DrawLines, p.Lines);
            break;
        case StyleField::Points:
            toggle(Command::DrawPoints, p.Points);
            break;
        case StyleField::LineWidth:
            p.LineWidth = item + 1;
            visible = drawn && ShowsLines(p);
            break;
        case StyleField::PointWidth:
            p.PointWidth = item * 2 + 1;
            visible = drawn && ShowsPoints(p);
            break;
        case StyleField::PointStyle:
            p.PointStyle = static_cast<std::uint8_t>(item);
            visible = drawn && ShowsPoints(p);
            break;
        case StyleField::Color:
            p.Color = static_cast<std::uint8_t>(item);
            break;
        case StyleField::Brush:
            p.Brush = static_cast<std::uint8_t>(item);
            break;
    }
    Document& document = child->Doc();
    const bool changed = std::memcmp(&p, &graph->Record(), sizeof p) != 0;
    document.ReplaceRecord(document.IndexOf(*graph), p);
    if (changed && visible) document.Repaint();
}

void GraphController::FinishCounting() {
    if (DocumentWindow* child = window_.ActiveDocument()) child->Doc().CalculateUnsampledGraphs();
}

}  // namespace plotwise
