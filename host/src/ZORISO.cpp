#include "ZORISO.h"

#include <algorithm>

HRESULT ZORISO::AddElement(ZORBaseUnknown* object) {
  if (!object) return E_INVALIDARG;
  if (IsMember(object)) return S_FALSE;
  objects_.emplace_back(object);
  return S_OK;
}

HRESULT ZORISO::RemoveElement(ZORBaseUnknown* object) {
  auto it = std::find_if(objects_.begin(), objects_.end(),
                         [object](const ZORBaseUnknown_var& o) { return ZORIsSameObject(o, object); });
  if (it == objects_.end()) return S_FALSE;
  objects_.erase(it);
  return S_OK;
}

int ZORISO::IsMember(ZORBaseUnknown* object) const {
  return std::any_of(objects_.begin(), objects_.end(),
                     [object](const ZORBaseUnknown_var& o) { return ZORIsSameObject(o, object); });
}
