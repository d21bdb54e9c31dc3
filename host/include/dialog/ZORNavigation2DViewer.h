#pragma once
// A 2D viewer inside a panel (a law's curve, its handle): a widget that draws 2D bags and the
// drawings of its 2D manipulators, in the order they were added, inside its visible box (y up).
// It holds a reference on each bag and manipulator it shows.

#include <optional>
#include <string>
#include <vector>

#include "ZOR2DBagRep.h"
#include "ZORDialog.h"

class ZOR2DManipulator;

class ZORNavigation2DViewer : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORNavigation2DViewer, ZORDialog, ZORMetaObject::Implementation,
                    "Visualization")

  explicit ZORNavigation2DViewer(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                                 int width = 200, int height = 150);
  ~ZORNavigation2DViewer() override;

  //! Size on the screen, in pixels.
  int GetGraphicWidth() const { return width_; }
  int GetGraphicHeight() const { return height_; }
  void SetGraphicSize(int width, int height);
  //! Whether a pick drills down into bags (off for a law viewer).
  void SetDrillSelectionMode(bool on) { drill_ = on; }
  bool GetDrillSelectionMode() const { return drill_; }

  //! Adds a bag once (false for null or a bag shown already); removes it (false when absent).
  bool AddRep(ZOR2DBagRep* rep);
  bool RemoveRep(ZOR2DBagRep* rep);
  const std::vector<ZOR2DBagRep_var>& GetReps() const { return reps_; }
  //! The manipulators shown here, in the order they came.
  const std::vector<ZORVar<ZOR2DManipulator>>& GetManipulators() const { return manipulators_; }

  //! The box around what the viewer shows (bags and manipulator drawings); none when empty.
  std::optional<ZOR2DBox> GetBoundingBox() const;
  //! The part of the plane shown; false, keeping the box, for an empty or inverted box.
  bool SetVisibleBox(const ZOR2DBox& box);
  //! The visible box: the one set, else the bounding box, else (0,0)-(10,10).
  ZOR2DBox GetVisibleBox() const;
  //! Redraw requests, counted.
  void Redraw() { ++redraws_; }
  int GetRedrawCount() const { return redraws_; }

  //! "box=0,0 10,10", then one line per bag and manipulator drawing.
  std::vector<std::string> Describe() const;

 private:
  friend class ZOR2DManipulator;
  void Attach(ZOR2DManipulator* manipulator);
  void Detach(ZOR2DManipulator* manipulator);

  std::vector<ZOR2DBagRep_var> reps_;
  std::vector<ZORVar<ZOR2DManipulator>> manipulators_;
  std::optional<ZOR2DBox> visible_;
  int width_;
  int height_;
  bool drill_ = true;
  int redraws_ = 0;
};
