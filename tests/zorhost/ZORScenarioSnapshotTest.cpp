#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <regex>
#include <string>

#include "ZOR2DManipulator.h"
#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DArcCircleGP.h"
#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DFixedPlanGP.h"
#include "ZOR3DLineGP.h"
#include "ZOR3DLineRep.h"
#include "ZOR3DManipulator.h"
#include "ZOR3DMarkerGP.h"
#include "ZOR3DPointRep.h"
#include "ZOR4x4Matrix.h"
#include "ZORDocument.h"
#include "ZORDynamicGP.h"
#include "ZORExtIVisu.h"
#include "ZORGuiTextSymbol.h"
#include "ZORHSO.h"
#include "ZORISO.h"
#include "ZORInterfaceDictionary.h"
#include "ZORLabelPlacer.h"
#include "ZORNavigation2DViewer.h"
#include "ZORScenarioSnapshot.h"
#include "ZORScenarioViewerSnapshot.h"
#include "ZORSt3DISO.h"
#include "ZORTransaction.h"

namespace {

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// What the strong (shown) group of a picture draws.
std::string ShownPart(const std::string& svg) {
  const auto start = svg.find("<g stroke=\"#e06000\"");
  return start == std::string::npos ? "" : svg.substr(start);
}

// A line from (0, 0, 0) to (10, 0, 0) through two points of `set`, all updated; false when
// the document does not update.
bool UpdatedLine(ZORDocument& document, ZORFeature* set) {
  ZORFeature_var a = document.CreatePoint(0, 0, 0, set);
  ZORFeature_var b = document.CreatePoint(10, 0, 0, set);
  ZORFeature_var line = document.CreateFeature("WENLine", set);
  line->SetInput("Start", ZORBaseUnknown_var(a.get()));
  line->SetInput("End", ZORBaseUnknown_var(b.get()));
  return document.UpdateAll() == 0;
}

ZORVar<ZOR3DCustomRep> MarkerAt(const ZORMathPointf& at) {
  auto rep = ZORMake<ZOR3DCustomRep>();
  rep->AddGP(std::make_unique<ZOR3DMarkerGP>(at, 3));
  return rep;
}

}  // namespace

TEST(ScenarioSnapshot, DrawsTheDocumentFaintlyAndTheInteractiveSetOnTop) {
  ZORDocument document;
  ZORFeature* set = document.CreateTool("GeometricalSet").get();
  ASSERT_TRUE(UpdatedLine(document, set));
  document.CreatePoint(7, 7, 7, set);  // never updated: it has no body to draw

  auto iso = ZORMake<ZORISO>();
  auto rep = MarkerAt({5, 5, 0});
  rep->AddGP(std::make_unique<ZOR3DLineGP>(ZORMathPointf(5, 5, 0), ZORMathPointf(0, 0, 0)));
  rep->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(ZORMathPointf(5, 5, 0), "5mm <x> & y"));
  iso->AddElement(ZORMake<ZORSt3DISO>(rep.get()).get());
  iso->AddElement(ZORMake<ZORSt3DISO>().get());  // carries nothing: not drawn

  const ZORScenarioSnapshot snapshot(document, iso.get());
  EXPECT_EQ(snapshot.FeatureCount(), 3);
  EXPECT_EQ(snapshot.ShownCount(), 1);
  const std::string svg = snapshot.Svg("a & b.svg");
  EXPECT_TRUE(svg.starts_with("<svg ")) << svg;
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
  EXPECT_NE(svg.find(">a &amp; b.svg</text>"), std::string::npos);
  for (const char* axis : {">X</text>", ">Y</text>", ">Z</text>"}) {
    EXPECT_EQ(Count(svg, axis), 1) << axis;
  }
  // Faint: the two points the line uses, each named; in full: the line, a result, in the
  // result colour, and what the command shows: the marker, its line and its text.
  const std::string shown = ShownPart(svg);
  const std::string faint = svg.substr(0, svg.size() - shown.size());
  EXPECT_EQ(Count(faint, "<circle"), 2);
  EXPECT_EQ(Count(faint, "<polyline"), 0);
  EXPECT_NE(faint.find(">Point.1</text>"), std::string::npos);
  EXPECT_NE(shown.find(">Line.1</text>"), std::string::npos);
  EXPECT_EQ(Count(shown, "<polyline stroke=\"#208040\""), 1);
  EXPECT_EQ(Count(shown, "<line "), 2);  // the marker of symbol 3 is a cross
  EXPECT_EQ(Count(shown, "<polyline"), 2);
  EXPECT_NE(shown.find(">5mm &lt;x&gt; &amp; y</text>"), std::string::npos);
  // The legend names the colours used, and only those.
  for (const char* entry : {">result (used by no feature)</text>", ">shown by the command</text>",
                            ">input of another feature (faint)</text>"}) {
    EXPECT_EQ(Count(svg, entry), 1) << entry;
  }
  EXPECT_EQ(svg.find("picked (highlighted)"), std::string::npos);
  // The same scene, the same text.
  EXPECT_EQ(svg, ZORScenarioSnapshot(document, iso.get()).Svg("a & b.svg"));
}

