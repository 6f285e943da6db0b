#include "undo_manager.h"

namespace plotwise {

void TUndoManager::AddUndo(THistoryEntry entry) {
    if (undo_.size() >= kUndoDepth) undo_.pop_front();
    undo_.push_back(std::move(entry));
    if (!inProgress_) redo_.clear();
    Changed();
}

void TUndoManager::AddUndo(TUndoKind kind, const TFunctionProps& record, std::size_t index) {
    AddUndo({kind, record, index});
}

void TUndoManager::AddUndo(TUndoKind kind) {
    AddUndo({kind, std::monostate{}, 0});
}

void TUndoManager::AddRedo(THistoryEntry entry) {
    redo_.push_back(std::move(entry));
    Changed();
}

void TUndoManager::RecordOptions(const TOptionsRecord& previous) {
    if (!inProgress_) AddUndo({TUndoKind::ChangeOptions, previous, 0});
}

std::optional<THistoryEntry> TUndoManager::TakeUndo() {
    auto entry = TakeNewest(undo_);
    Changed();
    return entry;
}

std::optional<THistoryEntry> TUndoManager::TakeRedo() {
    auto entry = TakeNewest(redo_);
    Changed();
    return entry;
}

std::optional<THistoryEntry> TUndoManager::TakeNewest(std::deque<THistoryEntry>& list) {
    if (list.empty()) return std::nullopt;
    THistoryEntry entry = std::move(list.back());
    list.pop_back();
    return entry;
}

void TUndoManager::Changed() const {
    if (OnChanged) OnChanged();
}

namespace {

const char* Caption(const std::deque<THistoryEntry>& list, const char* const (&captions)[5]) {
    return list.empty() ? captions[4] : captions[static_cast<int>(list.back().kind)];
}

constexpr const char* kUndoCaptions[5] = {"&Undo Change options", "&Undo Delete graph",
                                          "&Undo Change graph properties", "&Undo Add graph",
                                          "&Undo"};
constexpr const char* kRedoCaptions[5] = {"&Redo Change options", "&Redo Delete graph",
                                          "&Redo Change graph properties", "&Redo Add graph",
                                          "&Redo"};

}  // namespace

const char* UndoCaption(const TUndoManager& history) {
    return Caption(history.UndoList(), kUndoCaptions);
}

const char* RedoCaption(const TUndoManager& history) {
    return Caption(history.RedoList(), kRedoCaptions);
}

}  // namespace plotwise
