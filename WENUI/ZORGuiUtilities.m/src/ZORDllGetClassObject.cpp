// The library's exported class-object entry, found by the host with dlsym. It serves the
// multi-selection component only.

#include "ClassObjectZORWENMultiSelManager.h"
#include "ZORIWENMultiSelManager.h"

extern "C" HRESULT ZORDllGetClassObject(const CLSID& clsid, const IID& iid, void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (!(clsid == CLSID_ZORWENMultiSelManagerComponent)) return E_NOTIMPL;
  ZORBaseUnknown* classObject = new ClassObjectZORWENMultiSelManager();
  const HRESULT hr = classObject->QueryInterface(iid, out);
  classObject->Release();
  return hr;
}
