// A step of the history: what one of undo and redo takes back, the other does again. While
// a step runs, the history records nothing of its own; the step keeps its opposite. The
// Graph toolbar follows the document, so the selection stays on the graph it was on. The
// document is modified unless the step led back to its saved state.
#include "app/undo_controller.h"

#include <QAction>

#include "app/document_window.h"
#include "app/main_window.h"

namespace plotwise {
namespace {

class HistoryStep {
  public:
    HistoryStep(MainWindow& window, DocumentWindow& child, bool back)
        : window_(window), child_(child), history_(child.History()), back_(back) {}

    void Run(const HistoryEntry& entry) {
        Document& document = child_.Doc();
        switch (entry.kind) {
            case UndoKind::ChangeOptions:
                Keep({UndoKind::ChangeOptions, document.Options, 0});
                window_.CurrentOptions() = std::get<OptionsRecord>(entry.record);
                document.SetOptions(window_.CurrentOptions());
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
        // Back at the saved state, the document is as its file has it.
        document.Modified = !history_.AtSavedState();
        child_.ShowModified();
    }

  private:
    void Keep(HistoryEntry opposite) {
        if (back_)
            history_.AddRedo(std::move(opposite));
        else
            history_.AddUndo(std::move(opposite));
    }

    void ChangeGraph(const HistoryEntry& entry) {
        Document& document = child_.Doc();
        const auto* record = std::get_if<GraphRecord>(&entry.record);
        if (record == nullptr || entry.index >= document.GraphCount()) return;
        Graph& graph = document.GraphAt(entry.index);
        Keep({UndoKind::ChangeGraphProps, graph.Record(), entry.index});
        const bool resample = NeedsRecalcProps(graph, *record);
        if (resample) graph.ClearValues();
        document.ReplaceRecord(entry.index, *record);
        if (resample)
            document.CalculateGraphAlone(entry.index, window_.CurrentOptions());
        else
            document.Repaint();
    }

    // Puts a graph back at index.
    void RestoreGraph(const HistoryEntry& entry, std::size_t index) {
        Document& document = child_.Doc();
        const auto* record = std::get_if<GraphRecord>(&entry.record);
        if (record == nullptr || index > document.GraphCount()) return;
        if (back_)
            Keep({UndoKind::DeleteGraph, *record, index});
        else
            Keep({UndoKind::AddGraph, std::monostate{}, 0});
        Graph& graph = document.InsertGraph(*record, index);
        if (graph.HasValues())
            document.Repaint();
        else
            document.CalculateGraphAlone(index, window_.CurrentOptions());
    }

    // Takes the graph at index out.
    void RemoveGraph(UndoKind kind, std::size_t index) {
        Document& document = child_.Doc();
        if (index >= document.GraphCount()) return;
        // Undoing an addition keeps the record for redo; redoing a deletion keeps its place.
        Keep({back_ ? kind : UndoKind::DeleteGraph, document.GraphAt(index).Record(), index});
        document.RemoveGraph(index);
        window_.update();
        document.Repaint();
    }

    MainWindow& window_;
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

void RunStep(MainWindow& window, bool back) {
    DocumentWindow* child = window.ActiveDocument();
    if (child == nullptr) return;
    UndoHistory& history = child->History();
    const std::optional<HistoryEntry> entry = back ? history.TakeUndo() : history.TakeRedo();
    if (!entry) return;
    InProgress inProgress(history);
    HistoryStep(window, *child, back).Run(*entry);
}

}  // namespace

void UndoController::Undo() {
    RunStep(window_, true);
}

void UndoController::Redo() {
    RunStep(window_, false);
}

void UndoController::UpdateMenu() {
    DocumentWindow* child = window_.ActiveDocument();
    QAction* undo = window_.Action(Command::Undo);
    QAction* redo = window_.Action(Command::Redo);
    undo->setEnabled(child != nullptr && !child->History().UndoList().empty());
    redo->setEnabled(child != nullptr && !child->History().RedoList().empty());
    undo->setText(child != nullptr ? UndoCaption(child->History()) : "&Undo");
    redo->setText(child != nullptr ? RedoCaption(child->History()) : "&Redo");
}

}  // namespace plotwise
