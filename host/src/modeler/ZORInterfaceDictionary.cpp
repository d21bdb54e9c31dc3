#include "ZORInterfaceDictionary.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace {

// Looks types up by view: every interface query asks, and should not build a string to ask.
struct TypeHash {
  using is_transparent = void;
  size_t operator()(std::string_view type) const { return std::hash<std::string_view>{}(type); }
};

struct Dictionary {
  // Entries keep their address for as long as they are registered: extensions point at them.
  std::vector<std::unique_ptr<ZORDictionaryEntry>> entries;
  std::unordered_map<std::string, std::vector<const ZORDictionaryEntry*>, TypeHash,
                     std::equal_to<>>
      byExtendedType;

  void Reindex() {
    byExtendedType.clear();
    for (const auto& e : entries) {
      if (!e->extendedType.empty()) byExtendedType[e->extendedType].push_back(e.get());
    }
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
  if (!entry.extendedType.empty()) {
    d.byExtendedType[entry.extendedType].push_back(d.entries.back().get());
  }
}

void ZORRemoveFromDictionary(const std::string& implementation) {
  Dictionary& d = TheDictionary();
  std::erase_if(d.entries, [&](const auto& e) { return e->implementation == implementation; });
  d.Reindex();
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
