#include "ZORWENUIFeatureIndex.h"

#include <algorithm>

#include "ZORIMfBRep.h"
#include "ZORIdentityOf.h"

namespace {

template <class Handle>
const ZORBaseUnknown* SupportOf(const Handle& feature) {
  ZORIMfBRep_var brep(feature);
  return brep ? ZORIdentityOf(brep->GetSupport()) : nullptr;
}

template <class Handle>
bool Related(const ZORBaseUnknown_var& a, const Handle& b) {
  ZORIMfBRep_var first(a), second(b);
  return first && second && (first->IsRelatedTo(ZORBaseUnknown_var(b)) || second->IsRelatedTo(a));
}

// Where each entry of a list of `size` went once the ascending 0-based `lines` were removed, by
// 1-based position: 0 for the removed ones (and for position 0).
std::vector<int> Moves(int size, const std::vector<int>& lines) {
  std::vector<int> moved(static_cast<std::size_t>(size) + 1, 0);
  std::size_t next = 0;
  int kept = 0;
  for (int position = 1; position <= size; ++position) {
    if (next < lines.size() && lines[next] == position - 1) {
      ++next;
      continue;
    }
    moved[static_cast<std::size_t>(position)] = ++kept;
  }
  return moved;
}

}  // namespace

bool ZORWENUIFeatureIndex::Matches(const ZORBaseUnknown_var& entry,
                                   const ZORBaseUnknown_var& feature) {
  if (!entry || !feature) return false;
  if (ZORIdentityOf(entry) == ZORIdentityOf(feature)) return true;
  const ZORBaseUnknown* support = SupportOf(entry);
  return support && support == SupportOf(feature) && Related(entry, feature);
}

void ZORWENUIFeatureIndex::Appended(const ZORListValZORISpecObject_var& list) {
  if (!valid_) return;  // rebuilt whole at the next Locate
  for (int p = Indexed() + 1; p <= list.Size(); ++p) Add(list[p], p);
}

void ZORWENUIFeatureIndex::Add(const ZORISpecObject_var& feature, int position) const {
  if (keys_.size() < static_cast<std::size_t>(position))
    keys_.resize(static_cast<std::size_t>(position));
  Keys& keys = keys_[static_cast<std::size_t>(position) - 1];
  keys = Keys();
  const ZORBaseUnknown_var object(feature);
  if (!object) return;
  keys.identity = ZORIdentityOf(object);
  keys.support = SupportOf(object);
  Insert(identities_[keys.identity], position);
  if (keys.support) Insert(supports_[keys.support], position);
}

void ZORWENUIFeatureIndex::Insert(Positions& positions, int position) {
  if (positions.first == 0) {
    positions.first = position;
    return;
  }
  if (position < positions.first) std::swap(position, positions.first);
  if (!positions.rest) positions.rest = std::make_unique<std::vector<int>>();
  std::vector<int>& rest = *positions.rest;
  // Appends come in order; a replacement finds its place.
  if (rest.empty() || rest.back() < position) {
    rest.push_back(position);
    return;
  }
  rest.insert(std::lower_bound(rest.begin(), rest.end(), position), position);
}

void ZORWENUIFeatureIndex::Erase(Map& map, const ZORBaseUnknown* key, int position) {
  Positions* positions = map.Find(key);
  if (!positions) return;
  std::vector<int>* rest = positions->rest.get();
  if (positions->first == position) {
    if (!rest || rest->empty()) {
      map.Erase(key);
      return;
    }
    positions->first = rest->front();
    rest->erase(rest->begin());
    return;
  }
  if (!rest) return;
  const auto at = std::lower_bound(rest->begin(), rest->end(), position);
  if (at != rest->end() && *at == position) rest->erase(at);
}

void ZORWENUIFeatureIndex::Forget(int position) {
  const Keys& keys = keys_[static_cast<std::size_t>(position) - 1];
  if (keys.identity) Erase(identities_, keys.identity, position);
  if (keys.support) Erase(supports_, keys.support, position);
}

