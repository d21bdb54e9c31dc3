#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ZORBodyBuilder.h"
#include "ZORCircle.h"
#include "ZORClosedForm.h"
#include "ZORCurveContinuity.h"
#include "ZORGmoUtilitiesGetMilieu.h"
#include "ZORLine.h"
#include "ZORWireAnalysis.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kIsG1Tolerance = 0.0087266463;

ZORCurve_var Segment(const ZORMathPoint& a, const ZORMathPoint& b) {
  return ZORMake<ZORLine>(a, b);
}

// The polyline through `points`, as one wire body.
ZORBody_var Polyline(const std::vector<ZORMathPoint>& points, bool closed = false) {
  std::vector<ZORCurve_var> segments;
  for (std::size_t i = 1; i < points.size(); ++i)
    segments.push_back(Segment(points[i - 1], points[i]));
  if (closed) segments.push_back(Segment(points.back(), points.front()));
  ZORBodyBuilder builder;
  builder.AddChain(segments, closed);
  return builder.Finish();
}

// Two segments of length 10 whose directions differ by `degrees`.
ZORBody_var Kinked(double degrees) {
  const double a = degrees * kDegree;
  return Polyline({{0, 0, 0}, {10, 0, 0}, {10 + 10 * std::cos(a), 10 * std::sin(a), 0}});
}

TEST(GeometryCurves, AnArcThroughThreePointsHasItsCentreRadiusTangentAndLength) {
  ZORCircle_var arc;
  // A quarter of the circle of radius 5 around (1, 2, 3), in the XY plane, counterclockwise.
  ASSERT_TRUE(ZORCircle::ThroughThreePoints(
      {6, 2, 3},
      {1 + 5 * std::cos(std::numbers::pi / 4), 2 + 5 * std::sin(std::numbers::pi / 4), 3},
      {1, 7, 3}, 1e-6, arc));
  ExpectPoint({1, 2, 3}, arc->GetCentre());
  ExpectNear(5.0, arc->GetRadius());
  ExpectNear(5.0 * std::numbers::pi / 2, arc->GetLength());
  ExpectNear(0.2, arc->Curvature(arc->GetStartParam()));
  ExpectPoint({1, 7, 3}, arc->EndPoint());
  const ZORMathVector start = arc->Tangent(arc->GetStartParam());
  ExpectPoint({0, 1, 0}, ZORMathPoint() + start);
  // Half way along: the middle of the quarter.
  const ZORMathPoint middle = arc->Eval(arc->ParamAtLength(arc->GetLength() / 2));
  ExpectPoint({1 + 5 * std::sqrt(0.5), 2 + 5 * std::sqrt(0.5), 3}, middle);
  // Its centre of gravity lies at r·sin(a)/a from the centre, along the bisector.
  const double d = 5 * std::sin(std::numbers::pi / 4) / (std::numbers::pi / 4);
  ExpectPoint({1 + d * std::sqrt(0.5), 2 + d * std::sqrt(0.5), 3}, arc->GetCentroid());
}

TEST(GeometryCurves, DegenerateArcsAreRefused) {
  ZORCircle_var arc;
  EXPECT_FALSE(ZORCircle::ThroughThreePoints({0, 0, 0}, {1, 0, 0}, {2, 0, 0}, 1e-6, arc));
  EXPECT_FALSE(ZORCircle::ThroughThreePoints({0, 0, 0}, {0, 0, 0}, {2, 1, 0}, 1e-6, arc));
  EXPECT_FALSE(arc);
}

TEST(GeometryCurves, ParametersOutsideTheRangeAreRefusedOrClamped) {
  ZORLine line({0, 0, 0}, {4, 0, 0});
  ZORMathPoint p;
  EXPECT_EQ(line.Evaluate(5.0, p), E_INVALIDARG);
  EXPECT_EQ(line.Evaluate(-0.1, p), E_INVALIDARG);
  ASSERT_EQ(line.Evaluate(4.0, p), S_OK);
  ExpectPoint({4, 0, 0}, p);
  EXPECT_EQ(line.Clamp(7.0), 4.0);
  EXPECT_EQ(line.Clamp(-7.0), 0.0);
  EXPECT_TRUE(line.Contains({2, 1e-7, 0}, 1e-6));
  EXPECT_FALSE(line.Contains({5, 0, 0}, 1e-6));
}

