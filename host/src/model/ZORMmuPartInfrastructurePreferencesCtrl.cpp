#include "ZORMmuPartInfrastructurePreferencesCtrl.h"

#include "ZORFaultGate.h"

namespace {

struct Preferences {
  bool datumCreation = false;
};

Preferences& ThePreferences() {
  static Preferences preferences;
  return preferences;
}

// The component is created by name: its class is known from the host's load on.
const bool declared = [] {
  ZORMmuPartInfrastructurePreferencesCtrl::MetaObject();
  return true;
}();

}  // namespace

HRESULT ZORMmuPartInfrastructurePreferencesCtrl::GetDatumCreationMode(bool& on) {
  if (!ZORFaultGate::Pass("ZORIMmiPartInfrastructurePreferencesAtt::GetDatumCreationMode")) {
    return E_FAIL;
  }
  on = ThePreferences().datumCreation;
  return S_OK;
}

HRESULT ZORMmuPartInfrastructurePreferencesCtrl::SetDatumCreationMode(bool on) {
  if (!ZORFaultGate::Pass("ZORIMmiPartInfrastructurePreferencesAtt::SetDatumCreationMode")) {
    return E_FAIL;
  }
  ThePreferences().datumCreation = on;
  return S_OK;
}

void ZORMmuPartInfrastructurePreferencesCtrl::ResetToDefaults() {
  ThePreferences() = Preferences();
}
