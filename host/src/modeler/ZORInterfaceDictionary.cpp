#include "ZORInterfaceDictionary.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace {

// Looks types up by view: every interface query asks, and should not build a string to ask.
struct TypeHash {
  using is_transparent = void;
  size_t operator()(std::string_view type) const { return std::hash<std::string_view>{}(type); }
};

bool Before(const IID& a, const IID& b) {
  return std::lexicographical_compare(std::begin(a.words), std::end(a.words), std::begin(b.words),
                                      std::end(b.words));
}

struct Dictionary {
  // Entries keep their address for as long as they are registered: extensions point at them.
  std::vector<std::unique_ptr<ZORDictionaryEntry>> entries;
  std::unordered_map<std::string, std::vector<const ZORDictionaryEntry*>, TypeHash, std::equal_to<>>
      byExtendedType;
  // The interfaces some extension gives, ascending: read on every query that a component does
  // not answer itself.
  std::vector<IID> extendedIids;

  void Index(const ZORDictionaryEntry* e) {
    if (e->extendedType.empty()) return;
    byExtendedType[e->extendedType].push_back(e);
    const auto at = std::lower_bound(extendedIids.begin(), extendedIids.end(), e->iid, Before);
    if (at == extendedIids.end() || !(*at == e->iid)) extendedIids.insert(at, e->iid);
  }
  void Reindex() {
    byExtendedType.clear();
    extendedIids.clear();
    for (const auto& e : entries) Index(e.get());
  }
};

Dictionary& TheDictionary() {
  static Dictionary dictionary;
  return dictionary;
}

}  // namespace

void ZORFillDictionary(const ZORDictionaryEntry& entry) {
  Dictionary& d = TheDictionary();
  d.entries.push_back(std::make_unique<ZORDictionaryEntry>(entry));
  d.Index(d.entries.back().get());
}

void ZORRemoveFromDictionary(const std::string& implementation) {
  Dictionary& d = TheDictionary();
  std::erase_if(d.entries, [&](const auto& e) { return e->implementation == implementation; });
  d.Reindex();
}

bool ZORDictionaryExtends(const IID& iid) {
  const std::vector<IID>& iids = TheDictionary().extendedIids;
  return std::binary_search(iids.begin(), iids.end(), iid, Before);
}

const ZORDictionaryEntry* ZORLookupDictionary(std::string_view extendedType, const IID& iid) {
  const Dictionary& d = TheDictionary();
  auto it = d.byExtendedType.find(extendedType);
  if (it == d.byExtendedType.end()) return nullptr;
  for (const ZORDictionaryEntry* e : it->second) {
    if (e->iid == iid) return e;
  }
  return nullptr;
}

std::vector<const ZORDictionaryEntry*> ZORDictionaryEntries() {
  std::vector<const ZORDictionaryEntry*> all;
  for (const auto& e : TheDictionary().entries) all.push_back(e.get());
  return all;
}