TEST(GeometryCurves, AnArcReversedRunsThroughTheSamePointsTheOtherWay) {
  ZORCircle_var arc;
  ASSERT_TRUE(ZORCircle::ThroughThreePoints({2, 0, 0}, {0, 2, 0}, {-2, 0, 0}, 1e-6, arc));
  ZORCurve_var back = arc->Reversed();
  ExpectPoint(arc->EndPoint(), back->StartPoint());
  ExpectPoint(arc->StartPoint(), back->EndPoint());
  ExpectPoint({0, 2, 0}, back->Eval(back->ParamAtLength(back->GetLength() / 2)));
}

TEST(GeometryCurves, ASegmentFollowedByATangentArcIsTangentContinuousByOneOverR) {
  const double r = 5.0;
  ZORCircle_var arc;
  ASSERT_TRUE(ZORCircle::ThroughThreePoints(
      {10, 0, 0},
      {10 + r * std::sin(std::numbers::pi / 4), r - r * std::cos(std::numbers::pi / 4), 0},
      {10 + r, r, 0}, 1e-6, arc));
  const ZORCurveContinuity measure(*Segment({0, 0, 0}, {10, 0, 0}), *arc);
  EXPECT_EQ(measure.GetType(), ZORCurveContinuity::kTangent);
  ExpectNear(1.0 / r, measure.GetValue());
  EXPECT_LT(measure.GetGap(), 1e-12);
}

TEST(GeometryCurves, TwoSegmentsAtTenDegreesArePointContinuousByTenDegrees) {
  const double a = 10 * kDegree;
  // The second is given end first: the nearest ends are found whichever way the curves run.
  const ZORCurveContinuity measure(
      *Segment({0, 0, 0}, {10, 0, 0}),
      *Segment({10 + 10 * std::cos(a), 10 * std::sin(a), 0}, {10, 0, 0}));
  EXPECT_EQ(measure.GetType(), ZORCurveContinuity::kPoint);
  ExpectNear(10.0, measure.GetValue());
}

TEST(GeometryCurves, EndsHalfAMillimetreApartAreAGapOfHalfAMillimetre) {
  const ZORCurveContinuity measure(*Segment({0, 0, 0}, {10, 0, 0}),
                                   *Segment({10.5, 0, 0}, {20, 0, 0}));
  EXPECT_EQ(measure.GetType(), ZORCurveContinuity::kGap);
  ExpectNear(0.5, measure.GetValue());
}

TEST(GeometryCurves, AlignedSegmentsAreCurvatureContinuous) {
  const ZORCurveContinuity measure(*Segment({0, 0, 0}, {10, 0, 0}),
                                   *Segment({10, 0, 0}, {20, 0, 0}));
  EXPECT_EQ(measure.GetType(), ZORCurveContinuity::kCurvature);
  EXPECT_EQ(measure.GetValue(), 0.0);
}

TEST(GeometryCurves, IsG1ComparesEachJunctionWithTheAngularTolerance) {
  EXPECT_FALSE(ZORWireAnalysis(ZORWire::FromBody(*Kinked(1.0))).IsG1(kIsG1Tolerance));
  EXPECT_TRUE(ZORWireAnalysis(ZORWire::FromBody(*Kinked(0.25))).IsG1(kIsG1Tolerance));
  ExpectNear(1.0 * kDegree, ZORWireAnalysis(ZORWire::FromBody(*Kinked(1.0))).GetMaxTangentTurn());
  // A closed square turns by a right angle where it closes too.
  ZORWire_var square =
      ZORWire::FromBody(*Polyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, true));
  ASSERT_TRUE(square);
  EXPECT_TRUE(square->IsClosed());
  ExpectNear(std::numbers::pi / 2, ZORWireAnalysis(square).GetMaxTangentTurn());
}

