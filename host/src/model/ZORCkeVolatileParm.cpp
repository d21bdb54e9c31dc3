#include "ZORCkeVolatileParm.h"

#include <cmath>

#include "ZORCkeParmExt.h"

ZORCkeVolatileParm::ZORCkeVolatileParm() {
  SetLateType(ZORCkeParmExt::LateType());
}

ZORCkeVolatileParm::ZORCkeVolatileParm(const ZORUnicodeString& name, const ZORString& magnitude,
                                       double value)
    : name_(name), magnitude_(magnitude), value_(value) {
  SetLateType(ZORCkeParmExt::LateType());
}

HRESULT ZORCkeVolatileParm::Rename(const ZORUnicodeString& name) {
  if (name.str().empty() || access_ == 1) return E_FAIL;
  name_ = name;
  return S_OK;
}

HRESULT ZORCkeVolatileParm::SetAccess(int access) {
  access_ = access;
  return S_OK;
}

HRESULT ZORCkeVolatileParm::Valuate(double value) {
  if (access_ == 1 || !std::isfinite(value)) return E_FAIL;
  if (value == value_) return S_OK;  // no change, nothing to tell
  value_ = value;
  ZORCkeParmExt::PublishChange(this);
  return S_OK;
}

HRESULT ZORCkeVolatileParm::SetActivated(ZORCke::Boolean activated) {
  activated_ = activated == ZORCke::False ? ZORCke::False : ZORCke::True;
  ZORCkeParmExt::PublishChange(this);
  return S_OK;
}
