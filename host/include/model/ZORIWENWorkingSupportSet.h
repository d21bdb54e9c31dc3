#pragma once
// The working supports of a part, one of which may be current: the support point agents work on.

#include "ZORIWENWorkingSupport.h"

class ZORIWENWorkingSupportSet : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENWorkingSupportSet)

  // A new working support in the set on `support` (a feature of the set's part), starting at
  // `origin` (a point feature of the part, or null). Null for a missing support, a feature of
  // another document, a type below 1, or when "ZORIWENWorkingSupportSet::CreateWorkingSupport"
  // fails.
  virtual ZORIWENWorkingSupport_var CreateWorkingSupport(const ZORISpecObject_var& support,
                                                         const ZORISpecObject_var& origin,
                                                         int type) = 0;
  virtual int GetNumberOfWorkingSupports() = 0;
  // The current working support; null when none is current.
  virtual ZORIWENWorkingSupport_var GetCurrentWorkingSupport() = 0;
  // Makes `support` current (null: none). E_FAIL for a support of another set.
  virtual HRESULT SetCurrentWorkingSupport(const ZORIWENWorkingSupport_var& support) = 0;
};

ZOR_DEFINE_IID(ZORIWENWorkingSupportSet);
using ZORIWENWorkingSupportSet_var = ZORVar<ZORIWENWorkingSupportSet>;
