#pragma once
// What a dynamic primitive draws with, at each draw of each view: lines, polygons and texts in
// model coordinates, recorded in order for the view to show. Sizes on the screen are turned into
// model lengths with the millimetre-per-model ratio (a pixel is 0.25 mm).

#include <string>
#include <vector>

#include "ZORMathPoint.h"
#include "ZORViewport.h"

class ZORRender {
 public:
  struct Item {
    enum class Kind { kPolyline, kPolygon, kText };
    Kind kind;
    std::vector<ZORMathPoint> points;
    std::string text;
  };

  static constexpr double kMillimetresPerPixel = 0.25;

  explicit ZORRender(const ZORViewport& viewport) : viewport_(viewport) {}

  //! Millimetres on the screen per model unit at `at` (orthographic: the same everywhere).
  double GetMMPerModelRatio(const ZORMathPoint& at) const;
  //! A polyline needs two points, a polygon three; fewer draws nothing.
  void DrawPolyline(std::vector<ZORMathPoint> points);
  void DrawPolygon(std::vector<ZORMathPoint> points);
  void DrawText(const ZORMathPoint& at, std::string text);
  const std::vector<Item>& GetItems() const { return items_; }

 private:
  ZORViewport viewport_;
  std::vector<Item> items_;
};
