#pragma once
// The identity an object is compared by, whichever of its interfaces or extensions it is held
// through: handles on different interfaces of one feature hold different pointers.

#include "ZORBaseUnknown.h"
#include "ZORVar.h"

inline const ZORBaseUnknown* ZORIdentityOf(const ZORBaseUnknown_var& object) {
  return object ? object->GetImpl() : nullptr;
}

// The same, asked through the interface held: no handle on the base component is made for it.
template <class I>
const ZORBaseUnknown* ZORIdentityOf(const ZORVar<I>& object) {
  return object ? object->GetImpl() : nullptr;
}
