// The library's entries in the host's interface dictionary, filled when the library is loaded
// and withdrawn when it is unloaded. Nothing else runs at load.

#include <vector>

#include "ZORInterfaceDictionary.h"

namespace {

std::vector<ZORDictionaryEntry> LibraryEntries() {
  return {};
}

struct DictionaryRegistration {
  DictionaryRegistration() {
    for (const ZORDictionaryEntry& entry : LibraryEntries()) ZORFillDictionary(entry);
  }
  ~DictionaryRegistration() {
    for (const ZORDictionaryEntry& entry : LibraryEntries()) {
      ZORRemoveFromDictionary(entry.implementation);
    }
  }
};

const DictionaryRegistration registration;

}  // namespace
