#include "ZORBuildPathExt.h"

#include <algorithm>

#include "ZORBody.h"
#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORBuildPathExt", "ZORIBuildPath", ZORIBuildPath::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORBuildPathExt>});
  return true;
}();

// The pick that designates a BRep feature's cell: its support's path, body and cell; unset when
// the support is out of the tree or its result no longer holds the cell.
ZORPathElement CellPath(const ZORFeature& brep) {
  ZORFeature* support = brep.GetInput("Support");
  ZORDocument* document = support ? support->GetDocument() : nullptr;
  const ZORBody_var body = support ? support->GetResultBody() : nullptr;
  ZORCell* cell = body ? body->GetCell(static_cast<int>(brep.GetValue("Cell"))) : nullptr;
  if (!document || !cell) return ZORPathElement();
  ZORPathElement path = document->GivePathElementFrom(ZORBaseUnknown_var(support));
  if (!path.IsSet()) return path;
  path.AddChildElement(ZORBaseUnknown_var(body.get()));
  path.AddChildElement(ZORBaseUnknown_var(cell));
  return path;
}

bool StartsWith(const ZORPathElement& path, const ZORPathElement& from) {
  const auto& objects = path.GetObjects();
  const auto& prefix = from.GetObjects();
  return prefix.size() <= objects.size() &&
         std::equal(prefix.begin(), prefix.end(), objects.begin(),
                    [](const ZORBaseUnknown_var& a, const ZORBaseUnknown_var& b) {
                      return a && b && a->GetImpl() == b->GetImpl();
                    });
}

}  // namespace

HRESULT ZORBuildPathExt::BuildPathElement(const ZORPathElement& from, ZORPathElement& path) {
  path = ZORPathElement();
  if (!ZORFaultGate::Pass("ZORIBuildPath::BuildPathElement")) return E_FAIL;
  ZORFeature* feature = GetFeature();
  ZORDocument* document = feature ? feature->GetDocument() : nullptr;
  if (!document) return E_FAIL;
  // A BRep feature stands outside the tree: it is where its cell was picked.
  ZORPathElement built = document->GivePathElementFrom(ZORBaseUnknown_var(feature));
  if (!built.IsSet() && feature->IsSubTypeOf("BRepFeature")) built = CellPath(*feature);
  if (!built.IsSet() || !StartsWith(built, from)) return E_FAIL;
  path = std::move(built);
  return S_OK;
}
