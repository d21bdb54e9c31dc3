#pragma once
// The window layout of the editors: its current 3D viewer. There is one layout; the host
// session puts it back as new when it starts.

#include <memory>

#include "ZORViewer.h"

class ZORFrmLayout {
 public:
  //! The current layout (never null).
  static ZORFrmLayout* GetCurrentLayout();
  //! Forgets pointer, cursor and redraws: a fresh layout.
  static void Reset();

  //! The main 3D viewer of the layout.
  ZORViewer* GetCurrentViewer() { return &viewer_; }

 private:
  ZORViewer viewer_;
};
