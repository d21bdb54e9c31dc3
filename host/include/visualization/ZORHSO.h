#pragma once
// The highlighted set. Membership changes at once; what the viewer shows highlighted changes
// when a change is published: at once for AddElement, RemoveElement and Empty, at the end of a
// batch for AddElements (EndAddElements) and RemoveElements (EndRemoveElements). A publication
// applies only the changes made since the last one, so its cost does not grow with the set.

#include <vector>

#include "ZORXSO.h"

class ZORHSO : public ZORXSO {
  ZOR_DECLARE_CLASS(ZORHSO, ZORXSO, ZORMetaObject::Implementation, "System")

  ZORHSO() = default;

  // S_OK when added, S_FALSE when already a member, E_INVALIDARG for an unset path.
  HRESULT AddElement(const ZORPathElement& path);
  HRESULT AddElements(const ZORPathElement& path);
  void EndAddElements() { Publish(); }
  // S_OK when removed, S_FALSE when not a member.
  HRESULT RemoveElement(const ZORPathElement& path);
  HRESULT RemoveElements(const ZORPathElement& path);
  void EndRemoveElements() { Publish(); }
  void Empty();

  ~ZORHSO() override;

  // What the viewer shows highlighted: the members as of the last publication, in order.
  std::vector<ZORPathElement> GetShown() const;
  //! Whether the viewer shows `path` highlighted now.
  int IsShown(const ZORPathElement& path) const;
  // Whether members changed since the last publication (a batch not ended yet).
  bool HasPendingChanges() const { return pending_; }
  // How many times the shown set was refreshed.
  int GetPublicationCount() const { return publications_; }

 private:
  HRESULT Add(const ZORPathElement& path, bool publish);
  // What the viewer shows: an ordered set of its own, changed only by publications.
  class ShownSet : public ZORXSO {
   public:
    using ZORXSO::Clear;
    using ZORXSO::Erase;
    using ZORXSO::Insert;
  };
  struct Change {
    ZORPathElement path;
    bool added;
  };

  HRESULT Remove(const ZORPathElement& path, bool publish);
  void Publish();
  ShownSet& Shown() const;

  ZORVar<ShownSet> shown_;
  std::vector<Change> changes_;  // since the last publication, in order
  bool pending_ = false;
  int publications_ = 0;
};

using ZORHSO_var = ZORVar<ZORHSO>;
