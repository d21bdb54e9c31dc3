#include "ZORXSO.h"

#include <algorithm>
#include <bit>

std::size_t ZORXSO::Find(const ZORPathElement& path, std::size_t hash) const {
  if (slots_.empty()) return kNone;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t mark = slots_[slot];
    if (mark == kEmpty) return kNone;
    if (mark == kRemoved) continue;
    const std::size_t position = mark - 1;
    if (hashes_[position] == hash && *entries_[position] == path) return slot;
  }
}

int ZORXSO::IsMember(const ZORPathElement& path) const {
  return Find(path, path.Hash()) != kNone ? 1 : 0;
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
  elements.reserve(count_);
  for (const auto& entry : entries_) {
    if (entry) elements.push_back(*entry);
  }
  return elements;
}

bool ZORXSO::Admits(const ZORPathElement& path, std::size_t& hash) const {
  if (!path.IsSet()) return false;
  hash = path.Hash();
  return Find(path, hash) == kNone;
}

bool ZORXSO::Insert(const ZORPathElement& path) {
  std::size_t hash = 0;
  if (!Admits(path, hash)) return false;
  entries_.emplace_back(path);
  Indexed(hash);
  return true;
}

bool ZORXSO::Insert(ZORPathElement&& path) {
  std::size_t hash = 0;
  if (!Admits(path, hash)) return false;
  entries_.emplace_back(std::move(path));
  Indexed(hash);
  return true;
}

void ZORXSO::Indexed(std::size_t hash) {
  hashes_.push_back(hash);
  ++count_;
  if (2 * (used_ + 1) > slots_.size()) {
    Rehash();
  } else {
    Place(entries_.size() - 1);
  }
}

bool ZORXSO::Erase(const ZORPathElement& path) {
  const std::size_t slot = Find(path, path.Hash());
  if (slot == kNone) return false;
  entries_[slots_[slot] - 1].reset();
  slots_[slot] = kRemoved;
  --count_;
  ++holes_;
  // Keep the holes from outgrowing the members, so memory stays proportional.
  if (holes_ > count_ + 16) Compact();
  return true;
}

void ZORXSO::Clear() {
  // Releasing a member touches each of its objects, scattered in memory: asking for the objects
  // of members a few ahead lets those reads overlap instead of waiting for each in turn.
  constexpr std::size_t kAhead = 8;
  for (std::size_t position = 0; position < entries_.size(); ++position) {
    if (position + kAhead < entries_.size() && entries_[position + kAhead]) {
      for (const ZORBaseUnknown_var& object : entries_[position + kAhead]->GetObjects())
        __builtin_prefetch(object.get());
    }
    entries_[position].reset();
  }
  entries_.clear();
  hashes_.clear();
  slots_.clear();
  used_ = 0;
  count_ = 0;
  holes_ = 0;
  cursor_ = 0;
}

void ZORXSO::Compact() const {
  if (holes_ == 0) return;
  std::size_t kept = 0;
  for (std::size_t position = 0; position < entries_.size(); ++position) {
    if (!entries_[position]) continue;
    if (kept != position) {
      entries_[kept] = std::move(entries_[position]);
      hashes_[kept] = hashes_[position];
    }
    ++kept;
  }
  entries_.resize(kept);
  hashes_.resize(kept);
  holes_ = 0;
  cursor_ = 0;
  Rehash();
}

void ZORXSO::Rehash() const {
  // Half full at most once every member, holes included, has its slot.
  slots_.assign(std::bit_ceil(std::max<std::size_t>(16, 4 * entries_.size())), kEmpty);
  used_ = 0;
  for (std::size_t position = 0; position < entries_.size(); ++position) {
    if (entries_[position]) Place(position);
  }
}

void ZORXSO::Place(std::size_t position) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hashes_[position] & mask;
  while (slots_[slot] != kEmpty) slot = (slot + 1) & mask;
  slots_[slot] = static_cast<std::uint32_t>(position + 1);
  ++used_;
}
