#pragma once
// Offered by a part: whether a feature may be used as an input from the object being edited.
// In a part built in order, an object may only use what comes before it in the tree (the
// linearity rules), and features of another part must be imported first.
//
// A feature is named by its build path: the path from the part down to it, built relative to the
// path of the object being edited (the editor's UI-active path).

#include "ZORISpecObject.h"
#include "ZORPathElement.h"

class ZORISpecImportManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORISpecImportManager)

  // The build path of `feature` as seen from `from` (unset: from the part). E_FAIL, with `path`
  // unset, for a feature that is not in this part's tree, or when `from` is set and does not
  // start at this part.
  virtual HRESULT BuildPath(const ZORISpecObject_var& feature, const ZORPathElement& from,
                            ZORPathElement& path) = 0;
  // S_OK when the feature at the end of `path` may be used from the object at the end of `from`:
  // it lies inside that object, or before it in the tree and is not one of its fathers. Every
  // feature of the part may be used when `from` is unset or is the part itself. E_FAIL
  // otherwise, and for a path that does not start at this part.
  virtual HRESULT CheckLinearity(const ZORPathElement& path, const ZORPathElement& from) = 0;
};

ZOR_DEFINE_IID(ZORISpecImportManager);
using ZORISpecImportManager_var = ZORVar<ZORISpecImportManager>;
