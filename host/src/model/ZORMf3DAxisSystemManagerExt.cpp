#include "ZORMf3DAxisSystemManagerExt.h"

#include <cmath>

#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"

namespace {

std::vector<IID> AxisSystemInterfaces() {
  return {ZORISpecObject::ClassIID(),     ZORIVisProperties::ClassIID(),
          ZORIModelEvents::ClassIID(),    ZORIPathAccess::ClassIID(),
          LifeCycleObject::ClassIID(),    ZORISpecAttrAccess::ClassIID(),
          ZORISpecScan::ClassIID(),       ZORIMechanicalFeature::ClassIID(),
          ZORINavigateObject::ClassIID(), ZORIUpdateError::ClassIID()};
}

// An axis system computes no body: its update only checks that it has an axis.
bool ComputeAxisSystem(const ZORFeature& f, ZORBody_var&, std::string& diagnostic) {
  if (ZORMf3DAxisSystemManagerExt::AxisOf(&f)) return true;
  diagnostic = "The axis system is degenerate";
  return false;
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register({ZORMf3DAxisSystemManagerExt::kTypeName,
                                          "Axis System",
                                          "",
                                          AxisSystemInterfaces(),
                                          {},
                                          ComputeAxisSystem});
  ZORFillDictionary({"ZORMf3DAxisSystemManagerExt", "ZORIMf3DAxisSystemManager",
                     ZORIMf3DAxisSystemManager::ClassIID(), "ZORFeatCont",
                     &ZORExtensionCreator<ZORMf3DAxisSystemManagerExt>});
  return true;
}();

bool AllFinite(const double v[3]) {
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

}  // namespace

std::optional<ZORMathAxis> ZORMf3DAxisSystemManagerExt::AxisOf(const ZORFeature* f) {
  if (!f || f->GetFeatureType().GetName() != kTypeName) return std::nullopt;
  return ZORMathAxis::Orthonormal({f->GetValue("X"), f->GetValue("Y"), f->GetValue("Z")},
                                  {f->GetValue("IX", 1.0), f->GetValue("IY"), f->GetValue("IZ")},
                                  {f->GetValue("JX"), f->GetValue("JY", 1.0), f->GetValue("JZ")});
}

bool ZORMf3DAxisSystemManagerExt::IsMine(const ZORFeature* feature) const {
  const ZORFeature* container = ZORFeature::From(GetExtendedObject());
  return feature && container && feature->IsInDocument() &&
         feature->GetDocument() == container->GetDocument() &&
         feature->GetFeatureType().GetName() == kTypeName;
}

ZORISpecObject_var ZORMf3DAxisSystemManagerExt::GetCurrentAxisSystem() {
  if (!IsMine(current_.get())) return nullptr;
  return ZORISpecObject_var(current_.get());
}

HRESULT ZORMf3DAxisSystemManagerExt::SetCurrentAxisSystem(const ZORISpecObject_var& system) {
  ZORFeature* feature = system ? ZORFeature::From(system.get()) : nullptr;
  if (system && (!IsMine(feature) || !AxisOf(feature))) return E_FAIL;
  current_ = feature;
  return S_OK;
}

bool ZORMf3DAxisSystemManagerExt::IsCurrentAxisSystemActive() {
  return IsMine(current_.get()) && current_->IsActivated() == ZORCke::True;
}

HRESULT ZORMf3DAxisSystemManagerExt::GetMathAxis(const ZORISpecObject_var& system,
                                                 ZORMathAxis& axis) {
  const std::optional<ZORMathAxis> found = AxisOf(ZORFeature::From(system.get()));
  if (!found) return E_FAIL;
  axis = *found;
  return S_OK;
}

HRESULT ZORMf3DAxisSystemManagerExt::ConvertPoint(const ZORMathAxis& axis, int flag,
                                                  const double in[3], double out[3]) {
  if ((flag != kToAbsolute && flag != kToLocal) || !AllFinite(in)) return E_FAIL;
  const ZORMathPoint p(in[0], in[1], in[2]);
  (flag == kToLocal ? axis.ToLocal(p) : axis.ToAbsolute(p)).GetCoord(out[0], out[1], out[2]);
  return S_OK;
}

HRESULT ZORMf3DAxisSystemManagerExt::ConvertVector(const ZORMathAxis& axis, int flag,
                                                   const double in[3], double out[3]) {
  if ((flag != kToAbsolute && flag != kToLocal) || !AllFinite(in)) return E_FAIL;
  const ZORMathVector v(in[0], in[1], in[2]);
  const ZORMathVector converted =
      flag == kToLocal ? axis.VectorToLocal(v) : axis.VectorToAbsolute(v);
  out[0] = converted.GetX();
  out[1] = converted.GetY();
  out[2] = converted.GetZ();
  return S_OK;
}
