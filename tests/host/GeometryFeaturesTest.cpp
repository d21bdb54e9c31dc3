#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ZORCellBRep.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORError.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGetTangent.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORHostSession.h"
#include "ZORIFeaturize.h"
#include "ZORIMfBiDimResult.h"
#include "ZORIMfMonoDimResult.h"
#include "ZORIMfPoint.h"
#include "ZORIWENAxisLine.h"
#include "ZORLocalAxis.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENGetNormale.h"
#include "ZORWENSettings.h"

namespace {

void ExpectNear(double expected, double actual) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
}

// The document as a user builds it: points, then features of the new kinds on them, updated.
class GeometryFeatures : public ::testing::Test {
 protected:
  void SetUp() override { set = doc().CreateTool("GeometricalSet"); }
  void TearDown() override { ZORWENSettings::ResetToDefaults(); }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature_var Point(double x, double y, double z) {
    return doc().CreatePoint(x, y, z, set.get());
  }
  ZORFeature_var Make(const std::string& type,
                      const std::vector<std::pair<std::string, ZORFeature*>>& inputs,
                      const std::map<std::string, double>& values = {}) {
    ZORFeature_var f = doc().CreateFeature(type, set.get());
    for (const auto& [role, target] : inputs)
      EXPECT_EQ(f->SetInput(role, ZORBaseUnknown_var(target)), S_OK);
    for (const auto& [key, value] : values) f->SetValue(key, value);
    doc().UpdateAll();
    return f;
  }
  static std::string Error(const ZORFeature& f) {
    auto error = const_cast<ZORFeature&>(f).GetUpdateError();
    return error ? error->GetDiagnostic().str() : "";
  }
  static std::string Result(const ZORFeature& f) {
    return f.GetResultBody() ? f.GetResultBody()->Describe() : "none";
  }

  ZORHostSession session;
  ZORFeature_var set;
};

TEST_F(GeometryFeatures, APolylineIsOneWireThroughItsPointsAndRefusesCoincidentOnes) {
  ZORFeature_var a = Point(0, 0, 0), b = Point(4, 0, 0), c = Point(4, 3, 0);
  ZORFeature_var polyline =
      Make("WENPolyline", {{"Point1", a.get()}, {"Point2", b.get()}, {"Point3", c.get()}});
  EXPECT_EQ(Result(*polyline), "wire(2 edges, open, length=7)");
  EXPECT_EQ(
      ZORDocument::DumpLine(*polyline),
      "Polyline.1 [WENPolyline] Point1=Point.1 Point2=Point.2 Point3=Point.3 => wire(2 edges, "
      "open, length=7)");
  EXPECT_TRUE(ZORVar<ZORIMfMonoDimResult>(ZORSpecObjectOf(polyline.get())));
  EXPECT_EQ(ZORGmoUtilitiesBody::IsAClosedWire(ZORBaseUnknown_var(polyline)), 0);
  EXPECT_EQ(ZORGmoUtilitiesBody::IsALinearCurve(ZORBaseUnknown_var(polyline)), 0);
  int mono = -1;
  ASSERT_EQ(ZORGmoUtilitiesBody::IsMonoElement(ZORBaseUnknown_var(polyline), mono), S_OK);
  EXPECT_EQ(mono, 0);
  ZORFeature_var twice =
      Make("WENPolyline", {{"Point1", a.get()}, {"Point2", b.get()}, {"Point3", b.get()}});
  EXPECT_EQ(Error(*twice), "Points 2 and 3 coincide");
  // A refused compute leaves an empty body, never a degenerate one.
  ASSERT_TRUE(twice->GetResultBody());
  EXPECT_EQ(twice->GetResultBody()->HasGeometry(), 0);
  ZORFeature_var lonely = Make("WENPolyline", {{"Point1", a.get()}});
  EXPECT_EQ(Error(*lonely), "At least 2 points are needed, 1 given");
  // Aligned points make a straight curve.
  ZORFeature_var straight = Make(
      "WENPolyline", {{"Point1", a.get()}, {"Point2", b.get()}, {"Point3", Point(9, 0, 0).get()}});
  EXPECT_EQ(ZORGmoUtilitiesBody::IsALinearCurve(ZORBaseUnknown_var(straight)), 1);
}