TEST(ScenarioSnapshot, HighlightedFeaturesAreDrawnStronglyInTheHighlightColour) {
  ZORDocument document;
  ZORFeature* set = document.CreateTool("GeometricalSet").get();
  ZORFeature_var a = document.CreatePoint(0, 0, 0, set);
  ZORFeature_var b = document.CreatePoint(10, 0, 0, set);
  ASSERT_EQ(document.UpdateAll(), 0);
  auto hso = ZORMake<ZORHSO>();
  ASSERT_EQ(hso->AddElement(document.GivePathElementFrom(ZORBaseUnknown_var(b.get()))), S_OK);

  // Both points are results; the picked one takes the highlight's colour.
  const std::string svg = ZORScenarioSnapshot(document, nullptr, hso.get()).Svg("t");
  const std::string shown = ShownPart(svg);
  EXPECT_EQ(Count(shown, "<circle"), 2) << svg;
  EXPECT_EQ(Count(shown, "stroke=\"#0060d0\""), 1) << svg;
  EXPECT_EQ(Count(shown, "stroke=\"#208040\""), 1) << svg;
  EXPECT_NE(svg.find(">picked (highlighted)</text>"), std::string::npos);
  // Without the set, both are in the result colour.
  EXPECT_EQ(Count(ShownPart(ZORScenarioSnapshot(document, nullptr).Svg("t")), "stroke=\"#208040\""),
            2);
}

namespace {

// A kind of feature that draws itself: a long red segment up the Y axis, whatever its body.
class OwnSegmentVisu : public ZORExtIVisu {
  ZOR_DECLARE_CLASS(OwnSegmentVisu, ZORExtIVisu, ZORMetaObject::DataExtension, "Test")
  ZOR3DRep_var BuildRep() override {
    auto segment = ZORMake<ZOR3DLineRep>(ZORMathPoint(0, 0, 0), ZORMathPoint(0, 30, 0));
    segment->SetRGB(200, 10, 0);
    auto bag = ZORMake<ZOR3DBagRep>();
    bag->AddChild(segment.get());
    return ZOR3DRep_var(bag.get());
  }
};

}  // namespace

TEST(ScenarioSnapshot, AFeatureWhoseKindDrawsItselfIsDrawnAsItsKindDrawsIt) {
  ZORDocument document;
  ZORFeature* set = document.CreateTool("GeometricalSet").get();
  ASSERT_TRUE(UpdatedLine(document, set));
  const std::string byBody = ZORScenarioSnapshot(document, nullptr).Svg("t");
  EXPECT_EQ(Count(byBody, "#c80a00"), 0);

  ZORFillDictionary({"OwnSegmentVisu", "ZORI3DGeoVisu", ZORI3DGeoVisu::ClassIID(), "WENLine",
                     &ZORExtensionCreator<OwnSegmentVisu>});
  const std::string own = ZORScenarioSnapshot(document, nullptr).Svg("t");
  ZORRemoveFromDictionary("OwnSegmentVisu");
  // The segment in the colour the feature was given, instead of the body along X.
  EXPECT_EQ(Count(ShownPart(own), "stroke=\"#c80a00\""), 1) << own;
  EXPECT_NE(own, byBody);
  EXPECT_EQ(ZORScenarioSnapshot(document, nullptr).Svg("t"), byBody);
}

