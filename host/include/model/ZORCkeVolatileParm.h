#pragma once
// A knowledge parameter that belongs to no document (editors' own values): name, magnitude,
// value as stored, access and activation, with the same late type as the parameters of a
// document, so that it offers the same value, event and editor interfaces.

#include "ZORICkeParm.h"
#include "ZORMetaObject.h"

class ZORCkeVolatileParm : public virtual ZORBaseUnknown, public ZORICkeParm {
  ZOR_DECLARE_CLASS(ZORCkeVolatileParm, ZORBaseUnknown, ZORMetaObject::Implementation, "Knowledge")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORICkeParm)

  ZORCkeVolatileParm();
  ZORCkeVolatileParm(const ZORUnicodeString& name, const ZORString& magnitude, double value);

  ZORUnicodeString GetParmName() override { return name_; }
  HRESULT Rename(const ZORUnicodeString& name) override;
  int GetAccess() override { return access_; }
  HRESULT SetAccess(int access) override;
  ZORString GetMagnitude() override { return magnitude_; }
  double GetStoredValue() override { return value_; }
  HRESULT Valuate(double value) override;
  HRESULT SetActivated(ZORCke::Boolean activated) override;
  ZORCke::Boolean IsActivated() override { return activated_; }

 private:
  ZORUnicodeString name_;
  ZORString magnitude_;
  double value_ = 0;
  int access_ = 0;
  ZORCke::Boolean activated_ = ZORCke::True;
};
