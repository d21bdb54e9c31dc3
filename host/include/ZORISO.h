#pragma once
// The interactive set of objects: what commands show temporarily in the 3D view (handles,
// previews, arrows), in the order they were added, each once.

#include <vector>

#include "ZORVar.h"

class ZORISO : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORISO, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  // S_OK when added, S_FALSE when already there, E_INVALIDARG for null.
  HRESULT AddElement(ZORBaseUnknown* object);
  // S_OK when removed, S_FALSE when not there.
  HRESULT RemoveElement(ZORBaseUnknown* object);
  int IsMember(ZORBaseUnknown* object) const;
  void Empty() { objects_.clear(); }
  int GetSize() const { return static_cast<int>(objects_.size()); }
  const std::vector<ZORBaseUnknown_var>& GetElements() const { return objects_; }

 private:
  std::vector<ZORBaseUnknown_var> objects_;
};

using ZORISO_var = ZORVar<ZORISO>;
