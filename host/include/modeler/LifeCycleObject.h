#pragma once
// Deletion of a feature from the model.

#include "ZORVar.h"

class LifeCycleObject : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(LifeCycleObject)

  // Takes the feature and everything under it out of the document. Features that use it keep
  // their link and become out of date; their next update fails. `option` is not used.
  virtual HRESULT remove(int option = 0) = 0;
};

ZOR_DEFINE_IID(LifeCycleObject);
using LifeCycleObject_var = ZORVar<LifeCycleObject>;
