#include "ClassObjectZORWENMultiSelManager.h"

#include "ZORWENMultiSelManager.h"

HRESULT ClassObjectZORWENMultiSelManager::CreateInstance(IUnknown* outer, const IID& iid,
                                                         void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  ZORBaseUnknown* created = new ZORWENMultiSelManager();
  const HRESULT hr = created->QueryInterface(iid, out);
  created->Release();
  return hr;
}

HRESULT ClassObjectZORWENMultiSelManager::LockServer(int) {
  return S_OK;
}
