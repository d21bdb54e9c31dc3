#pragma once
// The edition of an object: what a double-click on a handle showing it asks for. A knowledge
// parameter offers it: its edition box opens. Also handed to the multi-selection component's
// coherency check (which does not use it).

#include "ZORPathElement.h"
#include "ZORVar.h"

class ZORIEdit : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIEdit)

  //! Opens the edition of the object at the end of `path`: E_FAIL when it cannot.
  virtual HRESULT Activate(ZORPathElement* path) = 0;
};

ZOR_DEFINE_IID(ZORIEdit);
using ZORIEdit_var = ZORVar<ZORIEdit>;
