#include "ZORGuiAxisLine3DGeoVisuExt.h"

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DLineRep.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORIWENAxisLine.h"
#include "ZORLine.h"
#include "ZORWENSettings.h"

namespace {

// The segment's ends fitted to the reference's box: centred on the box centre's projection,
// as long as the box's diagonal. Left as they are when the reference has no body.
void FitToReference(const ZORIWENAxisLine_var& axis, const ZORMathLine& line, ZORMathPoint& start,
                    ZORMathPoint& end) {
  ZORISpecObject_var reference = axis->GetReference();
  ZORBody_var body = reference
                         ? ZORGmoUtilitiesBody::GetBodyFromSpec(ZORBaseUnknown_var(reference.get()))
                         : ZORBody_var();
  ZORMathPoint centre;
  double diagonal = 0.0;
  if (!body || !body->GetBoundingBox(centre, diagonal)) return;
  const ZORMathVector direction = line.GetDirection().Normalized();
  const ZORMathPoint middle = ZORMathLine(line.GetOrigin(), direction).Project(centre);
  start = middle + -0.5 * diagonal * direction;
  end = middle + 0.5 * diagonal * direction;
}

// The feature's own colour, thickness and line type on its segment.
void ApplyLineProperties(ZORBaseUnknown* feature, ZOR3DLineRep& segment) {
  ZORILineicGraphicProperties_var lineic(feature);
  if (!lineic) return;
  int red = 0, green = 0, blue = 0, thickness = 1, lineType = 1;
  if (SUCCEEDED(lineic->GetColor(red, green, blue))) segment.SetRGB(red, green, blue);
  if (SUCCEEDED(lineic->GetThickness(thickness))) segment.SetThickness(thickness);
  if (SUCCEEDED(lineic->GetLineType(lineType))) segment.SetLineType(lineType);
}

}  // namespace

ZOR3DRep_var ZORGuiAxisLine3DGeoVisuExt::BuildRep() {
  ZOR3DRep_var empty = ZORMake<ZOR3DCustomRep>();
  ZORIWENAxisLine_var axis(GetExtendedObject());
  if (!axis) return empty;
  ZORBody_var body = ZORGmoUtilitiesBody::GetBodyFromSpec(ZORBaseUnknown_var(GetExtendedObject()));
  ZORCell* edge = body ? body->GetCellOfDimension(1, 1) : nullptr;
  const auto* geometry = edge ? dynamic_cast<const ZORLine*>(edge->GetCurve()) : nullptr;
  if (!geometry) return empty;

  ZORMathPoint start = geometry->Eval(geometry->GetStartParam());
  ZORMathPoint end = geometry->Eval(geometry->GetEndParam());
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  if (settings && settings->GetAxisLineVisuOption()) {
    FitToReference(axis, geometry->GetMathLine(), start, end);
  }
  auto segment = ZORMake<ZOR3DLineRep>(start, end);
  ApplyLineProperties(GetExtendedObject(), *segment);
  const ZORMathPoint middle = start + 0.5 * (end - start);
  segment->SetBoundingElement(
      {ZORMathPointf(middle), static_cast<float>(0.5 * start.DistanceTo(end))});
  auto bag = ZORMake<ZOR3DBagRep>();
  bag->AddChild(segment.get());
  return ZOR3DRep_var(bag.get());
}

void ZORGuiAxisLine3DGeoVisuExt::SetLineGraphicAttribute(ZORRep* rep, ZORVisPropertyType type,
                                                         ZORVisPropertiesValues& values) {
  if (!rep || !rep->IsAKindOf("ZOR3DLineRep")) return;
  ZORExtIVisu::SetLineGraphicAttribute(rep, type, values);
}
