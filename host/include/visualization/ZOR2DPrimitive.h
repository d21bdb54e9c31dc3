#pragma once
// One drawing instruction of a 2D bag: a polyline, a point marker, an arrow symbol or a text,
// in the viewer's coordinates (y up), with a colour index (-1: the bag's).

#include <string>
#include <vector>

struct ZOR2DPoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const ZOR2DPoint&, const ZOR2DPoint&) = default;
};

struct ZOR2DPrimitive {
  enum class Kind { kPolyline, kMarker, kArrow, kText };

  Kind kind = Kind::kPolyline;
  std::vector<ZOR2DPoint> points;  // a polyline's points; the anchor of the others
  int color = -1;
  int symbol = 0;                  // markers and arrows: the platform's symbol type (17 arrow)
  ZOR2DPoint direction{1.0, 0.0};  // arrows
  std::string text;                // texts

  //! One line: "polyline(0,0 10,5) color=247", "text(1,2 \"f(t)\")" ...
  std::string Describe() const;
};
