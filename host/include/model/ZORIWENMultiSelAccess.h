#pragma once
// The inputs of a feature that a multi-selection fills: list 1 is the type's first input role,
// list 2 its second. A missing input reads as S_OK with a null handle; a bad list index, or a
// read that fails, gives E_FAIL.

#include "ZORListValZORISpecObject_var.h"

class ZORIWENMultiSelAccess : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENMultiSelAccess)

  virtual HRESULT GetMultiSelInput(int index, ZORISpecObject_var& input) = 0;
  // A null input unlinks.
  virtual HRESULT SetMultiSelInput(int index, const ZORISpecObject_var& input) = 0;
  // Every input of the feature, in the order of its roles.
  virtual HRESULT GetMultiSelInputs(ZORListValZORISpecObject_var& inputs) = 0;
};

ZOR_DEFINE_IID(ZORIWENMultiSelAccess);
using ZORIWENMultiSelAccess_var = ZORVar<ZORIWENMultiSelAccess>;
