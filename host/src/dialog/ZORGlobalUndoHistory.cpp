#include "ZORGlobalUndoHistory.h"

void ZORGlobalUndoHistory::Add(std::unique_ptr<ZORCommandGlobalUndo> record) {
  if (!record) return;
  records_.resize(position_);
  records_.push_back(std::move(record));
  position_ = GetCount();
}

bool ZORGlobalUndoHistory::Undo() {
  if (position_ == 0) return false;
  records_[--position_]->Undo();
  return true;
}

bool ZORGlobalUndoHistory::Redo() {
  if (position_ == GetCount()) return false;
  records_[position_++]->Redo();
  return true;
}

void ZORGlobalUndoHistory::Clear() {
  // Newest first, as the records were made.
  while (!records_.empty()) records_.pop_back();
  position_ = 0;
}

const ZORCommandGlobalUndo* ZORGlobalUndoHistory::GetRecord(int index) const {
  return index >= 0 && index < GetCount() ? records_[index].get() : nullptr;
}
