#pragma once
// What a finished command leaves the host so that undoing or redoing the whole command later can
// redo the part of its work the model does not keep (a redraw, for instance): an undo and a redo
// callback with their data, and the clean-up callback that disposes of the data. The host owns
// the record; destroying it runs the clean-up once.

class ZORCommandGlobalUndo {
 public:
  using Callback = void* (*)(void* data);
  using CleanUp = void (*)(void* data);

  ZORCommandGlobalUndo(Callback undo, Callback redo, void* data, CleanUp cleanUp);
  ~ZORCommandGlobalUndo();
  ZORCommandGlobalUndo(const ZORCommandGlobalUndo&) = delete;
  ZORCommandGlobalUndo& operator=(const ZORCommandGlobalUndo&) = delete;

  // Each answers what its callback answers (null without a callback).
  void* Undo();
  void* Redo();
  void* GetData() const { return data_; }

 private:
  Callback undo_;
  Callback redo_;
  void* data_;
  CleanUp cleanUp_;
};
