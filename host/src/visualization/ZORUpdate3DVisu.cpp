#include "ZORUpdate3DVisu.h"

#include "ZORIRedrawEvent.h"

HRESULT Update3DVisu(const ZORBaseUnknown_var& feature) {
  if (!feature) return S_FALSE;
  ZORIRedrawEvent_var redraw(feature);
  return redraw ? redraw->Redraw() : E_FAIL;
}
