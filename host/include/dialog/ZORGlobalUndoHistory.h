#pragma once
// The global undo records of the commands finished in an editor, oldest first, with the place
// the user's global undo and redo have reached. A new record drops the records that were
// undone (they can no longer be redone); every record dropped, or left when the history goes,
// runs its clean-up once.

#include <memory>
#include <vector>

#include "ZORCommandGlobalUndo.h"

class ZORGlobalUndoHistory {
 public:
  ZORGlobalUndoHistory() = default;
  ZORGlobalUndoHistory(const ZORGlobalUndoHistory&) = delete;
  ZORGlobalUndoHistory& operator=(const ZORGlobalUndoHistory&) = delete;

  // Takes over `record`; null is ignored.
  void Add(std::unique_ptr<ZORCommandGlobalUndo> record);
  // Undoes the last record not undone yet; false when there is none.
  bool Undo();
  // Redoes the first record undone; false when there is none.
  bool Redo();
  // Drops every record.
  void Clear();

  int GetCount() const { return static_cast<int>(records_.size()); }
  // How many records are in effect (not undone).
  int GetPosition() const { return position_; }
  // The record at `index` (0-based, oldest first), or null.
  const ZORCommandGlobalUndo* GetRecord(int index) const;

 private:
  std::vector<std::unique_ptr<ZORCommandGlobalUndo>> records_;
  int position_ = 0;
};
