#include "ZORViewer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ZOR3DBagRep.h"
#include "ZOR3DGeomRep.h"
#include "ZOR3DLineRep.h"
#include "ZOR3DPointRep.h"
#include "ZORBody.h"
#include "ZOREyeLineHit.h"
#include "ZORFrmEditor.h"
#include "ZORI3DGeoVisu.h"
#include "ZORISO.h"
#include "ZORMathPlane.h"
#include "ZORSt3DISO.h"
#include "ZORWENUIFeatureAgent.h"

namespace {

// The point of the segment [a, b] nearest the line, and its distance to it.
std::pair<ZORMathPoint, double> NearestOnSegment(const ZORMathPoint& a, const ZORMathPoint& b,
                                                 const ZORMathLine& line) {
  const ZORMathVector u = b - a, d = line.GetDirection(), w = a - line.GetOrigin();
  const double uu = u.Dot(u), ud = u.Dot(d), uw = u.Dot(w), dw = d.Dot(w);
  const double denominator = uu - ud * ud;
  double s = denominator > 1e-12 ? (ud * dw - uw) / denominator : 0.0;
  if (uu > 0.0) s = std::clamp(s, 0.0, 1.0);
  const ZORMathPoint p = a + s * u;
  return {p, p.DistanceTo(line.Project(p))};
}

// One candidate of a pick, before it is sorted.
struct Hit {
  std::vector<ZOR3DRep_var> reps;
  ZORPathElement path;
  ZORBaseUnknown* cell;
  ZORMathPoint point;
  double depth;
};

class Picker {
 public:
  Picker(const ZORMathLine& eye, double tolerance) : eye_(eye), tolerance_(tolerance) {}

  void Feature(ZORFeature& feature) {
    const ZORBody_var body = feature.GetResultBody();
    if (!body || !feature.IsShown() || !feature.IsPickable()) return;
    ZOREyeLineHit hit;
    if (!ZOREyeLineHit::First(*body, eye_, tolerance_, hit)) return;
    // The representation the viewer draws for the result, made when it has none yet.
    ZOR3DRep_var rep(ZORI3DGeoVisu_var(body.get()) ? ZORI3DGeoVisu_var(body.get())->GiveRep()
                                                   : nullptr);
    if (!rep) rep = ZORMake<ZOR3DGeomRep>(*body);
    // The path goes down to the cell hit, as a pick of that cell does.
    ZORPathElement path = ZORWENUIFeatureAgent::GivePickPath(&feature);
    if (path.IsSet()) path.AddChildElement(ZORBaseUnknown_var(hit.GetCell()));
    Add({{rep}, std::move(path), hit.GetCell(), hit.GetPoint(), 0});
  }

  // Walks `rep` and what it holds; `chain` is the bags above it, outermost first.
  void Rep(ZOR3DRep& rep, std::vector<ZOR3DRep*> chain) {
    if (rep.IsNoPick()) return;
    if (auto* bag = dynamic_cast<ZOR3DBagRep*>(&rep)) {
      chain.push_back(bag);
      for (const ZOR3DRep_var& child : bag->GetChildren()) Rep(*child, chain);
      return;
    }
    const std::optional<ZORMathPoint> at = HitRep(rep);
    if (!at) return;
    std::vector<ZOR3DRep_var> reps{ZOR3DRep_var(&rep)};
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) reps.emplace_back(*it);
    Add({std::move(reps), ZORPathElement(), nullptr, *at, 0});
  }

  std::vector<Hit> Sorted() {
    std::stable_sort(hits_.begin(), hits_.end(),
                     [](const Hit& a, const Hit& b) { return a.depth < b.depth; });
    return std::move(hits_);
  }

 private:
  std::optional<ZORMathPoint> HitRep(const ZOR3DRep& rep) const {
    if (auto* point = dynamic_cast<const ZOR3DPointRep*>(&rep)) {
      const ZORMathPoint& p = point->GetPoint();
      if (p.DistanceTo(eye_.Project(p)) <= tolerance_) return p;
      return std::nullopt;
    }
    if (auto* line = dynamic_cast<const ZOR3DLineRep*>(&rep)) {
      const auto [p, distance] = NearestOnSegment(line->GetStart(), line->GetEnd(), eye_);
      if (distance <= tolerance_) return p;
      return std::nullopt;
    }
    if (auto* body = dynamic_cast<const ZORBody*>(rep.GetModel())) {
      return ZORViewer::HitBody(*body, eye_, tolerance_);
    }
    return std::nullopt;
  }

  void Add(Hit hit) {
    hit.depth = eye_.GetParameter(hit.point);
    hits_.push_back(std::move(hit));
  }

  ZORMathLine eye_;
  double tolerance_;
  std::vector<Hit> hits_;
};

}  // namespace

ZORMathLine ZORViewer::EyeLine(const ZORMathPoint& position) {
  return {position, {0.0, 0.0, -1.0}};
}

void ZORViewer::SetPickWindowSize(int pixels) {
  if (pixels > 0) pickWindow_ = pixels;
}

std::optional<ZORMathPoint> ZORViewer::HitBody(const ZORBody& body, const ZORMathLine& eye,
                                               double tolerance) {
  ZOREyeLineHit hit;
  if (!ZOREyeLineHit::First(body, eye, tolerance, hit)) return std::nullopt;
  return hit.GetPoint();
}

HRESULT ZORViewer::Pick(const ZORMathPoint& position, int windowSize, int, ZORPickPathList& paths) {
  paths.Empty();
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor || !editor->GetDocument()) return E_FAIL;
  Picker picker(EyeLine(position), std::max(windowSize, 1) / kPixelsPerUnit);
  for (ZORFeature* feature : editor->GetDocument()->GetFeatures()) {
    if (feature->IsInDocument()) picker.Feature(*feature);
  }
  if (ZORISO* iso = editor->GetISO()) {
    for (const ZORBaseUnknown_var& element : iso->GetElements()) {
      auto* carrier = dynamic_cast<ZORSt3DISO*>(element.get());
      if (carrier && carrier->GetRep()) picker.Rep(*carrier->GetRep(), {});
    }
  }
  for (Hit& hit : picker.Sorted()) {
    auto path = ZORMake<ZORPickPath>(std::move(hit.reps), std::move(hit.path), hit.cell, hit.point,
                                     hit.depth);
    paths.Append(path.get());
  }
  return S_OK;
}

HRESULT ZORViewer::PickUnderMouse(ZORPickPathList& paths) {
  return Pick(mouse_, pickWindow_, 0, paths);
}
