// TUndoManager: one document's history of changes, newest last, so that every change can be
// taken back.
#pragma once

#include <cstddef>
#include <deque>
#include <variant>

#include "function_props.h"
#include "graphics_manager.h"
#include "options_record.h"

namespace plotwise {

enum class TUndoKind : std::uint8_t {
    ChangeOptions = 0,
    DeleteGraph = 1,
    ChangeGraphProps = 2,
    AddGraph = 3,
};

struct THistoryEntry {
    TUndoKind kind;
    // The state to go back to: the options, or the graph's record (none for an added graph).
    std::variant<std::monostate, TOptionsRecord, TFunctionProps> record;
    std::size_t index = 0;  // the graph's position in the document's list
};

class TUndoManager final : public TOptionsUndoRecorder {
  public:
    static constexpr std::size_t kUndoDepth = 15;

    void AddUndo(TUndoKind kind, const TFunctionProps& record, std::size_t index);
    void AddUndo(TUndoKind kind);  // an added graph: nothing to keep
    void RecordOptions(const TOptionsRecord& previous) override;

    const std::deque<THistoryEntry>& UndoList() const { return undo_; }
    const std::deque<THistoryEntry>& RedoList() const { return redo_; }

  private:
    void Push(THistoryEntry entry);

    std::deque<THistoryEntry> undo_;
    std::deque<THistoryEntry> redo_;
    bool inProgress_ = false;  // an undo or redo records its own steps
};

}  // namespace plotwise
