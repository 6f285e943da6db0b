#include "app/undo_history.h"

namespace plotwise {

void UndoHistory::AddUndo(HistoryEntry entry) {
    if (undo_.size() >= kUndoDepth) undo_.pop_front();
    undo_.push_back(std::move(entry));
    if (!inProgress_) {
        redo_.clear();
        if (saved_ > position_) saved_ = -1;  // it was on the redo side
        ++position_;
    }
    Changed();
}

void UndoHistory::AddRedo(HistoryEntry entry) {
    redo_.push_back(std::move(entry));
    Changed();
}

void UndoHistory::RecordOptions(const OptionsRecord& previous) {
    if (!inProgress_) AddUndo({UndoKind::ChangeOptions, previous, 0});
}

void UndoHistory::GraphInserted(std::size_t index) {
    if (!inProgress_) AddUndo({UndoKind::AddGraph, std::monostate{}, index});
}

void UndoHistory::GraphRemoved(std::size_t index, const GraphRecord& removed) {
    if (!inProgress_) AddUndo({UndoKind::DeleteGraph, removed, index});
}

void UndoHistory::GraphReplaced(std::size_t index, const GraphRecord& previous) {
    if (!inProgress_) AddUndo({UndoKind::ChangeGraphProps, previous, index});
}

void UndoHistory::GraphsReset() {
    undo_.clear();
    redo_.clear();
    position_ = saved_ = 0;
    Changed();
}

std::optional<HistoryEntry> UndoHistory::TakeUndo() {
    auto entry = TakeNewest(undo_);
    if (entry) --position_;
    Changed();
    return entry;
}

std::optional<HistoryEntry> UndoHistory::TakeRedo() {
    auto entry = TakeNewest(redo_);
    if (entry) ++position_;
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