TEST(ScenarioSnapshot, ABagMovesWhatItHoldsByItsMatrix) {
  ZORDocument document;
  auto moved = ZORMake<ZORISO>();
  auto bag = ZORMake<ZOR3DBagRep>();
  bag->SetMatrix(ZOR4x4Matrix({1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {10, 0, 0}));
  ASSERT_EQ(bag->AddChild(MarkerAt({0, 2, 0}).get()), S_OK);
  moved->AddElement(ZORMake<ZORSt3DISO>(bag.get()).get());

  auto placed = ZORMake<ZORISO>();
  placed->AddElement(ZORMake<ZORSt3DISO>(MarkerAt({10, 2, 0}).get()).get());
  auto unmoved = ZORMake<ZORISO>();
  unmoved->AddElement(ZORMake<ZORSt3DISO>(MarkerAt({0, 2, 0}).get()).get());

  const std::string svg = ZORScenarioSnapshot(document, moved.get()).Svg("t");
  EXPECT_EQ(svg, ZORScenarioSnapshot(document, placed.get()).Svg("t"));
  EXPECT_NE(svg, ZORScenarioSnapshot(document, unmoved.get()).Svg("t"));
  // Nothing shown and no feature: the axes alone.
  const std::string empty = ZORScenarioSnapshot(document, nullptr).Svg("t");
  EXPECT_EQ(Count(empty, "<line"), 3);
  EXPECT_EQ(Count(empty, "<circle"), 0);
}

namespace {

// The length on the picture of the first thick line (an arrow's shaft).
double ShaftLength(const std::string& svg) {
  const auto at = svg.find("stroke-width=\"2\"");
  const auto start = svg.rfind("<line", at);
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::sscanf(svg.c_str() + start, "<line x1=\"%lf\" y1=\"%lf\" x2=\"%lf\" y2=\"%lf\"", &x1, &y1,
              &x2, &y2);
  return std::hypot(x2 - x1, y2 - y1);
}

}  // namespace

TEST(ScenarioSnapshot, ArrowsKeepTheirLengthOnScreenAndArcsAreDrawnAlong) {
  auto arrowAndArc = [](float far) {
    auto rep = ZORMake<ZOR3DCustomRep>();
    auto arrow =
        std::make_unique<ZOR3DFixedArrowGP>(ZORMathPointf(0, 0, 0), ZORMathVectorf(0, 0, 1), 40, 8);
    arrow->AssociateText("Direction");
    rep->AddGP(std::move(arrow));
    rep->AddGP(std::make_unique<ZOR3DArcCircleGP>(ZORMathPointf(0, 0, 0), ZORMathVectorf(0, 0, 1),
                                                  ZORMathVectorf(1, 0, 0), 5.0f, 0.0f, 3.14f));
    rep->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(far, far, 0), 3));
    auto iso = ZORMake<ZORISO>();
    iso->AddElement(ZORMake<ZORSt3DISO>(rep.get()).get());
    ZORDocument document;
    return ZORScenarioSnapshot(document, iso.get()).Svg("t");
  };
  const std::string near = arrowAndArc(10), far = arrowAndArc(1000);
  EXPECT_NEAR(ShaftLength(near), 40, 0.2);
  EXPECT_NEAR(ShaftLength(far), 40, 0.2);  // the view zooms out, the arrow does not shrink
  EXPECT_NE(near.find(">Direction</text>"), std::string::npos);
  // The arc: a polyline through its 25 samples, the first at the start vector.
  const std::string shown = ShownPart(near);
  const auto arc = shown.find("<polyline");
  ASSERT_NE(arc, std::string::npos);
  const std::string points = shown.substr(arc, shown.find("/>", arc) - arc);
  EXPECT_EQ(Count(points, ","), 25);
}

namespace {

// A primitive that draws a square of 10 pixels facing the screen around its point.
class FacingSquare : public ZORDynamicGP {
 public:
  explicit FacingSquare(const ZORMathPoint& at) : at_(at) {}
  void ImmediateDraw(ZORRender& render, const ZORViewpoint* viewpoint,
                     const ZORViewport*) override {
    const double half = 5 * ZORRender::kMillimetresPerPixel / render.GetMMPerModelRatio(at_);
    const ZORMathVector r = half * viewpoint->GetRightDirection();
    const ZORMathVector u = half * viewpoint->GetUpDirection();
    render.DrawPolygon(
        {at_ + r + u, at_ + (-1.0) * r + u, at_ + (-1.0) * r + (-1.0) * u, at_ + r + (-1.0) * u});
    render.DrawText(at_, "flag");
  }

 private:
  ZORMathPoint at_;
};

}  // namespace

