#include "ZORXSO.h"

std::size_t ZORXSO::KeyHash::operator()(const Key& key) const {
  std::size_t h = key.size();
  for (const ZORBaseUnknown* id : key) {
    h ^= std::hash<const void*>()(id) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
  }
  return h;
}

int ZORXSO::IsMember(const ZORPathElement& path) const {
  return index_.count(path.Identities()) ? 1 : 0;
}

const ZORPathElement* ZORXSO::GetElement(int position) const {
  if (position < 1 || position > GetSize()) return nullptr;
  Compact();
  return &*entries_[static_cast<std::size_t>(position - 1)];
}

void ZORXSO::InitElementList() const {
  Compact();
  cursor_ = 0;
}

const ZORPathElement* ZORXSO::NextElement() const {
  while (cursor_ < entries_.size()) {
    const auto& entry = entries_[cursor_++];
    if (entry) return &*entry;
  }
  return nullptr;
}

std::vector<ZORPathElement> ZORXSO::GetElements() const {
  std::vector<ZORPathElement> elements;
  elements.reserve(index_.size());
  for (const auto& entry : entries_) {
    if (entry) elements.push_back(*entry);
  }
  return elements;
}

bool ZORXSO::Insert(const ZORPathElement& path) {
  if (!path.IsSet()) return false;
  const auto [it, inserted] = index_.emplace(path.Identities(), entries_.size());
  if (!inserted) return false;
  entries_.emplace_back(path);
  return true;
}

bool ZORXSO::Erase(const ZORPathElement& path) {
  auto it = index_.find(path.Identities());
  if (it == index_.end()) return false;
  entries_[it->second].reset();
  index_.erase(it);
  ++holes_;
  // Keep the holes from outgrowing the members, so memory stays proportional.
  if (holes_ > index_.size() + 16) Compact();
  return true;
}

void ZORXSO::Clear() {
  entries_.clear();
  index_.clear();
  holes_ = 0;
  cursor_ = 0;
}

void ZORXSO::Compact() const {
  if (holes_ == 0) return;
  std::vector<std::optional<ZORPathElement>> kept;
  kept.reserve(index_.size());
  for (auto& entry : entries_) {
    if (!entry) continue;
    index_[entry->Identities()] = kept.size();
    kept.push_back(std::move(entry));
  }
  entries_ = std::move(kept);
  holes_ = 0;
  cursor_ = 0;
}
