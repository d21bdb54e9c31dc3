#pragma once
// The workbench's classification of a feature, kept with the feature (undo gives it back).
// 0: an ordinary result; 1: a result made to be the input of another command.

#include "ZORBaseUnknown.h"
#include "ZORVar.h"

class ZORIWENFeatureType : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENFeatureType)

  static constexpr int kOrdinary = 0;
  static constexpr int kMadeForInput = 1;

  // E_INVALIDARG for a value other than those above.
  virtual HRESULT SetFeatureType(int type) = 0;
  virtual int GetFeatureType() = 0;
};

ZOR_DEFINE_IID(ZORIWENFeatureType);
using ZORIWENFeatureType_var = ZORVar<ZORIWENFeatureType>;
