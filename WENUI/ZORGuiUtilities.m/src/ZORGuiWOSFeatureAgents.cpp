// The agents commands ask points and axes with, chosen by the current working support.

#include "ZORGuiWOSAxisAgent.h"
#include "ZORGuiWOSCartesianPointOnPlaneAgent.h"
#include "ZORGuiWOSPointOnSurfaceAgent.h"
#include "ZORIMfPlane.h"

ZORVar<ZORWENUIFeatureAgent> CreateWENFeatureAgent(
    const ZORString& name, const ZORUnicodeString& undoTitle, int behavior,
    unsigned long filterFlags, const ZORBaseUnknown_var& command, int implicitSelectionMode,
    int connexSelectionMode, int contextualCreationMode) {
  ZORIWENWorkingSupport_var support;
  ZORGuiGetCurrentWorkingSupport(nullptr, support);
  if (!support) {
    return ZORMake<ZORWENUIFeatureAgent>(name, undoTitle, behavior, filterFlags, command,
                                         implicitSelectionMode, connexSelectionMode,
                                         contextualCreationMode);
  }
  if (support->GetType() == ZORIWENWorkingSupport::kCartesianPlane) {
    return ZORMake<ZORGuiWOSCartesianPointOnPlaneAgent>(
        name, undoTitle, behavior, filterFlags, command, implicitSelectionMode, connexSelectionMode,
        contextualCreationMode);
  }
  return ZORMake<ZORGuiWOSPointOnSurfaceAgent>(name, undoTitle, behavior, filterFlags, command,
                                               implicitSelectionMode, connexSelectionMode,
                                               contextualCreationMode);
}

ZORVar<ZORWENUIFeatureAgent> CreateWENAxisFeatureAgent(
    const ZORString& name, const ZORUnicodeString& undoTitle, int behavior,
    unsigned long filterFlags, const ZORBaseUnknown_var& command, int implicitSelectionMode,
    int connexSelectionMode, int contextualCreationMode) {
  ZORIWENWorkingSupport_var support;
  ZORGuiGetCurrentWorkingSupport(nullptr, support);
  const ZORISpecObject_var plane = support ? support->GetSupport() : nullptr;
  ZORVar<ZORWENUIFeatureAgent> agent;
  if (plane && (ZORWENUIFeatureAgent::IsOfType(plane.get(), ZORString("ZORPlane")) ||
                ZORIMfPlane_var(plane))) {
    agent = ZORMake<ZORGuiWOSAxisAgent>(plane, name, undoTitle, behavior, filterFlags, command,
                                        implicitSelectionMode, connexSelectionMode,
                                        contextualCreationMode);
  } else {
    agent = ZORMake<ZORWENUIFeatureAgent>(name, undoTitle, behavior, filterFlags, command,
                                          implicitSelectionMode, connexSelectionMode,
                                          contextualCreationMode);
  }
  agent->AddOrderedLineAcquisition(0, ZORWENUIFeatureAgent::kDefaultAcquisitionFilter);
  agent->AddOrderedPointAcquisition();
  return agent;
}