TEST(GeometryCurves, AWireIsOneChainOrNone) {
  // Edges built out of order still chain from the free end.
  ZORBodyBuilder builder;
  ZORCell* a = builder.AddVertex({0, 0, 0});
  ZORCell* b = builder.AddVertex({1, 0, 0});
  ZORCell* c = builder.AddVertex({1, 1, 0});
  builder.AddEdge(Segment({1, 1, 0}, {1, 0, 0}), c, b);
  builder.AddEdge(Segment({0, 0, 0}, {1, 0, 0}), a, b);
  ZORBody_var body = builder.Finish();
  ZORWire_var wire = ZORWire::FromBody(*body);
  ASSERT_TRUE(wire);
  EXPECT_FALSE(wire->IsClosed());
  ExpectPoint({0, 0, 0}, wire->StartOf(0));
  ExpectPoint({1, 1, 0}, wire->EndOf(1));
  EXPECT_TRUE(wire->GetPieces()[1].reversed);
  // Apart: no wire; three edges at a vertex: no wire.
  ZORBodyBuilder apart;
  apart.AddChain({Segment({0, 0, 0}, {1, 0, 0})}, false);
  apart.AddChain({Segment({5, 0, 0}, {6, 0, 0})}, false);
  EXPECT_FALSE(ZORWire::FromBody(*apart.Finish()));
  ZORBodyBuilder star;
  ZORCell* centre = star.AddVertex({0, 0, 0});
  for (const ZORMathPoint& p :
       {ZORMathPoint(1, 0, 0), ZORMathPoint(0, 1, 0), ZORMathPoint(0, 0, 1)}) {
    star.AddEdge(Segment({0, 0, 0}, p), centre, star.AddVertex(p));
  }
  EXPECT_FALSE(ZORWire::FromBody(*star.Finish()));
  EXPECT_FALSE(ZORWire::FromBody(*ZORBody::MakePoint({0, 0, 0})));
}

TEST(GeometryCurves, AWireOutlivesTheHandleOfItsBody) {
  ZORWire_var wire = ZORWire::FromBody(*Polyline({{0, 0, 0}, {3, 0, 0}, {3, 4, 0}}));
  ASSERT_TRUE(wire);
  // The body's only handle is gone: the wire still reads its edges' curves.
  EXPECT_NEAR(7.0, wire->GetLength(), 1e-12);
  ExpectPoint({3, 4, 0}, wire->EndOf(1));
}

TEST(GeometryCurves, TheMiddleOfAWireIsHalfWayAlongItsLength) {
  ZORMathPoint middle;
  ZORMathVector direction;
  // Lengths 4 then 2: the middle is 3 along, on the first edge.
  ASSERT_EQ(
      ZORGmoUtilitiesGetMilieu(Polyline({{0, 0, 0}, {4, 0, 0}, {4, 2, 0}}), middle, direction),
      S_OK);
  ExpectPoint({3, 0, 0}, middle);
  ExpectPoint({1, 0, 0}, ZORMathPoint() + direction);
  ASSERT_EQ(
      ZORGmoUtilitiesGetMilieu(Polyline({{0, 0, 0}, {2, 0, 0}, {2, 4, 0}}), middle, direction),
      S_OK);
  ExpectPoint({2, 1, 0}, middle);
  ExpectPoint({0, 1, 0}, ZORMathPoint() + direction);
  // Equal legs: the middle is the corner, read at the end of the first leg.
  ASSERT_EQ(
      ZORGmoUtilitiesGetMilieu(Polyline({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}}), middle, direction),
      S_OK);
  ExpectPoint({2, 0, 0}, middle);
  ExpectPoint({1, 0, 0}, ZORMathPoint() + direction);
  EXPECT_EQ(ZORGmoUtilitiesGetMilieu(nullptr, middle, direction), E_FAIL);
  EXPECT_EQ(ZORGmoUtilitiesGetMilieu(ZORBody::MakePoint({0, 0, 0}), middle, direction), E_FAIL);
}

}  // namespace
