#include "ZORWENUIPickAgent.h"

#include <algorithm>
#include <vector>

#include "ZOR3DGeomRep.h"
#include "ZORBody.h"
#include "ZORCell.h"
#include "ZORError.h"
#include "ZORFrmLayout.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORViewer.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORWENUIPickAgent";

// The first representation of `path`, from the one hit up, that stands for one of `models`.
ZORBaseUnknown* ShownModel(ZORPickPath& path, const std::vector<ZORBaseUnknown*>& models) {
  path.InitToLeafRep();
  while (ZOR3DRep* rep = path.NextFatherRep()) {
    ZORBaseUnknown* model = rep->GetModel();
    if (model && std::find(models.begin(), models.end(), model) != models.end()) return model;
  }
  return nullptr;
}

}  // namespace

ZORWENUIPickAgent::ZORWENUIPickAgent() {
  ZORFrmLayout* layout = ZORFrmLayout::GetCurrentLayout();
  viewer_ = layout ? layout->GetCurrentViewer() : nullptr;
}

ZORWENUIPickAgent::~ZORWENUIPickAgent() = default;

HRESULT ZORWENUIPickAgent::GetPickPaths(ZORPickPathList& paths) {
  if (!viewer_) return ZORError::GetReturn(0, kSource, __LINE__);
  viewer_->Pick(viewer_->GetMousePosition(), viewer_->GetPickWindowSize(), 0, paths);
  return ZORError::GetReturn(1, kSource, __LINE__);
}

HRESULT ZORWENUIPickAgent::SortPickPaths(ZORPickPathList& paths, const ZORISpecObject_var& feature,
                                         ZORPickPathList& sorted) {
  if (!feature || paths.Size() == 0) return ZORError::GetReturn(0, kSource, __LINE__);
  const ZORBody_var body = ZORGmoUtilitiesBody::GetBodyFromSpec(ZORBaseUnknown_var(feature.get()));
  std::vector<ZORBaseUnknown*> models = {feature->GetImpl()};
  if (body) models.push_back(body.get());
  std::vector<ZORBaseUnknown*> kept;
  for (int i = 1; i <= paths.Size(); ++i) {
    ZORPickPath* path = paths.GetPath(i);
    ZORBaseUnknown* shown = ShownModel(*path, models);
    if (!shown || std::find(kept.begin(), kept.end(), shown) != kept.end()) continue;
    sorted.Append(path);
    kept.push_back(shown);
  }
  return ZORError::GetReturn(1, kSource, __LINE__);
}

HRESULT ZORWENUIPickAgent::GetPickSubElements(ZORPickPathList& paths, ZORListPtrZORCell& cells) {
  for (int i = 1; i <= paths.Size(); ++i) {
    ZORPickPath* path = paths.GetPath(i);
    ZOR3DRep* father = path->GetFatherRep();
    // A representation of its own for one cell of a body designates that cell.
    auto* drawn = father ? dynamic_cast<ZORCell*>(father->GetModel()) : nullptr;
    if (drawn && !dynamic_cast<ZOR3DGeomRep*>(father)) {
      cells.Append(drawn);
    } else if (auto* cell = dynamic_cast<ZORCell*>(path->GetCurrentSubElement())) {
      cells.Append(cell);
    }
  }
  cells.RemoveDuplicates();
  return ZORError::GetReturn(1, kSource, __LINE__);
}
