#pragma once
// A manipulator of the 3D view. The user grabs it through the representations it is tied to:
// the one it is associated with (AssociateToRep) and those it manipulates
// (AddRepToManipulate); it holds a reference on each. Its style constrains a drag: along a
// line (kLineTranslation, its translation direction through its position), in a plane
// (kPlaneTranslation, its translation plane through its position), about an axis (kRotation);
// any other style moves freely. A pointer position off the constraint is projected onto it.
//
// During a drag the motion (from where the drag began to now) and the position it gives are
// read from the manipulator when its manipulate notification arrives. It moves nothing else:
// whoever listens redraws what it shows.

#include <vector>

#include "ZOR3DRep.h"
#include "ZORManipulator.h"
#include "ZORMathAxis.h"
#include "ZORMathLine.h"
#include "ZORMathPlane.h"
#include "ZORMathTransformation.h"

class ZOR3DManipulator : public ZORManipulator {
  ZOR_DECLARE_CLASS(ZOR3DManipulator, ZORManipulator, ZORMetaObject::Implementation,
                    "Visualization")

  static constexpr int kLineTranslation = 1;
  static constexpr int kPlaneTranslation = 2;
  static constexpr int kRotation = 4;

  explicit ZOR3DManipulator(ZORCommand* father = nullptr, const ZORString& name = ZORString(),
                            ZOR3DRep* rep = nullptr, int style = kLineTranslation, int flag = 0);
  ~ZOR3DManipulator() override;

  //! The representation the user grabs the manipulator by (null: none).
  void AssociateToRep(ZOR3DRep* rep);
  ZOR3DRep* GetAssociatedRep() const { return associated_.get(); }
  //! Further representations that grab it; added once, removed when present.
  void AddRepToManipulate(ZOR3DRep* rep);
  void RemoveRepToManipulate(ZOR3DRep* rep);
  const std::vector<ZOR3DRep_var>& GetRepsToManipulate() const { return manipulated_; }
  //! Only a manipulator with a representation to grab it by can be pointed at.
  bool IsPickable() const override;
  //! Whether `rep`, or a representation inside it, grabs this manipulator.
  bool IsGrabbedBy(const ZOR3DRep& rep) const;
  //! The live manipulator that `rep` (or a representation inside it) grabs, the oldest first.
  static ZOR3DManipulator* GrabbedBy(const ZOR3DRep& rep);

  int GetStyle() const { return style_; }
  int GetFlag() const { return flag_; }
  //! Where the manipulator stands: its origin and its three directions.
  void SetPosition(const ZORMathAxis& axis) { position_ = axis; }
  const ZORMathAxis& GetPosition() const { return position_; }
  void SetTranslationDirection(const ZORMathVector& direction);
  const ZORMathVector& GetTranslationDirection() const { return direction_; }
  void SetTranslationPlane(const ZORMathPlane& plane) { plane_ = plane; }
  const ZORMathPlane& GetTranslationPlane() const { return plane_; }
  void SetRotationAxis(const ZORMathLine& axis) { axis_ = axis; }
  const ZORMathLine& GetRotationAxis() const { return axis_; }

  //! The motion of the last drag, from where it began (the identity before any drag).
  const ZORMathTransformation& GetMotion() const { return motion_; }
  //! What the pointer at `pointer` gives under the constraint, from the drag's start.
  ZORMathTransformation Constrain(const ZORMathPoint& pointer) const;

  //! A drag by the user from the manipulator's origin to `target`, in `steps` equal steps of
  //! the pointer: begin, one manipulate per step, end. False, sending nothing, when it cannot
  //! be pointed or `steps` is below 1.
  bool Drag(const ZORMathPoint& target, int steps = 1);

 private:
  bool Grabs(const ZOR3DRep& rep) const;

  ZOR3DRep_var associated_;
  std::vector<ZOR3DRep_var> manipulated_;
  int style_;
  int flag_;
  ZORMathAxis position_;
  ZORMathAxis start_;  // the position when the drag began
  ZORMathVector direction_{1.0, 0.0, 0.0};
  ZORMathPlane plane_;
  ZORMathLine axis_{ZORMathPoint(), ZORMathVector(0.0, 0.0, 1.0)};
  ZORMathTransformation motion_;
};

using ZOR3DManipulator_var = ZORVar<ZOR3DManipulator>;
