// The position transformation and its default positioner: axis systems from points, lines,
// planes and direction features, the profile moved through them, and what is refused.

#include <gtest/gtest.h>

#include <cmath>

#include "ZORHostSession.h"
#include "ZORIWENDefaultPositioner.h"
#include "ZORIWENDirection.h"
#include "ZORIWENFactory.h"
#include "ZORSpecObjectOf.h"

namespace {

class PositionTransfo : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    // An L-shaped profile in the plane z = 1.
    profile = Make("WENPolyline", {Point(0, 0, 1), Point(4, 0, 1), Point(4, 2, 1)});
    ZORIWENFactory_var factory(ZORBaseUnknown_var(doc().GetContainer()));
    ASSERT_TRUE(factory);
    transfo = factory->CreatePositionTransfo();
    ASSERT_TRUE(transfo);
    transfo->SetProfile(ZORSpecObjectOf(profile.get()));
  }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature_var Point(double x, double y, double z) {
    ZORFeature_var point = doc().CreatePoint(x, y, z, set.get());
    EXPECT_EQ(point->Update(), S_OK);
    return point;
  }
  ZORFeature_var Make(const char* type, const std::vector<ZORFeature_var>& points) {
    ZORFeature_var made = doc().CreateFeature(type, set.get());
    for (std::size_t i = 0; i < points.size(); ++i) {
      made->SetInput((type == std::string("WENLine") ? (i == 0 ? "Start" : "End")
                                                     : "Point" + std::to_string(i + 1)),
                     points[i].get());
    }
    EXPECT_EQ(made->Update(), S_OK);
    return made;
  }
  std::vector<ZORMathPoint> Moved() {
    std::vector<ZORMathPoint> points;
    EXPECT_EQ(ZORIWENDefaultPositioner_var(transfo)->GetPositionedPoints(points), S_OK);
    return points;
  }
  static void ExpectNear(const ZORMathPoint& a, const ZORMathPoint& b) {
    EXPECT_NEAR(a.DistanceTo(b), 0.0, 1e-9) << a.GetX() << "," << a.GetY() << "," << a.GetZ();
  }

  ZORHostSession session;
  ZORFeature_var set, profile;
  ZORIWENPositionTransfo_var transfo;
};

TEST_F(PositionTransfo, WithoutInputsTheSystemsAreTheProfilesPlaneAndTheProfileStays) {
  ZORMathAxis initial;
  ASSERT_EQ(transfo->GetAxis(1, initial), S_OK);
  ExpectNear(initial.GetOrigin(), {0, 0, 1});
  EXPECT_EQ(initial.GetFirstDirection(), ZORMathVector(1, 0, 0));
  EXPECT_EQ(initial.GetThirdDirection(), ZORMathVector(0, 0, 1));
  const std::vector<ZORMathPoint> moved = Moved();
  ASSERT_EQ(moved.size(), 3u);
  ExpectNear(moved[2], {4, 2, 1});
  EXPECT_EQ(transfo->GetMode(), 0);
  EXPECT_EQ(transfo->GetBooleanParameter(1)->GetStoredValue(), 1.0);
  EXPECT_EQ(transfo->GetLiteral("AnglePos")->GetStoredValue(), 0.0);
}

