// TUndoManager: one document's history of changes, newest last, so that every change can be
// taken back and done again. The main window carries the steps out (undo_commands.cpp).
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
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
    // The state to go back to: the options, or the graph's record (none for an added graph
    // in the undo list).
    std::variant<std::monostate, TOptionsRecord, TFunctionProps> record;
    std::size_t index = 0;  // the graph's position in the document's list
};

class TUndoManager final : public TOptionsUndoRecorder {
  public:
    static constexpr std::size_t kUndoDepth = 15;

    // Runs after every change of either list, so the Edit menu can follow.
    std::function<void()> OnChanged;

    void AddUndo(THistoryEntry entry);
    void AddUndo(TUndoKind kind, const TFunctionProps& record, std::size_t index);
    void AddUndo(TUndoKind kind);  // an added graph: nothing to keep
    void AddRedo(THistoryEntry entry);
    void RecordOptions(const TOptionsRecord& previous) override;

    // The newest entry, taken out of its list; nothing when the list is empty.
    std::optional<THistoryEntry> TakeUndo();
    std::optional<THistoryEntry> TakeRedo();

    // Set while an undo or redo is carried out: the steps it records keep the redo list,
    // and the options it applies are not recorded again (the step itself carries them).
    void SetInProgress(bool on) { inProgress_ = on; }

    const std::deque<THistoryEntry>& UndoList() const { return undo_; }
    const std::deque<THistoryEntry>& RedoList() const { return redo_; }

  private:
    static std::optional<THistoryEntry> TakeNewest(std::deque<THistoryEntry>& list);
    void Changed() const;

    std::deque<THistoryEntry> undo_;
    std::deque<THistoryEntry> redo_;
    bool inProgress_ = false;
};

// The Edit menu captions for the newest entry of each list ("&Undo" with none).
const char* UndoCaption(const TUndoManager& history);
const char* RedoCaption(const TUndoManager& history);

}  // namespace plotwise
