// The Graph toolbar's commands and the Plot menu: the list of the active document's graphs,
// the style of the selected one, adding, doubling, editing and deleting graphs, and
// completing interrupted computations.
#include <QComboBox>
#include <QPointer>
#include <cstring>

#include "app/current_options.h"
#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "plot/graph_entry_text.h"
#include "plot/new_graph.h"
#include "services/messages.h"
#include "services/program_settings.h"
#include "widgets/style_choosers.h"

namespace plotwise {

namespace {

QString EntryText(const GraphRecord& props) {
    return QString::fromLatin1(GraphEntryText(props));
}

bool SameRecord(const GraphRecord& a, const GraphRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

void MainWindow::RebuildGraphsList() {
    QComboBox* list = graphToolbar_->FuncComboBox;
    list->clear();
    DocumentWindow* child = ActiveDocument();
    if (child != nullptr) {
        for (const auto& graph : child->Doc().Graphs())
            AddGraphsListItem(*graph);
    }
    if (list->count() > 0) {
        list->setCurrentIndex(0);
        SetGraphControlsEnabled(true);
        ShowGraphStyle(&child->Doc().GraphAt(0));
    } else {
        SetGraphControlsEnabled(false);
        ShowGraphStyle(nullptr);
    }
}

void MainWindow::AddGraphsListItem(const Graph& graph) {
    graphToolbar_->FuncComboBox->addItem(EntryText(graph.Record()));
}

void MainWindow::InsertGraphsListItem(int index, const Graph& graph) {
    graphToolbar_->FuncComboBox->insertItem(index, EntryText(graph.Record()));
}

void MainWindow::SetGraphsListItem(int index, const Graph& graph) {
    graphToolbar_->FuncComboBox->setItemText(index, EntryText(graph.Record()));
}

void MainWindow::DeleteGraphsListItem(int index) {
    graphToolbar_->FuncComboBox->removeItem(index);
}

void MainWindow::SetGraphsListItemIndex(int index) {
    graphToolbar_->FuncComboBox->setCurrentIndex(index);
    if (Graph* graph = SelectedGraph()) ShowGraphStyle(graph);
}

void MainWindow::ShowGraphStyle(const Graph* graph) {
    graphToolbar_->ShowStyle(graph != nullptr ? &graph->Record() : nullptr);
}

void MainWindow::SetGraphControlsEnabled(bool on) {
    graphToolbar_->SetListEnabled(on);
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<Command>(i);
        if (GraphBound(command)) Action(command)->setEnabled(on && CommandAvailable(command));
    }
    if (!on) ShowGraphStyle(nullptr);
}

Graph* MainWindow::SelectedGraph() const {
    DocumentWindow* child = ActiveDocument();
    const int index = graphToolbar_->FuncComboBox->currentIndex();
    if (child == nullptr || index < 0) return nullptr;
    Document& document = child->Doc();
    return static_cast<std::size_t>(index) < document.GraphCount() ? &document.GraphAt(index)
                                                                   : nullptr;
}

bool MainWindow::RunPropsDialog(GraphRecord& props, const QString& caption, GraphPage page) {
    GraphDialog form(this);
    form.ShowError = [this](const QString& text) { messages_->Error(text); };
    form.SetPropsInForm(props, CurrentOptions);
    form.setWindowTitle(caption);
    form.ShowPage(page);
    if (form.exec() != QDialog::Accepted) return false;
    props = form.Record;
    return true;
}

void MainWindow::AddGraphCommand() {
    if (ActiveDocument() != nullptr) AddGraphFromRecord(NewGraphRecord(CurrentOptions));
}

bool MainWindow::AddGraphFromRecord(GraphRecord record) {
    const QPointer<DocumentWindow> child(ActiveDocument());
    if (child == nullptr) return false;
    Document& document = child->Doc();
    if (document.GraphCount() + 1 > kMaxGraphs) {
        messages_->Error(QString("Amount of the graphs must not exceed %1").arg(kMaxGraphs));
        return false;
    }
    if (GlobalSettings.Common.FunctionNewColor) {
        std::vector<std::uint8_t> used;
        for (const auto& graph : document.Graphs())
            used.push_back(graph->Record().Color);
        record.Color = NewGraphColor(used, CurrentOptions);
    }
    if (!GraphEditor(record, "Add Graph", GraphPage::Properties)) return false;
    // The dialog's event loop may have let the document go (a session ending).
    if (child == nullptr || ActiveDocument() != child) return false;
    AddEditedGraph(*child, record);
    return true;
}

void MainWindow::AddEditedGraph(DocumentWindow& child, const GraphRecord& record) {
    Document& document = child.Doc();
    Graph& graph = document.AddGraph(record);
    document.Modified = true;
    child.History().AddUndo(UndoKind::AddGraph);
    AddGraphsListItem(graph);
    graphToolbar_->FuncComboBox->setCurrentIndex(graphToolbar_->FuncComboBox->count() - 1);
    SetGraphControlsEnabled(true);
    ShowGraphStyle(&graph);
    if (!graph.HasValues()) document.CalculateGraphAlone(document.GraphCount() - 1, CurrentOptions);
}

void MainWindow::DoubleGraphCommand() {
    if (const Graph* graph = SelectedGraph()) AddGraphFromRecord(graph->Record());
}

void MainWindow::DeleteGraphCommand() {
    const QPointer<DocumentWindow> child(ActiveDocument());
    const Graph* graph = SelectedGraph();
    if (graph == nullptr) return;
    if (GlobalSettings.Common.FuncPanelDelConfirmation &&
        !messages_->YesNo("Do you want to remove the graph?"))
        return;
    // The question's event loop may have let the document go (a session ending).
    if (child == nullptr || ActiveDocument() != child || SelectedGraph() != graph) return;
    QComboBox* list = graphToolbar_->FuncComboBox;
    const int index = list->currentIndex();
    Document& document = child->Doc();
    document.Modified = true;
    child->History().AddUndo(UndoKind::DeleteGraph, graph->Record(), index);
    document.RemoveGraph(index);
    DeleteGraphsListItem(index);
    if (list->count() == 0) {
        ShowGraphStyle(nullptr);
        SetGraphControlsEnabled(false);
    } else {
        SetGraphsListItemIndex(std::min(index, list->count() - 1));
    }
    update();
    document.Repaint();
}

void MainWindow::EditGraphCommand(GraphPage page) {
    DocumentWindow* child = ActiveDocument();
    Graph* graph = SelectedGraph();
    if (graph == nullptr) return;
    const int index = graphToolbar_->FuncComboBox->currentIndex();
    const GraphRecord before = graph->Record();
    GraphRecord edited = before;
    const QPointer<DocumentWindow> guard(child);
    if (!GraphEditor(edited, "Graph Properties", page)) return;
    // The dialog's event loop may have let the document go (a session ending).
    if (guard == nullptr || ActiveDocument() != child || SelectedGraph() != graph) return;
    Document& document = child->Doc();
    if (!SameRecord(edited, before)) {
        document.Modified = true;
        child->History().AddUndo(UndoKind::ChangeGraphProps, before, index);
    }
    const bool resample = NeedsRecalcProps(*graph, edited);
    if (resample) graph->ClearValues();
    document.ReplaceRecord(index, edited);
    SetGraphsListItem(index, *graph);
    SetGraphsListItemIndex(index);
    if (resample)
        document.CalculateGraphAlone(index, CurrentOptions);
    else
        document.Repaint();
}

void MainWindow::ChangeGraphStyle(StyleField field, int item) {
    DocumentWindow* child = ActiveDocument();
    Graph* graph = SelectedGraph();
    if (graph == nullptr || item < 0) return;
    GraphRecord p = graph->Record();
    // Whether the change shows in the picture. Equations and slope fields draw their lines
    // whatever Lines says, so their picture follows the Draw toggle and the thickness too.
    const bool drawn = p.DrawGraphic;
    bool visible = drawn;
    // Toggles: the button shows the inverted field, and the field follows the button.
    const auto toggle = [this](Command command, Bool8& field) {
        QAction* button = Action(command);
        button->setChecked(!field);
        field = button->isChecked();
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
    if (SameRecord(p, graph->Record())) return;
    Document& document = child->Doc();
    document.Modified = true;
    child->History().AddUndo(UndoKind::ChangeGraphProps, graph->Record(),
                             graphToolbar_->FuncComboBox->currentIndex());
    document.ReplaceRecord(document.IndexOf(*graph), p);
    if (visible) document.Repaint();
}

void MainWindow::FinishCounting() {
    if (DocumentWindow* child = ActiveDocument()) child->Doc().CalculateUnsampledGraphs();
}

}  // namespace plotwise
