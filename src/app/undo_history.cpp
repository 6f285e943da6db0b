#include "app/undo_history.h"

namespace plotwise {

void UndoHistory::AddUndo(HistoryEntry entry) {
    if (undo_.size() >= kUndoDepth) undo_.pop_front();
    undo_.push_back(std::move(entry));
    if (!inProgress_) redo_.clear();
    Changed();
}

void UndoHistory::AddUndo(UndoKind kind, const GraphRecord& record, std::size_t index) {
    AddUndo({kind, record, index});
}

void UndoHistory::AddUndo(UndoKind kind) {
    AddUndo({kind, std::monostate{}, 0});
}

void UndoHistory::AddRedo(HistoryEntry entry) {
    redo_.push_back(std::move(entry));
    Changed();
}

void UndoHistory::RecordOptions(const OptionsRecord& previous) {
    if (!inProgress_) AddUndo({UndoKind::ChangeOptions, previous, 0});
}

std::optional<HistoryEntry> UndoHistory::TakeUndo() {
    auto entry = TakeNewest(undo_);
    Changed();
    return entry;
}

std::optional<HistoryEntry> UndoHistory::TakeRedo() {
    auto entry = TakeNewest(redo_);
    Changed();
    return entry;
}

std::optional<HistoryEntry> UndoHistory::TakeNewest(std::deque<HistoryEntry>& list) {
    if (list.empty()) return std::nullopt;
    HistoryEntry entry = std::move(list.back());
    list.pop_back();
    return entry;
}

void UndoHistory::Changed() const {
    if (OnChanged) OnChanged();
}

namespace {

const char* Caption(const std::deque<HistoryEntry>& list, const char* const (&captions)[5]) {
    return list.empty() ? captions[4] : captions[static_cast<int>(list.back().kind)];
}

constexpr const char* kUndoCaptions[5] = {"&Undo Change options", "&Undo Delete graph",
                                          "&Undo Change graph properties", "&Undo Add graph",
                                          "&Undo"};
constexpr const char* kRedoCaptions[5] = {"&Redo Change options", "&Redo Delete graph",
                                          "&Redo Change graph properties", "&Redo Add graph",
                                          "&Redo"};

}  // namespace

const char* UndoCaption(const UndoHistory& history) {
    return Caption(history.UndoList(), kUndoCaptions);
}

const char* RedoCaption(const UndoHistory& history) {
    return Caption(history.RedoList(), kRedoCaptions);
}

}  // namespace plotwise
