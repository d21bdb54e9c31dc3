#include "ZORScenarioSnapshot.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DArcCircleGP.h"
#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DFixedPlanGP.h"
#include "ZOR3DGeomRep.h"
#include "ZOR3DLineGP.h"
#include "ZOR3DLineRep.h"
#include "ZOR3DManipulator.h"
#include "ZOR3DMarkerGP.h"
#include "ZOR3DPointRep.h"
#include "ZOR4x4Matrix.h"
#include "ZORBody.h"
#include "ZORCylinder.h"
#include "ZORDocument.h"
#include "ZORDynamicGP.h"
#include "ZORFeature3DGeoVisuExt.h"
#include "ZORHSO.h"
#include "ZORISO.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORLabelPlacer.h"
#include "ZORPlane.h"
#include "ZORScenarioViewerSnapshot.h"
#include "ZORSt3DISO.h"
#include "ZORSvgText.h"

namespace {

constexpr double kWidth = 640, kHeight = 480, kMargin = 60;
// Colours of what a picture shows, named in its legend.
constexpr const char* kResultColour = "#208040";
constexpr const char* kHighlightColour = "#0060d0";
constexpr const char* kShownColour = "#e06000";
constexpr const char* kInputColour = "#606060";
constexpr const char* kLiveColour = "#8030c0";
constexpr double kLegendLine = 16;
constexpr double kCos30 = 0.86602540378443865, kSin30 = 0.5;
constexpr int kArcSegments = 24;

struct Screen {
  double x, y;
};

// Isometric: X goes right and down, Y left and down, Z up.
Screen Project(const ZORMathPoint& p) {
  return {(p.GetX() - p.GetY()) * kCos30, (p.GetX() + p.GetY()) * kSin30 - p.GetZ()};
}

ZORMathPoint ToWorld(ZORMathPoint p, const std::vector<const ZOR4x4Matrix*>& chain) {
  for (auto m = chain.rbegin(); m != chain.rend(); ++m) p = (*m)->Transform(p);
  return p;
}

ZORMathPoint FromFloat(const ZORMathPointf& p) {
  return {p.GetX(), p.GetY(), p.GetZ()};
}

ZORMathVector FromFloat(const ZORMathVectorf& v) {
  return {v.GetX(), v.GetY(), v.GetZ()};
}

}  // namespace

// Model coordinates to the picture's.
class ZORScenarioSnapshot::Fit {
 public:
  void Include(const ZORMathPoint& p) {
    const Screen s = Project(p);
    minX_ = std::min(minX_, s.x), maxX_ = std::max(maxX_, s.x);
    minY_ = std::min(minY_, s.y), maxY_ = std::max(maxY_, s.y);
  }
  // Fits what was included in the picture above a band `reserved` pixels high (the legend).
  void Freeze(double reserved = 0) {
    const double height = kHeight - reserved;
    const double dx = std::max(maxX_ - minX_, 1e-9), dy = std::max(maxY_ - minY_, 1e-9);
    scale_ = std::min((kWidth - 2 * kMargin) / dx, (height - 2 * kMargin) / dy);
    offsetX_ = kWidth / 2 - scale_ * (minX_ + maxX_) / 2;
    offsetY_ = height / 2 - scale_ * (minY_ + maxY_) / 2;
  }
  Screen operator()(const ZORMathPoint& p) const {
    const Screen s = Project(p);
    return {offsetX_ + scale_ * s.x, offsetY_ + scale_ * s.y};
  }
  double Scale() const { return scale_; }
  std::string Xy(const ZORMathPoint& p) const {
    const Screen s = (*this)(p);
    return ZORSvgText::Number(s.x) + "," + ZORSvgText::Number(s.y);
  }

 private:
  double minX_ = 1e300, maxX_ = -1e300, minY_ = 1e300, maxY_ = -1e300;
  double scale_ = 1, offsetX_ = 0, offsetY_ = 0;
};

