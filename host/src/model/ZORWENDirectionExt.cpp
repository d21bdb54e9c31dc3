#include "ZORWENDirectionExt.h"

#include <cmath>

#include "ZORBody.h"
#include "ZORCkeTypeDictionary.h"
#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"
#include "ZORMf3DAxisSystemManagerExt.h"

namespace {

constexpr const char* kRoles[] = {"X", "Y", "Z"};
constexpr const char* kKept[] = {"EX", "EY", "EZ"};

std::vector<IID> DirectionInterfaces() {
  return {ZORISpecObject::ClassIID(),     ZORIVisProperties::ClassIID(),
          ZORIModelEvents::ClassIID(),    ZORIPathAccess::ClassIID(),
          LifeCycleObject::ClassIID(),    ZORISpecAttrAccess::ClassIID(),
          ZORISpecScan::ClassIID(),       ZORIMechanicalFeature::ClassIID(),
          ZORINavigateObject::ClassIID(), ZORIUpdateError::ClassIID()};
}

// The direction an element gives: a line's, a plane's normal.
std::optional<ZORMathVector> ElementDirection(const ZORFeature& element) {
  ZORBody_var body = element.GetResultBody();
  if (!body) return std::nullopt;
  ZORMathLine line;
  double start = 0.0, end = 0.0;
  if (body->GetHighestDimension() == 1 && body->GetLine(line, start, end)) {
    return line.GetDirection();
  }
  ZORMathPlane plane;
  if (body->GetHighestDimension() == 2 && body->GetPlane(plane)) return plane.GetNormal();
  return std::nullopt;
}

bool ComputeDirection(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORMathVector vector;
  if (!ZORWENDirectionExt::ByComponents(f)) {
    const std::optional<ZORMathVector> given = ElementDirection(*f.GetInput("Element"));
    if (!given) {
      diagnostic =
          "The element " + f.GetInput("Element")->GetDisplayNameText() + " gives no direction";
      return false;
    }
    vector = *given;
  } else {
    vector = ZORWENDirectionExt::Components(f);
    if (const ZORFeature* axis = f.GetInput("Axis")) {
      const std::optional<ZORMathAxis> system = ZORMf3DAxisSystemManagerExt::AxisOf(axis);
      if (!system) {
        diagnostic = "The reference axis system is degenerate";
        return false;
      }
      vector = system->VectorToAbsolute(vector);
    }
  }
  if (vector == ZORMathVector() || !std::isfinite(vector.Norm())) {
    diagnostic = "The direction is null";
    return false;
  }
  body = ZORBody::MakeSegment(ZORMathPoint(), ZORMathPoint() + vector.Normalized());
  return true;
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register({ZORWENDirectionExt::kTypeName,
                                          "Direction",
                                          "",
                                          DirectionInterfaces(),
                                          {"Element", "Axis", "X", "Y", "Z"},
                                          ComputeDirection});
  ZORFillDictionary({"ZORWENDirectionExt", "ZORIWENDirection", ZORIWENDirection::ClassIID(),
                     ZORWENDirectionExt::kTypeName, &ZORExtensionCreator<ZORWENDirectionExt>});
  return true;
}();

}  // namespace

ZORMathVector ZORWENDirectionExt::Components(const ZORFeature& direction) {
  double v[3] = {};
  for (int i = 0; i < 3; ++i) {
    if (const ZORFeature* p = direction.GetInput(kRoles[i])) v[i] = p->GetValue("Value");
  }
  return {v[0], v[1], v[2]};
}

bool ZORWENDirectionExt::ByComponents(const ZORFeature& direction) {
  if (!direction.GetInput("Element") || direction.GetValue("ByElement") == 0.0) return true;
  const ZORMathVector now = Components(direction);
  return now != ZORMathVector(direction.GetValue(kKept[0]), direction.GetValue(kKept[1]),
                              direction.GetValue(kKept[2]));
}

bool ZORWENDirectionExt::IsDefinedByComponents() {
  const ZORFeature* direction = Direction();
  return direction && ByComponents(*direction);
}

