#pragma once
// A set of objects: path elements in insertion order, each once.

#include "ZORXSO.h"

class ZORSO : public ZORXSO {
  ZOR_DECLARE_CLASS(ZORSO, ZORXSO, ZORMetaObject::Implementation, "System")

  ZORSO() = default;

  // S_OK when added, S_FALSE when already a member, E_INVALIDARG for an unset path.
  HRESULT AddElement(const ZORPathElement& path);
  // S_OK when removed, S_FALSE when not a member.
  HRESULT RemoveElement(const ZORPathElement& path);
  void Empty() { Clear(); }
};

using ZORSO_var = ZORVar<ZORSO>;
