#include "ZORSurfacicUIRecordServices.h"

#include <unordered_map>

#include "ZORFaultGate.h"

namespace {

struct Store {
  std::unordered_map<std::string, int> levels;
  bool readable = true;
  std::vector<ZORSurfacicUIRecordServices::Warning> warnings;
};

Store& TheStore() {
  static Store store;
  return store;
}

}  // namespace

HRESULT ZORSurfacicUIRecordServices::SetRecordLevel(const ZORString& name, int defaultLevel,
                                                    int& flag) {
  flag = 0;
  if (!ZORFaultGate::Pass("ZORSurfacicUIRecordServices::SetRecordLevel")) return E_FAIL;
  if (name.IsEmpty()) return E_FAIL;
  TheStore().levels.try_emplace(name.str(), defaultLevel);
  flag = 1;
  return S_OK;
}

int ZORSurfacicUIRecordServices::GetRecordLevel(const ZORString& name, int defaultLevel,
                                                int& found) {
  found = 0;
  if (!ZORFaultGate::Pass("ZORSurfacicUIRecordServices::GetRecordLevel")) return defaultLevel;
  const Store& store = TheStore();
  if (!store.readable) return defaultLevel;
  const auto it = store.levels.find(name.str());
  if (it == store.levels.end()) return defaultLevel;
  found = 1;
  return it->second;
}

HRESULT ZORSurfacicUIRecordServices::SetRecordWarning(const ZORString& name, int level,
                                                      const ZORUnicodeString& text, int& flag) {
  flag = 0;
  if (!ZORFaultGate::Pass("ZORSurfacicUIRecordServices::SetRecordWarning")) return E_FAIL;
  TheStore().warnings.push_back({name, level, text});
  flag = 1;
  return S_OK;
}

void ZORSurfacicUIRecordServices::SetStoredLevel(const ZORString& name, int level) {
  TheStore().levels[name.str()] = level;
}

void ZORSurfacicUIRecordServices::EraseStoredLevel(const ZORString& name) {
  TheStore().levels.erase(name.str());
}

void ZORSurfacicUIRecordServices::SetStoreReadable(bool readable) {
  TheStore().readable = readable;
}

const std::vector<ZORSurfacicUIRecordServices::Warning>&
ZORSurfacicUIRecordServices::GetRecordedWarnings() {
  return TheStore().warnings;
}

void ZORSurfacicUIRecordServices::ResetStore() {
  TheStore() = Store();
}
