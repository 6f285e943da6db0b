// Edit "Undo" and "Redo": the active document's history carried out step by step, with the
// Graph toolbar's list and selection kept on the same graphs.
#include <QAction>
#include <QComboBox>
#include <algorithm>

#include "current_options.h"
#include "document_window.h"
#include "graph_toolbar.h"
#include "main_form.h"

namespace plotwise {
namespace {

// One step of the history applied to a document. Undo and redo share it: what one of them
// takes back the other does again, and each keeps the opposite step.
class THistoryStep {
  public:
    THistoryStep(TMainForm& form, TMDIChild& child, bool back)
        : form_(form), child_(child), history_(child.UndoManager()), back_(back) {}

    void Run(const THistoryEntry& entry) {
        TGraphicsManager& document = child_.Document();
        switch (entry.kind) {
            case TUndoKind::ChangeOptions:
                Keep({TUndoKind::ChangeOptions, document.Options, 0});
                CurrentOptions = std::get<TOptionsRecord>(entry.record);
                document.SetOptions(CurrentOptions);
                break;
            case TUndoKind::ChangeGraphProps:
                ChangeGraph(entry);
                break;
            case TUndoKind::DeleteGraph:
                if (back_)
                    RestoreGraph(entry, entry.index);
                else
                    RemoveGraph(entry.kind, entry.index);
                break;
            case TUndoKind::AddGraph:
                if (back_)
                    RemoveGraph(entry.kind, document.Graphs.size() - 1);
                else
                    RestoreGraph(entry, document.Graphs.size());
                break;
        }
        document.Modified = true;
    }

  private:
    void Keep(THistoryEntry opposite) {
        if (back_)
            history_.AddRedo(std::move(opposite));
        else
            history_.AddUndo(std::move(opposite));
    }

    QComboBox& List() const { return *form_.GraphToolbar()->FuncComboBox; }

    void ChangeGraph(const THistoryEntry& entry) {
        TGraphicsManager& document = child_.Document();
        const auto* record = std::get_if<TFunctionProps>(&entry.record);
        if (record == nullptr || entry.index >= document.Graphs.size()) return;
        TFunction& graph = *document.Graphs[entry.index];
        const int selected = List().currentIndex();
        Keep({TUndoKind::ChangeGraphProps, graph.Props, entry.index});
        const bool resample = NeedsRecalcProps(graph, *record);
        if (resample) graph.ClearValues();
        document.SetGraphProps(graph, *record);
        form_.SetGraphsListItem(static_cast<int>(entry.index), graph);
        form_.SetGraphsListItemIndex(selected);
        if (resample)
            document.CalculateGraphAlone(entry.index, CurrentOptions);
        else
            document.Repaint();
    }

    // Puts a graph back at index; the selection stays on the graph it was on.
    void RestoreGraph(const THistoryEntry& entry, std::size_t index) {
        TGraphicsManager& document = child_.Document();
        const auto* record = std::get_if<TFunctionProps>(&entry.record);
        if (record == nullptr || index > document.Graphs.size()) return;
        int selected = List().currentIndex();
        if (back_)
            Keep({TUndoKind::DeleteGraph, *record, index});
        else
            Keep({TUndoKind::AddGraph, std::monostate{}, 0});
        TFunction& graph = document.InsertGraph(*record, index);
        form_.InsertGraphsListItem(static_cast<int>(index), graph);
        if (selected < 0)
            selected = 0;
        else if (static_cast<int>(index) <= selected)
            ++selected;
        form_.SetGraphControlsEnabled(true);
        form_.SetGraphsListItemIndex(selected);
        if (graph.HasValues())
            document.Repaint();
        else
            document.CalculateGraphAlone(index, CurrentOptions);
    }

    // Takes the graph at index out; the selection stays on its graph, or the nearest one.
    void RemoveGraph(TUndoKind kind, std::size_t index) {
        TGraphicsManager& document = child_.Document();
        if (index >= document.Graphs.size()) return;
        int selected = List().currentIndex();
        // Undoing an addition keeps the record for redo; redoing a deletion keeps its place.
        Keep({back_ ? kind : TUndoKind::DeleteGraph, document.Graphs[index]->Props, index});
        document.Graphs.erase(document.Graphs.begin() + static_cast<std::ptrdiff_t>(index));
        form_.DeleteGraphsListItem(static_cast<int>(index));
        if (selected > static_cast<int>(index)) --selected;
        selected = std::min(selected, List().count() - 1);
        if (List().count() == 0) {
            form_.SetGraphControlsEnabled(false);
        } else {
            form_.SetGraphsListItemIndex(std::max(selected, 0));
        }
        form_.update();
        document.Repaint();
    }

    TMainForm& form_;
    TMDIChild& child_;
    TUndoManager& history_;
    const bool back_;
};

// Keeps the in-progress flag for the whole step, whatever leaves it.
class TInProgress {
  public:
    explicit TInProgress(TUndoManager& history) : history_(history) {
        history_.SetInProgress(true);
    }
    ~TInProgress() { history_.SetInProgress(false); }
    TInProgress(const TInProgress&) = delete;
    TInProgress& operator=(const TInProgress&) = delete;

  private:
    TUndoManager& history_;
};

}  // namespace

void TMainForm::UndoCommand() {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    TUndoManager& history = child->UndoManager();
    const std::optional<THistoryEntry> entry = history.TakeUndo();
    if (!entry) return;
    TInProgress inProgress(history);
    THistoryStep(*this, *child, true).Run(*entry);
}

void TMainForm::RedoCommand() {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    TUndoManager& history = child->UndoManager();
    const std::optional<THistoryEntry> entry = history.TakeRedo();
    if (!entry) return;
    TInProgress inProgress(history);
    THistoryStep(*this, *child, false).Run(*entry);
}

void TMainForm::UpdateUndoMenu() {
    TMDIChild* child = ActiveDocument();
    QAction* undo = Action(TCommand::Undo);
    QAction* redo = Action(TCommand::Redo);
    undo->setEnabled(child != nullptr && !child->UndoManager().UndoList().empty());
    redo->setEnabled(child != nullptr && !child->UndoManager().RedoList().empty());
    undo->setText(child != nullptr ? UndoCaption(child->UndoManager()) : "&Undo");
    redo->setText(child != nullptr ? RedoCaption(child->UndoManager()) : "&Redo");
}

}  // namespace plotwise
