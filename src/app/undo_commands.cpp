// Edit "Undo" and "Redo": the active document's history carried out step by step, with the
// Graph toolbar's list and selection kept on the same graphs.
#include <QAction>
#include <QComboBox>
#include <algorithm>

#include "app/current_options.h"
#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"

namespace plotwise {
namespace {

// One step of the history applied to a document. Undo and redo share it: what one of them
// takes back the other does again, and each keeps the opposite step.
class HistoryStep {
  public:
    HistoryStep(MainWindow& form, DocumentWindow& child, bool back)
        : form_(form), child_(child), history_(child.History()), back_(back) {}

    void Run(const HistoryEntry& entry) {
        Document& document = child_.Doc();
        switch (entry.kind) {
            case UndoKind::ChangeOptions:
                Keep({UndoKind::ChangeOptions, document.Options, 0});
                CurrentOptions = std::get<OptionsRecord>(entry.record);
                document.SetOptions(CurrentOptions);
                break;
            case UndoKind::ChangeGraphProps:
                ChangeGraph(entry);
                break;
            case UndoKind::DeleteGraph:
                if (back_)
                    RestoreGraph(entry, entry.index);
                else
                    RemoveGraph(entry.kind, entry.index);
                break;
            case UndoKind::AddGraph:
                if (back_)
                    RemoveGraph(entry.kind, document.GraphCount() - 1);
                else
                    RestoreGraph(entry, document.GraphCount());
                break;
        }
        document.Modified = true;
    }

  private:
    void Keep(HistoryEntry opposite) {
        if (back_)
            history_.AddRedo(std::move(opposite));
        else
            history_.AddUndo(std::move(opposite));
    }

    QComboBox& List() const { return *form_.GraphBar()->FuncComboBox; }

    void ChangeGraph(const HistoryEntry& entry) {
        Document& document = child_.Doc();
        const auto* record = std::get_if<GraphRecord>(&entry.record);
        if (record == nullptr || entry.index >= document.GraphCount()) return;
        Graph& graph = document.GraphAt(entry.index);
        const int selected = List().currentIndex();
        Keep({UndoKind::ChangeGraphProps, graph.Record(), entry.index});
        const bool resample = NeedsRecalcProps(graph, *record);
        if (resample) graph.ClearValues();
        document.ReplaceRecord(entry.index, *record);
        form_.SetGraphsListItem(static_cast<int>(entry.index), graph);
        form_.SetGraphsListItemIndex(selected);
        if (resample)
            document.CalculateGraphAlone(entry.index, CurrentOptions);
        else
            document.Repaint();
    }

    // Puts a graph back at index; the selection stays on the graph it was on.
    void RestoreGraph(const HistoryEntry& entry, std::size_t index) {
        Document& document = child_.Doc();
        const auto* record = std::get_if<GraphRecord>(&entry.record);
        if (record == nullptr || index > document.GraphCount()) return;
        int selected = List().currentIndex();
        if (back_)
            Keep({UndoKind::DeleteGraph, *record, index});
        else
            Keep({UndoKind::AddGraph, std::monostate{}, 0});
        Graph& graph = document.InsertGraph(*record, index);
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
    void RemoveGraph(UndoKind kind, std::size_t index) {
        Document& document = child_.Doc();
        if (index >= document.GraphCount()) return;
        int selected = List().currentIndex();
        // Undoing an addition keeps the record for redo; redoing a deletion keeps its place.
        Keep({back_ ? kind : UndoKind::DeleteGraph, document.GraphAt(index).Record(), index});
        document.RemoveGraph(index);
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

    MainWindow& form_;
    DocumentWindow& child_;
    UndoHistory& history_;
    const bool back_;
};

// Keeps the in-progress flag for the whole step, whatever leaves it.
class InProgress {
  public:
    explicit InProgress(UndoHistory& history) : history_(history) { history_.SetInProgress(true); }
    ~InProgress() { history_.SetInProgress(false); }
    InProgress(const InProgress&) = delete;
    InProgress& operator=(const InProgress&) = delete;

  private:
    UndoHistory& history_;
};

}  // namespace

void MainWindow::UndoCommand() {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    UndoHistory& history = child->History();
    const std::optional<HistoryEntry> entry = history.TakeUndo();
    if (!entry) return;
    InProgress inProgress(history);
    HistoryStep(*this, *child, true).Run(*entry);
}

void MainWindow::RedoCommand() {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    UndoHistory& history = child->History();
    const std::optional<HistoryEntry> entry = history.TakeRedo();
    if (!entry) return;
    InProgress inProgress(history);
    HistoryStep(*this, *child, false).Run(*entry);
}

void MainWindow::UpdateUndoMenu() {
    DocumentWindow* child = ActiveDocument();
    QAction* undo = Action(Command::Undo);
    QAction* redo = Action(Command::Redo);
    undo->setEnabled(child != nullptr && !child->History().UndoList().empty());
    redo->setEnabled(child != nullptr && !child->History().RedoList().empty());
    undo->setText(child != nullptr ? UndoCaption(child->History()) : "&Undo");
    redo->setText(child != nullptr ? RedoCaption(child->History()) : "&Redo");
}

}  // namespace plotwise
