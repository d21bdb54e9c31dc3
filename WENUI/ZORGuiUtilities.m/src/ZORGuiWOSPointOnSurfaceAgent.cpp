#include "ZORGuiWOSPointOnSurfaceAgent.h"

#include <algorithm>

#include "CreateLengthFromBodyOnShell.h"
#include "ZORActivate.h"
#include "ZORCkeNumbersDisplay.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesGetCenter.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIWENPointOnSurface.h"
#include "ZORIndicationSegment.h"
#include "ZORPlane.h"
#include "ZORSurface.h"
#include "ZORVertexOperator.h"
#include "ZORWenJournaling.h"
#include "ZORWenJournalingLog.h"
#include "ZORWenPointJournaling.h"

namespace {

constexpr int kAuthorizedDimension = 8;
constexpr int kActivity = 2306;
constexpr int kShown = 2;
constexpr int kPointMoved = 1;
constexpr int kPointMade = 2;
constexpr const char* kSurfaceType = "ZORSurface";
constexpr const char* kMultiSelType = "ZORIWENMultiSel";
constexpr const char* kNonOrderedSetType = "ZORIMmiNonOrderedGeometricalSet";

ZORMathVector UnitDirection(const ZORMathVector& direction) {
  return direction.Norm() > 0.0 ? direction.Normalized() : ZORMathVector(1, 0, 0);
}

// The plane of `body` when its one face lies on a plane.
bool PlaneOf(const ZORBody& body, ZORMathPlane& plane) {
  for (const ZORCell_var& cell : body.GetCells()) {
    if (dynamic_cast<const ZORPlane*>(cell->GetSurface())) return body.GetPlane(plane);
  }
  return body.GetPlane(plane);
}

}  // namespace

ZORGuiWOSPointOnSurfaceAgent::ZORGuiWOSPointOnSurfaceAgent(
    const ZORString& name, const ZORUnicodeString& undoTitle, int behavior,
    unsigned long filterFlags, const ZORBaseUnknown_var& command, int implicitSelectionMode,
    int connexSelectionMode, int contextualCreationMode)
    : ZORGuiWOSPointAgent(name, undoTitle, behavior, filterFlags, command, implicitSelectionMode,
                          connexSelectionMode, contextualCreationMode),
      factory_(ZORGuiUtilitiesServices::GetCurrentGeoFactory()),
      topData_(std::make_unique<ZORTopData>()) {
  surfaceBody_ = ZORGmoUtilitiesBody::GetFirstBody(GetSupportFeature());
  if (!surfaceBody_) return;
  planar_ = PlaneOf(*surfaceBody_, plane_);
  ZORMathPoint centre;
  if (!GetOriginFeature() && SUCCEEDED(ZORGmoUtilitiesGetCenter(surfaceBody_, centre))) {
    SetOrigin(centre);
  }
}

ZORGuiWOSPointOnSurfaceAgent::~ZORGuiWOSPointOnSurfaceAgent() {
  if (remote_) remote_->ResetAll();
}

void ZORGuiWOSPointOnSurfaceAgent::Initialize() {
  ZORGuiWOSPointAgent::Initialize();
  length_ = nullptr;
}

int ZORGuiWOSPointOnSurfaceAgent::Activate(ZORCommand* caller, ZORNotification* notification) {
  if (!decodeType_) AddDecodeType();
  return ZORGuiWOSPointAgent::Activate(caller, notification);
}

int ZORGuiWOSPointOnSurfaceAgent::Cancel(ZORCommand* caller, ZORNotification* notification) {
  if (remote_) remote_->ResetAll();
  return ZORGuiWOSPointAgent::Cancel(caller, notification);
}

void ZORGuiWOSPointOnSurfaceAgent::SetOTFFeature(const ZORISpecObject_var& feature) {
  length_ = nullptr;
  ZORGuiWOSPointAgent::SetOTFFeature(feature);
}

bool ZORGuiWOSPointOnSurfaceAgent::Lists(const char* type) const {
  const std::vector<ZORString> types = GetOrderedTypeList();
  return std::find(types.begin(), types.end(), ZORString(type)) != types.end();
}

int ZORGuiWOSPointOnSurfaceAgent::AddDecodeType() {
  if (decodeType_) return decodeType_;
  decodeType_ = 1;
  if (!Lists(kSurfaceType) && !Lists("ZORIMfBiDimResult")) {
    // Before the sets that gather results, so that a surface under the mouse comes first;
    // last when neither is listed.
    const char* before = Lists(kMultiSelType) ? kMultiSelType : kNonOrderedSetType;
    InsertOrderedElementType(ZORString(kSurfaceType), ZORString(before));
    decodeType_ = 2;
  }
  remote_ = ZORMake<ZORGuiRemoteAcqAgent>(factory_.get(), ZORString("ZORGuiRemoteAcqAgent"));
  remote_->SetAuthorizedDimension(kAuthorizedDimension);
  remote_->SetActivity(kActivity);
  return decodeType_;
}

// ---------------------------------------------------------------- decoding

