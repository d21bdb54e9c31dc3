#include "ZORWENUIObjectExtAgent.h"

#include "ZORWENUIObjectAgent.h"

ZOR3DRep_var ZORWENUIObjectExtAgent::BuildRep() {
  auto* agent = dynamic_cast<ZORWENUIObjectAgent*>(GetExtendedObject());
  return agent ? ZOR3DRep_var(agent->BuildSpec3DBagRep()) : ZOR3DRep_var();
}
