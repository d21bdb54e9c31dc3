#include "ZORHSO.h"

#include "ZORFaultGate.h"

HRESULT ZORHSO::AddElement(const ZORPathElement& path) {
  return Add(path, true);
}

HRESULT ZORHSO::AddElements(const ZORPathElement& path) {
  return Add(path, false);
}

HRESULT ZORHSO::RemoveElement(const ZORPathElement& path) {
  return Remove(path, true);
}

HRESULT ZORHSO::RemoveElements(const ZORPathElement& path) {
  return Remove(path, false);
}

void ZORHSO::Empty() {
  Clear();
  Publish();
}

HRESULT ZORHSO::Add(const ZORPathElement& path, bool publish) {
  if (!ZORFaultGate::Pass("ZORHSO::AddElement")) return E_FAIL;
  if (!path.IsSet()) return E_INVALIDARG;
  if (!Insert(path)) return S_FALSE;
  pending_ = true;
  if (publish) Publish();
  return S_OK;
}

HRESULT ZORHSO::Remove(const ZORPathElement& path, bool publish) {
  if (!ZORFaultGate::Pass("ZORHSO::RemoveElement")) return E_FAIL;
  if (!Erase(path)) return S_FALSE;
  pending_ = true;
  if (publish) Publish();
  return S_OK;
}

void ZORHSO::Publish() {
  shown_ = GetElements();
  pending_ = false;
  ++publications_;
}
