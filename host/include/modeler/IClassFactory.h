#pragma once
// The class object of a component class: creates instances of it.

#include "ZORBaseUnknown.h"

class IClassFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(IClassFactory)

  // `outer` is for aggregation, which class objects may refuse (CLASS_E_NOAGGREGATION).
  virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) = 0;
  virtual HRESULT LockServer(int lock) = 0;
};

ZOR_DEFINE_IID(IClassFactory);
