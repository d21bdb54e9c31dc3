#include "ZORPathElement.h"

#include <algorithm>
#include <functional>

#include "ZORISpecObject.h"
#include "ZORMixBits.h"

ZORBaseUnknown_var ZORPathElement::GetObject(int position) const {
  if (position < 1 || position > GetSize()) return nullptr;
  return objects_[static_cast<std::size_t>(position - 1)];
}

ZORBaseUnknown_var ZORPathElement::GetLeaf() const {
  return GetObject(GetSize());
}

ZORBaseUnknown_var ZORPathElement::GetFatherOfLeaf() const {
  return GetObject(GetSize() - 1);
}

void ZORPathElement::AddChildElement(const ZORBaseUnknown_var& object) {
  if (object) objects_.push_back(object);
}

bool ZORPathElement::RemoveElement(const ZORBaseUnknown_var& object) {
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    if (objects_[i] == object) {
      objects_.erase(i);
      return true;
    }
  }
  return false;
}

ZORBaseUnknown_var ZORPathElement::InitToLeafElement() const {
  cursor_ = GetSize();
  return GetObject(cursor_);
}

ZORBaseUnknown_var ZORPathElement::NextFatherElement() const {
  if (cursor_ > 0) --cursor_;
  return GetObject(cursor_);
}

std::size_t ZORPathElement::Hash() const {
  // Sets hash every member they hold: no allocation here.
  std::size_t h = objects_.size();
  for (const auto& object : objects_) {
    h ^= std::hash<const void*>()(object->GetImpl()) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
  }
  // Sets keep the low bits; the objects' addresses alone would leave them alike.
  return static_cast<std::size_t>(ZORMixBits(h));
}

std::string ZORPathElement::Describe() const {
  if (!IsSet()) return "(unset)";
  std::string text;
  for (const auto& object : objects_) {
    if (!text.empty()) text += "/";
    ZORISpecObject_var specObject(object);
    text += specObject ? specObject->GetDisplayName().str() : std::string(object->IsA());
  }
  return text;
}

bool operator==(const ZORPathElement& a, const ZORPathElement& b) {
  return std::equal(a.objects_.begin(), a.objects_.end(), b.objects_.begin(), b.objects_.end(),
                    [](const ZORBaseUnknown_var& x, const ZORBaseUnknown_var& y) {
                      return x->GetImpl() == y->GetImpl();
                    });
}
