#pragma once
// The commands finished in an editor, oldest first, with the place the user's global undo and
// redo have reached. Each step keeps the document's states before and after its command (two
// marks of the document) and the command's global undo record, if it left one: undo gives the
// state before back, then runs the record's undo; redo gives the state after back, then runs
// its redo. A new step drops the steps that were undone (they can no longer be redone); every
// step dropped, or left when the history goes, forgets its marks and runs its record's clean-up
// once.

#include <memory>
#include <vector>

#include "ZORCommandGlobalUndo.h"
#include "ZORVar.h"

class ZORDocument;
class ZORFrmEditor;

class ZORGlobalUndoHistory {
 public:
  // The document's states around a finished command; empty when none were kept.
  struct DocumentStates {
    ZORDocument* document = nullptr;
    int before = 0;
    int after = 0;
    // The editor's current feature before and after: where new features went.
    ZORBaseUnknown_var currentBefore;
    ZORBaseUnknown_var currentAfter;
    explicit operator bool() const { return document != nullptr; }
    //! Lets go of both marks.
    void Forget() const;
  };

  //! `editor` (may be null) gets its current feature back with each state.
  explicit ZORGlobalUndoHistory(ZORFrmEditor* editor = nullptr) : editor_(editor) {}
  ~ZORGlobalUndoHistory();
  ZORGlobalUndoHistory(const ZORGlobalUndoHistory&) = delete;
  ZORGlobalUndoHistory& operator=(const ZORGlobalUndoHistory&) = delete;

  //! Takes over `record` and `states` as one step; nothing when both are empty.
  void Add(std::unique_ptr<ZORCommandGlobalUndo> record, DocumentStates states);
  //! A step with a record alone; nothing for a null record.
  void Add(std::unique_ptr<ZORCommandGlobalUndo> record);
  //! Undoes the last step not undone yet; false when there is none or its state cannot be given
  //! back (the step then stays in effect).
  bool Undo();
  //! Redoes the first step undone; false when there is none or its state cannot be given back.
  bool Redo();
  //! Drops every step, newest first.
  void Clear();

  //! How many steps are kept.
  int GetCount() const { return static_cast<int>(steps_.size()); }
  //! How many steps are in effect (not undone).
  int GetPosition() const { return position_; }
  //! The record of the step at `index` (0-based, oldest first), or null.
  const ZORCommandGlobalUndo* GetRecord(int index) const;

 private:
  struct Step {
    DocumentStates states;
    std::unique_ptr<ZORCommandGlobalUndo> record;
    ~Step();
  };
  // Drops the steps from `count` on, newest first.
  void Truncate(int count);
  // Gives back the document's state at `mark` and the editor's current feature `current`.
  bool GoTo(const DocumentStates& states, int mark, const ZORBaseUnknown_var& current);

  ZORFrmEditor* editor_;
  std::vector<std::unique_ptr<Step>> steps_;
  int position_ = 0;
};
