#pragma once
// The interface dictionary: which implementation gives which interface to which late type.
// Plug-ins fill it from their static initialisation when they are loaded.

#include <string>
#include <string_view>
#include <vector>

#include "ZORGUID.h"

class ZORBaseExtension;

using ZORExtensionFactory = ZORBaseExtension* (*)();

struct ZORDictionaryEntry {
  std::string implementation;  // class that gives the interface
  std::string interfaceName;
  IID iid;
  // Late type (or class name) the implementation extends; empty for a component's own
  // interface, recorded for the record only.
  std::string extendedType;
  ZORExtensionFactory factory = nullptr;
};

void ZORFillDictionary(const ZORDictionaryEntry& entry);
// Forgets every entry of an implementation (a plug-in being unloaded).
void ZORRemoveFromDictionary(const std::string& implementation);

// Whether some late type has an extension giving `iid`: when none has, a component need not
// look its own late type up.
bool ZORDictionaryExtends(const IID& iid);
// The extension entry for (late type, interface), or null.
const ZORDictionaryEntry* ZORLookupDictionary(std::string_view extendedType, const IID& iid);
// Every entry, in registration order.
std::vector<const ZORDictionaryEntry*> ZORDictionaryEntries();
