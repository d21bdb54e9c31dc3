#include "ZORSO.h"

#include "ZORFaultGate.h"

HRESULT ZORSO::AddElement(const ZORPathElement& path) {
  if (!ZORFaultGate::Pass("ZORSO::AddElement")) return E_FAIL;
  if (!path.IsSet()) return E_INVALIDARG;
  return Insert(path) ? S_OK : S_FALSE;
}

HRESULT ZORSO::RemoveElement(const ZORPathElement& path) {
  if (!ZORFaultGate::Pass("ZORSO::RemoveElement")) return E_FAIL;
  return Erase(path) ? S_OK : S_FALSE;
}
