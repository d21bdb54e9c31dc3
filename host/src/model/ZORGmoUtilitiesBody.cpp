#include "ZORGmoUtilitiesBody.h"

#include "ZORError.h"
#include "ZORFeature.h"
#include "ZORProtectedSection.h"
#include "ZORWireAnalysis.h"

namespace {

// Below this length a point is on a curve.
constexpr double kOnCurveTolerance = 1e-6;
// A chain turning by less than this (radians) at every junction is straight.
constexpr double kStraightTurn = 1e-9;

// The result of a feature, outside protected sections and their raised copies.
ZORBody_var ResultOf(const ZORBaseUnknown_var& feature) {
  const ZORFeature* f = ZORFeature::From(feature.get());
  return f ? f->GetResultBody() : nullptr;
}

}  // namespace

ZORBody_var ZORGmoUtilitiesBody::GetFirstBody(const ZORBaseUnknown_var& feature) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesBody::GetFirstBody")) return nullptr;
  ZORFeature* f = ZORFeature::From(feature.get());
  if (!f) return nullptr;
  ZORIUpdateError_var updateError(static_cast<ZORBaseUnknown*>(f));
  ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
  if (error) {
    if (ZORFaultGate::ProtectionDepth() > 0) ZORRaise(error->CloneSelf());
    return nullptr;
  }
  return f->GetResultBody();
}

ZORBody_var ZORGmoUtilitiesBody::GetBodyFromSpec(const ZORBaseUnknown_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  return f ? f->GetResultBody() : nullptr;
}

int ZORGmoUtilitiesBody::IsInfinite(const ZORBaseUnknown_var& feature) {
  ZORBody_var body = GetFirstBody(feature);
  ZORCell* face = body ? body->GetCellOfDimension(2, 1) : nullptr;
  return face && !face->GetSurface()->IsBounded() ? 1 : 0;
}

int ZORGmoUtilitiesBody::GetHigherDimFromBody(const ZORBody_var& body) {
  return body ? body->GetHighestDimension() : -1;
}

int ZORGmoUtilitiesBody::GetGeometryType(const ZORBaseUnknown_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  switch (f ? GetHigherDimFromBody(f->GetResultBody()) : -1) {
    case 0:
      return kPoint;
    case 1:
      return kCurve;
    case 2:
      return kSurface;
    default:
      return kNoGeometry;
  }
}

int ZORGmoUtilitiesBody::IsAClosedWire(const ZORBaseUnknown_var& feature) {
  ZORBody_var body = ResultOf(feature);
  ZORWire_var wire = body ? ZORWire::FromBody(*body) : nullptr;
  return wire && wire->IsClosed() ? 1 : 0;
}

int ZORGmoUtilitiesBody::IsALinearCurve(const ZORBaseUnknown_var& feature) {
  return IsALinearCurve(ResultOf(feature));
}

int ZORGmoUtilitiesBody::IsALinearCurve(const ZORBody_var& body) {
  if (!body || body->GetHighestDimension() != 1) return 0;
  ZORWire_var wire = ZORWire::FromBody(*body);
  if (!wire || wire->IsClosed()) return 0;
  for (const ZORWire::Piece& piece : wire->GetPieces()) {
    if (!piece.curve->IsLinear()) return 0;
  }
  return ZORWireAnalysis(wire).IsG1(kStraightTurn) ? 1 : 0;
}

HRESULT ZORGmoUtilitiesBody::IsMonoElement(const ZORBaseUnknown_var& feature, int& answer) {
  ZORBody_var body = ResultOf(feature);
  const HRESULT status = ZORError::GetReturn(body && body->HasGeometry(), __FILE__, __LINE__);
  if (FAILED(status)) return status;
  answer = body->GetCellCount(body->GetHighestDimension()) == 1 ? 1 : 0;
  return S_OK;
}

int ZORGmoUtilitiesBody::IsThisPointOnThatCurve(const ZORBody_var& point, const ZORBody_var& curve,
                                                ZORBaseUnknown*) {
  if (!point || !curve || point->GetHighestDimension() != 0) return 0;
  const ZORMathPoint& p = point->GetVertices().front();
  ZORListPtrZORCell edges;
  curve->GetCells(1, edges);
  for (int i = 1; i <= edges.Size(); ++i) {
    if (edges[i]->GetCurve()->Contains(p, kOnCurveTolerance)) return 1;
  }
  return 0;
}
