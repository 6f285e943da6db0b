#include "undo_manager.h"

namespace plotwise {

void TUndoManager::AddUndo(TUndoKind kind, const TFunctionProps& record, std::size_t index) {
    Push({kind, record, index});
}

void TUndoManager::AddUndo(TUndoKind kind) {
    Push({kind, std::monostate{}, 0});
}

void TUndoManager::RecordOptions(const TOptionsRecord& previous) {
    Push({TUndoKind::ChangeOptions, previous, 0});
}

void TUndoManager::Push(THistoryEntry entry) {
    if (undo_.size() >= kUndoDepth) undo_.pop_front();
    undo_.push_back(std::move(entry));
    if (!inProgress_) redo_.clear();
}

}  // namespace plotwise
