#include "ZORGuiExtractUtilities.h"

#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiInputError.h"
#include "ZORIUpdateError.h"
#include "ZORProtectedSection.h"
#include "ZORWENSettings.h"
#include "ZORWENUIPanelError.h"

namespace {

constexpr double kDefaultMergingDistance = 0.001;

// The message that explains, from the context's update error, why no body could be read.
const char* MessageKeyFor(const ZORBaseUnknown_var& context) {
  ZORIUpdateError_var updateError(context);
  ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
  if (!error) return "WENUIINPUT_ERR_2222";
  if (error->GetType() == ZORMfErrUpdate::kInputsInError) return "WENUIINPUT_ERR_2223";
  return "WENUIINPUT_ERR_2224";
}

}  // namespace

HRESULT ZORGuiExtractUtilities::GetFirstBodyForExtract(ZORISpecObject_var& feature,
                                                       ZORBaseUnknown_var& context,
                                                       ZORBody_var& body) {
  body = nullptr;
  if (!feature) return E_FAIL;
  ZORException* caught =
      ZORProtect([&] { body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(feature)); });
  // Any error object means no body: a caller must never take S_OK for a result.
  const bool failed = ZORHandleCaught(caught, [&](ZORError* error) {
    ZORWENUIPanelError::ShowAndFlush(
        new ZORGuiInputError(MessageKeyFor(context), "ZORGuiInputError"));
    error->Flush();
  });
  if (failed) body = nullptr;
  return body ? S_OK : E_FAIL;
}

HRESULT ZORGuiExtractUtilities::GetMergingDistance(double& distance) {
  distance = kDefaultMergingDistance;
  const ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  if (!settings) return E_FAIL;
  distance = settings->GetTMMergingDistanceValue();
  return S_OK;
}
