#pragma once
// The update error attached to a feature: set by a failed update, cleared by a good one, and
// attachable by hand (a result no waiting agent accepted, a copy on a multi-selection feature).

#include "ZORMfErrUpdate.h"
#include "ZORVar.h"

class ZORIUpdateError : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIUpdateError)

  // The attached error (a new reference), or null.
  virtual ZORVar<ZORMfErrUpdate> GetUpdateError() = 0;
  // Attaches `error` (the feature takes its own reference); null clears. An attached error is
  // not changed afterwards by the host; attach a new one instead.
  virtual HRESULT SetUpdateError(ZORMfErrUpdate* error) = 0;
};

ZOR_DEFINE_IID(ZORIUpdateError);
using ZORIUpdateError_var = ZORVar<ZORIUpdateError>;
