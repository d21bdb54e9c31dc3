#include <gtest/gtest.h>

#include <cmath>

#include "ZORDocument.h"
#include "ZORIBRepAccess.h"
#include "ZORIShapeInOutPlugs.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENPointOnCurve.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENPointOnCurveExt.h"

namespace {

ZORISpecObject_var InputOf(const ZORFeature_var& feature) {
  return ZORIShapeInOutPlugs_var(feature.get())->GetInputFeature();
}

ZORISpecObject_var OutputOf(const ZORFeature_var& feature) {
  return ZORIShapeInOutPlugs_var(feature.get())->GetOutputFeature();
}

TEST(ShapeInOutPlugs, NeighboursInTheShapeBodyChainTheResults) {
  ZORDocument doc{"Plugs"};
  ZORFeature_var body = doc.CreateTool("ShapeBody");
  ZORFeature_var first = doc.CreatePoint(0, 0, 0, body);
  ZORFeature_var second = doc.CreatePoint(1, 0, 0, body);
  ZORFeature_var third = doc.CreatePoint(2, 0, 0, body);
  EXPECT_FALSE(InputOf(first));
  EXPECT_EQ(OutputOf(first), ZORSpecObjectOf(second));
  EXPECT_EQ(InputOf(second), ZORSpecObjectOf(first));
  EXPECT_EQ(OutputOf(second), ZORSpecObjectOf(third));
  EXPECT_FALSE(OutputOf(third));

  // Taking the middle one out joins its neighbours.
  ASSERT_EQ(ZORVar<ZORIDescendants>(body.get())->RemoveChild(ZORSpecObjectOf(second)), S_OK);
  EXPECT_EQ(OutputOf(first), ZORSpecObjectOf(third));
  EXPECT_EQ(InputOf(third), ZORSpecObjectOf(first));
  EXPECT_FALSE(InputOf(second));
}

TEST(ShapeInOutPlugs, OutsideAShapeBodyThePlugsAreEmptyAndOnlyGeometryHasThem) {
  ZORDocument doc{"Plugs"};
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var body = doc.CreateTool("ShapeBody");
  ZORFeature_var inSet = doc.CreatePoint(0, 0, 0, set);
  doc.CreatePoint(2, 2, 2, set);
  EXPECT_FALSE(InputOf(inSet));
  EXPECT_FALSE(OutputOf(inSet));

  ZORFeature_var pick = doc.CreateBRep(inSet.get());
  ASSERT_TRUE(pick);
  EXPECT_FALSE(ZORIShapeInOutPlugs_var(pick.get()));
  EXPECT_FALSE(ZORIShapeInOutPlugs_var(body.get()));
  EXPECT_FALSE(ZORIShapeInOutPlugs_var(doc.GetPart()));
}

TEST(BRepAccess, APickLeadsToItsSupportAndTheShapeBodyHoldingIt) {
  ZORDocument doc{"Picks"};
  ZORFeature_var body = doc.CreateTool("ShapeBody");
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var point = doc.CreatePoint(1, 0, 0, set);
  ASSERT_EQ(doc.UpdateAll(), 0);
  ZORIBRepAccess_var pick(doc.CreateBRep(point.get()).get());
  ASSERT_TRUE(pick);
  EXPECT_FALSE(ZORIBRepAccess_var(point.get()));
  EXPECT_EQ(pick->GetSupportFeature(), ZORSpecObjectOf(point));
  EXPECT_FALSE(pick->GetShapeFeatureBody());

  // The answer follows the support: moved into the body, it is held by it.
  ASSERT_EQ(ZORVar<ZORIDescendants>(body.get())->AddChild(ZORSpecObjectOf(point)), S_OK);
  EXPECT_EQ(pick->GetShapeFeatureBody(), ZORSpecObjectOf(body));
}

struct PointOnCurveDocument {
  ZORDocument doc{"OnCurve"};
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var start = doc.CreatePoint(0, 0, 0, set);
  ZORFeature_var end = doc.CreatePoint(10, 0, 0, set);
  ZORFeature_var line = doc.CreateFeature("WENLine", set.get());
  ZORFeature_var onCurve = doc.CreateFeature(ZORWENPointOnCurveExt::kTypeName, set.get());

  PointOnCurveDocument() {
    line->SetInput("Start", ZORBaseUnknown_var(start.get()));
    line->SetInput("End", ZORBaseUnknown_var(end.get()));
    onCurve->SetInput(ZORWENPointOnCurveExt::kCurveRole, ZORBaseUnknown_var(line.get()));
  }
  std::string Result() const {
    return onCurve->GetResultBody() ? onCurve->GetResultBody()->Describe() : "none";
  }
};

TEST(PointOnCurve, ThePointLiesAtTheRatioOfTheCurveAndFollowsIt) {
  PointOnCurveDocument d;
  ZORIWENPointOnCurve_var onCurve(d.onCurve.get());
  ASSERT_TRUE(onCurve);
  EXPECT_FALSE(ZORIWENPointOnCurve_var(d.start.get()));
  EXPECT_TRUE(ZORSpecObjectOf(d.onCurve)->IsSubTypeOf("WENPoint"));
  EXPECT_EQ(onCurve->GetCurve(), ZORSpecObjectOf(d.line));
  ASSERT_EQ(d.doc.UpdateAll(), 0);
  EXPECT_EQ(d.Result(), "point(5,0,0)");

  ASSERT_EQ(onCurve->SetRatio(0.25), S_OK);
  d.end->SetValue("Y", 20);  // the curve moves: the point goes with it
  EXPECT_FALSE(ZORSpecObjectOf(d.onCurve)->IsUpToDate());
  ASSERT_EQ(d.doc.UpdateAll(), 0);
  EXPECT_EQ(d.Result(), "point(2.5,5,0)");

  // A multi-selection of points on curves takes its curves from list 1.
  ZORISpecObject_var curve;
  ASSERT_EQ(ZORIWENMultiSelAccess_var(d.onCurve.get())->GetMultiSelInput(1, curve), S_OK);
  EXPECT_EQ(curve, ZORSpecObjectOf(d.line));
}

TEST(PointOnCurve, ARatioOffTheCurveOrAnInputThatIsNoCurveFailsTheUpdate) {
  PointOnCurveDocument d;
  ZORIWENPointOnCurve_var onCurve(d.onCurve.get());
  ASSERT_EQ(onCurve->SetRatio(1.5), S_OK);
  EXPECT_EQ(d.doc.UpdateAll(), 1);
  EXPECT_NE(d.doc.Dump().find("in-error(\"The ratio lies outside the curve\")"), std::string::npos);

  EXPECT_EQ(onCurve->SetRatio(std::nan("")), E_INVALIDARG);
  EXPECT_DOUBLE_EQ(onCurve->GetRatio(), 1.5);
  ASSERT_EQ(onCurve->SetRatio(1.0), S_OK);
  ASSERT_EQ(d.doc.UpdateAll(), 0);
  EXPECT_EQ(d.Result(), "point(10,0,0)");

  d.onCurve->SetInput(ZORWENPointOnCurveExt::kCurveRole, ZORBaseUnknown_var(d.start.get()));
  EXPECT_EQ(d.doc.UpdateAll(), 1);
  EXPECT_NE(d.doc.Dump().find("is not a curve"), std::string::npos);
}

}  // namespace
