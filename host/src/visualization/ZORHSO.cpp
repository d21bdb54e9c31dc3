#include "ZORHSO.h"

#include <utility>

#include "ZORFaultGate.h"

ZORHSO::~ZORHSO() = default;

ZORHSO::ShownSet& ZORHSO::Shown() const {
  if (!shown_) const_cast<ZORHSO*>(this)->shown_ = ZORMake<ShownSet>();
  return *shown_;
}

std::vector<ZORPathElement> ZORHSO::GetShown() const {
  return Shown().GetElements();
}

int ZORHSO::IsShown(const ZORPathElement& path) const {
  return Shown().IsMember(path);
}

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
  changes_.clear();
  Shown().Clear();
  pending_ = false;
  ++publications_;
}

HRESULT ZORHSO::Add(const ZORPathElement& path, bool publish) {
  if (!ZORFaultGate::Pass("ZORHSO::AddElement")) return E_FAIL;
  if (!path.IsSet()) return E_INVALIDARG;
  if (!Insert(path)) return S_FALSE;
  changes_.push_back({path, true});
  pending_ = true;
  if (publish) Publish();
  return S_OK;
}

HRESULT ZORHSO::Remove(const ZORPathElement& path, bool publish) {
  if (!ZORFaultGate::Pass("ZORHSO::RemoveElement")) return E_FAIL;
  if (!Erase(path)) return S_FALSE;
  changes_.push_back({path, false});
  pending_ = true;
  if (publish) Publish();
  return S_OK;
}

void ZORHSO::Publish() {
  // Replayed in order, the changes leave the shown set equal to the members, in their order.
  ShownSet& shown = Shown();
  for (Change& change : changes_) {
    if (change.added) {
      shown.Insert(std::move(change.path));  // cleared below: taken, not copied
    } else {
      shown.Erase(change.path);
    }
  }
  changes_.clear();
  pending_ = false;
  ++publications_;
}