std::vector<int> ZORWENUIFeatureIndex::RemoveLines(ZORListValZORISpecObject_var& list,
                                                   const std::vector<int>& lines) {
  const int size = list.Size();
  std::vector<int> moved = Moves(size, lines);
  if (lines.empty()) return moved;
  if (valid_ && Indexed() != size) valid_ = false;
  // The removed entries leave the index first, so that renumbering moves every position left.
  if (valid_) {
    for (int line : lines) Forget(line + 1);
  }
  for (int position = 1; position <= size; ++position) {
    const int to = moved[static_cast<std::size_t>(position)];
    if (to == 0 || to == position) continue;
    list[to] = std::move(list[position]);
    if (valid_)
      keys_[static_cast<std::size_t>(to) - 1] = keys_[static_cast<std::size_t>(position) - 1];
  }
  list.RemoveAfter(size - static_cast<int>(lines.size()));
  if (!valid_) return moved;
  keys_.resize(static_cast<std::size_t>(list.Size()));
  // Renumbering in place costs no allocation, where a rebuild would cost one per entry.
  Renumber(identities_, moved);
  Renumber(supports_, moved);
  return moved;
}

void ZORWENUIFeatureIndex::Renumber(Map& map, const std::vector<int>& moved) {
  map.ForEach([&moved](const ZORBaseUnknown*, Positions& positions) {
    positions.first = moved[static_cast<std::size_t>(positions.first)];
    if (!positions.rest) return;
    for (int& position : *positions.rest) position = moved[static_cast<std::size_t>(position)];
  });
}

void ZORWENUIFeatureIndex::Cleared() {
  identities_.Clear();
  supports_.Clear();
  keys_.clear();
  valid_ = true;
}

void ZORWENUIFeatureIndex::Replaced(const ZORListValZORISpecObject_var& list, int position) {
  if (!valid_ || Indexed() != list.Size()) return;  // rebuilt whole at the next Locate
  Forget(position);
  Add(list[position], position);
}

void ZORWENUIFeatureIndex::Rebuild(const ZORListValZORISpecObject_var& list) const {
  identities_.Clear();
  supports_.Clear();
  keys_.clear();
  for (int p = 1; p <= list.Size(); ++p) Add(list[p], p);
  valid_ = true;
}

int ZORWENUIFeatureIndex::After(const Positions& positions, int start) {
  if (positions.first > start) return positions.first;
  if (!positions.rest) return 0;
  const std::vector<int>& rest = *positions.rest;
  const auto after = std::upper_bound(rest.begin(), rest.end(), start);
  return after == rest.end() ? 0 : *after;
}

int ZORWENUIFeatureIndex::FirstAfter(const Map& map, const ZORBaseUnknown* key, int start) {
  const Positions* positions = map.Find(key);
  return positions ? After(*positions, start) : 0;
}

int ZORWENUIFeatureIndex::Locate(const ZORListValZORISpecObject_var& list,
                                 const ZORBaseUnknown_var& feature, int start) const {
  return feature ? LocateFrom(list, feature, SupportToSearch(list, feature), start) : 0;
}

std::vector<int> ZORWENUIFeatureIndex::LocateAll(const ZORListValZORISpecObject_var& list,
                                                 const ZORISpecObject_var& feature) const {
  std::vector<int> positions;
  if (!feature) return positions;
  const ZORBaseUnknown* support = SupportToSearch(list, feature);
  for (int p = LocateFrom(list, feature, support, 0); p != 0;
       p = LocateFrom(list, feature, support, p)) {
    positions.push_back(p);
  }
  return positions;
}

template <class Handle>
const ZORBaseUnknown* ZORWENUIFeatureIndex::SupportToSearch(
    const ZORListValZORISpecObject_var& list, const Handle& feature) const {
  EnsureCurrent(list);
  return supports_.Empty() ? nullptr : SupportOf(feature);
}

void ZORWENUIFeatureIndex::EnsureCurrent(const ZORListValZORISpecObject_var& list) const {
  if (!valid_ || Indexed() != list.Size()) Rebuild(list);
}

template <class Handle>
int ZORWENUIFeatureIndex::LocateFrom(const ZORListValZORISpecObject_var& list,
                                     const Handle& feature, const ZORBaseUnknown* support,
                                     int start) const {
  EnsureCurrent(list);
  const int same = FirstAfter(identities_, ZORIdentityOf(feature), start);
  const Positions* group = support ? supports_.Find(support) : nullptr;
  if (!group) return same;
  // Positions ascend: the first related entry after `start` is the BRep match.
  for (int p = After(*group, start); p != 0 && (same == 0 || p < same); p = After(*group, p)) {
    if (Related(ZORBaseUnknown_var(list[p]), feature)) return p;
  }
  return same;
}
