#pragma once
// The part infrastructure preferences a user sets once for every part.

#include "ZORVar.h"

class ZORIMmiPartInfrastructurePreferencesAtt : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMmiPartInfrastructurePreferencesAtt)

  // Whether features made interactively are kept as datums (results without their inputs).
  virtual HRESULT GetDatumCreationMode(bool& on) = 0;
  virtual HRESULT SetDatumCreationMode(bool on) = 0;
};

ZOR_DEFINE_IID(ZORIMmiPartInfrastructurePreferencesAtt);
using ZORIMmiPartInfrastructurePreferencesAtt_var = ZORVar<ZORIMmiPartInfrastructurePreferencesAtt>;
