// The library's exported class-object entry, found by the host with dlsym.

#include "ZORBaseUnknown.h"

extern "C" HRESULT ZORDllGetClassObject(const CLSID& clsid, const IID& iid, void** out) {
  (void)clsid;
  (void)iid;
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
