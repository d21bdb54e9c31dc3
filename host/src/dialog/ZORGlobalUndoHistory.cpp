#include "ZORGlobalUndoHistory.h"

#include <utility>

#include "ZORDocument.h"
#include "ZORFrmEditor.h"

void ZORGlobalUndoHistory::DocumentStates::Forget() const {
  if (!document) return;
  document->ForgetMark(before);
  document->ForgetMark(after);
}

ZORGlobalUndoHistory::Step::~Step() {
  record.reset();
  states.Forget();
}

ZORGlobalUndoHistory::~ZORGlobalUndoHistory() {
  Clear();
}

void ZORGlobalUndoHistory::Add(std::unique_ptr<ZORCommandGlobalUndo> record,
                               DocumentStates states) {
  if (!record && !states) return;
  Truncate(position_);
  auto step = std::make_unique<Step>();
  step->states = states;
  step->record = std::move(record);
  steps_.push_back(std::move(step));
  position_ = GetCount();
}

void ZORGlobalUndoHistory::Add(std::unique_ptr<ZORCommandGlobalUndo> record) {
  Add(std::move(record), DocumentStates());
}

bool ZORGlobalUndoHistory::Undo() {
  if (position_ == 0) return false;
  Step& step = *steps_[position_ - 1];
  if (DocumentStates& states = step.states) {
    // The state after is the one this undo leaves, cleanups at the command's end included:
    // what redo gives back.
    states.document->ForgetMark(states.after);
    states.after = states.document->SetMark();
    states.currentAfter = editor_ ? editor_->GetCurrentFeatureObject() : nullptr;
    if (!GoTo(states, states.before, states.currentBefore)) {
      states.document->ForgetMark(std::exchange(states.after, 0));
      return false;
    }
  }
  --position_;
  if (step.record) step.record->Undo();
  return true;
}

bool ZORGlobalUndoHistory::Redo() {
  if (position_ == GetCount()) return false;
  Step& step = *steps_[position_];
  if (step.states && !GoTo(step.states, step.states.after, step.states.currentAfter)) {
    return false;
  }
  ++position_;
  if (step.record) step.record->Redo();
  return true;
}

bool ZORGlobalUndoHistory::GoTo(const DocumentStates& states, int mark,
                                const ZORBaseUnknown_var& current) {
  if (FAILED(states.document->GoToMark(mark))) return false;
  if (editor_ && editor_->GetDocument() == states.document)
    editor_->SetCurrentFeature(current.get());
  return true;
}

void ZORGlobalUndoHistory::Clear() {
  Truncate(0);
  position_ = 0;
}

void ZORGlobalUndoHistory::Truncate(int count) {
  // Newest first, as the steps were made.
  while (GetCount() > count) steps_.pop_back();
}

const ZORCommandGlobalUndo* ZORGlobalUndoHistory::GetRecord(int index) const {
  return index >= 0 && index < GetCount() ? steps_[static_cast<std::size_t>(index)]->record.get()
                                          : nullptr;
}
