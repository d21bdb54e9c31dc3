#include "ZORMfSynchroFailureReportMngExt.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORMfSynchroFailureReportMngExt", "ZORIMfSynchroFailureReportMng",
                     ZORIMfSynchroFailureReportMng::ClassIID(), "MechanicalPart",
                     &ZORExtensionCreator<ZORMfSynchroFailureReportMngExt>});
  return true;
}();

}  // namespace

HRESULT ZORMfSynchroFailureReportMngExt::ManageEditedFeature(const ZORISpecObject_var& feature) {
  if (!ZORFaultGate::Pass("ZORIMfSynchroFailureReportMng::ManageEditedFeature")) return E_FAIL;
  const ZORFeature* part = GetFeature();
  const ZORFeature* edited = ZORFeature::From(feature.get());
  // The part is never an edited feature; holding it here would also keep it alive for ever.
  if (!part || !edited || edited == part || edited->GetDocument() != part->GetDocument()) {
    return E_FAIL;
  }
  managed_.push_back(feature);
  return S_OK;
}

ZORMfSynchroFailureReportMngExt* ZORMfSynchroFailureReportMngExt::Of(ZORBaseUnknown* part) {
  ZORIMfSynchroFailureReportMng_var report(part);
  return dynamic_cast<ZORMfSynchroFailureReportMngExt*>(report.get());
}