TEST_F(GeometryFeatures, AnArcPassesThroughItsThreePointsOrSaysWhyNot) {
  ZORFeature_var a = Point(2, 0, 0), b = Point(0, 2, 0), c = Point(-2, 0, 0);
  ZORFeature_var arc =
      Make("WENArc", {{"Point1", a.get()}, {"Point2", b.get()}, {"Point3", c.get()}});
  EXPECT_EQ(Result(*arc), "arc(c=0,0,0 r=2 angle=180)");
  EXPECT_EQ(ZORGmoUtilitiesBody::IsALinearCurve(ZORBaseUnknown_var(arc)), 0);
  int mono = 0;
  ASSERT_EQ(ZORGmoUtilitiesBody::IsMonoElement(ZORBaseUnknown_var(arc), mono), S_OK);
  EXPECT_EQ(mono, 1);
  ZORMathPoint end;
  ZORMathVector tangent;
  ASSERT_EQ(GetTangent(ZORBaseUnknown_var(arc), kZORTangentAtEnd, {1, 0, 0}, end, tangent), S_OK);
  ExpectNear(-2, end.GetX());
  ExpectNear(-1, tangent.GetY());
  ZORFeature_var aligned =
      Make("WENArc", {{"Point1", a.get()}, {"Point2", Point(0, 0, 0).get()}, {"Point3", c.get()}});
  EXPECT_EQ(Error(*aligned), "The three points are aligned: no arc passes through them");
  ZORFeature_var same =
      Make("WENArc", {{"Point1", a.get()}, {"Point2", a.get()}, {"Point3", c.get()}});
  EXPECT_EQ(Error(*same), "Two of the three points coincide");
}

TEST_F(GeometryFeatures, ACylinderPatchRefusesADegenerateAxisRadiusOrAngles) {
  ZORFeature_var a = Point(0, 0, 0), b = Point(0, 0, 10);
  ZORFeature_var cylinder = Make("WENCylinder", {{"Start", a.get()}, {"End", b.get()}},
                                 {{"Radius", 2}, {"StartAngle", 0}, {"EndAngle", 90}});
  EXPECT_EQ(Result(*cylinder), "cylinder(0,0,0 axis=0,0,1 r=2 h=10 angle=90)");
  EXPECT_TRUE(ZORVar<ZORIMfBiDimResult>(ZORSpecObjectOf(cylinder.get())));
  EXPECT_EQ(ZORGmoUtilitiesBody::IsInfinite(ZORBaseUnknown_var(cylinder)), 0);
  ZORMathVector normal;
  ASSERT_EQ(ZORWENGetNormale(ZORBaseUnknown_var(cylinder), normal), S_OK);
  ExpectNear(std::sqrt(0.5), normal.GetX());
  ExpectNear(std::sqrt(0.5), normal.GetY());
  EXPECT_EQ(Error(*Make("WENCylinder", {{"Start", a.get()}, {"End", a.get()}}, {{"Radius", 2}})),
            "The axis start and end points coincide");
  EXPECT_EQ(Error(*Make("WENCylinder", {{"Start", a.get()}, {"End", b.get()}}, {{"Radius", 0}})),
            "The radius must be positive");
  EXPECT_EQ(Error(*Make("WENCylinder", {{"Start", a.get()}, {"End", b.get()}},
                        {{"Radius", 1}, {"StartAngle", 90}, {"EndAngle", 90}})),
            "The angles must span more than 0 and at most 360 degrees");
  EXPECT_EQ(Error(*Make("WENCylinder", {{"Start", a.get()}, {"End", b.get()}},
                        {{"Radius", 1}, {"StartAngle", 0}, {"EndAngle", 400}})),
            "The angles must span more than 0 and at most 360 degrees");
}

TEST_F(GeometryFeatures, ACloudIsACloudBodyOfIsolatedPoints) {
  ZORFeature_var cloud =
      Make("WENCloud", {{"Point1", Point(0, 0, 0).get()}, {"Point2", Point(1, 1, 1).get()}});
  EXPECT_EQ(Result(*cloud), "cloud(2 points)");
  EXPECT_TRUE(cloud->GetResultBody()->IsAKindOf("ZORCldBody"));
  EXPECT_EQ(cloud->GetResultBody()->GetNumberOfDomains(), 2);
}

