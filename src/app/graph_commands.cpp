// The Graph toolbar's commands and the Plot menu: the list of the active document's graphs,
// the style of the selected one, adding, doubling, editing and deleting graphs, and
// completing interrupted computations.
#include <QComboBox>
#include <QPointer>
#include <cstring>

#include "current_options.h"
#include "document_window.h"
#include "graph_entry_text.h"
#include "graph_toolbar.h"
#include "main_form.h"
#include "messages.h"
#include "new_graph.h"
#include "program_settings.h"
#include "style_choosers.h"

namespace plotwise {

namespace {

QString EntryText(const TFunctionProps& props) {
    return QString::fromLatin1(GraphEntryText(props));
}

bool SameRecord(const TFunctionProps& a, const TFunctionProps& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

void TMainForm::RebuildGraphsList() {
    QComboBox* list = graphToolbar_->FuncComboBox;
    list->clear();
    TMDIChild* child = ActiveDocument();
    if (child != nullptr) {
        for (const auto& graph : child->Document().Graphs)
            AddGraphsListItem(*graph);
    }
    if (list->count() > 0) {
        list->setCurrentIndex(0);
        SetGraphControlsEnabled(true);
        ShowGraphStyle(child->Document().Graphs[0].get());
    } else {
        SetGraphControlsEnabled(false);
        ShowGraphStyle(nullptr);
    }
}

void TMainForm::AddGraphsListItem(const TFunction& graph) {
    graphToolbar_->FuncComboBox->addItem(EntryText(graph.Props));
}

void TMainForm::InsertGraphsListItem(int index, const TFunction& graph) {
    graphToolbar_->FuncComboBox->insertItem(index, EntryText(graph.Props));
}

void TMainForm::SetGraphsListItem(int index, const TFunction& graph) {
    graphToolbar_->FuncComboBox->setItemText(index, EntryText(graph.Props));
}

void TMainForm::DeleteGraphsListItem(int index) {
    graphToolbar_->FuncComboBox->removeItem(index);
}

void TMainForm::SetGraphsListItemIndex(int index) {
    graphToolbar_->FuncComboBox->setCurrentIndex(index);
    if (TFunction* graph = SelectedGraph()) ShowGraphStyle(graph);
}

void TMainForm::ShowGraphStyle(const TFunction* graph) {
    graphToolbar_->ShowStyle(graph != nullptr ? &graph->Props : nullptr);
}

void TMainForm::SetGraphControlsEnabled(bool on) {
    graphToolbar_->SetListEnabled(on);
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<TCommand>(i);
        if (GraphBound(command)) Action(command)->setEnabled(on && CommandAvailable(command));
    }
    if (!on) ShowGraphStyle(nullptr);
}

TFunction* TMainForm::SelectedGraph() const {
    TMDIChild* child = ActiveDocument();
    const int index = graphToolbar_->FuncComboBox->currentIndex();
    if (child == nullptr || index < 0) return nullptr;
    auto& graphs = child->Document().Graphs;
    return static_cast<std::size_t>(index) < graphs.size() ? graphs[index].get() : nullptr;
}

bool TMainForm::RunPropsDialog(TFunctionProps& props, const QString& caption, TPropsPage page) {
    TStdPropsForm form(this);
    form.ShowError = [this](const QString& text) { messages_->Error(text); };
    form.SetPropsInForm(props, CurrentOptions);
    form.setWindowTitle(caption);
    form.ShowPage(page);
    if (form.exec() != QDialog::Accepted) return false;
    props = form.Props;
    return true;
}

void TMainForm::AddGraphCommand() {
    if (ActiveDocument() != nullptr) AddGraphFromRecord(NewGraphRecord(CurrentOptions));
}

bool TMainForm::AddGraphFromRecord(TFunctionProps record) {
    const QPointer<TMDIChild> child(ActiveDocument());
    if (child == nullptr) return false;
    TGraphicsManager& document = child->Document();
    if (document.Graphs.size() + 1 > kMaxGraphs) {
        messages_->Error(QString("Amount of the graphs must not exceed %1").arg(kMaxGraphs));
        return false;
    }
    if (ProgramSettings.Common.FunctionNewColor) {
        std::vector<std::uint8_t> used;
        for (const auto& graph : document.Graphs)
            used.push_back(graph->Props.Color);
        record.Color = NewGraphColor(used, CurrentOptions);
    }
    if (!GraphEditor(record, "Add Graph", TPropsPage::Properties)) return false;
    // The dialog's event loop may have let the document go (a session ending).
    if (child == nullptr || ActiveDocument() != child) return false;
    AddEditedGraph(*child, record);
    return true;
}

void TMainForm::AddEditedGraph(TMDIChild& child, const TFunctionProps& record) {
    TGraphicsManager& document = child.Document();
    TFunction& graph = document.AddGraph(record);
    document.Modified = true;
    child.UndoManager().AddUndo(TUndoKind::AddGraph);
    AddGraphsListItem(graph);
    graphToolbar_->FuncComboBox->setCurrentIndex(graphToolbar_->FuncComboBox->count() - 1);
    SetGraphControlsEnabled(true);
    ShowGraphStyle(&graph);
    if (!graph.HasValues())
        document.CalculateGraphAlone(document.Graphs.size() - 1, CurrentOptions);
}

void TMainForm::DoubleGraphCommand() {
    if (const TFunction* graph = SelectedGraph()) AddGraphFromRecord(graph->Props);
}

void TMainForm::DeleteGraphCommand() {
    const QPointer<TMDIChild> child(ActiveDocument());
    const TFunction* graph = SelectedGraph();
    if (graph == nullptr) return;
    if (ProgramSettings.Common.FuncPanelDelConfirmation &&
        !messages_->YesNo("Do you want to remove the graph?"))
        return;
    // The question's event loop may have let the document go (a session ending).
    if (child == nullptr || ActiveDocument() != child || SelectedGraph() != graph) return;
    QComboBox* list = graphToolbar_->FuncComboBox;
    const int index = list->currentIndex();
    TGraphicsManager& document = child->Document();
    document.Modified = true;
    child->UndoManager().AddUndo(TUndoKind::DeleteGraph, graph->Props, index);
    document.Graphs.erase(document.Graphs.begin() + index);
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

void TMainForm::EditGraphCommand(TPropsPage page) {
    TMDIChild* child = ActiveDocument();
    TFunction* graph = SelectedGraph();
    if (graph == nullptr) return;
    const int index = graphToolbar_->FuncComboBox->currentIndex();
    const TFunctionProps before = graph->Props;
    TFunctionProps edited = before;
    const QPointer<TMDIChild> guard(child);
    if (!GraphEditor(edited, "Graph Properties", page)) return;
    // The dialog's event loop may have let the document go (a session ending).
    if (guard == nullptr || ActiveDocument() != child || SelectedGraph() != graph) return;
    TGraphicsManager& document = child->Document();
    if (!SameRecord(edited, before)) {
        document.Modified = true;
        child->UndoManager().AddUndo(TUndoKind::ChangeGraphProps, before, index);
    }
    const bool resample = NeedsRecalcProps(*graph, edited);
    if (resample) graph->ClearValues();
    document.SetGraphProps(*graph, edited);
    SetGraphsListItem(index, *graph);
    SetGraphsListItemIndex(index);
    if (resample)
        document.CalculateGraphAlone(index, CurrentOptions);
    else
        document.Repaint();
}

void TMainForm::ChangeGraphStyle(TStyleField field, int item) {
    TMDIChild* child = ActiveDocument();
    TFunction* graph = SelectedGraph();
    if (graph == nullptr || item < 0) return;
    TFunctionProps p = graph->Props;
    // Whether the change shows in the picture. Equations and slope fields draw their lines
    // whatever Lines says, so their picture follows the Draw toggle and the thickness too.
    const bool drawn = p.DrawGraphic;
    bool visible = drawn;
    // Toggles: the button shows the inverted field, and the field follows the button.
    const auto toggle = [this](TCommand command, Bool8& field) {
        QAction* button = Action(command);
        button->setChecked(!field);
        field = button->isChecked();
    };
    switch (field) {
        case TStyleField::DrawGraphic:
            visible = ShowsLines(p) || ShowsPoints(p);
            toggle(TCommand::DrawGraphic, p.DrawGraphic);
            break;
        case TStyleField::Lines:
            toggle(TCommand::DrawLines, p.Lines);
            break;
        case TStyleField::Points:
            toggle(TCommand::DrawPoints, p.Points);
            break;
        case TStyleField::LineWidth:
            p.LineWidth = item + 1;
            visible = drawn && ShowsLines(p);
            break;
        case TStyleField::PointWidth:
            p.PointWidth = item * 2 + 1;
            visible = drawn && ShowsPoints(p);
            break;
        case TStyleField::PointStyle:
            p.PointStyle = static_cast<std::uint8_t>(item);
            visible = drawn && ShowsPoints(p);
            break;
        case TStyleField::Color:
            p.Color = static_cast<std::uint8_t>(item);
            break;
        case TStyleField::Brush:
            p.Brush = static_cast<std::uint8_t>(item);
            break;
    }
    if (SameRecord(p, graph->Props)) return;
    TGraphicsManager& document = child->Document();
    document.Modified = true;
    child->UndoManager().AddUndo(TUndoKind::ChangeGraphProps, graph->Props,
                                 graphToolbar_->FuncComboBox->currentIndex());
    document.SetGraphProps(*graph, p);
    if (visible) document.Repaint();
}

void TMainForm::FinishCounting() {
    if (TMDIChild* child = ActiveDocument()) child->Document().CalculateUnsampledGraphs();
}

}  // namespace plotwise
