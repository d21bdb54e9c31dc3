#include "ZORISO.h"

#include <optional>

#include "ZORFaultGate.h"
#include "ZORSt3DISO.h"

HRESULT ZORISO::AddElement(ZORBaseUnknown* object) {
  if (!object) return E_INVALIDARG;
  if (IsMember(object)) return S_FALSE;
  if (!ZORFaultGate::Pass("ZORISO::AddElement")) return E_FAIL;
  index_.TryEmplace(Key(object), objects_.size());
  objects_.emplace_back(object);
  return S_OK;
}

HRESULT ZORISO::RemoveElement(ZORBaseUnknown* object) {
  if (!object) return S_FALSE;
  const std::optional<std::size_t> at = index_.Take(Key(object));
  if (!at) return S_FALSE;
  ZORBaseUnknown_var removed = std::move(objects_[*at]);
  ++holes_;
  // A remove and an add on every mouse move must not grow the set: drop the holes once they
  // outnumber the members, which keeps removal amortised constant.
  if (holes_ > index_.Size()) Compact();
  return S_OK;  // `removed` lets go last: the member may die here
}

HRESULT ZORISO::UpdateElement(ZORBaseUnknown* object) {
  if (!IsMember(object)) return S_FALSE;
  ++updates_;
  return S_OK;
}

int ZORISO::IsMember(ZORBaseUnknown* object) const {
  return object && index_.Contains(Key(object));
}

void ZORISO::Empty() {
  std::vector<ZORBaseUnknown_var> members;
  members.swap(objects_);
  index_.Clear();
  holes_ = 0;
}

const std::vector<ZORBaseUnknown_var>& ZORISO::GetElements() const {
  Compact();
  return objects_;
}

std::vector<std::string> ZORISO::Describe() const {
  std::vector<std::string> lines;
  for (const ZORBaseUnknown_var& object : GetElements()) {
    auto* element = dynamic_cast<ZORSt3DISO*>(object->GetImpl());
    lines.push_back(element ? element->Describe() : std::string(object->IsA()));
  }
  return lines;
}

void ZORISO::Compact() const {
  if (holes_ == 0) return;
  // In place: a fresh array would be one more large block to allocate and free each time.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    if (!objects_[i]) continue;
    index_[Key(objects_[i].get())] = kept;
    if (i != kept) objects_[kept] = std::move(objects_[i]);
    ++kept;
  }
  objects_.resize(kept);
  holes_ = 0;
}
