#include "ZORXSO.h"

std::unordered_multimap<std::size_t, std::size_t>::iterator ZORXSO::Find(
    const ZORPathElement& path) const {
  const auto [first, last] = index_.equal_range(path.Hash());
  for (auto it = first; it != last; ++it) {
    if (*entries_[it->second] == path) return it;
  }
  return index_.end();
}

int ZORXSO::IsMember(const ZORPathElement& path) const {
  return Find(path) != index_.end() ? 1 : 0;
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
  if (!path.IsSet() || Find(path) != index_.end()) return false;
  index_.emplace(path.Hash(), entries_.size());
  entries_.emplace_back(path);
  return true;
}

bool ZORXSO::Erase(const ZORPathElement& path) {
  const auto it = Find(path);
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
  index_.clear();
  for (auto& entry : entries_) {
    if (!entry) continue;
    index_.emplace(entry->Hash(), kept.size());
    kept.push_back(std::move(entry));
  }
  entries_ = std::move(kept);
  holes_ = 0;
  cursor_ = 0;
}
