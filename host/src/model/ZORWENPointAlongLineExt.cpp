#include "ZORWENPointAlongLineExt.h"

#include <cmath>

#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGeoFactory.h"
#include "ZORInterfaceDictionary.h"
#include "ZORMathLine.h"
#include "ZORProtectedSection.h"

namespace {

std::vector<IID> PointAlongLineInterfaces() {
  return {ZORISpecObject::ClassIID(),        ZORIVisProperties::ClassIID(),
          ZORIGraphicProperties::ClassIID(), ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),        LifeCycleObject::ClassIID(),
          ZORISpecAttrAccess::ClassIID(),    ZORISpecScan::ClassIID(),
          ZORIMechanicalFeature::ClassIID(), ZORINavigateObject::ClassIID(),
          ZORIUpdateError::ClassIID(),       ZORIPointGraphicProperties::ClassIID(),
          ZORIMfPoint::ClassIID(),           ZORIMfZeroDimResult::ClassIID()};
}

bool ComputePointAlongLine(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  const std::vector<ZORMathPoint> solutions = ZORWENPointAlongLineExt::Solutions(f, diagnostic);
  if (solutions.empty()) return false;
  const double chosen = f.GetValue("Solution");
  if (chosen < 0 || chosen >= static_cast<double>(solutions.size()) ||
      chosen != std::floor(chosen)) {
    diagnostic = "There is no solution " + std::to_string(chosen);
    return false;
  }
  body = ZORBody::MakePoint(solutions[static_cast<std::size_t>(chosen)]);
  return true;
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register({ZORWENPointAlongLineExt::kTypeName,
                                          "PointAlongLine",
                                          "GeometricalElement3D",
                                          PointAlongLineInterfaces(),
                                          {"Point", "Line"},
                                          ComputePointAlongLine});
  ZORFillDictionary({"ZORWENPointAlongLineExt", "ZORIWENPreviewMultiple",
                     ZORIWENPreviewMultiple::ClassIID(), ZORWENPointAlongLineExt::kTypeName,
                     &ZORExtensionCreator<ZORWENPointAlongLineExt>});
  return true;
}();

}  // namespace

std::vector<ZORMathPoint> ZORWENPointAlongLineExt::Solutions(const ZORFeature& f,
                                                             std::string& diagnostic) {
  const ZORFeature* point = f.GetInput("Point");
  const ZORFeature* line = f.GetInput("Line");
  ZORBody_var pointBody = point ? point->GetResultBody() : nullptr;
  ZORBody_var lineBody = line ? line->GetResultBody() : nullptr;
  ZORMathLine axis;
  double start = 0.0, end = 0.0;
  if (!pointBody || pointBody->GetVertices().empty() || !lineBody ||
      !lineBody->GetLine(axis, start, end)) {
    diagnostic = "A point along a line needs a point and a line";
    return {};
  }
  const double distance = f.GetValue("Distance", 10.0);
  if (!std::isfinite(distance)) {
    diagnostic = "The distance is not a number";
    return {};
  }
  const ZORMathPoint& origin = pointBody->GetVertices().front();
  if (distance == 0.0) return {origin};
  const ZORMathVector step = distance * axis.GetDirection().Normalized();
  return {origin + step, origin + (-1.0) * step};
}

int ZORWENPointAlongLineExt::ComputeSolutions(ZORListPtrZORBody& bodies, int*& orientations) {
  orientations = nullptr;
  if (!ZORFaultGate::Pass("ZORIWENPreviewMultiple::ComputeSolutions")) return 0;
  const ZORFeature* f = ZORFeature::From(GetExtendedObject());
  std::string diagnostic;
  const std::vector<ZORMathPoint> solutions =
      f ? Solutions(*f, diagnostic) : std::vector<ZORMathPoint>();
  if (solutions.empty()) {
    auto* error = new ZORError();
    error->SetNLSRequest(ZORUnicodeString(diagnostic.c_str()));
    error->Setup(__FILE__, __LINE__);
    if (ZORFaultGate::ProtectionDepth() > 0) ZORRaise(error);
    error->Release();
    return 0;
  }
  ZORGeoFactory_var factory =
      f->GetDocument() ? ZORGeoFactory::GetFactoryOf(f->GetDocument()->GetContainer()) : nullptr;
  orientations = new int[solutions.size()];
  int count = 0;
  for (std::size_t i = 0; i < solutions.size(); ++i) {
    ZORBody_var body = factory ? factory->CreatePoint(solutions[i]) : nullptr;
    if (!body) continue;
    bodies.Append(body.get());
    orientations[count] = i == 0 ? 1 : -1;
    ++count;
  }
  if (count == 0) {
    delete[] orientations;
    orientations = nullptr;
  }
  return count;
}
