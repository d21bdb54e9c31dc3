#include "ZORScenarioViewerSnapshot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ZOR2DManipulator.h"
#include "ZORNavigation2DViewer.h"
#include "ZORSvgText.h"

namespace {

constexpr double kWidth = 480, kHeight = 360, kMargin = 40;
constexpr int kHighlight = 251;

}  // namespace

// The viewer's visible box to the picture, y up.
class ZORScenarioViewerSnapshot::Frame {
 public:
  explicit Frame(const ZOR2DBox& box) : box_(box) {
    const double dx = box.max.x - box.min.x, dy = box.max.y - box.min.y;
    scale_ = std::min((kWidth - 2 * kMargin) / dx, (kHeight - 2 * kMargin) / dy);
  }
  std::string Xy(const ZOR2DPoint& p) const {
    return ZORSvgText::Number(X(p)) + "," + ZORSvgText::Number(Y(p));
  }
  double X(const ZOR2DPoint& p) const { return kMargin + (p.x - box_.min.x) * scale_; }
  double Y(const ZOR2DPoint& p) const { return kHeight - kMargin - (p.y - box_.min.y) * scale_; }
  std::string Box() const {
    return "<rect fill=\"none\" stroke=\"#404040\" x=\"" + ZORSvgText::Number(X(box_.min)) +
           "\" y=\"" + ZORSvgText::Number(Y(box_.max)) + "\" width=\"" +
           ZORSvgText::Number(X(box_.max) - X(box_.min)) + "\" height=\"" +
           ZORSvgText::Number(Y(box_.min) - Y(box_.max)) + "\"/>\n" + "<text x=\"" +
           ZORSvgText::Number(X(box_.min)) + "\" y=\"" + ZORSvgText::Number(Y(box_.min) + 14) +
           "\">" + ZORSvgText::Number(box_.min.x) + "," + ZORSvgText::Number(box_.min.y) +
           "</text>\n<text x=\"" + ZORSvgText::Number(X(box_.max) - 40) + "\" y=\"" +
           ZORSvgText::Number(Y(box_.max) - 4) + "\">" + ZORSvgText::Number(box_.max.x) + "," +
           ZORSvgText::Number(box_.max.y) + "</text>\n";
  }

 private:
  ZOR2DBox box_;
  double scale_;
};

std::string ZORScenarioViewerSnapshot::Colour(int index) {
  switch (index) {
    case 241:
      return "#2060d0";  // handles
    case 244:
      return "#d02020";  // errors
    case 245:
      return "#208040";
    case 246:
      return "#a06000";
    case 247:
      return "#202020";  // curves
    case kHighlight:
      return "#ff8000";
    default: {
      const int grey = 64 + (index < 0 ? 0 : index % 128);
      return Hex(grey, grey, grey);
    }
  }
}

std::string ZORScenarioViewerSnapshot::Hex(int red, int green, int blue) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02x%02x%02x", red & 0xff, green & 0xff, blue & 0xff);
  return text;
}

int ZORScenarioViewerSnapshot::ShownCount() const {
  int count = static_cast<int>(viewer_.GetReps().size());
  for (const ZOR2DManipulator_var& m : viewer_.GetManipulators()) {
    if (m->GetRep()) ++count;
  }
  return count;
}

std::string ZORScenarioViewerSnapshot::DrawBag(const ZOR2DBagRep& bag, const Frame& frame,
                                               int inherited) const {
  const int bagColour = bag.IsHighlighted()   ? kHighlight
                        : bag.GetColor() >= 0 ? bag.GetColor()
                                              : inherited;
  std::string svg;
  for (const ZOR2DPrimitive& p : bag.GetPrimitives()) {
    const int index = bag.IsHighlighted() || p.color < 0 ? bagColour : p.color;
    const std::string colour = Colour(index);
    const ZOR2DPoint& at = p.points.front();
    switch (p.kind) {
      case ZOR2DPrimitive::Kind::kPolyline: {
        std::string points;
        for (const ZOR2DPoint& q : p.points) points += (points.empty() ? "" : " ") + frame.Xy(q);
        svg += "<polyline fill=\"none\" stroke=\"" + colour + "\" points=\"" + points + "\"/>\n";
        break;
      }
      case ZOR2DPrimitive::Kind::kMarker:
        svg += "<circle fill=\"" + colour + "\" cx=\"" + ZORSvgText::Number(frame.X(at)) +
               "\" cy=\"" + ZORSvgText::Number(frame.Y(at)) + "\" r=\"4\"/>\n";
        break;
      case ZOR2DPrimitive::Kind::kArrow: {
        // A head of 8 pixels pointing along the direction (y up in the viewer).
        const double n = std::max(std::hypot(p.direction.x, p.direction.y), 1e-9);
        const double ux = p.direction.x / n, uy = -p.direction.y / n;
        const double x = frame.X(at), y = frame.Y(at);
        svg += "<polygon fill=\"" + colour + "\" points=\"" + ZORSvgText::Number(x) + "," +
               ZORSvgText::Number(y) + " " + ZORSvgText::Number(x - 8 * ux - 4 * uy) + "," +
               ZORSvgText::Number(y - 8 * uy + 4 * ux) + " " +
               ZORSvgText::Number(x - 8 * ux + 4 * uy) + "," +
               ZORSvgText::Number(y - 8 * uy - 4 * ux) + "\"/>\n";
        break;
      }
      case ZOR2DPrimitive::Kind::kText:
        svg += "<text fill=\"" + colour + "\" x=\"" + ZORSvgText::Number(frame.X(at) + 3) +
               "\" y=\"" + ZORSvgText::Number(frame.Y(at) - 3) + "\">" +
               ZORSvgText::Escape(p.text) + "</text>\n";
        break;
    }
  }
  for (const ZOR2DBagRep_var& child : bag.GetChildren()) svg += DrawBag(*child, frame, bagColour);
  return svg;
}

std::string ZORScenarioViewerSnapshot::Svg(const std::string& title) const {
  const Frame frame(viewer_.GetVisibleBox());
  const std::string w = ZORSvgText::Number(kWidth), h = ZORSvgText::Number(kHeight);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
                    "\" viewBox=\"0 0 " + w + " " + h +
                    "\" font-family=\"sans-serif\" font-size=\"12\">\n" +
                    "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n" +
                    "<text x=\"10\" y=\"20\" font-size=\"14\">" + ZORSvgText::Escape(title) + " (" +
                    ZORSvgText::Escape(viewer_.GetName().str()) + ")</text>\n" + frame.Box();
  for (const ZOR2DBagRep_var& rep : viewer_.GetReps()) svg += DrawBag(*rep, frame, 247);
  for (const ZOR2DManipulator_var& m : viewer_.GetManipulators()) {
    if (m->GetRep()) svg += DrawBag(*m->GetRep(), frame, 241);
  }
  return svg + "</svg>\n";
}