TEST_F(GeometryFeatures, AnAssemblyJoinsCurvesClosingSmallGapsAndNamingALargeOne) {
  ZORFeature_var a = Point(0, 0, 0), b = Point(10, 0, 0), c = Point(10.0005, 0, 0),
                 d = Point(10, 5, 0);
  ZORFeature_var first = Make("WENPolyline", {{"Point1", a.get()}, {"Point2", b.get()}});
  // Given end first: the assembly runs it from its end nearest the first curve.
  ZORFeature_var second = Make("WENPolyline", {{"Point1", d.get()}, {"Point2", c.get()}});
  ZORFeature_var joined =
      Make("WENAssemble", {{"Element1", first.get()}, {"Element2", second.get()}});
  EXPECT_EQ(Error(*joined), "");
  ASSERT_TRUE(joined->GetResultBody());
  EXPECT_EQ(joined->GetResultBody()->GetNumberOfDomains(), 1);
  EXPECT_EQ(joined->GetResultBody()->GetCellCount(1), 2);
  ZORMathPoint end;
  ZORMathVector tangent;
  ASSERT_EQ(GetTangent(ZORBaseUnknown_var(joined), kZORTangentAtEnd, {1, 0, 0}, end, tangent),
            S_OK);
  ExpectNear(5, end.GetY());
  // Beyond the merging distance the junction is named.
  ZORWENSettings::GetWENSettings()->SetTMMergingDistanceValue(0.0001);
  joined->MarkOutOfDate();
  doc().UpdateAll();
  EXPECT_EQ(
      Error(*joined),
      "The gap between Element1 and Element2 is 0.0005 mm, above the merging distance 0.0001 mm");
  ASSERT_TRUE(joined->GetResultBody());
  EXPECT_EQ(joined->GetResultBody()->HasGeometry(), 0);
  ZORFeature_var notCurve = Make("WENAssemble", {{"Element1", first.get()}, {"Element2", a.get()}});
  EXPECT_EQ(Error(*notCurve), "Input Element2 (Point.1) has no suitable result");
}

TEST_F(GeometryFeatures, AnAxisLineRunsAlongItsReferenceFromStartToEnd) {
  ZORFeature_var a = Point(0, 0, 0), b = Point(0, 0, 10), p = Point(5, 0, 3);
  ZORFeature_var line = Make("WENLine", {{"Start", a.get()}, {"End", b.get()}});
  ZORFeature_var axis = Make("WENAxisLine", {{"Point", p.get()}, {"Reference", line.get()}},
                             {{"Start", -2}, {"End", 4}});
  EXPECT_EQ(Result(*axis), "segment(5,0,1)-(5,0,7)");
  ZORIWENAxisLine_var axisLine(ZORSpecObjectOf(axis.get()));
  ASSERT_TRUE(axisLine);
  EXPECT_EQ(axisLine->GetReference(), ZORSpecObjectOf(line.get()));
  EXPECT_EQ(axisLine->GetStartLength(), -2);
  EXPECT_EQ(axisLine->GetEndLength(), 4);
  // Along a surface's normal at the point's projection.
  ZORFeature_var cylinder =
      Make("WENCylinder", {{"Start", a.get()}, {"End", b.get()}}, {{"Radius", 2}});
  ZORFeature_var normal = Make("WENAxisLine", {{"Point", p.get()}, {"Reference", cylinder.get()}},
                               {{"Start", 0}, {"End", 1}});
  EXPECT_EQ(Result(*normal), "segment(5,0,3)-(6,0,3)");
  ASSERT_EQ(axisLine->SetLengths(1, 1), S_OK);
  doc().UpdateAll();
  EXPECT_EQ(Error(*axis), "The start and end lengths must differ");
  ZORFeature_var onPoint = Make("WENAxisLine", {{"Point", p.get()}, {"Reference", a.get()}});
  EXPECT_EQ(Error(*onPoint), "The reference Point.1 gives no direction");
}

