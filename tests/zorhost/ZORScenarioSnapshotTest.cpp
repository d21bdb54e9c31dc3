#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DArcCircleGP.h"
#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DLineGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZOR4x4Matrix.h"
#include "ZORDocument.h"
#include "ZORISO.h"
#include "ZORScenarioSnapshot.h"
#include "ZORSt3DISO.h"

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

ZORVar<ZOR3DCustomRep> MarkerAt(const ZORMathPointf& at) {
  auto rep = ZORMake<ZOR3DCustomRep>();
  rep->AddGP(std::make_unique<ZOR3DMarkerGP>(at, 3));
  return rep;
}

}  // namespace

TEST(ScenarioSnapshot, DrawsTheDocumentFaintlyAndTheInteractiveSetOnTop) {
  ZORDocument document;
  ZORFeature* set = document.CreateTool("GeometricalSet").get();
  ZORFeature_var a = document.CreatePoint(0, 0, 0, set);
  ZORFeature_var b = document.CreatePoint(10, 0, 0, set);
  ZORFeature_var line = document.CreateFeature("WENLine", set);
  line->SetInput("Start", ZORBaseUnknown_var(a.get()));
  line->SetInput("End", ZORBaseUnknown_var(b.get()));
  ASSERT_EQ(document.UpdateAll(), 0);
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
  // Faint: two points and a line, each named; shown: the marker, its line and its text.
  const std::string shown = ShownPart(svg);
  const std::string faint = svg.substr(0, svg.size() - shown.size());
  EXPECT_EQ(Count(faint, "<circle"), 2);
  EXPECT_EQ(Count(faint, "<polyline"), 1);
  EXPECT_NE(faint.find(">Line.1</text>"), std::string::npos);
  EXPECT_EQ(Count(shown, "<circle"), 1);
  EXPECT_EQ(Count(shown, "<polyline"), 1);
  EXPECT_NE(shown.find(">5mm &lt;x&gt; &amp; y</text>"), std::string::npos);
  // The same scene, the same text.
  EXPECT_EQ(svg, ZORScenarioSnapshot(document, iso.get()).Svg("a & b.svg"));
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