bool ZORWENDirectionExt::HasComponents() {
  const ZORFeature* direction = Direction();
  return direction && ByComponents(*direction) && Components(*direction) != ZORMathVector();
}

HRESULT ZORWENDirectionExt::GetComponents(double& x, double& y, double& z) {
  const ZORFeature* direction = Direction();
  if (!direction) return E_FAIL;
  const ZORMathVector v = Components(*direction);
  x = v.GetX(), y = v.GetY(), z = v.GetZ();
  return S_OK;
}

bool ZORWENDirectionExt::EnsureParameters() {
  ZORFeature* direction = Direction();
  ZORDocument* document = direction ? direction->GetDocument() : nullptr;
  if (!document) return false;
  for (const char* role : kRoles) {
    if (direction->GetInput(role)) continue;
    ZORFeature_var parameter =
        document->CreateParameter(role, ZORCkeTypeDictionary::GetRealType().GetName().str(), 0.0);
    if (!parameter || FAILED(direction->SetInput(role, ZORBaseUnknown_var(parameter.get())))) {
      return false;
    }
  }
  return true;
}

HRESULT ZORWENDirectionExt::SetComponents(double x, double y, double z) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return E_FAIL;
  ZORICkeParm_var parameters[3];
  if (FAILED(GetComponentParameters(parameters[0], parameters[1], parameters[2]))) return E_FAIL;
  ZORFeature* direction = Direction();
  // Written as a user's change is, so that the parameters' subscribers hear of it.
  const double values[] = {x, y, z};
  for (int i = 0; i < 3; ++i) {
    if (!parameters[i] || FAILED(parameters[i]->Valuate(values[i]))) return E_FAIL;
  }
  direction->SetValue("ByElement", 0.0);
  direction->SetInput("Element", nullptr);
  return S_OK;
}

ZORISpecObject_var ZORWENDirectionExt::GetElement() {
  ZORFeature* direction = Direction();
  if (!direction || ByComponents(*direction)) return nullptr;
  return ZORISpecObject_var(ZORBaseUnknown_var(direction->GetInput("Element")));
}

HRESULT ZORWENDirectionExt::SetElement(const ZORISpecObject_var& element) {
  ZORFeature* direction = Direction();
  if (!direction) return E_FAIL;
  if (!element) {
    direction->SetValue("ByElement", 0.0);
    return direction->SetInput("Element", nullptr);
  }
  if (FAILED(direction->SetInput("Element", ZORBaseUnknown_var(element)))) return E_FAIL;
  const ZORMathVector kept = Components(*direction);
  direction->SetValue(kKept[0], kept.GetX());
  direction->SetValue(kKept[1], kept.GetY());
  direction->SetValue(kKept[2], kept.GetZ());
  direction->SetValue("ByElement", 1.0);
  return S_OK;
}

HRESULT ZORWENDirectionExt::GetComponentParameters(ZORICkeParm_var& x, ZORICkeParm_var& y,
                                                   ZORICkeParm_var& z) {
  if (!EnsureParameters()) return E_FAIL;
  ZORFeature* direction = Direction();
  ZORICkeParm_var* out[] = {&x, &y, &z};
  for (int i = 0; i < 3; ++i) {
    *out[i] = ZORICkeParm_var(ZORBaseUnknown_var(direction->GetInput(kRoles[i])));
  }
  return S_OK;
}

ZORISpecObject_var ZORWENDirectionExt::GetReferenceAxisSystem() {
  ZORFeature* direction = Direction();
  return direction ? ZORISpecObject_var(ZORBaseUnknown_var(direction->GetInput("Axis"))) : nullptr;
}

HRESULT ZORWENDirectionExt::SetReferenceAxisSystem(const ZORISpecObject_var& axis) {
  ZORFeature* direction = Direction();
  if (!direction) return E_FAIL;
  const ZORFeature* system = axis ? ZORFeature::From(axis.get()) : nullptr;
  if (axis &&
      (!system || system->GetFeatureType().GetName() != ZORMf3DAxisSystemManagerExt::kTypeName)) {
    return E_FAIL;
  }
  return direction->SetInput("Axis", ZORBaseUnknown_var(axis));
}
