#pragma once
// What one pick found under the pointer: the representations from the one hit up to the
// outermost (walked with InitToLeafRep and NextFatherRep), the model path when the hit is a
// feature's result (the feature's path, its body, then the cell hit), the cell hit (its
// current sub-element), and the hit point.

#include <cstddef>
#include <vector>

#include "ZOR3DRep.h"
#include "ZORMathPoint.h"
#include "ZORPathElement.h"

class ZORPickPath : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORPickPath, ZORBaseUnknown, ZORMetaObject::Implementation, "Visualization")

  ZORPickPath(std::vector<ZOR3DRep_var> reps, ZORPathElement path, ZORBaseUnknown* cell,
              const ZORMathPoint& hit, double depth);

  //! The representation hit, then its father bags up to the outermost.
  const std::vector<ZOR3DRep_var>& GetReps() const { return reps_; }
  //! Walk: InitToLeafRep, then NextFatherRep gives the one hit, its father ... then null.
  void InitToLeafRep() { cursor_ = 0; }
  ZOR3DRep* NextFatherRep();
  //! The nearest representation standing for a model object (a body); null when none.
  ZOR3DRep* GetFatherRep() const;
  //! The feature's path, its body, then the cell hit; unset for a temporary drawing.
  const ZORPathElement& GetPath() const { return path_; }
  //! What the pick designates inside the representation; null when none.
  ZORBaseUnknown* GetCell() const { return cell_.get(); }
  bool HasSubElement() const { return cell_ != nullptr; }
  ZORBaseUnknown* GetCurrentSubElement() const { return cell_.get(); }
  const ZORMathPoint& GetHitPoint() const { return hit_; }
  //! Distance from the eye's origin along its line: nearer picks come first.
  double GetDepth() const { return depth_; }

 private:
  std::vector<ZOR3DRep_var> reps_;
  ZORPathElement path_;
  ZORBaseUnknown_var cell_;
  ZORMathPoint hit_;
  double depth_;
  std::size_t cursor_ = 0;
};

using ZORPickPath_var = ZORVar<ZORPickPath>;