TEST_F(GeometryFeatures, BRepFeaturesOfPickedCellsAnswerTheInterfaceOfTheirDimension) {
  ZORFeature_var a = Point(0, 0, 0), b = Point(0, 0, 10);
  ZORFeature_var cylinder = Make("WENCylinder", {{"Start", a.get()}, {"End", b.get()}},
                                 {{"Radius", 2}, {"StartAngle", 0}, {"EndAngle", 90}});
  ZORBody_var body = cylinder->GetResultBody();
  const char* interfaces[] = {"ZORIMfPoint", "ZORIMfMonoDimResult", "ZORIMfBiDimResult"};
  for (int dimension = 0; dimension <= 2; ++dimension) {
    ZORFeature_var brep = ZORCellBRep::Create(*cylinder, *body->GetCellOfDimension(dimension, 1));
    ASSERT_TRUE(brep);
    EXPECT_EQ(Error(*brep), "");
    EXPECT_EQ(brep->GetResultBody()->GetHighestDimension(), dimension);
    EXPECT_TRUE(brep->GetFeatureType().Offers(ZORMakeGUID(interfaces[dimension])));
    EXPECT_FALSE(brep->GetFeatureType().Offers(ZORMakeGUID(interfaces[(dimension + 1) % 3])));
    EXPECT_TRUE(
        ZORFeatureTypeRegistry::Get().IsSubTypeOf(brep->GetFeatureType().GetName(), "BRepFeature"));
  }
  // A cell of another body is not the support's.
  EXPECT_FALSE(ZORCellBRep::Create(*cylinder, *ZORBody::MakePoint({0, 0, 0})->GetCell(1)));
}

TEST_F(GeometryFeatures, APickedVertexBecomesAPointFeatureInTheToolOfItsFeature) {
  ZORFeature_var polyline =
      Make("WENPolyline", {{"Point1", Point(0, 0, 0).get()}, {"Point2", Point(3, 4, 0).get()}});
  ZORCell* end = polyline->GetResultBody()->GetCellOfDimension(0, 2);
  ZORIFeaturize_var featurize(static_cast<ZORBaseUnknown*>(end));
  ASSERT_TRUE(featurize);
  ZORISpecObject_var made = featurize->Featurize(polyline.get(), ZORIFeaturize::MfPermanentBody);
  ASSERT_TRUE(made);
  ZORFeature* point = ZORFeature::From(made.get());
  EXPECT_EQ(point->GetFatherFeature(), set.get());
  doc().UpdateAll();
  EXPECT_EQ(Result(*point), "point(3,4,0)");
  // An edge does not featurize.
  ZORIFeaturize_var edge(
      static_cast<ZORBaseUnknown*>(polyline->GetResultBody()->GetCellOfDimension(1, 1)));
  ASSERT_TRUE(edge);
  EXPECT_FALSE(edge->Featurize(polyline.get(), ZORIFeaturize::MfPermanentBody));
}

TEST_F(GeometryFeatures, AnAxisOfALocalAxisSystemBecomesAnAxisFeatureThatDirectsATranslation) {
  // A system turned 90 degrees about Z and moved to (1, 2, 3): its second axis runs along -X.
  const ZORMathAxis system({1, 2, 3}, {0, 1, 0}, {-2, 0, 0}, {0, 0, 1});
  ZORFeature_var point = Point(5, 5, 5);
  ZORLocalAxis_var second = ZORLocalAxis::Make(system, 2);
  ASSERT_TRUE(second);
  ZORIFeaturize_var featurize(static_cast<ZORBaseUnknown*>(second.get()));
  ASSERT_TRUE(featurize);
  EXPECT_FALSE(featurize->Featurize(point.get(), 0));  // only into the permanent body
  ZORISpecObject_var made = featurize->Featurize(point.get(), ZORIFeaturize::MfPermanentBody);
  ASSERT_TRUE(made);
  ZORFeature* axis = ZORFeature::From(made.get());
  EXPECT_EQ(axis->GetFatherFeature(), set.get());
  EXPECT_EQ(axis->GetFeatureType().GetName(), "MfAXIS");
  EXPECT_TRUE(ZORFeatureTypeRegistry::Get().IsSubTypeOf("MfAXIS", "WENLine"));
  EXPECT_EQ(Result(*axis), "segment(1,2,3)-(-99,2,3)");
  // A translation of 7 along it moves the point by (-7, 0, 0).
  ZORFeature_var moved =
      Make("WENTranslate", {{"Element", point.get()}, {"Direction", axis}}, {{"Distance", 7}});
  EXPECT_EQ(Result(*moved), "point(-2,5,5)");
  // Given a "Length" parameter, the translation follows it rather than its own distance.
  ZORFeature_var length = doc().CreateParameter("Length", "Longueur", 3);
  moved->SetInput("Length", ZORBaseUnknown_var(length));
  ASSERT_EQ(doc().UpdateAll(), 0);
  EXPECT_EQ(Result(*moved), "point(2,5,5)");
  length->SetValue("Value", -1);
  ASSERT_EQ(doc().UpdateAll(), 0);
  EXPECT_EQ(Result(*moved), "point(6,5,5)");
  // No axis 4, no axis without direction; a context outside a tool takes none.
  EXPECT_FALSE(ZORLocalAxis::Make(system, 4));
  EXPECT_FALSE(ZORLocalAxis::Make(ZORMathAxis({0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 0, 1}), 2));
  ZORFeature_var loose = doc().CreatePoint(0, 0, 0);
  EXPECT_FALSE(featurize->Featurize(loose.get(), ZORIFeaturize::MfPermanentBody));
  EXPECT_FALSE(featurize->Featurize(nullptr, ZORIFeaturize::MfPermanentBody));
  // An axis feature without a direction fails its update, saying why.
  axis->SetValue("DX", 0);
  EXPECT_EQ(doc().UpdateAll(), 2);  // and the translation along it
  EXPECT_EQ(Error(*axis), "The axis needs a direction and a positive length");
}

