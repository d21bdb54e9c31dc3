#pragma once
// Where a feature's model events go: the event log of its document, which the viewer reads.

#include "ZORModelEvent.h"
#include "ZORVar.h"

class ZORIModelEvents : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIModelEvents)

  // Records `event` (the log takes its own reference; the caller keeps its own). E_FAIL for a
  // null event or a feature whose document is gone.
  virtual HRESULT Dispatch(ZORModelEvent* event) = 0;
};

ZOR_DEFINE_IID(ZORIModelEvents);
using ZORIModelEvents_var = ZORVar<ZORIModelEvents>;
