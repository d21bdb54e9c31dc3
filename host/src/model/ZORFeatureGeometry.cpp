#include "ZORFeatureGeometry.h"

#include "ZORFeature.h"
#include "ZORIDescendants.h"
#include "ZORIGraphicProperties.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORIMechanicalProperties.h"
#include "ZORIMeshGraphicProperties.h"
#include "ZORIMfBiDimResult.h"
#include "ZORIMfMonoDimResult.h"
#include "ZORIMfPoint.h"
#include "ZORIMfZeroDimResult.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIPointGraphicProperties.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"

std::vector<std::string> ZORFeatureGeometry::NumberedRoles(const std::string& base, int count) {
  std::vector<std::string> roles;
  for (int i = 1; i <= count; ++i) roles.push_back(base + std::to_string(i));
  return roles;
}

ZORBody_var ZORFeatureGeometry::Body(const ZORFeature& feature, const std::string& role,
                                     int dimension, std::string& diagnostic) {
  const ZORFeature* input = feature.GetInput(role);
  if (!input) {
    diagnostic = "Input " + role + " is missing";
    return nullptr;
  }
  ZORBody_var body = input->GetResultBody();
  if (!body || !body->HasGeometry() ||
      (dimension >= 0 && body->GetHighestDimension() != dimension)) {
    diagnostic = "Input " + role + " (" + input->GetDisplayNameText() + ") has no suitable result";
    return nullptr;
  }
  return body;
}

bool ZORFeatureGeometry::Point(const ZORFeature& feature, const std::string& role,
                               ZORMathPoint& point, std::string& diagnostic) {
  ZORBody_var body = Body(feature, role, 0, diagnostic);
  if (!body) return false;
  point = body->GetVertices().front();
  return true;
}

bool ZORFeatureGeometry::Points(const ZORFeature& feature, const std::string& base,
                                std::size_t least, std::vector<ZORMathPoint>& points,
                                std::string& diagnostic) {
  for (const auto& [role, input] : feature.GetInputs()) {
    if (!role.starts_with(base)) continue;
    ZORMathPoint point;
    if (!Point(feature, role, point, diagnostic)) return false;
    points.push_back(point);
  }
  if (points.size() >= least) return true;
  diagnostic = "At least " + std::to_string(least) + " points are needed, " +
               std::to_string(points.size()) + " given";
  return false;
}

double ZORFeatureGeometry::ParameterOrValue(const ZORFeature& feature, const std::string& role,
                                            double fallback) {
  const ZORFeature* parameter = feature.GetInput(role);
  return parameter ? parameter->GetValue("Value", fallback) : feature.GetValue(role, fallback);
}

std::vector<IID> ZORFeatureGeometry::Interfaces(int dimension) {
  std::vector<IID> interfaces = {
      ZORISpecObject::ClassIID(),          ZORIVisProperties::ClassIID(),
      ZORIGraphicProperties::ClassIID(),   ZORIModelEvents::ClassIID(),
      ZORIPathAccess::ClassIID(),          LifeCycleObject::ClassIID(),
      ZORISpecAttrAccess::ClassIID(),      ZORISpecScan::ClassIID(),
      ZORIMechanicalFeature::ClassIID(),   ZORIRedrawEvent::ClassIID(),
      ZORINavigateObject::ClassIID(),      ZORIUpdateError::ClassIID(),
      ZORIDescendants::ClassIID(),         ZORIMechanicalProperties::ClassIID(),
      ZORIMmiContextualManager::ClassIID()};
  switch (dimension) {
    case 0:
      interfaces.insert(interfaces.end(),
                        {ZORIPointGraphicProperties::ClassIID(), ZORIMfPoint::ClassIID(),
                         ZORIMfZeroDimResult::ClassIID()});
      break;
    case 1:
      interfaces.insert(interfaces.end(),
                        {ZORILineicGraphicProperties::ClassIID(), ZORIMfMonoDimResult::ClassIID()});
      break;
    default:
      interfaces.insert(interfaces.end(),
                        {ZORIMeshGraphicProperties::ClassIID(), ZORIMfBiDimResult::ClassIID()});
      break;
  }
  return interfaces;
}
