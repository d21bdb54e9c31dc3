#include "ZOR3DVisuHandle.h"

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"

namespace {

// Whether `rep` draws anything a user can see: primitives outside the hidden space, or any
// other kind of representation.
bool DrawsSomething(const ZOR3DRep& rep) {
  if (const auto* bag = dynamic_cast<const ZOR3DBagRep*>(&rep)) {
    for (const ZOR3DRep_var& child : bag->GetChildren()) {
      if (DrawsSomething(*child)) return true;
    }
    return false;
  }
  if (const auto* custom = dynamic_cast<const ZOR3DCustomRep*>(&rep)) {
    for (int i = 1; i <= custom->GetGPCount(); ++i) {
      if (!custom->GetGPAttributes(i)->IsInHiddenSpace()) return true;
    }
    return false;
  }
  return true;
}

}  // namespace

ZOR3DVisuHandle::ZOR3DVisuHandle(ZORCommand* father, const ZORString& name, ZOR3DRep* rep)
    : ZORVisuHandle(father, name), ZORSt3DISO(rep) {}

ZOR3DVisuHandle::~ZOR3DVisuHandle() = default;

bool ZOR3DVisuHandle::IsPickable() const {
  const ZOR3DRep* rep = GetRep();
  return ZORVisuHandle::IsPickable() && rep && !rep->IsNoPick() && DrawsSomething(*rep);
}
