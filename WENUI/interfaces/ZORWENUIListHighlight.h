#pragma once
//! \class ZORWENUIListHighlight
//! How the selector lists highlight a feature: its build path (ZORIBuildPath) under the current
//! editor's UI-active object goes in or out of a highlighted set, at once or as part of a batch
//! that the caller ends. Shared by the modes, user and non-ordered selector lists.

#include "ZORHSO.h"
#include "ZORPathElement.h"
#include "ZORVar.h"

class ZORWENUIListHighlight {
 public:
  //! The path a list highlights `feature` by; E_FAIL without current editor, for a feature
  //! without build-path interface or without path under the UI-active object.
  static HRESULT PathOf(const ZORBaseUnknown_var& feature, ZORPathElement& path);
  //! Adds `feature`'s path to `hso` (kept for the end of a batch when `batch`) unless it is there
  //! already; E_FAIL as PathOf or without set.
  static HRESULT Add(ZORHSO* hso, const ZORBaseUnknown_var& feature, bool batch);
  //! Takes `feature`'s path out of `hso`, the same way; a path not in the set is no failure.
  static HRESULT Remove(ZORHSO* hso, const ZORBaseUnknown_var& feature, bool batch);
};
