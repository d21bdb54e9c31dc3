#include "ZORSplitTrimExt.h"

#include <cmath>

#include "ZORBodyBuilder.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"
#include "ZORSpecObjectOf.h"
#include "ZORWireCut.h"

namespace {

using Data = ZORGmoBuildDiagnosisDataSplitTrim;

// The wire of input `role`, with a diagnostic naming the input when it is not one curve.
ZORWire_var WireOf(const ZORFeature& f, const std::string& role, ZORBody_var& body,
                   std::string& diagnostic) {
  body = ZORFeatureGeometry::Body(f, role, 1, diagnostic);
  if (!body) return nullptr;
  ZORWire_var wire = ZORWire::FromBody(*body);
  if (!wire)
    diagnostic =
        "Input " + role + " (" + f.GetInput(role)->GetDisplayNameText() + ") is not one wire";
  return wire;
}

double SignedDistance(const ZORMathPlane& plane, const ZORMathPoint& point) {
  return plane.GetNormal().Normalized().Dot(point - plane.GetOrigin());
}

// The side of `plane` a run of curves lies on, read where it stands farthest from the plane.
double SideOf(const ZORMathPlane& plane, const std::vector<ZORCurve_var>& run) {
  double farthest = 0.0;
  for (const ZORCurve_var& curve : run) {
    const double d =
        SignedDistance(plane, curve->Eval(0.5 * (curve->GetStartParam() + curve->GetEndParam())));
    if (std::abs(d) > std::abs(farthest)) farthest = d;
  }
  return farthest;
}

// The vertices of `body` standing at the cut places.
std::vector<ZORBaseUnknown_var> VerticesAt(const ZORBody& body,
                                           const std::vector<ZORWireCut::Place>& places) {
  std::vector<ZORBaseUnknown_var> vertices;
  for (const ZORWireCut::Place& place : places) {
    for (int i = 1; i <= body.GetCellCount(0); ++i) {
      ZORCell* vertex = body.GetCellOfDimension(0, i);
      if (vertex->GetCenterOfGravity().DistanceTo(place.point) <= 1e3 * ZORWireCut::kTolerance) {
        vertices.emplace_back(vertex);
        break;
      }
    }
  }
  return vertices;
}

bool ComputeSplit(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORSplitTrimExt::Record(f, nullptr);
  ZORBody_var element;
  ZORWire_var wire = WireOf(f, "Element", element, diagnostic);
  if (!wire) return false;
  ZORBody_var cutter = ZORFeatureGeometry::Body(f, "Cutter", 2, diagnostic);
  ZORMathPlane plane;
  if (!cutter || !cutter->GetPlane(plane)) {
    if (cutter)
      diagnostic =
          "Input Cutter (" + f.GetInput("Cutter")->GetDisplayNameText() + ") is not a plane";
    return false;
  }
  const ZORWireCut cut(*wire);
  const std::vector<ZORWireCut::Place> places = cut.CrossingsWith(plane);
  if (places.empty()) {
    ZORSplitTrimExt::Record(f, Data::Failure({element}, {cutter}));
    diagnostic = "The cutter does not cut the element";
    return false;
  }
  const double keep = f.GetValue("Side", 1.0) < 0.0 ? -1.0 : 1.0;
  ZORBodyBuilder builder;
  for (const std::vector<ZORCurve_var>& run : cut.Runs(places)) {
    if (SideOf(plane, run) * keep > 0.0) builder.AddChain(run, false);
  }
  body = builder.Finish();
  if (!body) {
    diagnostic = "The split element cannot be built";
    return false;
  }
  if (places.size() > 1) {
    ZORSplitTrimExt::Record(
        f, Data::Warning(ZORString(ZORSplitTrimExt::kSplitWarning),
                         ZORString(ZORSplitTrimExt::kCatalog), VerticesAt(*body, places)));
  }
  return true;
}

bool ComputeTrim(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORSplitTrimExt::Record(f, nullptr);
  ZORBody_var first, second;
  ZORWire_var firstWire = WireOf(f, "Element1", first, diagnostic);
  if (!firstWire) return false;
  ZORWire_var secondWire = WireOf(f, "Element2", second, diagnostic);
  if (!secondWire) return false;
  const ZORWireCut one(*firstWire);
  const ZORWireCut two(*secondWire);
  std::vector<ZORWireCut::Place> onTwo;
  const std::vector<ZORWireCut::Place> onOne = one.CrossingsWith(two, onTwo);
  if (onOne.empty()) {
    ZORSplitTrimExt::Record(f, Data::Failure({first}, {second}));
    diagnostic = "The elements do not meet";
    return false;
  }
  // Both kept parts are turned to run through the meeting point: the first ends there, the
  // second starts there.
  std::vector<ZORCurve_var> chain = f.GetValue("Side1", 1.0) < 0.0
                                        ? ZORWireCut::Reversed(one.After(onOne.front()))
                                        : one.Before(onOne.front());
  const std::vector<ZORCurve_var> kept = f.GetValue("Side2", 1.0) < 0.0
                                             ? ZORWireCut::Reversed(two.Before(onTwo.front()))
                                             : two.After(onTwo.front());
  chain.insert(chain.end(), kept.begin(), kept.end());
  ZORBodyBuilder builder;
  if (!chain.empty()) builder.AddChain(chain, false);
  body = builder.Finish();
  if (!body || chain.empty()) {
    body = nullptr;
    diagnostic = "Nothing is left of the trimmed elements";
    return false;
  }
  if (onOne.size() > 1) {
    std::vector<ZORBaseUnknown_var> others;
    for (std::size_t i = 1; i < onOne.size(); ++i) {
      others.emplace_back(ZORBody::MakePoint(onOne[i].point).get());
    }
    ZORSplitTrimExt::Record(f,
                            Data::Warning(ZORString(ZORSplitTrimExt::kTrimWarning),
                                          ZORString(ZORSplitTrimExt::kCatalog), std::move(others)));
  }
  return true;
}

const bool registered = [] {
  auto& registry = ZORFeatureTypeRegistry::Get();
  registry.Register({ZORSplitTrimExt::kSplitType,
                     "Split",
                     "GeometricalElement3D",
                     ZORFeatureGeometry::Interfaces(1),
                     {"Element", "Cutter"},
                     ComputeSplit});
  registry.Register({ZORSplitTrimExt::kTrimType,
                     "Trim",
                     "GeometricalElement3D",
                     ZORFeatureGeometry::Interfaces(1),
                     {"Element1", "Element2"},
                     ComputeTrim});
  for (const char* type : {ZORSplitTrimExt::kSplitType, ZORSplitTrimExt::kTrimType}) {
    ZORFillDictionary({"ZORSplitTrimExt", "ZORIWENBuildDiagnosis",
                       ZORIWENBuildDiagnosis::ClassIID(), type,
                       &ZORExtensionCreator<ZORSplitTrimExt>});
  }
  ZORFillDictionary({"ZORSplitTrimExt", "ZORIWENSplit", ZORIWENSplit::ClassIID(),
                     ZORSplitTrimExt::kSplitType, &ZORExtensionCreator<ZORSplitTrimExt>});
  ZORFillDictionary({"ZORSplitTrimExt", "ZORIWENTrim", ZORIWENTrim::ClassIID(),
                     ZORSplitTrimExt::kTrimType, &ZORExtensionCreator<ZORSplitTrimExt>});
  return true;
}();

}  // namespace

