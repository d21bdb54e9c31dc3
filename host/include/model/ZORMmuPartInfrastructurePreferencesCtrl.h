#pragma once
// The component behind the part infrastructure preferences, instantiated by its class name
// ("ZORMmuPartInfrastructurePreferencesCtrl", ZORInstantiateComponent). Every instance reads and
// writes the same values, which the host keeps for the session.

#include "ZORIMmiPartInfrastructurePreferencesAtt.h"

class ZORMmuPartInfrastructurePreferencesCtrl : public virtual ZORBaseUnknown,
                                                public ZORIMmiPartInfrastructurePreferencesAtt {
  ZOR_DECLARE_CLASS(ZORMmuPartInfrastructurePreferencesCtrl, ZORBaseUnknown,
                    ZORMetaObject::Implementation, "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORIMmiPartInfrastructurePreferencesAtt)

  ZORMmuPartInfrastructurePreferencesCtrl() = default;

  // Both pass "ZORIMmiPartInfrastructurePreferencesAtt::<operation>" first.
  HRESULT GetDatumCreationMode(bool& on) override;
  HRESULT SetDatumCreationMode(bool on) override;

  // Puts every preference back to the host's default (off).
  static void ResetToDefaults();
};
