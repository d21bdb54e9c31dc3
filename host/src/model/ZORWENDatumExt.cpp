#include "ZORWENDatumExt.h"

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORGmoDatumServices.h"
#include "ZORInterfaceDictionary.h"
#include "ZORUpdateEngine.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORWENDatumExt", "ZORIWENDatum", ZORIWENDatum::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORWENDatumExt>});
  return true;
}();

}  // namespace

HRESULT ZORWENDatumExt::QueryInterface(const IID& iid, void** out) {
  if (iid == ZORIWENDatum::ClassIID()) {
    const ZORFeature* feature = GetFeature();
    const bool suits = feature && feature->GetFeatureType().Offers(ZORIMfPoint::ClassIID());
    return AnswerIf<ZORIWENDatum>(this, suits, iid, out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

HRESULT ZORWENDatumExt::ConvertToDatum(ZORListValZORISpecObject_var& results) {
  if (!ZORFaultGate::Pass("ZORIWENDatum::ConvertToDatum")) return E_FAIL;
  ZORFeature* feature = GetFeature();
  ZORDocument* document = feature ? feature->GetDocument() : nullptr;
  const ZORBody_var body = feature ? feature->GetResultBody() : nullptr;
  if (!document || !feature->IsUpToDate() || !body || body->GetHighestDimension() != 0) {
    return E_FAIL;
  }
  const ZORMathPoint& at = body->GetVertices().front();
  ZORFeature_var datum = document->CreatePoint(at.GetX(), at.GetY(), at.GetZ());
  if (!datum) return E_FAIL;
  ZORISpecObject_var result(static_cast<ZORBaseUnknown*>(datum.get()));
  // A point from coordinates computes; the mark then keeps that result.
  ZORUpdateEngine::Update(*datum);
  ZORGmoDatumServices::SetDatum(result, 1);
  results.Append(result);
  return S_OK;
}
