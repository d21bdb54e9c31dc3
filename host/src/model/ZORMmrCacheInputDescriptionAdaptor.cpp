#include "ZORMmrCacheInputDescriptionAdaptor.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORMmrCacheInputDescriptionAdaptor", "ZORIInputDescription",
                     ZORIInputDescription::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORMmrCacheInputDescriptionAdaptor>});
  return true;
}();

}  // namespace

HRESULT ZORMmrCacheInputDescriptionAdaptor::GetFeatureType(int& type) {
  type = 0;
  const ZORFeature* feature = ZORFeature::From(GetExtendedObject());
  if (!feature) return E_FAIL;
  // Features that take an element and move or reshape it stand for a changed copy of it.
  if (feature->GetFeatureType().HasInputRole("Element")) type = 1;
  return S_OK;
}

HRESULT ZORMmrCacheInputDescriptionAdaptor::GetListOfInputs(ZORListValZORBaseUnknown_var& inputs) {
  inputs.RemoveAll();
  const ZORFeature* feature = ZORFeature::From(GetExtendedObject());
  if (!feature) return E_FAIL;
  for (const auto& [role, input] : feature->GetInputs()) {
    if (input) inputs.Append(ZORBaseUnknown_var(input));
  }
  return S_OK;
}

HRESULT ZORMmrCacheInputDescriptionAdaptor::GetMainInput(ZORBaseUnknown_var& input) {
  input = nullptr;
  ZORListValZORBaseUnknown_var inputs;
  if (FAILED(GetListOfInputs(inputs)) || inputs.IsEmpty()) return E_FAIL;
  input = inputs[1];
  return S_OK;
}
