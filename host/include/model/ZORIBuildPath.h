#pragma once
// The path by which the user designates a feature, as a highlighted set holds it: a feature of
// the tree by its path in the tree (the same path ZORIPathAccess gives); the BRep feature of a
// picked cell by the pick that made it (its support's path, the support's result body, the
// cell), so that it is highlighted where the user picked it.

#include "ZORPathElement.h"
#include "ZORVar.h"

class ZORIBuildPath : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIBuildPath)

  //! The feature's path, which must pass through `from` (the editor's UI-active object; an
  //! unset `from` stands for the whole document). E_FAIL, `path` left unset, when the feature
  //! has no such path or the path does not start with `from`.
  virtual HRESULT BuildPathElement(const ZORPathElement& from, ZORPathElement& path) = 0;
};

ZOR_DEFINE_IID(ZORIBuildPath);
using ZORIBuildPath_var = ZORVar<ZORIBuildPath>;
