// UndoHistory: one document's history of changes, newest last, so that every change can be
// taken back and done again. It hears of every change from the document itself; the undo
// controller carries the steps out.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <variant>

#include "plot/document.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {

enum class UndoKind : std::uint8_t {
    ChangeOptions = 0,
    DeleteGraph = 1,
    ChangeGraphProps = 2,
    AddGraph = 3,
};

struct HistoryEntry {
    UndoKind kind;
    // The state to go back to: the options, or the graph's record (none for an added graph
    // in the undo list).
    std::variant<std::monostate, OptionsRecord, GraphRecord> record;
    std::size_t index = 0;  // the graph's position in the document's list
};

class UndoHistory final : public OptionsUndoRecorder, public DocumentObserver {
  public:
    static constexpr std::size_t kUndoDepth = 15;

    // Runs after every change of either list, so the Edit menu can follow.
    std::function<void()> OnChanged;

    void AddUndo(HistoryEntry entry);
    void AddRedo(HistoryEntry entry);

    // What the document tells: each change becomes a step, except while a step is carried
    // out (that keeps its opposite itself). A document read anew has no history.
    void RecordOptions(const OptionsRecord& previous) override;
    void GraphInserted(std::size_t index) override;
    void GraphRemoved(std::size_t index, const GraphRecord& removed) override;
    void GraphReplaced(std::size_t index, const GraphRecord& previous) override;
    void GraphsReset() override;
    void DocumentDestroyed() override {}

    // The newest entry, taken out of its list; nothing when the list is empty.
    std::optional<HistoryEntry> TakeUndo();
    std::optional<HistoryEntry> TakeRedo();

    // Set while an undo or redo is carried out: the steps it records keep the redo list,
    // and the options it applies are not recorded again (the step itself carries them).
    void SetInProgress(bool on) { inProgress_ = on; }

    // The document was just saved as it is now. Undo and redo lead back to that state, and a
    // new step taken from before it (which empties the redo list) leaves it out of reach. A
    // new document or one read anew is at its saved state.
    void MarkSaved() { saved_ = position_; }
    bool AtSavedState() const { return saved_ == position_; }

    const std::deque<HistoryEntry>& UndoList() const { return undo_; }
    const std::deque<HistoryEntry>& RedoList() const { return redo_; }

  private:
    static std::optional<HistoryEntry> TakeNewest(std::deque<HistoryEntry>& list);
    void Changed() const;

    std::deque<HistoryEntry> undo_;
    std::deque<HistoryEntry> redo_;
    bool inProgress_ = false;
    // Steps taken since the history began, less those undone; the saved state's count, or
    // -1 when it is out of reach.
    long position_ = 0;
    long saved_ = 0;
};

// The Edit menu captions for the newest entry of each list ("&Undo" with none).
const char* UndoCaption(const UndoHistory& history);
const char* RedoCaption(const UndoHistory& history);

}  // namespace plotwise
