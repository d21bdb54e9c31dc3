#pragma once
// Splits ("WENSplit") and trims ("WENTrim") of curves, and what their builds found.
//
// A split cuts its "Element" (a curve) where it passes through the plane of its "Cutter" and
// keeps the pieces on the side the plane's normal points to (the other side when the value
// "Side" is negative). A trim cuts "Element1" and "Element2" (curves) where they meet and joins
// the start of the first to the end of the second (the value "Side1" or "Side2" negative keeps
// the other part of that element).
//
// A build that finds no place to cut fails, and its diagnosis names the element in error and
// the element that gave the context. A split cut in several places, or a trim whose elements
// meet more than once, builds with a warning that names where: the cut vertices of the result
// (cells), or the other meeting points (point bodies). The extension keeps the last diagnosis
// until it is cleared.

#include "ZORFeatureExtension.h"
#include "ZORIWENBuildDiagnosis.h"
#include "ZORIWENSplit.h"
#include "ZORIWENTrim.h"

class ZORSplitTrimExt : public ZORFeatureExtension,
                        public ZORIWENSplit,
                        public ZORIWENTrim,
                        public ZORIWENBuildDiagnosis {
  ZOR_DECLARE_CLASS(ZORSplitTrimExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")

  static constexpr const char* kSplitType = "WENSplit";
  static constexpr const char* kTrimType = "WENTrim";
  //! The catalog and keys of the warnings.
  static constexpr const char* kCatalog = "ZORGmoInputError";
  static constexpr const char* kSplitWarning = "WENMODELINPUT_ERR_5100";
  static constexpr const char* kTrimWarning = "WENMODELINPUT_ERR_5101";

  ZORSplitTrimExt() = default;

  //! Answers ZORIWENSplit for a split only and ZORIWENTrim for a trim only.
  HRESULT QueryInterface(const IID& iid, void** out) override;

  ZORISpecObject_var GetElement() override;
  ZORISpecObject_var GetCutter() override;
  ZORISpecObject_var GetFirstElement() override;
  ZORISpecObject_var GetSecondElement() override;
  HRESULT GetBuildDiagnosisData(ZORGmoBuildDiagnosisDataSplitTrim_var& data) override;
  HRESULT CleanBuildDiagnosisData() override;

  //! Keeps `data` (null: nothing found) as the diagnosis of `feature`'s last build.
  static void Record(const ZORFeature& feature, ZORGmoBuildDiagnosisDataSplitTrim_var data);

 private:
  bool IsOfType(const char* type) const;
  ZORISpecObject_var Input(const char* role) const;

  ZORGmoBuildDiagnosisDataSplitTrim_var data_;
};
