#include "ZORGuiWOSCartesianPointOnPlaneAgent.h"

#include "ZORActivate.h"
#include "ZORCkeNumbersDisplay.h"
#include "ZORFrmLayout.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIParmAsStored.h"
#include "ZORIWENCartesianGrid.h"
#include "ZORIWENPointOnPlane.h"
#include "ZORIndicationSegment.h"
#include "ZORWENGetAxis.h"
#include "ZORWenJournaling.h"
#include "ZORWenJournalingLog.h"
#include "ZORWenPointJournaling.h"

namespace {

constexpr double kDefaultStep = 0.001;

// The grid step from a spacing parameter and its graduations; 0.001 for a spacing that is not
// a positive length.
double GridStep(const ZORICkeParm_var& spacing, int graduations) {
  const ZORIParmAsStored_var stored(spacing);
  const double length = stored ? stored->GetValueAsStored() : 0.0;
  if (!(length > 0.0)) return kDefaultStep;
  return graduations > 0 ? length / graduations : length;
}

ZORUnicodeString Millimetres(double value) {
  return ZORCkeNumbersDisplay::DoubleToString(value, ZORString("mm"),
                                              ZORCkeNumbersDisplay::kRoundedMode);
}

}  // namespace

ZORGuiWOSCartesianPointOnPlaneAgent::ZORGuiWOSCartesianPointOnPlaneAgent(
    const ZORString& name, const ZORUnicodeString& undoTitle, int behavior,
    unsigned long filterFlags, const ZORBaseUnknown_var& command, int implicitSelectionMode,
    int connexSelectionMode, int contextualCreationMode)
    : ZORGuiWOSPointAgent(name, undoTitle, behavior, filterFlags, command, implicitSelectionMode,
                          connexSelectionMode, contextualCreationMode) {
  hasPlane_ = ReadPlane();
  ComputeStep();
  viewer_ = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
}

ZORGuiWOSCartesianPointOnPlaneAgent::~ZORGuiWOSCartesianPointOnPlaneAgent() = default;

void ZORGuiWOSCartesianPointOnPlaneAgent::Initialize() {
  ZORGuiWOSPointAgent::Initialize();
  viewer_ = nullptr;
  h_ = nullptr;
  v_ = nullptr;
  gridFeature_ = nullptr;
}

void ZORGuiWOSCartesianPointOnPlaneAgent::SetOTFFeature(const ZORISpecObject_var& feature) {
  h_ = nullptr;
  v_ = nullptr;
  ZORGuiWOSPointAgent::SetOTFFeature(feature);
}

bool ZORGuiWOSCartesianPointOnPlaneAgent::ReadPlane() {
  const ZORIWENWorkingSupport_var& support = GetWorkingSupport();
  if (!support) return false;
  const ZORIWENCartesianGrid_var grid(support->GetGrid());
  gridFeature_ = grid ? grid->GetReference() : nullptr;
  if (FAILED(ZORWENGetAxis(GetSupportFeature(), gridFeature_, plane_))) return false;
  // Coordinates count from the support's origin point, on the plane.
  if (GetOriginFeature()) {
    double u = 0.0, v = 0.0;
    plane_.Project(GetOrigin(), u, v);
    plane_.SetOrigin(plane_.EvalPoint(u, v));
  }
  return true;
}

void ZORGuiWOSCartesianPointOnPlaneAgent::ComputeStep() {
  steps_[0] = steps_[1] = kDefaultStep;
  const ZORIWENWorkingSupport_var& support = GetWorkingSupport();
  const ZORIWENCartesianGrid_var grid(support ? support->GetGrid() : nullptr);
  if (!IsSnapOn() || !grid) return;
  ZORICkeParm_var spacings[2];
  int graduations[2] = {0, 0};
  if (FAILED(grid->GetSpacings(spacings[0], spacings[1])) ||
      FAILED(grid->GetGraduations(graduations[0], graduations[1]))) {
    return;
  }
  for (int i = 0; i < 2; ++i) steps_[i] = GridStep(spacings[i], graduations[i]);
}

// ---------------------------------------------------------------- decoding

int ZORGuiWOSCartesianPointOnPlaneAgent::DecodeNotification(ZORCommand* sender,
                                                            ZORNotification* notification) {
  const int decoded = ZORGuiWOSPointAgent::DecodeNotification(sender, notification);
  if (decoded || !IsValuationEnabled()) return decoded;
  const int point = DecodePoint(notification);
  if (!point) return 0;
  const int valued = AgentValuation();
  if (!valued && point == kPointMade) DiscardPoint();
  return valued;
}

