#pragma once
// The interactive set of objects: what commands show temporarily in the 3D view (handles,
// previews, arrows), in the order they were added, each once. The set holds a reference on
// each element, so what it shows stays alive while shown. An index beside the order keeps
// membership and removal from searching; removals leave holes that the next ordered access
// drops, or the removal that makes them outnumber the members.

#include <cstddef>
#include <string>
#include <vector>

#include "ZORPointerMap.h"
#include "ZORVar.h"

class ZORISO : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORISO, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  // S_OK when added, S_FALSE when already there, E_INVALIDARG for null, E_FAIL when
  // "ZORISO::AddElement" fails.
  HRESULT AddElement(ZORBaseUnknown* object);
  // S_OK when removed, S_FALSE when not there.
  HRESULT RemoveElement(ZORBaseUnknown* object);
  // Redraws a member whose representation changed: S_OK, S_FALSE when not a member.
  HRESULT UpdateElement(ZORBaseUnknown* object);
  int IsMember(ZORBaseUnknown* object) const;
  void Empty();
  int GetSize() const { return static_cast<int>(index_.Size()); }
  // The members in the order they were added.
  const std::vector<ZORBaseUnknown_var>& GetElements() const;
  // How many redraws UpdateElement asked for.
  int GetUpdateCount() const { return updates_; }

  // One line per member, in order: a carrier of a representation describes it
  // ("ZORSt3DISO point(1,2,3)"), any other object gives its class name.
  std::vector<std::string> Describe() const;

 private:
  static const ZORBaseUnknown* Key(ZORBaseUnknown* object) { return object->GetImpl(); }
  void Compact() const;

  // Removed members leave a null hole until the next ordered access.
  mutable std::vector<ZORBaseUnknown_var> objects_;
  mutable ZORPointerMap<const ZORBaseUnknown, std::size_t> index_;
  mutable std::size_t holes_ = 0;
  int updates_ = 0;
};

using ZORISO_var = ZORVar<ZORISO>;
