#pragma once
// The working support that point agents work on: the set of a part, its current support, and
// whether the object being edited may use that support under the linearity rules of the part.
// Failures are built through the host's error-return service (ZORError::GetReturn).

#include "ZORISpecObject.h"
#include "ZORIWENWorkingSupport.h"
#include "ZORIWENWorkingSupportSet.h"

//! The working-support set of the part of `feature` (the part itself or any feature of it), or of
//! the current container's part when `feature` is null. E_FAIL, with `set` null, when there is
//! no such part or it gives no set.
HRESULT ZORGuiGetCurrentWorkingSupportSet(const ZORISpecObject_var& feature,
                                          ZORIWENWorkingSupportSet_var& set);
//! The current working support of that set. E_FAIL, with `support` null, when none is current.
HRESULT ZORGuiGetCurrentWorkingSupport(const ZORISpecObject_var& feature,
                                       ZORIWENWorkingSupport_var& support);
//! S_OK when the support feature and the origin feature of `support` may both be used from the
//! object being edited (the current editor's UI-active object), as the current part's import
//! manager judges their build paths. E_FAIL for a null support, without a current part or
//! manager, or when one of them may not be used.
HRESULT IsWorkingSupportUsableWithLinearityRules(const ZORIWENWorkingSupport_var& support);
