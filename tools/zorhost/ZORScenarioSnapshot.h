#pragma once
// A picture of the 3D view a person can look at: the interactive set (what commands show while
// they run: markers by symbol type, lines, arrows, plane symbols, arcs, texts, bodies, what
// dynamic primitives draw, and the constraint of each manipulator grabbed through them) drawn
// strongly over the document's features drawn faintly (those of the highlighted set strongly, in
// the highlight's blue), in an isometric orthographic view with the X, Y and Z axes named.
// Written as SVG; the same scene always gives the same text.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ZORMathPlane.h"
#include "ZORMathPoint.h"
#include "ZORMathVector.h"

class ZOR3DRep;
class ZOR4x4Matrix;
class ZORBody;
class ZORFeature;
class ZORCell;
class ZORDocument;
class ZORDynamicGP;
class ZORGraphicPrimitive;
class ZOR3DManipulator;
class ZORHSO;
class ZORISO;
class ZORLabelPlacer;

class ZORScenarioSnapshot {
 public:
  ZORScenarioSnapshot(const ZORDocument& document, const ZORISO* iso, const ZORHSO* hso = nullptr);

  std::string Svg(const std::string& title) const;
  // How many elements of the interactive set, and how many features, were drawn.
  int ShownCount() const { return shown_; }
  int FeatureCount() const { return features_; }

  // Model coordinates to the picture's.
  class Fit;

 private:
  enum class Kind { kDot, kPolyline, kPolygon, kText, kArrow, kMarker, kFixedPlan, kGuide };
  struct Shape {
    Kind kind;
    bool faint;
    std::vector<ZORMathPoint> points;
    std::string text;
    ZORMathVector direction;  // arrows and fixed plans: along this, `pixels` long on the screen
    int pixels = 0;
    ZORMathVector second;  // fixed plans: their second direction
    int symbol = 0;        // markers: the symbol type
    std::string colour;    // empty: the colour of its group
  };
  // Matrices from the outermost bag in.
  using Chain = std::vector<const ZOR4x4Matrix*>;

  // A feature as the viewer draws it: by its kind's own drawing when it has one, else by its
  // result body.
  void AddFeature(ZORFeature& feature, bool faint);
  // A body cell by cell: edges and the rulings of cylinder patches as polylines within the
  // drawing tolerance, vertices of point bodies as dots, unbounded planes as squares; the
  // domains of a body of several pieces each in a colour of their own.
  void AddBody(const ZORBody& body, const Chain& chain, bool faint);
  void AddCell(const ZORCell& cell, int dimension, const Chain& chain, bool faint,
               const std::string& colour);
  void AddRep(const ZOR3DRep& rep, Chain chain);
  void AddPrimitive(const ZORGraphicPrimitive& primitive, const Chain& chain);
  void Add(Kind kind, std::vector<ZORMathPoint> points, const Chain& chain, bool faint,
           std::string text = "");
  void AddMarker(const ZORMathPoint& at, int symbol, const Chain& chain);
  // The constraint of a manipulator, drawn as a guide through its position.
  void AddManipulator(const ZOR3DManipulator& manipulator);
  // What the dynamic primitives draw, once the picture's scale is known.
  std::string DrawDynamic(const Fit& fit, ZORLabelPlacer& placer) const;
  // The colours `shapes` use, each with what it means, for the legend.
  std::vector<std::pair<std::string, std::string>> LegendEntries(
      const std::vector<Shape>& shapes) const;
  // Half the side of the square drawn for a plane.
  double PlaneSize() const;
  // The shapes, with the planes as squares of PlaneSize.
  std::vector<Shape> WithPlanesSized() const;
  static std::string Draw(const Shape& shape, const Fit& fit, ZORLabelPlacer& placer);

  std::vector<Shape> shapes_;
  // The palette colours the commands gave their drawings, with their indices.
  std::map<std::string, int> palette_;
  // Unbounded planes, by their square's place in shapes_: sized once the rest is known.
  std::vector<std::pair<std::size_t, ZORMathPlane>> planes_;
  struct Dynamic {
    ZORDynamicGP* primitive;  // held by a representation of the interactive set
    Chain chain;
  };
  std::vector<Dynamic> dynamics_;
  int shown_ = 0;
  int features_ = 0;
};
