#include "ZORWenJournalingLog.h"

#include "ZORWenJournaling.h"

void ZORWenJournalingLog::ForceOpenLog() {
  ZORWenJournaling::LogAOuvrir();
  ZORWenJournaling::Log("ForceOpenLog");
}

void ZORWenJournalingLog::RemiseAJourEtatLog() {
  ZORWenJournaling::Log("RemiseAJourEtatLog");
}
