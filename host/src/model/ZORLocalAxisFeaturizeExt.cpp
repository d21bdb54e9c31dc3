#include "ZORLocalAxisFeaturizeExt.h"

#include <cmath>

#include "ZORDocument.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIMfLine.h"
#include "ZORInterfaceDictionary.h"
#include "ZORLocalAxis.h"
#include "ZORSpecObjectOf.h"

namespace {

constexpr const char* kOrigin[] = {"X", "Y", "Z"};
constexpr const char* kDirection[] = {"DX", "DY", "DZ"};

bool ComputeAxis(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  const ZORMathPoint origin(f.GetValue(kOrigin[0]), f.GetValue(kOrigin[1]), f.GetValue(kOrigin[2]));
  const ZORMathVector direction(f.GetValue(kDirection[0]), f.GetValue(kDirection[1]),
                                f.GetValue(kDirection[2]));
  const double length = f.GetValue("Length", ZORLocalAxisFeaturizeExt::kDefaultLength);
  const double norm = direction.Norm();
  if (!std::isfinite(norm) || norm == 0.0 || !std::isfinite(length) || length <= 0.0) {
    diagnostic = "The axis needs a direction and a positive length";
    return false;
  }
  body = ZORBody::MakeSegment(origin, origin + (length / norm) * direction);
  if (!body) diagnostic = "The axis cannot be built from these values";
  return static_cast<bool>(body);
}

const bool registered = [] {
  std::vector<IID> interfaces = ZORFeatureGeometry::Interfaces(1);
  interfaces.push_back(ZORIMfLine::ClassIID());
  ZORFeatureTypeRegistry::Get().Register(
      {ZORLocalAxisFeaturizeExt::kTypeName, "Axis", "WENLine", interfaces, {}, ComputeAxis});
  ZORFillDictionary({"ZORLocalAxisFeaturizeExt", "ZORIFeaturize", ZORIFeaturize::ClassIID(),
                     "ZORLocalAxis", &ZORExtensionCreator<ZORLocalAxisFeaturizeExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORLocalAxisFeaturizeExt::Featurize(ZORBaseUnknown* context, int mode) {
  const auto* axis = dynamic_cast<const ZORLocalAxis*>(GetExtendedObject());
  ZORFeature* picked = ZORFeature::From(context);
  ZORFeature* tool = picked ? picked->GetFatherFeature() : nullptr;
  if (!axis || !tool || mode != MfPermanentBody || !picked->GetDocument()) return nullptr;
  ZORFeature_var made = picked->GetDocument()->CreateFeature(kTypeName, tool);
  if (!made) return nullptr;
  const ZORMathLine& line = axis->GetLine();
  const double origin[] = {line.GetOrigin().GetX(), line.GetOrigin().GetY(),
                           line.GetOrigin().GetZ()};
  const double direction[] = {line.GetDirection().GetX(), line.GetDirection().GetY(),
                              line.GetDirection().GetZ()};
  for (int i = 0; i < 3; ++i) {
    made->SetValue(kOrigin[i], origin[i]);
    made->SetValue(kDirection[i], direction[i]);
  }
  made->Update();
  return ZORSpecObjectOf(made.get());
}
