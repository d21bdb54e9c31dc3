#include "ZORFeatureImportAgent.h"

#include <algorithm>

#include "LifeCycleObject.h"
#include "ZORBody.h"
#include "ZORCellBRep.h"
#include "ZORFaultGate.h"

namespace {

// The feature a pick without a cell designates: its leaf, or the feature above a picked body.
ZORBaseUnknown_var DesignatedFeature(const ZORPathElement& path) {
  if (ZORFeature* leaf = ZORFeature::From(path.GetLeaf().get())) return ZORBaseUnknown_var(leaf);
  ZORFeature* father = ZORFeature::From(path.GetFatherOfLeaf().get());
  return father ? ZORBaseUnknown_var(father) : nullptr;
}

ZORCell* CellOf(const ZORBaseUnknown_var& object) {
  return object ? dynamic_cast<ZORCell*>(object->GetImpl()) : nullptr;
}

}  // namespace

ZORFeatureImportAgent::ZORFeatureImportAgent(const ZORString& name, int behavior)
    : ZORDialogAgent(name, behavior) {}

bool ZORFeatureImportAgent::ElementInContext(const ZORPathElement* path) const {
  return path && Find(*path);
}

void ZORFeatureImportAgent::InitializeAcquisition() {
  ZORDialogAgent::InitializeAcquisition();
  error_ = 0;
  element_ = nullptr;
}

const ZORFeatureImportAgent::Made* ZORFeatureImportAgent::Find(const ZORPathElement& path) const {
  auto it = std::find_if(made_.begin(), made_.end(), [&](const Made& m) { return m.path == path; });
  return it == made_.end() ? nullptr : &*it;
}

void ZORFeatureImportAgent::Import(const ZORPathElement& path) {
  error_ = 0;
  element_ = nullptr;
  ZORCell* cell = CellOf(path.GetLeaf());
  if (!cell) {
    element_ = DesignatedFeature(path);
    return;
  }
  // A cell is picked as the feature, its result body, then the cell.
  const int size = path.GetSize();
  ZORFeature* feature = size >= 3 ? ZORFeature::From(path.GetObject(size - 2).get()) : nullptr;
  const ZORBaseUnknown_var body = path.GetFatherOfLeaf();
  if (!feature || !body || feature->GetResultBody().get() != body->GetImpl() ||
      feature->GetResultBody()->GetCell(cell->GetNumber()) != cell) {
    error_ = kNotExtractable;
    return;
  }
  ZORFeature_var brep = ZORFaultGate::Pass("ZORFeatureImportAgent::Import")
                            ? ZORCellBRep::Create(*feature, *cell)
                            : nullptr;
  if (!brep || !brep->IsUpToDate()) {
    if (brep) ZORVar<LifeCycleObject>(brep.get())->remove();
    error_ = kImportFailed;
    return;
  }
  element_ = ZORBaseUnknown_var(brep.get());
  made_.push_back({path, element_});
}

void ZORFeatureImportAgent::Reselect(const ZORPathElement* path) {
  error_ = 0;
  element_ = nullptr;
  if (!path) return;
  const Made* made = Find(*path);
  element_ = made ? made->element : DesignatedFeature(*path);
}