namespace {

using Fit = ZORScenarioSnapshot::Fit;

// A label near `at`, where the placer finds it room.
// A text near `at` where it meets no other label, in `colour` when one is given.
std::string Label(const Screen& at, const std::string& text, ZORLabelPlacer& placer,
                  const std::string& colour = std::string()) {
  const auto [x, y] = placer.Place(at.x, at.y, text);
  const std::string fill = colour.empty() ? "" : " fill=\"" + colour + "\"";
  return "<text stroke=\"none\"" + fill + " x=\"" + ZORSvgText::Number(x) + "\" y=\"" +
         ZORSvgText::Number(y) + "\">" + ZORSvgText::Escape(text) + "</text>\n";
}

// An arrow `pixels` long from `from` towards `toward`, its head drawn at its end.
std::string Arrow(const Screen& from, const Screen& toward, int pixels, const std::string& text,
                  ZORLabelPlacer& placer) {
  const double dx = toward.x - from.x, dy = toward.y - from.y;
  const double n = std::max(std::hypot(dx, dy), 1e-9);
  const double ex = from.x + dx / n * pixels, ey = from.y + dy / n * pixels;
  const double hx = -dx / n * 6, hy = -dy / n * 6;
  std::string svg = "<line x1=\"" + ZORSvgText::Number(from.x) + "\" y1=\"" +
                    ZORSvgText::Number(from.y) + "\" x2=\"" + ZORSvgText::Number(ex) + "\" y2=\"" +
                    ZORSvgText::Number(ey) + "\" stroke-width=\"2\"/>\n";
  svg += "<polygon points=\"" + ZORSvgText::Number(ex) + "," + ZORSvgText::Number(ey) + " " +
         ZORSvgText::Number(ex + hx - hy / 2) + "," + ZORSvgText::Number(ey + hy + hx / 2) + " " +
         ZORSvgText::Number(ex + hx + hy / 2) + "," + ZORSvgText::Number(ey + hy - hx / 2) +
         "\"/>\n";
  return text.empty() ? svg : svg + Label({ex, ey}, text, placer);
}

// A marker drawn by its symbol type: 1 a dot, 2 a plus, 3 a cross, 4 a circle, 6 a square,
// 12 a diamond, anything else (5 among them) a filled disc.
std::string Marker(const Screen& at, int symbol) {
  const std::string x = ZORSvgText::Number(at.x), y = ZORSvgText::Number(at.y);
  auto segment = [](double x1, double y1, double x2, double y2) {
    return "<line x1=\"" + ZORSvgText::Number(x1) + "\" y1=\"" + ZORSvgText::Number(y1) +
           "\" x2=\"" + ZORSvgText::Number(x2) + "\" y2=\"" + ZORSvgText::Number(y2) + "\"/>\n";
  };
  constexpr double r = 4;
  switch (symbol) {
    case 1:
      return "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"1.5\"/>\n";
    case 2:
      return segment(at.x - r, at.y, at.x + r, at.y) + segment(at.x, at.y - r, at.x, at.y + r);
    case 3:
      return segment(at.x - r, at.y - r, at.x + r, at.y + r) +
             segment(at.x - r, at.y + r, at.x + r, at.y - r);
    case 4:
      return "<circle fill=\"none\" cx=\"" + x + "\" cy=\"" + y + "\" r=\"4\"/>\n";
    case 6:
      return "<rect fill=\"none\" x=\"" + ZORSvgText::Number(at.x - r) + "\" y=\"" +
             ZORSvgText::Number(at.y - r) + "\" width=\"8\" height=\"8\"/>\n";
    case 12:
      return "<polygon fill=\"none\" points=\"" + ZORSvgText::Number(at.x) + "," +
             ZORSvgText::Number(at.y - r) + " " + ZORSvgText::Number(at.x + r) + "," + y + " " +
             ZORSvgText::Number(at.x) + "," + ZORSvgText::Number(at.y + r) + " " +
             ZORSvgText::Number(at.x - r) + "," + y + "\"/>\n";
    default:
      return "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"3\"/>\n";
  }
}

// A square of `pixels` a side from `at` along the screen directions towards `u` and `v`.
std::string FixedPlan(const Screen& at, const Screen& u, const Screen& v, int pixels) {
  auto unit = [&at](const Screen& to) {
    const double dx = to.x - at.x, dy = to.y - at.y;
    const double n = std::max(std::hypot(dx, dy), 1e-9);
    return Screen{dx / n, dy / n};
  };
  const Screen a = unit(u), b = unit(v);
  const Screen corners[4] = {at,
                             {at.x + a.x * pixels, at.y + a.y * pixels},
                             {at.x + (a.x + b.x) * pixels, at.y + (a.y + b.y) * pixels},
                             {at.x + b.x * pixels, at.y + b.y * pixels}};
  std::string points;
  for (const Screen& c : corners)
    points += (points.empty() ? "" : " ") + ZORSvgText::Number(c.x) + "," + ZORSvgText::Number(c.y);
  return "<polygon fill-opacity=\"0.2\" points=\"" + points + "\"/>\n";
}

std::string Header(const std::string& title) {
  const std::string w = ZORSvgText::Number(kWidth), h = ZORSvgText::Number(kHeight);
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"sans-serif\" font-size=\"12\">\n" +
         "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n" +
         "<text x=\"10\" y=\"20\" font-size=\"14\">" + ZORSvgText::Escape(title) + "</text>\n";
}

// The three axes, which labels keep clear of, and their names, placed first.
std::string Axes(const Fit& fit, double length, ZORLabelPlacer& placer) {
  const char* names[3] = {"X", "Y", "Z"};
  const char* colors[3] = {"#c03030", "#30a030", "#3050c0"};
  const Screen o = fit(ZORMathPoint());
  Screen ends[3];
  std::string svg;
  for (int i = 0; i < 3; ++i) {
    ends[i] = fit({i == 0 ? length : 0, i == 1 ? length : 0, i == 2 ? length : 0});
    placer.KeepClear(o.x, o.y, ends[i].x, ends[i].y);
    svg += "<line x1=\"" + ZORSvgText::Number(o.x) + "\" y1=\"" + ZORSvgText::Number(o.y) +
           "\" x2=\"" + ZORSvgText::Number(ends[i].x) + "\" y2=\"" + ZORSvgText::Number(ends[i].y) +
           "\" stroke=\"" + colors[i] + "\" stroke-width=\"1\"/>\n";
  }
  for (int i = 0; i < 3; ++i) {
    const auto [x, y] = placer.Place(ends[i].x, ends[i].y, names[i]);
    svg += "<text x=\"" + ZORSvgText::Number(x) + "\" y=\"" + ZORSvgText::Number(y) + "\" fill=\"" +
           colors[i] + "\">" + names[i] + "</text>\n";
  }
  return svg;
}

// The legend in the picture's bottom band: a swatch and a name per colour used.
std::string Legend(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string svg;
  double y = kHeight - kLegendLine * static_cast<double>(entries.size());
  for (const auto& [colour, name] : entries) {
    svg += "<rect x=\"10\" y=\"" + ZORSvgText::Number(y - 9) +
           "\" width=\"10\" height=\"10\" fill=\"" + colour + "\"/>\n";
    svg += "<text x=\"26\" y=\"" + ZORSvgText::Number(y) + "\">" + ZORSvgText::Escape(name) +
           "</text>\n";
    y += kLegendLine;
  }
  return svg;
}

// The feature of the part's current working support; null when none is current.
const ZORFeature* CurrentSupport(const ZORDocument& document) {
  const ZORIWENWorkingSupportFactory_var factory(ZORBaseUnknown_var(document.GetPart()));
  const ZORIWENWorkingSupportSet_var set = factory ? factory->GetWorkingSupportSet() : nullptr;
  const ZORIWENWorkingSupport_var current = set ? set->GetCurrentWorkingSupport() : nullptr;
  const ZORISpecObject_var feature = current ? current->GetSupport() : nullptr;
  return feature ? ZORFeature::From(feature.get()) : nullptr;
}

// What a feature whose kind draws itself (an axis line, fitted to its reference or not) draws
// in the viewer; null for a feature drawn by its result body.
ZOR3DRep_var OwnDrawing(ZORFeature& feature) {
  ZORI3DGeoVisu_var visu{ZORBaseUnknown_var(&feature)};
  if (!visu || dynamic_cast<ZORFeature3DGeoVisuExt*>(visu.get())) return nullptr;
  return visu->BuildRep();
}

// "#rrggbb" for a colour the user gave; empty for the default white, which the picture's
// background would hide.
std::string HexColour(const std::array<int, 3>& rgb) {
  if (rgb == std::array<int, 3>{255, 255, 255}) return "";
  return ZORScenarioViewerSnapshot::Hex(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

ZORScenarioSnapshot::ZORScenarioSnapshot(const ZORDocument& document, const ZORISO* iso,
                                         const ZORHSO* hso) {
  const ZORFeature* support = CurrentSupport(document);
  for (ZORFeature* feature : document.GetFeatures()) {
    if (!feature->IsInDocument() || !feature->GetResultBody()) continue;
    const bool highlighted =
        hso && hso->IsMember(document.GivePathElementFrom(ZORBaseUnknown_var(feature)));
    // A feature nothing else uses is a result, drawn in full; the inputs of others, and the
    // working support the user clicks on, are faint.
    const bool result = !highlighted && feature->GetUsers().empty() && feature != support;
    const bool faint = !highlighted && !result;
    const std::size_t before = shapes_.size();
    AddFeature(*feature, faint);
    if (shapes_.size() == before) continue;
    // The feature's name beside its body: a line's middle, a point, a plane's origin.
    const std::vector<ZORMathPoint>& drawn = shapes_.back().points;
    const ZORMathPoint at = drawn.size() == 2 ? drawn[0] + 0.5 * (drawn[1] - drawn[0]) : drawn[0];
    Add(Kind::kText, {at}, {}, faint, feature->GetDisplayNameText());
    for (std::size_t i = before; !faint && i < shapes_.size(); ++i) {
      if (shapes_[i].colour.empty())
        shapes_[i].colour = highlighted ? kHighlightColour : kResultColour;
    }
    ++features_;
  }
  if (!iso) return;
  for (const ZORBaseUnknown_var& element : iso->GetElements()) {
    auto* carrier = dynamic_cast<ZORSt3DISO*>(element.get());
    if (!carrier || !carrier->GetRep()) continue;
    AddRep(*carrier->GetRep(), {});
    ++shown_;
  }
  std::vector<const ZOR3DManipulator*> drawn;
  for (const ZORBaseUnknown_var& element : iso->GetElements()) {
    auto* carrier = dynamic_cast<ZORSt3DISO*>(element.get());
    const ZOR3DManipulator* manipulator =
        carrier && carrier->GetRep() ? ZOR3DManipulator::GrabbedBy(*carrier->GetRep()) : nullptr;
    if (!manipulator || std::find(drawn.begin(), drawn.end(), manipulator) != drawn.end()) continue;
    drawn.push_back(manipulator);
    AddManipulator(*manipulator);
  }
}

void ZORScenarioSnapshot::AddMarker(const ZORMathPoint& at, int symbol, const Chain& chain) {
  Add(Kind::kMarker, {at}, chain, false);
  shapes_.back().symbol = symbol;
}

void ZORScenarioSnapshot::AddManipulator(const ZOR3DManipulator& manipulator) {
  const ZORMathPoint o = manipulator.GetPosition().GetOrigin();
  const double reach = std::max(PlaneSize() * 0.5, 5.0);
  switch (manipulator.GetStyle()) {
    case ZOR3DManipulator::kLineTranslation: {
      const ZORMathVector d = reach * manipulator.GetTranslationDirection();
      Add(Kind::kGuide, {o + (-1.0) * d, o + d}, {}, false);
      break;
    }
    case ZOR3DManipulator::kPlaneTranslation: {
      const ZORMathPlane& plane = manipulator.GetTranslationPlane();
      const ZORMathVector u = reach * plane.GetFirstDirection(),
                          v = reach * plane.GetSecondDirection();
      Add(Kind::kGuide,
          {o + u + v, o + (-1.0) * u + v, o + (-1.0) * u + (-1.0) * v, o + u + (-1.0) * v,
           o + u + v},
          {}, false);
      break;
    }
    case ZOR3DManipulator::kRotation: {
      const ZORMathLine& axis = manipulator.GetRotationAxis();
      const ZORMathPoint c = axis.Project(o);
      ZORMathVector u = o - c;
      if (u.Norm() < 1e-9) u = reach * manipulator.GetPosition().GetFirstDirection();
      const ZORMathVector w = axis.GetDirection().Cross(u);
      std::vector<ZORMathPoint> circle;
      for (int i = 0; i <= kArcSegments; ++i) {
        const double a = 2.0 * 3.14159265358979323846 * i / kArcSegments;
        circle.push_back(c + (std::cos(a) * u + std::sin(a) * w));
      }
      Add(Kind::kGuide, std::move(circle), {}, false);
      break;
    }
    default:
      break;
  }
  Add(Kind::kText, {o}, {}, false, manipulator.GetName().str());
}

void ZORScenarioSnapshot::Add(Kind kind, std::vector<ZORMathPoint> points, const Chain& chain,
                              bool faint, std::string text) {
  for (ZORMathPoint& p : points) p = ToWorld(p, chain);
  shapes_.push_back({kind, faint, std::move(points), std::move(text), {}, 0, {}, 0, ""});
}

void ZORScenarioSnapshot::AddFeature(ZORFeature& feature, bool faint) {
  const ZOR3DRep_var own = OwnDrawing(feature);
  if (!own) {
    AddBody(*feature.GetResultBody(), {}, faint);
    return;
  }
  const std::size_t before = shapes_.size();
  AddRep(*own, {});
  for (std::size_t i = before; i < shapes_.size(); ++i) shapes_[i].faint = faint;
}

void ZORScenarioSnapshot::AddBody(const ZORBody& body, const Chain& chain, bool faint) {
  static const char* const kDomainColours[] = {"#1f77b4", "#2ca02c", "#9467bd",
                                               "#d62728", "#8c564b", "#17becf"};
  const int domains = body.GetNumberOfDomains();
  for (int d = 1; d <= domains; ++d) {
    const std::string colour = domains > 1 ? kDomainColours[(d - 1) % 6] : "";
    for (const ZORCell_var& cell : body.GetDomain(d)->GetCells()) {
      AddCell(*cell, body.GetHighestDimension(), chain, faint, colour);
    }
  }
}

void ZORScenarioSnapshot::AddCell(const ZORCell& cell, int dimension, const Chain& chain,
                                  bool faint, const std::string& colour) {
  const std::size_t before = shapes_.size();
  if (const ZORPoint* point = cell.GetPoint(); point && dimension == 0) {
    Add(Kind::kDot, {point->GetPoint()}, chain, faint);
  } else if (const ZORCurve* curve = cell.GetCurve()) {
    Add(Kind::kPolyline, curve->Tessellate(curve->DrawingTolerance()), chain, faint);
  } else if (const auto* cylinder = dynamic_cast<const ZORCylinder*>(cell.GetSurface())) {
    // Rulings every 45 degrees or so between the boundary edges, to show the patch.
    const double a0 = cylinder->GetStartAngle(), a1 = cylinder->GetEndAngle();
    const int rulings = std::max(1, static_cast<int>(std::ceil((a1 - a0) / (3.14159265 / 4))));
    for (int i = 1; i < rulings; ++i) {
      const double a = a0 + (a1 - a0) * i / rulings;
      Add(Kind::kPolyline, {cylinder->Eval(a, 0.0), cylinder->Eval(a, cylinder->GetHeight())},
          chain, faint);
    }
  } else if (const auto* plane = dynamic_cast<const ZORPlane*>(cell.GetSurface())) {
    if (plane->IsBounded()) {
      std::vector<ZORMathPoint> corners;
      for (const ZORCurve_var& edge : plane->Boundary()) corners.push_back(edge->StartPoint());
      Add(Kind::kPolygon, corners, chain, faint);
    } else {
      // Sized once every other shape is known: a square around the plane's origin.
      planes_.push_back({shapes_.size(), plane->GetMathPlane()});
      Add(Kind::kPolygon, {plane->GetMathPlane().GetOrigin()}, chain, faint);
    }
  }
  for (std::size_t i = before; i < shapes_.size(); ++i) shapes_[i].colour = colour;
}

void ZORScenarioSnapshot::AddRep(const ZOR3DRep& rep, Chain chain) {
  const std::size_t before = shapes_.size();
  if (auto* bag = dynamic_cast<const ZOR3DBagRep*>(&rep)) {
    chain.push_back(&bag->GetMatrix());
    for (const ZOR3DRep_var& child : bag->GetChildren()) AddRep(*child, chain);
  } else if (auto* custom = dynamic_cast<const ZOR3DCustomRep*>(&rep)) {
    for (int i = 1; i <= custom->GetGPCount(); ++i) AddPrimitive(*custom->GetGP(i), chain);
  } else if (auto* point = dynamic_cast<const ZOR3DPointRep*>(&rep)) {
    AddMarker(point->GetPoint(), point->GetSymbol(), chain);
  } else if (auto* line = dynamic_cast<const ZOR3DLineRep*>(&rep)) {
    Add(Kind::kPolyline, {line->GetStart(), line->GetEnd()}, chain, false);
    if (line->GetRGB()) shapes_.back().colour = HexColour(*line->GetRGB());
  } else if (auto* body = dynamic_cast<const ZORBody*>(rep.GetModel())) {
    AddBody(*body, chain, false);
  } else if (auto* cell = dynamic_cast<const ZORCell*>(rep.GetModel())) {
    AddCell(*cell, cell->GetDimension(), chain, false, "");
  }
  // A colour index the command gave its drawing wins over the picture's own, inner ones first.
  if (rep.GetColor() < 0) return;
  const std::string colour = ZORScenarioViewerSnapshot::Colour(rep.GetColor());
  for (std::size_t i = before; i < shapes_.size(); ++i) {
    if (!shapes_[i].colour.empty()) continue;
    shapes_[i].colour = colour;
    palette_.emplace(colour, rep.GetColor());
  }
}

void ZORScenarioSnapshot::AddPrimitive(const ZORGraphicPrimitive& gp, const Chain& chain) {
  if (auto* line = dynamic_cast<const ZOR3DLineGP*>(&gp)) {
    Add(Kind::kPolyline, {FromFloat(line->GetStart()), FromFloat(line->GetEnd())}, chain, false);
  } else if (auto* marker = dynamic_cast<const ZOR3DMarkerGP*>(&gp)) {
    AddMarker(FromFloat(marker->GetPoint()), marker->GetSymbol(), chain);
  } else if (auto* plan = dynamic_cast<const ZOR3DFixedPlanGP*>(&gp)) {
    Add(Kind::kFixedPlan, {FromFloat(plan->GetOrigin())}, chain, false);
    const ZORMathPoint base = shapes_.back().points[0];
    const ZORMathPoint origin = FromFloat(plan->GetOrigin());
    shapes_.back().direction = ToWorld(origin + FromFloat(plan->GetFirstDirection()), chain) - base;
    shapes_.back().second = ToWorld(origin + FromFloat(plan->GetSecondDirection()), chain) - base;
    shapes_.back().pixels = static_cast<int>(plan->GetSize());
  } else if (auto* dynamic = dynamic_cast<const ZORDynamicGP*>(&gp)) {
    dynamics_.push_back({const_cast<ZORDynamicGP*>(dynamic), chain});
  } else if (auto* text = dynamic_cast<const ZOR3DAnnotationTextGP*>(&gp)) {
    Add(Kind::kText, {FromFloat(text->GetPoint())}, chain, false, text->GetText());
  } else if (auto* arrow = dynamic_cast<const ZOR3DFixedArrowGP*>(&gp)) {
    Add(Kind::kArrow, {FromFloat(arrow->GetPoint())}, chain, false, arrow->GetText().str());
    const ZORMathPoint base = shapes_.back().points[0];
    const ZORMathPoint tip =
        ToWorld(FromFloat(arrow->GetPoint()) + FromFloat(arrow->GetDirection()), chain);
    shapes_.back().direction = tip - base;
    shapes_.back().pixels = arrow->GetLength();
  } else if (auto* arc = dynamic_cast<const ZOR3DArcCircleGP*>(&gp)) {
    const ZORMathPoint c = FromFloat(arc->GetCenter());
    const ZORMathVector u = FromFloat(arc->GetStartVector()).Normalized();
    const ZORMathVector w = FromFloat(arc->GetNormal()).Normalized().Cross(u);
    std::vector<ZORMathPoint> points;
    const double a0 = arc->GetStartAngle(), a1 = arc->GetEndAngle();
    for (int i = 0; i <= kArcSegments; ++i) {
      const double a = a0 + (a1 - a0) * i / kArcSegments;
      points.push_back(c + arc->GetRadius() * (std::cos(a) * u + std::sin(a) * w));
    }
    Add(Kind::kPolyline, std::move(points), chain, false);
  }
}

double ZORScenarioSnapshot::PlaneSize() const {
  double extent = 0;
  for (const Shape& shape : shapes_) {
    if (shape.kind == Kind::kPolygon) continue;
    for (const ZORMathPoint& p : shape.points) {
      extent = std::max({extent, std::abs(p.GetX()), std::abs(p.GetY()), std::abs(p.GetZ())});
    }
  }
  return extent > 0 ? extent * 0.6 : 10.0;
}

std::vector<ZORScenarioSnapshot::Shape> ZORScenarioSnapshot::WithPlanesSized() const {
  std::vector<Shape> shapes = shapes_;
  const double half = PlaneSize();
  for (const auto& [index, p] : planes_) {
    Shape& shape = shapes[index];
    const ZORMathVector u = half * p.GetFirstDirection().Normalized();
    const ZORMathVector v = half * p.GetSecondDirection().Normalized();
    const ZORMathPoint o = shape.points[0];
    shape.points = {o + u + v, o + (-1.0) * u + v, o + (-1.0) * u + (-1.0) * v, o + u + (-1.0) * v};
  }
  return shapes;
}

std::string ZORScenarioSnapshot::Svg(const std::string& title) const {
  const std::vector<Shape> shapes = WithPlanesSized();
  const double axis = std::max(PlaneSize(), 10.0);
  Fit fit;
  for (const ZORMathPoint& p : {ZORMathPoint(), ZORMathPoint(axis, 0, 0), ZORMathPoint(0, axis, 0),
                                ZORMathPoint(0, 0, axis)}) {
    fit.Include(p);
  }
  for (const Shape& shape : shapes) {
    for (const ZORMathPoint& p : shape.points) fit.Include(p);
  }
  const std::vector<std::pair<std::string, std::string>> legend = LegendEntries(shapes);
  const double band = kLegendLine * static_cast<double>(legend.size()) + 4;
  fit.Freeze(band);

  ZORLabelPlacer placer(kWidth, kHeight);
  // The title and the legend stay clear of labels.
  placer.KeepClear(ZORLabelPlacer::Box{10, 6, 10 + 9.0 * static_cast<double>(title.size()), 24});
  placer.KeepClear(ZORLabelPlacer::Box{0, kHeight - band - 4, kWidth / 2, kHeight});
  std::string svg = Header(title) + Axes(fit, axis, placer);
  for (bool faint : {true, false}) {
    svg += faint
               ? std::string("<g opacity=\"0.35\" stroke=\"") + kInputColour + "\" fill=\"" +
                     kInputColour + "\">\n"
               : std::string("<g stroke=\"") + kShownColour + "\" fill=\"" + kShownColour + "\">\n";
    for (const Shape& shape : shapes) {
      if (shape.faint == faint) svg += Draw(shape, fit, placer);
    }
    svg += "</g>\n";
  }
  return svg + DrawDynamic(fit, placer) + Legend(legend) + "</svg>\n";
}

std::vector<std::pair<std::string, std::string>> ZORScenarioSnapshot::LegendEntries(
    const std::vector<Shape>& shapes) const {
  const auto any = [&shapes](auto&& test) {
    return std::any_of(shapes.begin(), shapes.end(), test);
  };
  const auto coloured = [&any](const char* colour) {
    return any([colour](const Shape& s) { return !s.faint && s.colour == colour; });
  };
  std::vector<std::pair<std::string, std::string>> entries;
  if (coloured(kResultColour)) entries.emplace_back(kResultColour, "result (used by no feature)");
  if (coloured(kHighlightColour)) entries.emplace_back(kHighlightColour, "picked (highlighted)");
  if (any([](const Shape& s) { return !s.faint && s.colour.empty(); })) {
    entries.emplace_back(kShownColour, "shown by the command");
  }
  for (const auto& [colour, index] : palette_) {
    if (coloured(colour.c_str())) {
      entries.emplace_back(colour, "shown by the command in colour " + std::to_string(index));
    }
  }
  if (!dynamics_.empty()) entries.emplace_back(kLiveColour, "drawn live by the command");
  if (any([](const Shape& s) { return s.faint; })) {
    entries.emplace_back(kInputColour, "input of another feature (faint)");
  }
  return entries;
}

std::string ZORScenarioSnapshot::DrawDynamic(const Fit& fit, ZORLabelPlacer& placer) const {
  if (dynamics_.empty()) return "";
  // The picture's own view: the isometric sight, Z up on the screen.
  const ZORViewpoint viewpoint({1.0, 1.0, 1.0}, {-1.0, -1.0, 2.0});
  const ZORViewport viewport(static_cast<int>(kWidth), static_cast<int>(kHeight), fit.Scale());
  std::string svg =
      std::string("<g stroke=\"") + kLiveColour + "\" fill=\"" + kLiveColour + "\">\n";
  for (const Dynamic& dynamic : dynamics_) {
    ZORRender render(viewport);
    dynamic.primitive->ImmediateDraw(render, &viewpoint, &viewport);
    for (const ZORRender::Item& item : render.GetItems()) {
      std::vector<ZORMathPoint> points;
      for (const ZORMathPoint& p : item.points) points.push_back(ToWorld(p, dynamic.chain));
      Shape shape{Kind::kText, false, std::move(points), item.text, {}, 0, {}, 0, ""};
      if (item.kind == ZORRender::Item::Kind::kPolyline) shape.kind = Kind::kPolyline;
      if (item.kind == ZORRender::Item::Kind::kPolygon) shape.kind = Kind::kPolygon;
      svg += Draw(shape, fit, placer);
    }
  }
  return svg + "</g>\n";
}

std::string ZORScenarioSnapshot::Draw(const Shape& shape, const Fit& fit, ZORLabelPlacer& placer) {
  const Screen first = fit(shape.points[0]);
  const std::string colour =
      shape.colour.empty() ? "" : " stroke=\"" + shape.colour + "\" fill=\"" + shape.colour + "\"";
  switch (shape.kind) {
    case Kind::kDot:
      return "<circle cx=\"" + ZORSvgText::Number(first.x) + "\" cy=\"" +
             ZORSvgText::Number(first.y) + "\" r=\"3\"" + colour + "/>\n";
    case Kind::kPolyline:
    case Kind::kPolygon: {
      std::string points;
      for (const ZORMathPoint& p : shape.points) points += (points.empty() ? "" : " ") + fit.Xy(p);
      // A polyline is stroked only, whatever its colour.
      const std::string stroke = shape.colour.empty() ? "" : " stroke=\"" + shape.colour + "\"";
      return std::string(shape.kind == Kind::kPolygon ? "<polygon fill-opacity=\"0.15\"" + colour
                                                      : "<polyline" + stroke + " fill=\"none\"") +
             " points=\"" + points + "\"/>\n";
    }
    case Kind::kText:
      return Label(first, shape.text, placer, shape.colour);
    case Kind::kArrow:
      return Arrow(first, fit(shape.points[0] + shape.direction), shape.pixels, shape.text, placer);
    case Kind::kMarker:
      return Marker(first, shape.symbol);
    case Kind::kFixedPlan:
      return FixedPlan(first, fit(shape.points[0] + shape.direction),
                       fit(shape.points[0] + shape.second), shape.pixels);
    case Kind::kGuide: {
      std::string points;
      for (const ZORMathPoint& p : shape.points) points += (points.empty() ? "" : " ") + fit.Xy(p);
      return "<polyline fill=\"none\" stroke-dasharray=\"4 3\" points=\"" + points + "\"/>\n";
    }
  }
  return "";
}
