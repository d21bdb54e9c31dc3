#pragma once
// The orientation of a curve or surface feature's result (the way a line runs, the side a plane
// faces). Its flag asks for an inversion: while the flag is 1, replacing the feature by itself
// (ZORGmoUtilitiesServices::Replace) inverts the orientation, and the feature goes out of date
// so that its next update gives the inverted result.

#include "ZORVar.h"

class ZORIOrientationFlag : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIOrientationFlag)

  virtual HRESULT SetOrientationFlag(int flag) = 0;
  virtual int GetOrientationFlag() = 0;
  // 1 as the inputs give it, -1 inverted.
  virtual int GetOrientation() = 0;
};

ZOR_DEFINE_IID(ZORIOrientationFlag);
using ZORIOrientationFlag_var = ZORVar<ZORIOrientationFlag>;
