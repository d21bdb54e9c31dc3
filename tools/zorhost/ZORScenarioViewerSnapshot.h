#pragma once
// A picture of a 2D viewer a person can look at: its visible box framed, y up, its bags and
// its manipulators' drawings in their colours (polylines, markers, arrows, texts), a
// highlighted bag in the highlight colour. Written as SVG; the same scene gives the same text.

#include <string>

class ZOR2DBagRep;
class ZORNavigation2DViewer;

class ZORScenarioViewerSnapshot {
 public:
  explicit ZORScenarioViewerSnapshot(const ZORNavigation2DViewer& viewer) : viewer_(viewer) {}

  std::string Svg(const std::string& title) const;
  // How many bags and manipulator drawings were drawn.
  int ShownCount() const;

  // The SVG colour of a colour index of the platform's palette.
  static std::string Colour(int index);
  //! "#rrggbb" for components 0..255.
  static std::string Hex(int red, int green, int blue);

 private:
  class Frame;
  std::string DrawBag(const ZOR2DBagRep& bag, const Frame& frame, int inherited) const;

  const ZORNavigation2DViewer& viewer_;
};
