#include "ZORInterfaceDictionary.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

struct Dictionary {
  // Entries keep their address for as long as they are registered: extensions point at them.
  std::vector<std::unique_ptr<ZORDictionaryEntry>> entries;
  std::unordered_map<std::string, std::vector<const ZORDictionaryEntry*>> byExtendedType;

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

const ZORDictionaryEntry* ZORLookupDictionary(const std::string& extendedType, const IID& iid) {
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
