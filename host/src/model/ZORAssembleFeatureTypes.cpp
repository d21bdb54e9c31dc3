// The feature types that join or heal elements: "WENAssemble" and "WENHealing". Their updates
// can be long, which is why the workbench gives them an update interruption. An assembly joins
// its curve elements, in order, into one wire: each element is run from its end nearest the
// previous one, end gaps up to the merging distance of the settings are closed, a larger gap
// fails naming the junction; without elements it has no result. The host computes no result for a
// healing.

#include <algorithm>

#include "ZORBodyBuilder.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGeometryText.h"
#include "ZORWENSettings.h"
#include "ZORWire.h"

namespace {

constexpr int kMostElements = 64;

std::vector<IID> AssembleInterfaces() {
  return {ZORISpecObject::ClassIID(),        ZORIVisProperties::ClassIID(),
          ZORIGraphicProperties::ClassIID(), ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),        LifeCycleObject::ClassIID(),
          ZORISpecAttrAccess::ClassIID(),    ZORISpecScan::ClassIID(),
          ZORIMechanicalFeature::ClassIID(), ZORIRedrawEvent::ClassIID(),
          ZORINavigateObject::ClassIID(),    ZORIUpdateError::ClassIID()};
}

// The curves of `wire` in the direction the chain runs, reversed as a whole when `backwards`.
void AppendCurves(const ZORWire& wire, bool backwards, std::vector<ZORCurve_var>& curves) {
  const auto& pieces = wire.GetPieces();
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    const ZORWire::Piece& piece = pieces[backwards ? pieces.size() - 1 - k : k];
    const bool reversed = piece.reversed != backwards;
    curves.push_back(reversed ? piece.curve->Reversed() : ZORCurve_var(piece.curve));
  }
}

bool ComputeAssemble(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  const ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  const double merging = settings ? settings->GetTMMergingDistanceValue() : 0.001;
  std::vector<ZORCurve_var> curves;
  std::string previousRole;
  for (const auto& [role, input] : f.GetInputs()) {
    ZORBody_var element = ZORFeatureGeometry::Body(f, role, 1, diagnostic);
    if (!element) return false;
    ZORWire_var wire = ZORWire::FromBody(*element);
    if (!wire) {
      diagnostic = "Input " + role + " (" + input->GetDisplayNameText() + ") is not one wire";
      return false;
    }
    bool backwards = false;
    if (!curves.empty()) {
      const ZORMathPoint end = curves.back()->EndPoint();
      const double toStart = end.DistanceTo(wire->StartOf(0));
      const double toEnd = end.DistanceTo(wire->EndOf(wire->GetPieces().size() - 1));
      backwards = toEnd < toStart;
      const double gap = std::min(toStart, toEnd);
      if (gap > merging) {
        diagnostic = "The gap between " + previousRole + " and " + role + " is " +
                     ZORGeometryText::Number(gap) + " mm, above the merging distance " +
                     ZORGeometryText::Number(merging) + " mm";
        return false;
      }
    }
    AppendCurves(*wire, backwards, curves);
    previousRole = role;
  }
  if (curves.empty()) return true;  // nothing to join yet: no result, and nothing wrong
  const bool closed = curves.size() > 1 &&
                      curves.back()->EndPoint().DistanceTo(curves.front()->StartPoint()) <= merging;
  ZORBodyBuilder builder;
  builder.AddChain(curves, closed);
  body = builder.Finish();
  if (!body) diagnostic = "The assembled wire cannot be built";
  return static_cast<bool>(body);
}

const bool registered = [] {
  auto& registry = ZORFeatureTypeRegistry::Get();
  registry.Register({"WENAssemble", "Assemble", "", AssembleInterfaces(),
                     ZORFeatureGeometry::NumberedRoles("Element", kMostElements), ComputeAssemble});
  registry.Register({"WENHealing",
                     "Healing",
                     "",
                     AssembleInterfaces(),
                     {"Element1", "Element2", "Element3"},
                     nullptr});
  return true;
}();

}  // namespace
