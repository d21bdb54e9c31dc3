#include "ZORFeatureList.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "ZORFeature.h"

ZORFeatureList::ZORFeatureList(Role role) : role_(role) {}
ZORFeatureList::~ZORFeatureList() = default;
ZORFeatureList::ZORFeatureList(ZORFeatureList&& other) noexcept = default;

ZORFeatureList& ZORFeatureList::operator=(ZORFeatureList&& other) noexcept {
  // The entries written into the features are those of `other`; where this list's role differs,
  // the check of each entry sends its look-ups to the index. `other` is left empty, not with
  // its former size over moved-out entries.
  items_ = std::exchange(other.items_, Items());
  entryOf_ = std::move(other.entryOf_);
  indexed_ = std::exchange(other.indexed_, false);
  return *this;
}

ZORFeatureList::ZORFeatureList(const ZORFeatureList& other)
    : role_(other.role_), items_(std::vector<ZORVar<ZORFeature>>(other.begin(), other.end())) {}

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
  const std::optional<Items::Entry> entry = EntryOf(feature);
  return entry ? static_cast<std::size_t>(items_.PositionOf(*entry)) : npos;
}

void ZORFeatureList::Insert(std::size_t position, ZORVar<ZORFeature> feature) {
  const ZORFeature* key = feature.get();
  const int at = position >= size() ? items_.Size() : static_cast<int>(position);
  // Inside a list with holes, the holes go first and every entry moves; otherwise the entries
  // from the new one on.
  const Items::Entry from =
      items_.EntryCount() == size() ? static_cast<Items::Entry>(at) : Items::Entry{0};
  if (items_.Insert(at, std::move(feature))) {
    Renumber(from);
    return;
  }
  const Items::Entry entry = items_.EntryCount() - 1;
  WriteEntry(key, entry);
  if (indexed_) entryOf_[key] = entry;
}

bool ZORFeatureList::Remove(const ZORFeature* feature) {
  const std::optional<Items::Entry> entry = EntryOf(feature);
  if (!entry) return false;
  if (indexed_) entryOf_.Erase(feature);
  if (items_.RemoveEntry(*entry)) Renumber(0);
  return true;
}

std::optional<ZORFeatureList::Items::Entry> ZORFeatureList::EntryOf(
    const ZORFeature* feature) const {
  if (!feature) return std::nullopt;
  if (WritesEntries()) {
    const Items::Entry written = feature->listEntries_[static_cast<int>(role_)];
    if (written < items_.EntryCount() && items_.AtEntry(written).get() == feature) return written;
  }
  EnsureIndex();
  const Items::Entry* entry = entryOf_.Find(feature);
  return entry ? std::optional<Items::Entry>(*entry) : std::nullopt;
}

void ZORFeatureList::WriteEntry(const ZORFeature* feature, Items::Entry entry) const {
  if (WritesEntries()) {
    feature->listEntries_[static_cast<int>(role_)] = static_cast<std::uint32_t>(entry);
  }
}

void ZORFeatureList::Renumber(Items::Entry from) {
  if (WritesEntries()) {
    // The features from `from` on know their entry again; one written by another list before it
    // fails its check and brings the index back, so a built one can go.
    items_.ForEachEntry([this, from](Items::Entry entry, const ZORVar<ZORFeature>& feature) {
      if (entry >= from) WriteEntry(feature.get(), entry);
    });
    entryOf_.Clear();
    indexed_ = false;
    return;
  }
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