HRESULT ZORSplitTrimExt::QueryInterface(const IID& iid, void** out) {
  if (iid == ZORIWENSplit::ClassIID())
    return AnswerIf<ZORIWENSplit>(this, IsOfType(kSplitType), iid, out);
  if (iid == ZORIWENTrim::ClassIID())
    return AnswerIf<ZORIWENTrim>(this, IsOfType(kTrimType), iid, out);
  if (iid == ZORIWENBuildDiagnosis::ClassIID()) {
    return AnswerIf<ZORIWENBuildDiagnosis>(this, IsOfType(kSplitType) || IsOfType(kTrimType), iid,
                                           out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

bool ZORSplitTrimExt::IsOfType(const char* type) const {
  const ZORFeature* feature = GetFeature();
  return feature && feature->GetFeatureType().GetName() == type;
}

ZORISpecObject_var ZORSplitTrimExt::Input(const char* role) const {
  const ZORFeature* feature = GetFeature();
  return feature ? ZORSpecObjectOf(feature->GetInput(role)) : nullptr;
}

ZORISpecObject_var ZORSplitTrimExt::GetElement() {
  return Input("Element");
}
ZORISpecObject_var ZORSplitTrimExt::GetCutter() {
  return Input("Cutter");
}
ZORISpecObject_var ZORSplitTrimExt::GetFirstElement() {
  return Input("Element1");
}
ZORISpecObject_var ZORSplitTrimExt::GetSecondElement() {
  return Input("Element2");
}

HRESULT ZORSplitTrimExt::GetBuildDiagnosisData(ZORGmoBuildDiagnosisDataSplitTrim_var& data) {
  data = data_;
  return S_OK;
}

HRESULT ZORSplitTrimExt::CleanBuildDiagnosisData() {
  data_ = nullptr;
  return S_OK;
}

void ZORSplitTrimExt::Record(const ZORFeature& feature,
                             ZORGmoBuildDiagnosisDataSplitTrim_var data) {
  // The extension is made once per feature: the query finds the one that keeps the diagnosis.
  ZORIWENBuildDiagnosis_var diagnosis(ZORSpecObjectOf(const_cast<ZORFeature*>(&feature)));
  if (auto* self = dynamic_cast<ZORSplitTrimExt*>(diagnosis.get())) self->data_ = std::move(data);
}
