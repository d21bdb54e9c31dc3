#pragma once
// A manipulator of a 2D viewer (a law's handle): the viewer shows its drawing, a 2D bag that
// its owner replaces as it moves, and the user drags it to a point of the viewer's plane. Its
// origin follows the pointer during the drag and is read when its manipulate notification
// arrives. Destroy takes it out of its viewer.

#include "ZOR2DBagRep.h"
#include "ZORManipulator.h"

class ZORNavigation2DViewer;

class ZOR2DManipulator : public ZORManipulator {
  ZOR_DECLARE_CLASS(ZOR2DManipulator, ZORManipulator, ZORMetaObject::Implementation,
                    "Visualization")

  //! `viewer` (may be null) shows the manipulator from now on.
  explicit ZOR2DManipulator(ZORCommand* father = nullptr, const ZORString& name = ZORString(),
                            ZORNavigation2DViewer* viewer = nullptr);
  ~ZOR2DManipulator() override;

  ZORNavigation2DViewer* GetViewer() const { return viewer_; }
  //! What the viewer draws for it; the previous drawing is released.
  void SetRep(ZOR2DBagRep* rep) { rep_ = rep; }
  ZOR2DBagRep* GetRep() const { return rep_.get(); }
  void SetOrigin(const ZOR2DPoint& origin) { origin_ = origin; }
  const ZOR2DPoint& GetOrigin() const { return origin_; }

  bool IsPickable() const override;
  //! A drag by the user from the origin to `target` in `steps` equal steps: begin, one
  //! manipulate per step (the origin moved first), end. False, sending nothing, when it cannot
  //! be pointed or `steps` is below 1.
  bool Drag(const ZOR2DPoint& target, int steps = 1);

 protected:
  void OnDestructionRequested() override;

 private:
  friend class ZORNavigation2DViewer;

  ZORNavigation2DViewer* viewer_ = nullptr;  // the viewer holds a reference on this
  ZOR2DBagRep_var rep_;
  ZOR2DPoint origin_;
};

using ZOR2DManipulator_var = ZORVar<ZOR2DManipulator>;