void ZORGuiWOSCartesianPointOnPlaneAgent::DiscardPoint() {
  const ZORIWENPointOnPlane_var point(GetOTFFeature());
  if (!point) return;
  Discard({ZORBaseUnknown_var(GetOTFFeature()), ZORBaseUnknown_var(point->GetH()),
           ZORBaseUnknown_var(point->GetV())});
  SetOTFFeature(nullptr);
}

int ZORGuiWOSCartesianPointOnPlaneAgent::DecodePoint(ZORNotification* notification) {
  const auto* eye = notification
                        ? dynamic_cast<const ZORIndicationSegment*>(notification->GetSentObject())
                        : nullptr;
  double uv[2];
  ZORMathPoint eyeOrigin;
  if (!eye || !hasPlane_ ||
      !GetIntersection_FlyPoint_Plane(plane_, uv, eye->GetLine(), eyeOrigin)) {
    return 0;
  }
  StepValue(uv[0], steps_[0]);
  StepValue(uv[1], steps_[1]);
  uv_[0] = uv[0];
  uv_[1] = uv[1];
  const ZORMathPoint point = plane_.EvalPoint(uv[0], uv[1]);
  const ZORUnicodeString text(Millimetres(uv[0]).str() + "," + Millimetres(uv[1]).str());
  CreateReps(&point, nullptr, &text);
  if (viewer_) viewer_->SetCursor(0);
  if (!notification->IsAKindOf(ZORActivate::ClassName())) return 0;
  return CreatePoint(uv[0], uv[1]);
}

// ---------------------------------------------------------------- creation

int ZORGuiWOSCartesianPointOnPlaneAgent::CreateLitterals() {
  if (const ZORIWENPointOnPlane_var kept{GetOTFFeature()}) {
    if (kept->GetSupport() == GetSupportFeature() && kept->GetOrigin() == GetOriginFeature() &&
        kept->GetH() && kept->GetV()) {
      h_ = kept->GetH();
      v_ = kept->GetV();
      return 0;
    }
  }
  if (GetOTFFeature()) ZORGuiUtilitiesServices::Remove(GetOTFFeature());
  SetOTFFeature(nullptr);
  h_ = NewLength("H");
  v_ = NewLength("V");
  if (h_ && v_) return 1;
  Discard({ZORBaseUnknown_var(h_), ZORBaseUnknown_var(v_)});
  h_ = v_ = nullptr;
  return -1;
}

int ZORGuiWOSCartesianPointOnPlaneAgent::UpdateLitterals(double u, double v) {
  const int made = CreateLitterals();
  if (made < 0) return -1;
  if (StoreLength(h_, u) && StoreLength(v_, v)) return made;
  if (made == 1) Discard({ZORBaseUnknown_var(h_), ZORBaseUnknown_var(v_)});
  h_ = v_ = nullptr;
  return -1;
}

int ZORGuiWOSCartesianPointOnPlaneAgent::CreatePoint(double u, double v) {
  const int made = UpdateLitterals(u, v);
  // Kept parameters moved the on-the-fly point already.
  if (made <= 0) return made == 0 ? kPointMoved : 0;
  const ZORIWENFactory_var factory = ZORGuiUtilitiesServices::GetCurrentWENFactory();
  const ZORISpecObject_var support = InCurrentContainer(GetSupportFeature());
  const ZORISpecObject_var origin = InCurrentContainer(GetOriginFeature());
  const ZORISpecObject_var point =
      factory && support ? factory->CreatePointOnPlane(support, origin, h_, v_) : nullptr;
  if (!point || FAILED(InsertInCurrentTool(point))) {
    Discard({ZORBaseUnknown_var(point), ZORBaseUnknown_var(h_), ZORBaseUnknown_var(v_),
             Copy(support, GetSupportFeature()), Copy(origin, GetOriginFeature())});
    h_ = v_ = nullptr;
    return 0;
  }
  if (ZORWenJournaling::TstIsJournalActif()) {
    ZORWenJournalingLog::ForceOpenLog();
    ZORWenPointJournaling::CreationPointOnPlane(point);
    ZORWenJournalingLog::RemiseAJourEtatLog();
  }
  SetOTFFeature(point);
  return kPointMade;
}
