#include "ZORDriverPick.h"

#include <vector>

#include "ZORDocument.h"
#include "ZORFrmLayout.h"
#include "ZORStateCommand.h"
#include "ZORWENUIFeatureAgent.h"

namespace {

// Offers `path` and ends the transaction, as a user's pick does.
bool PickPath(ZORDriver& driver, const ZORPathElement& path) {
  const bool taken = ZORDriverPick::OfferPath(driver, path);
  driver.EndTransaction();
  return taken;
}

// The pick path of `cell` of the feature's result: the feature's, its body, then the cell.
ZORPathElement PathOfCell(ZORBaseUnknown* feature, ZORCell* cell) {
  ZORPathElement path = ZORWENUIFeatureAgent::GivePickPath(feature);
  ZORFeature* picked = ZORFeature::From(feature);
  const bool held = cell && picked && picked->GetResultBody() &&
                    picked->GetResultBody()->GetCell(cell->GetNumber()) == cell;
  if (!path.IsSet() || !held) return ZORPathElement();
  path.AddChildElement(ZORBaseUnknown_var(cell));
  return path;
}

}  // namespace

bool ZORDriverPick::OfferPath(ZORDriver& driver, const ZORPathElement& path) {
  ZORStateCommand* command = driver.CurrentCommand();
  ZORDialogState* state = command && command->IsActive() ? command->GetCurrentState() : nullptr;
  if (!state || !path.IsSet()) return false;
  // A copy: a taken pick may move the command to another state.
  const std::vector<ZORDialogAgent*> agents = state->GetAgents();
  for (ZORDialogAgent* agent : agents) {
    auto* acquiring = dynamic_cast<ZORWENUIFeatureAgent*>(agent);
    if (acquiring && acquiring->TryValue(path)) return true;
  }
  return false;
}

bool ZORDriverPick::Pick(ZORDriver& driver, ZORBaseUnknown* feature) {
  return PickPath(driver, ZORWENUIFeatureAgent::GivePickPath(feature));
}

bool ZORDriverPick::PickInTree(ZORDriver& driver, ZORBaseUnknown* feature) {
  ZORFeature* picked = ZORFeature::From(feature);
  ZORDocument* document = picked ? picked->GetDocument() : nullptr;
  return PickPath(driver, document ? document->GivePathElementFrom(ZORBaseUnknown_var(feature))
                                   : ZORPathElement());
}

bool ZORDriverPick::PickCell(ZORDriver& driver, ZORBaseUnknown* feature, ZORCell* cell) {
  const ZORPathElement path = PathOfCell(feature, cell);
  return path.IsSet() && PickPath(driver, path);
}

ZORPathElement ZORDriverPick::CellPath(ZORBaseUnknown* feature, int dimension, int index) {
  ZORFeature* picked = ZORFeature::From(feature);
  ZORBody_var body = picked ? picked->GetResultBody() : nullptr;
  return PathOfCell(feature, body ? body->GetCellOfDimension(dimension, index) : nullptr);
}

bool ZORDriverPick::PickAt(ZORDriver& driver, const ZORMathPoint& position) {
  ZORViewer* viewer = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  viewer->SetMousePosition(position);
  ZORPickPathList picks;
  ZORPathElement path;
  if (SUCCEEDED(viewer->PickUnderMouse(picks))) {
    for (int i = 1; i <= picks.Size() && !path.IsSet(); ++i) path = picks.GetPath(i)->GetPath();
  }
  return PickPath(driver, path);
}