TEST(ScenarioSnapshot, NewRepresentationsManipulatorsAndDynamicPrimitivesAreDrawn) {
  ZORDocument document;
  auto iso = ZORMake<ZORISO>();
  auto bag = ZORMake<ZOR3DBagRep>();
  for (int symbol : {2, 3, 6}) {
    bag->AddChild(ZORMake<ZOR3DPointRep>(ZORMathPoint(symbol, 0, 0), symbol).get());
  }
  bag->AddChild(ZORMake<ZOR3DLineRep>(ZORMathPoint(0, 0, 0), ZORMathPoint(0, 10, 0)).get());
  auto custom = ZORMake<ZOR3DCustomRep>();
  custom->AddGP(std::make_unique<ZOR3DFixedPlanGP>(ZORMathPointf(0, 0, 0), ZORMathVectorf(1, 0, 0),
                                                   ZORMathVectorf(0, 1, 0), 15.0f));
  custom->AddGP(std::make_unique<FacingSquare>(ZORMathPoint(5, 5, 5)));
  bag->AddChild(custom.get());
  iso->AddElement(ZORMake<ZORSt3DISO>(bag.get()).get());
  iso->AddElement(
      ZORMake<ZORGuiTextSymbol>(ZORUnicodeString("Positioned element"), ZORMathPoint(1, 1, 1), 245)
          .get());
  auto* mover = new ZOR3DManipulator(nullptr, ZORString("Mover"), custom.get(),
                                     ZOR3DManipulator::kLineTranslation);
  mover->SetPosition(ZORMathAxis({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));

  const ZORScenarioSnapshot snapshot(document, iso.get());
  const std::string svg = snapshot.Svg("reps");
  EXPECT_EQ(snapshot.ShownCount(), 2);
  const std::string shown = ShownPart(svg);
  EXPECT_EQ(Count(shown, "<line "), 2 + 2);           // the plus and the cross of two markers
  EXPECT_EQ(Count(shown, "<rect fill=\"none\""), 1);  // the square marker
  EXPECT_EQ(Count(shown, "stroke-dasharray"), 1);     // the mover's line
  EXPECT_EQ(Count(shown, ">Positioned element</text>"), 1);
  EXPECT_EQ(Count(shown, ">Mover</text>"), 1);
  EXPECT_EQ(Count(shown, "fill-opacity=\"0.2\""), 1);  // the fixed plane symbol
  EXPECT_EQ(Count(svg, "<g stroke=\"#8030c0\""), 1);   // what the dynamic primitive drew
  EXPECT_EQ(Count(svg, ">flag</text>"), 1);
  EXPECT_EQ(snapshot.Svg("reps"), svg);  // the same scene gives the same text
  mover->Destroy();
  ZORTransaction::End();
}

TEST(ScenarioSnapshot, AViewerIsDrawnInItsBoxWithYUpInItsColours) {
  auto viewer = ZORMake<ZORNavigation2DViewer>(nullptr, ZORString("Law"));
  viewer->SetVisibleBox({{0, 0}, {10, 10}});
  auto curve = ZORMake<ZOR2DBagRep>();
  curve->AddPolyline({{0, 0}, {10, 10}}, 247);
  curve->AddText({0, 10}, "top", 244);
  curve->AddArrow({10, 0}, {1, 0}, 17);
  viewer->AddRep(curve.get());
  auto* handle = new ZOR2DManipulator(nullptr, ZORString("Handle"), viewer.get());
  auto grip = ZORMake<ZOR2DBagRep>();
  grip->AddMarker({5, 5}, 2);
  grip->SetHighlight(true);
  handle->SetRep(grip.get());

  const ZORScenarioViewerSnapshot snapshot(*viewer);
  const std::string svg = snapshot.Svg("law.svg");
  EXPECT_EQ(snapshot.ShownCount(), 2);
  // The box is 400 pixels wide (480 less the margins) and 280 high: 28 pixels a unit; (0,0) is
  // at the bottom left, (10,10) above it.
  EXPECT_EQ(Count(svg, "points=\"40.0,320.0 320.0,40.0\""), 1);
  EXPECT_EQ(Count(svg, "stroke=\"" + ZORScenarioViewerSnapshot::Colour(247) + "\""), 1);
  EXPECT_EQ(Count(svg, "fill=\"" + ZORScenarioViewerSnapshot::Colour(244) +
                           "\" x=\"43.0\" y=\"37.0\">top</text>"),
            1);
  EXPECT_EQ(Count(svg, "<circle fill=\"" + ZORScenarioViewerSnapshot::Colour(251) +
                           "\" cx=\"180.0\" cy=\"180.0\""),
            1);
  EXPECT_EQ(Count(svg, "<polygon"), 1);  // the arrow's head
  EXPECT_EQ(snapshot.Svg("law.svg"), svg);
  handle->Destroy();
  ZORTransaction::End();
}

namespace {

struct Drawn {
  double x, y;
  std::string text;
};

// The labels of a picture: each <text x=".." y="..">..</text>.
std::vector<Drawn> Labels(const std::string& svg) {
  std::vector<Drawn> labels;
  const std::regex text(R"re(<text[^>]* x="([-0-9.]+)" y="([-0-9.]+)"[^>]*>([^<]*)</text>)re");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator();
       ++it) {
    labels.push_back({std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
  }
  return labels;
}

}  // namespace

TEST(ScenarioSnapshot, LabelsNeitherOverlapEachOtherNorCrossAnAxis) {
  // Twenty points crowded along a short segment near the origin, each with its name.
  ZORDocument document;
  ZORFeature* set = document.CreateTool("GeometricalSet").get();
  for (int i = 0; i < 20; ++i) document.CreatePoint(0.5 * i, 0.2 * i, 0.1 * (i % 3), set);
  ASSERT_EQ(document.UpdateAll(), 0);
  const std::string svg = ZORScenarioSnapshot(document, nullptr).Svg("crowded");
  std::vector<Drawn> labels = Labels(svg);
  ASSERT_GE(labels.size(), 23u);  // the points and the axes
  ZORLabelPlacer measure(640, 480);
  std::vector<ZORLabelPlacer::Box> boxes;
  for (const Drawn& label : labels) {
    if (label.text == "crowded" || label.text.find("feature") != std::string::npos ||
        label.text.find("shown") != std::string::npos) {
      continue;  // the title and the legend have places of their own
    }
    boxes.push_back(measure.BoxAt(label.x, label.y, label.text));
  }
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      EXPECT_FALSE(boxes[i].Intersects(boxes[j])) << labels[i].text << " / " << labels[j].text;
    }
  }
  // The axes: the three first lines.
  const std::regex line(
      R"re(<line x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)")re");
  int axes = 0;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), line);
       it != std::sregex_iterator() && axes < 3; ++it, ++axes) {
    for (const ZORLabelPlacer::Box& box : boxes) {
      EXPECT_FALSE(box.MeetsSegment(std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                                    std::stod((*it)[4])));
    }
  }
  EXPECT_EQ(axes, 3);
}

