#include "ZORGuiRemoteAcqAgent.h"

ZORGuiRemoteAcqAgent::ZORGuiRemoteAcqAgent(ZORGeoFactory* factory, const ZORString& name,
                                           int behavior)
    : ZORStRemoteAcqu(factory, name, behavior) {}

ZORGuiRemoteAcqAgent::~ZORGuiRemoteAcqAgent() = default;

int ZORGuiRemoteAcqAgent::DecodeNotification(ZORCommand* sender, ZORNotification* notification) {
  return ZORStRemoteAcqu::DecodeNotification(sender, notification);
}

void ZORGuiRemoteAcqAgent::PutIntoPSO() {
  ZORStRemoteAcqu::PutIntoPSO();
}

bool ZORGuiRemoteAcqAgent::Prevaluate(ZORPathElement* path) {
  if (!path || !path->IsSet()) return false;
  SetValuationState(2);
  return SetValue(*path);
}
