#include "ZORWENUIPointOnCurveAgent.h"

#include "ZORCell.h"
#include "ZORCreateTopPointXYZ.h"
#include "ZORError.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORProtectedSection.h"
#include "ZORWENGetCurrentGeoFactory.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORWENUIPointOnCurveAgent";

// Tested in this order: a geometric point, a point feature, a zero-dimension result.
constexpr const char* kPointTypes[] = {"ZORPoint", "ZORIMfPoint", "ZORIMfZeroDimResult"};

// The geometric point of a bare point or of a vertex; null for anything else.
ZORPoint_var GeometricPoint(ZORBaseUnknown* object) {
  ZORBaseUnknown* impl = object->GetImpl();
  if (auto* cell = dynamic_cast<ZORCell*>(impl)) return ZORPoint_var(cell->GetPoint());
  return ZORPoint_var(dynamic_cast<ZORPoint*>(impl));
}

}  // namespace

ZORWENUIPointOnCurveAgent::~ZORWENUIPointOnCurveAgent() = default;

void ZORWENUIPointOnCurveAgent::SetCurve(const ZORISpecObject_var& curve) {
  curve_ = curve;
}

void ZORWENUIPointOnCurveAgent::SetFactory(const ZORISpecObject_var& feature) {
  factory_ = ZORWENGetCurrentGeoFactory(feature);
}

HRESULT ZORWENUIPointOnCurveAgent::CreateVertexSilently(const ZORVar<ZORPoint>& point,
                                                        ZORBody_var& vertex) {
  vertex = nullptr;
  if (!point || !factory_) return ZORError::GetReturn(0, kSource, __LINE__);
  double x = 0;
  double y = 0;
  double z = 0;
  point->GetCoord(x, y, z);
  ZORException* caught =
      ZORProtect([&] { vertex = ZORCreateTopPointXYZ(factory_.get(), &data_, x, y, z); });
  if (ZORHandleCaught(caught)) vertex = nullptr;
  return ZORError::GetReturn(vertex ? 1 : 0, kSource, __LINE__);
}

ZORBody_var ZORWENUIPointOnCurveAgent::PointBody(const ZORPathElement& path, bool& made) {
  made = false;
  for (const char* type : kPointTypes) {
    const ZORPathElement sub = SearchSubPath(path, ZORString(type));
    if (!sub.IsSet()) continue;
    const ZORBaseUnknown_var point = sub.GetLeaf();
    if (ZORISpecObject_var(point)) return ZORGmoUtilitiesBody::GetFirstBody(point);
    ZORBody_var vertex;
    made = SUCCEEDED(CreateVertexSilently(GeometricPoint(point.get()), vertex));
    return vertex;
  }
  return nullptr;
}

bool ZORWENUIPointOnCurveAgent::ExtraCheckPath(ZORPathElement* path, int) {
  if (!path) return false;
  bool made = false;
  const ZORBody_var point = PointBody(*path, made);
  if (!point) return false;
  const ZORBody_var curve = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(curve_.get()));
  const bool onCurve = curve && curve->GetNumberOfDomains() == 1 &&
                       ZORGmoUtilitiesBody::IsThisPointOnThatCurve(point, curve, nullptr);
  // A vertex made only to be measured does not stay in the factory.
  if (made) factory_->Remove(point.get());
  return onCurve;
}