TEST(LabelPlacer, ALabelTakesTheFirstFreePlaceAroundItsAnchorInsideThePicture) {
  ZORLabelPlacer placer(200, 100);
  const auto first = placer.Place(50, 50, "abc");
  EXPECT_EQ(first, (std::pair<double, double>{55, 47.5}));  // right of and above its anchor
  // The same anchor again: the first place is taken, the next one is below.
  const auto second = placer.Place(50, 50, "abc");
  EXPECT_NE(second, first);
  EXPECT_FALSE(placer.GetPlaced()[0].Intersects(placer.GetPlaced()[1]));
  // At the right edge, a label goes to the left of its anchor.
  const auto edge = placer.Place(195, 80, "abcdef");
  EXPECT_LT(edge.first, 195);
  // A segment kept clear pushes labels off it.
  ZORLabelPlacer axes(200, 100);
  axes.KeepClear(0, 45, 200, 45);
  const auto off = axes.Place(50, 50, "x");
  EXPECT_FALSE(axes.GetPlaced()[0].MeetsSegment(0, 45, 200, 45));
  EXPECT_GT(off.second - 12, 45);
  // Boxes and segments.
  const ZORLabelPlacer::Box box{0, 0, 10, 10};
  EXPECT_TRUE(box.MeetsSegment(-5, 5, 15, 5));     // through it
  EXPECT_TRUE(box.MeetsSegment(5, -5, 5, 15));     // through it, upright
  EXPECT_FALSE(box.MeetsSegment(15, -5, 15, 15));  // beside it
  EXPECT_FALSE(box.MeetsSegment(-5, 15, 15, 15));  // below it
  EXPECT_TRUE(box.MeetsSegment(2, 2, 3, 3));       // inside it
  EXPECT_FALSE(box.Intersects({10, 0, 20, 10}));   // touching is not meeting
}