TEST(CellLists, RepeatsAreRemovedKeepingTheFirstOfEachInOrder) {
  ZORBody_var body = ZORBody::MakeSegment({0, 0, 0}, {1, 0, 0});
  ZORCell* a = body->GetCell(1);
  ZORCell* b = body->GetCell(2);
  ZORCell* c = body->GetCell(3);
  ZORListPtrZORCell cells{b, a, b, nullptr, c, a, b};
  EXPECT_EQ(cells.RemoveDuplicates(), 4);
  EXPECT_EQ(cells.std(), (std::vector<ZORCell*>{b, a, c}));
  EXPECT_EQ(cells.RemoveDuplicates(), 0);
  // Cells gathered from a body and one of its domains repeat.
  body->GetCells(1, cells);
  body->GetDomain(1)->GetCells(1, cells);
  EXPECT_EQ(cells.Size(), 5);
  EXPECT_EQ(cells.RemoveDuplicates(), 2);
}

TEST_F(GeometryFeatures, QueriesOnFeaturesWithoutResultFailWithoutCrashing) {
  ZORFeature_var broken = Make("WENArc", {{"Point1", Point(0, 0, 0).get()}});
  int mono = 7;
  EXPECT_EQ(ZORGmoUtilitiesBody::IsMonoElement(ZORBaseUnknown_var(broken), mono), E_FAIL);
  EXPECT_EQ(mono, 7);
  ZORError* last = ZORError::ZORGetLastError(E_FAIL);
  ASSERT_TRUE(last);
  last->Release();
  EXPECT_EQ(ZORGmoUtilitiesBody::IsAClosedWire(ZORBaseUnknown_var(broken)), 0);
  EXPECT_EQ(ZORGmoUtilitiesBody::IsALinearCurve(ZORBaseUnknown_var()), 0);
  EXPECT_EQ(ZORGmoUtilitiesBody::IsThisPointOnThatCurve(nullptr, nullptr), 0);
  ZORMathVector normal;
  EXPECT_EQ(ZORWENGetNormale(ZORBaseUnknown_var(broken), normal), E_FAIL);
}

TEST_F(GeometryFeatures, APointLiesOnACurveWhenItLiesOnOneOfItsEdges) {
  ZORFeature_var polyline = Make("WENPolyline", {{"Point1", Point(0, 0, 0).get()},
                                                 {"Point2", Point(4, 0, 0).get()},
                                                 {"Point3", Point(4, 4, 0).get()}});
  ZORBody_var curve = polyline->GetResultBody();
  EXPECT_EQ(ZORGmoUtilitiesBody::IsThisPointOnThatCurve(ZORBody::MakePoint({4, 2, 0}), curve), 1);
  EXPECT_EQ(ZORGmoUtilitiesBody::IsThisPointOnThatCurve(ZORBody::MakePoint({2, 2, 0}), curve), 0);
}

}  // namespace
