#include "ZORWENUIMultiSelFeatureAgent.h"

#include <array>
#include <string>

#include "ZORBody.h"
#include "ZORFrmEditor.h"
#include "ZORIWENMultiSel.h"
#include "ZORTrace.h"

namespace {

// Tested in this order: a point feature, a geometric point, a zero-dimension result.
constexpr std::array<const char*, 3> kPointTypes = {"ZORIMfPoint", "ZORPoint",
                                                    "ZORIMfZeroDimResult"};

// The feature the object at `position` (1-based) of `path` stands for: the object itself when it
// is a feature; a result body stands for the feature above it. Null otherwise.
ZORISpecObject_var FeatureAt(const ZORPathElement& path, int position) {
  if (position < 1) return nullptr;
  if (ZORISpecObject_var feature{path.GetObject(position)}) return feature;
  return position > 1 ? ZORISpecObject_var(path.GetObject(position - 1)) : nullptr;
}

// Where the picked element stands in `path`: a pick in the view ends with the result body of
// the picked feature, which is the feature itself; any other path ends with its element.
int LeafPosition(const ZORPathElement& path) {
  const int size = path.GetSize();
  const bool resultBody = size > 1 && dynamic_cast<ZORBody*>(path.GetLeaf()->GetImpl()) &&
                          ZORISpecObject_var(path.GetObject(size - 1));
  return resultBody ? size - 1 : size;
}

}  // namespace

ZORWENUIMultiSelFeatureAgent::ZORWENUIMultiSelFeatureAgent(
    const ZORISpecObject_var& multiSel, const ZORString& name, int pointRemoval,
    const ZORString& typeName, int behavior, unsigned long filterFlags,
    const ZORBaseUnknown_var& command, int implicitSelectionMode, int connexSelectionMode)
    : ZORWENUIFeatureAgent(name, typeName, behavior, filterFlags, command, implicitSelectionMode,
                           connexSelectionMode),
      multiSel_(multiSel),
      pointRemoval_(pointRemoval) {}

ZORWENUIMultiSelFeatureAgent::~ZORWENUIMultiSelFeatureAgent() = default;

bool ZORWENUIMultiSelFeatureAgent::IsResult(const ZORISpecObject_var& feature) const {
  return multiSel_ && feature && feature->GetFather() == multiSel_;
}

ZORPathElement ZORWENUIMultiSelFeatureAgent::PointSubPath(const ZORPathElement& path) {
  for (const char* type : kPointTypes) {
    ZORPathElement sub = SearchSubPath(path, ZORString(type));
    if (sub.IsSet()) return sub;
  }
  return ZORPathElement();
}

ZORPathElement* ZORWENUIMultiSelFeatureAgent::PrecheckPath(ZORPathElement* path) {
  path = ZORWENUIFeatureAgent::PrecheckPath(path);
  if (!path || !multiSel_) return path;
  // A pick of one of the multi-selection's results, in the tree or in the view.
  const ZORBaseUnknown_var father = path->GetObject(LeafPosition(*path) - 1);
  if (ZORIWENMultiSel_var(father) && ZORISpecObject_var(father) == multiSel_) return nullptr;
  if (!pointRemoval_) return path;
  for (const char* type : kPointTypes) {
    ZORPathElement sub = SearchSubPath(*path, ZORString(type));
    if (!sub.IsSet()) continue;
    ZORPathElement* pointPath = &sub;
    RemovePathOfPointElements(path, pointPath);
    if (!path) break;
  }
  return path;
}

HRESULT ZORWENUIMultiSelFeatureAgent::RemovePathOfPointElements(ZORPathElement*& path,
                                                                ZORPathElement*& pointPath) {
  if (!path || !pointPath || !pointPath->IsSet()) return E_FAIL;
  const int leaf = pointPath->GetSize();
  // The point's feature: the point itself when it is a feature, else what holds it.
  ZORISpecObject_var owner(pointPath->GetLeaf());
  if (!owner) owner = FeatureAt(*pointPath, leaf - 1);
  if (!owner) {
    // A point inside an element that is no feature: the element goes, the rest of the path
    // stays.
    if (leaf > 1) path->RemoveElement(pointPath->GetObject(leaf - 1));
    return S_OK;
  }
  if (!IsResult(owner)) path = nullptr;
  return S_OK;
}

HRESULT ZORWENUIMultiSelFeatureAgent::RemovePathElementFromSO(ZORSO* values, ZORPathElement* path,
                                                              ZORHSO* highlight, int& count) {
  if (!values || !path) return E_FAIL;
  // The caller's path may be an element of `values`: work on a copy.
  const ZORPathElement removed = *path;
  values->RemoveElement(removed);
  --count;
  if (highlight) highlight->RemoveElement(removed);
  return S_OK;
}

ZORSO* ZORWENUIMultiSelFeatureAgent::GetListOfValues() {
  ZORSO* values = ZORWENUIFeatureAgent::GetListOfValues();
  if (!multiSel_ || !values || values->GetSize() == 0) return values;
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORHSO* highlight = editor ? editor->GetHSO() : nullptr;
  const bool single = values->GetSize() == 1;
  int count = values->GetSize();
  for (ZORPathElement path : values->GetElements()) {
    const bool result = IsResult(FeatureAt(path, LeafPosition(path) - 1));
    // A single result stays: it is the user's one pick.
    if ((result && !single) || (!result && pointRemoval_ && PointSubPath(path).IsSet())) {
      RemovePathElementFromSO(values, &path, highlight, count);
    }
  }
  return values;
}

void MonLocalDumpPath(ZORPathElement* path) {
  static const ZORTrace trace("WENFEAT_ACQ", "Paths acquired by the multi-selection agent");
  if (!trace.IsActive()) return;
  if (!path) {
    trace.Print("NULL");
    return;
  }
  std::string line;
  for (const ZORBaseUnknown_var& object : path->GetObjects()) {
    if (!line.empty()) line += " / ";
    ZORISpecObject_var feature(object);
    line += feature ? feature->GetDisplayName().str() : std::string(object->IsA());
  }
  trace.Print(line);
}
