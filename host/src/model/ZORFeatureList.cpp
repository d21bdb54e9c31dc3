#include "ZORFeatureList.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "ZORFeature.h"

ZORFeatureList::ZORFeatureList() = default;
ZORFeatureList::~ZORFeatureList() = default;
ZORFeatureList::ZORFeatureList(ZORFeatureList&& other) noexcept = default;
ZORFeatureList& ZORFeatureList::operator=(ZORFeatureList&& other) noexcept = default;

ZORFeatureList::ZORFeatureList(const ZORFeatureList& other)
    : items_(std::vector<ZORVar<ZORFeature>>(other.begin(), other.end())) {}

ZORFeatureList& ZORFeatureList::operator=(const ZORFeatureList& other) {
  if (this != &other) *this = ZORFeatureList(other);
  return *this;
}

void ZORFeatureList::clear() {
  Items leaving = std::exchange(items_, Items());
  entryOf_.Clear();
  indexed_ = false;
}

bool ZORFeatureList::operator==(const ZORFeatureList& other) const {
  return size() == other.size() && std::equal(begin(), end(), other.begin());
}

std::size_t ZORFeatureList::PositionOf(const ZORFeature* feature) const {
  EnsureIndex();
  const Items::Entry* entry = entryOf_.Find(feature);
  return entry ? static_cast<std::size_t>(items_.PositionOf(*entry)) : npos;
}

void ZORFeatureList::Insert(std::size_t position, ZORVar<ZORFeature> feature) {
  const ZORFeature* key = feature.get();
  const int at = position >= size() ? items_.Size() : static_cast<int>(position);
  if (items_.Insert(at, std::move(feature))) {
    Renumber();
  } else if (indexed_) {
    entryOf_[key] = items_.EntryOf(items_.Size() - 1);
  }
}

bool ZORFeatureList::Remove(const ZORFeature* feature) {
  EnsureIndex();
  const std::optional<Items::Entry> entry = entryOf_.Take(feature);
  if (!entry) return false;
  if (items_.RemoveEntry(*entry)) Renumber();
  return true;
}

void ZORFeatureList::Renumber() {
  if (!indexed_) return;
  // Only the entries change: the index keeps its slots and allocates nothing.
  items_.ForEachEntry([this](Items::Entry entry, const ZORVar<ZORFeature>& feature) {
    entryOf_[feature.get()] = entry;
  });
}

void ZORFeatureList::EnsureIndex() const {
  if (indexed_) return;
  entryOf_.Clear();
  entryOf_.Reserve(size());
  items_.ForEachEntry([this](Items::Entry entry, const ZORVar<ZORFeature>& feature) {
    entryOf_.TryEmplace(feature.get(), entry);
  });
  indexed_ = true;
}
