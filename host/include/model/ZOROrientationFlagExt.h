#pragma once
// Gives lines ("WENLine") and planes ("WENPlane") their orientation flag. The orientation itself
// is the feature's value "Orientation" (absent: as built, -1: inverted), so undo gives it back
// with the other values; the compute functions read it. The flag lives as long as the extension
// and is not part of the model.

#include <string>

#include "ZORBaseExtension.h"
#include "ZORIOrientationFlag.h"

class ZORFeature;

class ZOROrientationFlagExt : public ZORBaseExtension, public ZORIOrientationFlag {
  ZOR_DECLARE_CLASS(ZOROrientationFlagExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIOrientationFlag)

  static constexpr const char* kOrientationValue = "Orientation";

  ZOROrientationFlagExt() = default;

  HRESULT SetOrientationFlag(int flag) override;
  int GetOrientationFlag() override { return flag_; }
  int GetOrientation() override;

  // Whether the result of `feature` runs against the way its inputs give it.
  static bool IsInverted(const ZORFeature& feature);
  // Inverts the orientation of `feature` when its flag is set (the replacement of a feature by
  // itself does it). S_OK when inverted, S_FALSE when there was nothing to do.
  static HRESULT ApplyFlag(ZORFeature& feature);

 private:
  int flag_ = 0;
};
