#pragma once
// The 3D viewer of the current editor, seen from above: the pointer stands over a point of the
// view, and the eye line through it goes down the view's Z axis. A pick lists what that line
// meets within the pick window, nearest the eye first: the shown, pickable features' results
// of the edited document and the representations of the interactive set. The viewer also holds
// the cursor shape and counts redraw requests.

#include <optional>

#include "ZORMathLine.h"
#include "ZORPickPathList.h"

class ZORBody;
class ZORFrmEditor;

class ZORViewer {
 public:
  static constexpr double kPixelsPerUnit = 10.0;

  //! Where the pointer stands (the point of the view under it).
  void SetMousePosition(const ZORMathPoint& position) { mouse_ = position; }
  const ZORMathPoint& GetMousePosition() const { return mouse_; }
  //! The eye line through `position`, going down the view's Z axis.
  static ZORMathLine EyeLine(const ZORMathPoint& position);
  //! Half the side of the pick window, in pixels.
  int GetPickWindowSize() const { return pickWindow_; }
  void SetPickWindowSize(int pixels);

  //! Fills `paths` (emptied first) with what the eye line through `position` meets within
  //! `windowSize` pixels, nearest first. E_FAIL without a current editor.
  HRESULT Pick(const ZORMathPoint& position, int windowSize, int style, ZORPickPathList& paths);
  //! The same under the pointer, with the viewer's pick window.
  HRESULT PickUnderMouse(ZORPickPathList& paths);
  //! Where `eye` meets `body` within `tolerance` (model units), nearest the eye; none when it
  //! misses: the first pickable cell met (vertices, edges, faces of every kind).
  static std::optional<ZORMathPoint> HitBody(const ZORBody& body, const ZORMathLine& eye,
                                             double tolerance);

  //! The cursor shapes: the default arrow, and the busy cursor of a long computation.
  static constexpr int kArrowCursor = 0;
  static constexpr int kBusyCursor = 1;
  //! The cursor shape (kArrowCursor by default).
  void SetCursor(int cursor) { cursor_ = cursor; }
  int GetCursor() const { return cursor_; }
  void Redraw() { ++redraws_; }
  int GetRedrawCount() const { return redraws_; }

 private:
  ZORMathPoint mouse_;
  int pickWindow_ = 2;
  int cursor_ = 0;
  int redraws_ = 0;
};
