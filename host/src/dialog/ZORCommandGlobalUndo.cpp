#include "ZORCommandGlobalUndo.h"

ZORCommandGlobalUndo::ZORCommandGlobalUndo(Callback undo, Callback redo, void* data,
                                           CleanUp cleanUp)
    : undo_(undo), redo_(redo), data_(data), cleanUp_(cleanUp) {}

ZORCommandGlobalUndo::~ZORCommandGlobalUndo() {
  if (cleanUp_) cleanUp_(data_);
}

void* ZORCommandGlobalUndo::Undo() {
  return undo_ ? undo_(data_) : nullptr;
}

void* ZORCommandGlobalUndo::Redo() {
  return redo_ ? redo_(data_) : nullptr;
}
