#include "ZORFaultGate.h"

#include <string>

#include "ZORError.h"
#include "ZORProtectedSection.h"

namespace {

struct GateState {
  long armedAt = 0;
  long calls = 0;
  int protectionDepth = 0;
  bool fired = false;
  const char* firedService = "";
};

GateState& State() {
  static GateState state;
  return state;
}

}  // namespace

bool ZORFaultGate::Pass(const char* service) {
  GateState& s = State();
  ++s.calls;
  if (s.armedAt == 0 || s.calls != s.armedAt) return true;
  s.fired = true;
  s.firedService = service ? service : "";
  if (s.protectionDepth > 0) {
    auto* error = new ZORError();
    error->SetNLSDiagnostic(ZORUnicodeString(std::string("Injected fault in ") + s.firedService));
    ZORRaise(error);
  }
  return false;
}

void ZORFaultGate::Arm(long k) {
  GateState& s = State();
  s.armedAt = k < 0 ? 0 : k;
  s.calls = 0;
  s.fired = false;
  s.firedService = "";
}

long ZORFaultGate::Calls() {
  return State().calls;
}
void ZORFaultGate::ResetCount() {
  State().calls = 0;
}
bool ZORFaultGate::Fired() {
  return State().fired;
}
const char* ZORFaultGate::FiredService() {
  return State().firedService;
}
int ZORFaultGate::ProtectionDepth() {
  return State().protectionDepth;
}
void ZORFaultGate::EnterProtection() {
  ++State().protectionDepth;
}
void ZORFaultGate::LeaveProtection() {
  --State().protectionDepth;
}
