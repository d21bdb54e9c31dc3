#include "ZORWenPointJournaling.h"

#include <string>

#include "ZORWenJournaling.h"

bool ZORWenPointJournaling::CreationPointOnSurface(const ZORISpecObject_var& point) {
  return Creation("CreationPointOnSurface", point);
}

bool ZORWenPointJournaling::CreationPointOnPlane(const ZORISpecObject_var& point) {
  return Creation("CreationPointOnPlane", point);
}

bool ZORWenPointJournaling::Creation(const char* kind, const ZORISpecObject_var& point) {
  if (!point || !ZORWenJournaling::TstIsJournalActif()) return false;
  ZORWenJournaling::LogAOuvrir();
  ZORWenJournaling::Log(std::string(kind) + " " + point->GetDisplayName().str());
  return true;
}
