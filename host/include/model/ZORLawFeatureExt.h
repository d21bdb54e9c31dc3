#pragma once
// The law interfaces of law features; both types are registered with it.
// - "WENLaw" (ZORICkeLaw, ZORIWENLaw): values "Kind" (1 constant, 2 linear, 3 S-type; 2 by
//   default), "Start" and "End".
// - "CkeLaw" (ZORICkeLaw only): a sine, values "Offset", "Amplitude" and "Periods" (1 by
//   default), whose extreme values are not known.
// A law feature has no geometry; a "Kind" outside 1..3 fails its update.

#include "ZORBaseExtension.h"
#include "ZORFeature.h"
#include "ZORICkeLaw.h"
#include "ZORIWENLaw.h"

class ZORLawFeatureExt : public ZORBaseExtension, public ZORICkeLaw, public ZORIWENLaw {
  ZOR_DECLARE_CLASS(ZORLawFeatureExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORICkeLaw, ZORIWENLaw)

  static constexpr const char* kWENLawType = "WENLaw";
  static constexpr const char* kCkeLawType = "CkeLaw";

  ZORLawFeatureExt() = default;

  ZORLaw_var GetEvaluableLaw() override;
  ZORWENBasicLawType GetBasicLawType() override;

  //! The law `feature` (a law feature, in error or not) defines; null for another feature.
  static ZORLaw_var LawOf(const ZORFeature& feature);
  //! Whether `feature` is in error; inside a protected section its update error is raised.
  static bool RaiseIfInError(const ZORFeature& feature);
};