int ZORGuiWOSPointOnSurfaceAgent::DecodeNotification(ZORCommand* sender,
                                                     ZORNotification* notification) {
  const int decoded = ZORGuiWOSPointAgent::DecodeNotification(sender, notification);
  if (decoded || !IsValuationEnabled()) return decoded;
  const auto* eye = notification
                        ? dynamic_cast<const ZORIndicationSegment*>(notification->GetSentObject())
                        : nullptr;
  ZORMathPoint point;
  double length = 0.0;
  if (!eye || !PointUnderMouse(*eye, point) || !MeasureLength(point, length)) return 0;
  StepValue(length, step_);
  const ZORMathPoint origin = GetOrigin();
  const ZORUnicodeString text = ZORCkeNumbersDisplay::DoubleToString(
      length, ZORString("mm"), ZORCkeNumbersDisplay::kRoundedMode);
  CreateReps(&point, &origin, &text);
  if (!notification->IsAKindOf(ZORActivate::ClassName())) return 0;
  const int created = CreatePoint(UnitDirection(point - origin), length);
  if (!created) return 0;
  const int valued = AgentValuation();
  // A point made for this click that cannot be valuated goes, with its length.
  if (!valued && created == kPointMade) {
    const ZORIWENPointOnSurface_var made(GetOTFFeature());
    Discard({ZORBaseUnknown_var(GetOTFFeature()),
             ZORBaseUnknown_var(made ? made->GetLength() : nullptr)});
    SetOTFFeature(nullptr);
  }
  return valued;
}

bool ZORGuiWOSPointOnSurfaceAgent::PointUnderMouse(const ZORIndicationSegment& eye,
                                                   ZORMathPoint& point) {
  if (!surfaceBody_) return false;
  if (planar_) {
    double uv[2];
    ZORMathPoint eyeOrigin;
    if (!GetIntersection_FlyPoint_Plane(plane_, uv, eye.GetLine(), eyeOrigin)) return false;
    point = plane_.EvalPoint(uv[0], uv[1]);
    return true;
  }
  // A curved support: what lies under the mouse, down to its surface, as the remote
  // acquisition detects it.
  ZORPathElement surface = SearchSubPath(eye.GetPath(), ZORString(kSurfaceType));
  if (!remote_ || !surface.IsSet() || !remote_->Prevaluate(&surface)) return false;
  remote_->SetVisibility(kShown);
  const ZORStAutoDetectionOper* detected = remote_->GetResult();
  if (!detected) return false;
  point = detected->GetPoint();
  return true;
}

bool ZORGuiWOSPointOnSurfaceAgent::MeasureLength(const ZORMathPoint& point, double& length) {
  ZORVertexOperator vertexMaker(factory_.get(), topData_.get(), point);
  if (FAILED(vertexMaker.Run())) return false;
  const ZORBody_var vertex = vertexMaker.GetResult();
  const HRESULT measured = CreateLengthFromBodyOnShell(
      factory_.get(), topData_.get(), surfaceBody_.get(), GetOrigin(), vertex.get(), length);
  // The vertex was only a measure: the factory keeps none of the moves'.
  factory_->Remove(vertex.get());
  return SUCCEEDED(measured);
}

// ---------------------------------------------------------------- creation

int ZORGuiWOSPointOnSurfaceAgent::CreateLitterals() {
  if (const ZORIWENPointOnSurface_var kept{GetOTFFeature()}) {
    const bool sameSupport =
        ZORGuiUtilitiesServices::IsSame(kept->GetSupport(), GetSupportFeature());
    const bool sameOrigin = kept->GetOrigin() == GetOriginFeature();
    if (sameSupport && sameOrigin && kept->GetLength()) {
      length_ = kept->GetLength();
      return 0;
    }
  }
  if (GetOTFFeature()) ZORGuiUtilitiesServices::Remove(GetOTFFeature());
  ZORGuiWOSPointAgent::SetOTFFeature(nullptr);
  length_ = NewLength("Length");
  return length_ ? 1 : -1;
}

int ZORGuiWOSPointOnSurfaceAgent::UpdateLitterals(double length) {
  const int made = CreateLitterals();
  if (made < 0) return -1;
  if (StoreLength(length_, length)) return made;
  if (made == 1) Discard({ZORBaseUnknown_var(length_)});
  length_ = nullptr;
  return -1;
}

int ZORGuiWOSPointOnSurfaceAgent::CreatePoint(const ZORMathVector& direction, double length) {
  const int made = UpdateLitterals(length);
  if (made < 0) return 0;
  if (made == 0) {
    // The same point, moved: its length is set, its direction follows.
    const ZORIWENPointOnSurface_var kept(GetOTFFeature());
    return kept && SUCCEEDED(kept->SetDirection(direction)) ? kPointMoved : 0;
  }
  const ZORIWENFactory_var factory = ZORGuiUtilitiesServices::GetCurrentWENFactory();
  const ZORISpecObject_var support = InCurrentContainer(GetSupportFeature());
  const ZORISpecObject_var origin = InCurrentContainer(GetOriginFeature());
  const ZORISpecObject_var point =
      factory && support ? factory->CreatePointOnSurface(support, origin, direction, length_)
                         : nullptr;
  if (!point || FAILED(InsertInCurrentTool(point))) {
    Discard({ZORBaseUnknown_var(point), ZORBaseUnknown_var(length_),
             Copy(support, GetSupportFeature()), Copy(origin, GetOriginFeature())});
    length_ = nullptr;
    return 0;
  }
  if (ZORWenJournaling::TstIsJournalActif()) {
    ZORWenJournalingLog::ForceOpenLog();
    ZORWenPointJournaling::CreationPointOnSurface(point);
    ZORWenJournalingLog::RemiseAJourEtatLog();
  }
  SetOTFFeature(point);
  return kPointMade;
}
