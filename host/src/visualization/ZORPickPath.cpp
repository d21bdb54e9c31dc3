#include "ZORPickPath.h"

ZORPickPath::ZORPickPath(std::vector<ZOR3DRep_var> reps, ZORPathElement path, ZORBaseUnknown* cell,
                         const ZORMathPoint& hit, double depth)
    : reps_(std::move(reps)), path_(std::move(path)), cell_(cell), hit_(hit), depth_(depth) {}

ZOR3DRep* ZORPickPath::NextFatherRep() {
  return cursor_ < reps_.size() ? reps_[cursor_++].get() : nullptr;
}

ZOR3DRep* ZORPickPath::GetFatherRep() const {
  for (const ZOR3DRep_var& rep : reps_) {
    if (rep->GetModel()) return rep.get();
  }
  return nullptr;
}
