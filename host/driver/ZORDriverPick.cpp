#include "ZORDriverPick.h"

#include <vector>

#include "ZORStateCommand.h"
#include "ZORWENUIFeatureAgent.h"

namespace {

bool OfferToAgents(ZORStateCommand* command, const ZORPathElement& path) {
  ZORDialogState* state = command ? command->GetCurrentState() : nullptr;
  if (!state || !path.IsSet()) return false;
  // A copy: a taken pick may move the command to another state.
  const std::vector<ZORDialogAgent*> agents = state->GetAgents();
  for (ZORDialogAgent* agent : agents) {
    auto* acquiring = dynamic_cast<ZORWENUIFeatureAgent*>(agent);
    if (acquiring && acquiring->TryValue(path)) return true;
  }
  return false;
}

}  // namespace

bool ZORDriverPick::Pick(ZORDriver& driver, ZORBaseUnknown* feature) {
  ZORStateCommand* command = driver.CurrentCommand();
  const bool taken = command && command->IsActive() &&
                     OfferToAgents(command, ZORWENUIFeatureAgent::GivePickPath(feature));
  driver.EndTransaction();
  return taken;
}