TEST_F(PositionTransfo, TheProfileGoesFromTheInitialSystemToTheTargetTurnedAndDisplaced) {
  // Initial: at (4,0,1), X along a line leaning out of the plane (projected: +X).
  transfo->SetOrigin(1, ZORSpecObjectOf(Point(4, 0, 1).get()));
  transfo->SetDirection(1,
                        ZORSpecObjectOf(Make("WENLine", {Point(0, 0, 0), Point(1, 0, 5)}).get()));
  // Target: at (10,10,1), X given by a vertical plane's normal (0,1,0).
  transfo->SetOrigin(2, ZORSpecObjectOf(Point(10, 10, 1).get()));
  transfo->SetDirection(
      2, ZORSpecObjectOf(Make("WENPlane", {Point(0, 0, 0), Point(1, 0, 0), Point(0, 0, 1)}).get()));
  ZORMathAxis target;
  ASSERT_EQ(ZORIWENDefaultPositioner_var(transfo)->GetAxisSystem(1, target), S_OK);
  EXPECT_NEAR(std::abs(target.GetFirstDirection().GetY()), 1.0, 1e-12);
  const double sign = target.GetFirstDirection().GetY();  // the plane's normal may face -Y
  transfo->GetLiteral("XPos")->Valuate(1);
  transfo->GetLiteral("YPos")->Valuate(2);
  transfo->GetLiteral("AnglePos")->Valuate(90);
  // (0,0,1) is local (-4, 0); displaced (-3, 2); turned (-2, -3); in the target:
  // (10,10,1) + -2 X - 3 Y, with X = (0, s, 0) and Y = Z x X = (-s, 0, 0).
  const std::vector<ZORMathPoint> moved = Moved();
  ExpectNear(moved[0], {10 + 3 * sign, 10 - 2 * sign, 1});
  ZORMathPoint one;
  ASSERT_EQ(ZORIWENDefaultPositioner_var(transfo)->Position({4, 0, 1}, one), S_OK);
  // Its own origin: displaced (1, 2), turned (-2, 1).
  ExpectNear(one, {10 - sign, 10 - 2 * sign, 1});
  // The result is the moved chain.
  ZORFeature* feature = ZORFeature::From(static_cast<ZORBaseUnknown*>(transfo.get()));
  ASSERT_EQ(feature->Update(), S_OK);
  EXPECT_EQ(feature->GetResultBody()->GetCellCount(1), 2);
}

TEST_F(PositionTransfo, ADirectionFeatureByComponentsAndTheInversionsReverseTheAxes) {
  ZORISpecObject_var direction = ZORIWENFactory_var(ZORBaseUnknown_var(doc().GetContainer()))
                                     ->CreateFeatureOfType("WENDirection");
  ASSERT_EQ(ZORIWENDirection_var(direction)->SetComponents(0, 3, 7), S_OK);
  transfo->SetDirection(1, direction);
  ZORMathAxis axis;
  ASSERT_EQ(transfo->GetAxis(1, axis), S_OK);
  EXPECT_EQ(axis.GetFirstDirection(), ZORMathVector(0, 1, 0));
  ASSERT_EQ(transfo->SetAxisInversion(1, ZORWENXAndYInversion), S_OK);
  ASSERT_EQ(transfo->GetAxis(1, axis), S_OK);
  EXPECT_EQ(axis.GetFirstDirection(), ZORMathVector(0, -1, 0));
  EXPECT_EQ(axis.GetSecondDirection(), ZORMathVector(1, 0, 0));
  EXPECT_EQ(axis.GetThirdDirection(), ZORMathVector(0, 0, 1));
}

TEST_F(PositionTransfo, BadRequestsAreRefusedAndANonPlanarProfileHasNoAxis) {
  EXPECT_EQ(transfo->SetMode(-1), E_FAIL);
  EXPECT_EQ(transfo->SetAxisInversion(2, 5), E_FAIL);
  EXPECT_EQ(transfo->SetDirection(0, nullptr), E_FAIL);
  EXPECT_FALSE(transfo->GetOrigin(3));
  EXPECT_FALSE(transfo->GetBooleanParameter(0));
  EXPECT_FALSE(transfo->GetLiteral(nullptr));
  ZORMathAxis axis;
  EXPECT_EQ(ZORIWENDefaultPositioner_var(transfo)->GetAxisSystem(2, axis), E_FAIL);
  transfo->SetProfile(ZORSpecObjectOf(Make("WENPolyline", {Point(0, 0, 0), Point(1, 1, 1)}).get()));
  EXPECT_EQ(transfo->GetAxis(1, axis), E_FAIL);
  std::vector<ZORMathPoint> points;
  EXPECT_EQ(ZORIWENDefaultPositioner_var(transfo)->GetPositionedPoints(points), E_FAIL);
  ZORFeature* feature = ZORFeature::From(static_cast<ZORBaseUnknown*>(transfo.get()));
  EXPECT_NE(feature->Update(), S_OK);
}

}  // namespace
