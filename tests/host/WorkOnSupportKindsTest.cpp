#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ZORClosedForm.h"
#include "ZORDocument.h"
#include "ZORFrmLayout.h"
#include "ZORHostSession.h"
#include "ZORIParmAsStored.h"
#include "ZORIWENCartesianGrid.h"
#include "ZORIWENFactory.h"
#include "ZORIWENPointOnPlane.h"
#include "ZORIWENPointOnSurface.h"
#include "ZORIWENSection.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORSpecObjectOf.h"
#include "ZORStRemoteAcqu.h"
#include "ZORWENCartesianGrid.h"
#include "ZORWENGetAxis.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENWorkingSupport.h"

namespace {

// The plane z = 0, a half cylinder of radius 10 around the x axis from 0 to 40 (its top at
// z = 10), and length parameters, in one geometrical set.
class WorkOnSupportKinds : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    plane = doc().CreateFeature("WENPlane", set);
    const double corners[3][2] = {{0, 0}, {10, 0}, {0, 10}};
    for (int i = 0; i < 3; ++i) {
      plane->SetInput("Point" + std::to_string(i + 1),
                      ZORBaseUnknown_var(doc().CreatePoint(corners[i][0], corners[i][1], 0, set)));
    }
    cylinder = doc().CreateFeature("WENCylinder", set);
    cylinder->SetInput("Start", ZORBaseUnknown_var(doc().CreatePoint(0, 0, 0, set)));
    cylinder->SetInput("End", ZORBaseUnknown_var(doc().CreatePoint(40, 0, 0, set)));
    cylinder->SetValue("Radius", 10);
    cylinder->SetValue("EndAngle", 180);
    origin = doc().CreatePoint(1, 1, 5, set);
    ASSERT_EQ(doc().UpdateAll(), 0);
    factory = ZORIWENFactory_var(ZORBaseUnknown_var(doc().GetContainer()));
    ASSERT_TRUE(factory);
  }

  ZORDocument& doc() { return session.Document(); }
  ZORICkeParm_var Length(const char* name, double value) {
    return ZORICkeParm_var(ZORBaseUnknown_var(doc().CreateParameter(name, "Longueur", value)));
  }
  static ZORMathPoint PointOf(const ZORISpecObject_var& point) {
    ZORFeature* f = ZORFeature::From(point.get());
    EXPECT_EQ(point->Update(), S_OK) << (f && f->IsInError() ? "in error" : "");
    return f->GetResultBody()->GetVertices().front();
  }
  int FeaturesInDocument() {
    int count = 0;
    for (ZORFeature* f : doc().GetFeatures()) count += f->IsInDocument() ? 1 : 0;
    return count;
  }

  ZORHostSession session;
  ZORFeature_var set, plane, cylinder, origin;
  ZORIWENFactory_var factory;
};

TEST_F(WorkOnSupportKinds, APointOnPlaneStandsAtItsParametersFromTheProjectedOrigin) {
  ZORICkeParm_var h = Length("H", 12.5), v = Length("V", -7.5);
  ZORISpecObject_var point =
      factory->CreatePointOnPlane(ZORSpecObjectOf(plane), ZORSpecObjectOf(origin), h, v);
  ASSERT_TRUE(point);
  ExpectPoint({13.5, -6.5, 0}, PointOf(point));
  // The parameters drive it.
  ZORIParmAsStored_var(h)->SetValueAsStored(-2);
  ExpectPoint({-1, -6.5, 0}, PointOf(point));
  const ZORIWENPointOnPlane_var onPlane(point);
  ASSERT_TRUE(onPlane);
  EXPECT_TRUE(onPlane->GetH() == h && onPlane->GetV() == v);
  EXPECT_TRUE(onPlane->GetSupport() == ZORSpecObjectOf(plane));

  // Without an origin: from the plane's own origin.
  ZORISpecObject_var plain = factory->CreatePointOnPlane(ZORSpecObjectOf(plane), nullptr, h, v);
  ExpectPoint({-2, -7.5, 0}, PointOf(plain));
  // A support that is not planar fails.
  ZORISpecObject_var off = factory->CreatePointOnPlane(ZORSpecObjectOf(cylinder), nullptr, h, v);
  EXPECT_EQ(off->Update(), E_FAIL);
  EXPECT_FALSE(ZORIWENPointOnSurface_var(point));
}

TEST_F(WorkOnSupportKinds, APointOnSurfaceWalksItsLengthOnThePlane) {
  ZORICkeParm_var length = Length("Length", 10);
  ZORISpecObject_var point = factory->CreatePointOnSurface(
      ZORSpecObjectOf(plane), ZORSpecObjectOf(origin), ZORMathVector(3, 4, 0), length);
  ASSERT_TRUE(point);
  // From the origin's projection (1, 1, 0), 10 along (0.6, 0.8, 0).
  ExpectPoint({7, 9, 0}, PointOf(point));
  const ZORIWENPointOnSurface_var onSurface(point);
  const ZORMathVector direction = onSurface->GetDirection();
  ExpectPoint({0.6, 0.8, 0}, {direction.GetX(), direction.GetY(), direction.GetZ()});
  // A zero direction is (1, 0, 0); a negative length goes back.
  ASSERT_EQ(onSurface->SetDirection(ZORMathVector()), S_OK);
  ZORIParmAsStored_var(length)->SetValueAsStored(-4);
  ExpectPoint({-3, 1, 0}, PointOf(point));
  ZORIParmAsStored_var(length)->SetValueAsStored(0);
  ExpectPoint({1, 1, 0}, PointOf(point));
  EXPECT_EQ(onSurface->SetDirection(ZORMathVector(NAN, 0, 0)), E_INVALIDARG);
}

TEST_F(WorkOnSupportKinds, APointOnSurfaceUnrollsItsLengthOnACylinder) {
  // Without an origin: from the centre of the half cylinder, (20, 0, 20/pi), whose nearest
  // point on it is the top (20, 0, 10). The point at 60 degrees lies 10 pi / 6 away, unrolled.
  const double degree = std::numbers::pi / 180.0;
  const ZORMathPoint at60(20, 10 * std::cos(60 * degree), 10 * std::sin(60 * degree));
  const ZORMathPoint centre(20, 0, 20 / std::numbers::pi);
  ZORICkeParm_var length = Length("Length", 10 * std::numbers::pi / 6);
  ZORISpecObject_var point =
      factory->CreatePointOnSurface(ZORSpecObjectOf(cylinder), nullptr, at60 - centre, length);
  const ZORMathPoint found = PointOf(point);
  EXPECT_NEAR(found.DistanceTo(at60), 0.0, 1e-6);
  // Along the axis: a straight length.
  ZORICkeParm_var along = Length("Length", 15);
  ZORISpecObject_var ahead = factory->CreatePointOnSurface(ZORSpecObjectOf(cylinder), nullptr,
                                                           ZORMathVector(1, 0, 0), along);
  EXPECT_NEAR(PointOf(ahead).DistanceTo({35, 0, 10}), 0.0, 1e-6);
  // Beyond the patch's end there is nothing to reach.
  ZORIParmAsStored_var(along)->SetValueAsStored(25);
  EXPECT_EQ(ahead->Update(), E_FAIL);
  EXPECT_TRUE(ZORFeature::From(ahead.get())->IsInError());
}

TEST_F(WorkOnSupportKinds, CreationsRefusingAnInputLeaveNothingBehind) {
  const int before = FeaturesInDocument();
  ZORICkeParm_var h = Length("H", 1), v = Length("V", 1);
  EXPECT_FALSE(factory->CreatePointOnPlane(nullptr, nullptr, h, v));
  EXPECT_FALSE(factory->CreatePointOnPlane(ZORSpecObjectOf(plane), nullptr, h, nullptr));
  EXPECT_FALSE(factory->CreatePointOnSurface(ZORSpecObjectOf(plane), nullptr, {1, 0, 0}, nullptr));
  EXPECT_FALSE(factory->CreateLine(ZORSpecObjectOf(origin), nullptr, h, v));
  // A support of another document is refused by the link.
  ZORDocument other{"Other"};
  ZORFeature_var foreign = other.CreatePoint(0, 0, 0, other.CreateTool("GeometricalSet"));
  EXPECT_FALSE(factory->CreatePointOnPlane(ZORSpecObjectOf(foreign), nullptr, h, v));
  EXPECT_EQ(FeaturesInDocument(), before + 2);
}

TEST_F(WorkOnSupportKinds, AnAxisLineIsBoundedByItsParameters) {
  ZORICkeParm_var start = Length("Start", 0), end = Length("End", 100);
  ZORISpecObject_var axis =
      factory->CreateLine(ZORSpecObjectOf(origin), ZORSpecObjectOf(plane), start, end);
  ASSERT_TRUE(axis);
  ASSERT_EQ(axis->Update(), S_OK);
  ZORMathLine line;
  double from = 0.0, to = 0.0;
  ASSERT_TRUE(ZORFeature::From(axis.get())->GetResultBody()->GetLine(line, from, to));
  // Through the point, along the plane's normal.
  ExpectPoint({1, 1, 5}, line.GetOrigin() + from * line.GetDirection());
  EXPECT_NEAR(std::abs(line.GetDirection().GetZ()), 1.0, 1e-12);
  ZORIParmAsStored_var(end)->SetValueAsStored(20);
  ASSERT_EQ(axis->Update(), S_OK);
  const auto vertices = ZORFeature::From(axis.get())->GetResultBody()->GetVertices();
  ASSERT_EQ(vertices.size(), 2u);
  EXPECT_NEAR(vertices[0].DistanceTo(vertices[1]), 20.0, 1e-9);
}

TEST_F(WorkOnSupportKinds, TheCurrentSupportGivesItsGridAndThePartItsSection) {
  ZORIWENWorkingSupportSet_var supports =
      ZORIWENWorkingSupportFactory_var(doc().GetPart())->GetWorkingSupportSet();
  const ZORIWENSection_var section(ZORBaseUnknown_var(doc().GetPart()));
  ASSERT_TRUE(section);
  EXPECT_FALSE(section->GetSupportFeature());
  ZORIWENWorkingSupport_var support =
      supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(origin), 2);
  supports->SetCurrentWorkingSupport(support);
  EXPECT_TRUE(section->GetSupportFeature() == ZORSpecObjectOf(plane));
  EXPECT_FALSE(support->GetGrid());

  dynamic_cast<ZORWENWorkingSupport*>(support.get())
      ->SetGrid(ZORIWENGrid_var(ZORMake<ZORWENCartesianGrid>(10, NAN, 4, 0, nullptr)));
  const ZORIWENCartesianGrid_var grid(support->GetGrid());
  ASSERT_TRUE(grid);
  ZORICkeParm_var first, second;
  int g1 = -1, g2 = -1;
  ASSERT_EQ(grid->GetSpacings(first, second), S_OK);
  ASSERT_EQ(grid->GetGraduations(g1, g2), S_OK);
  EXPECT_EQ(ZORIParmAsStored_var(first)->GetValueAsStored(), 10);
  EXPECT_EQ(ZORIParmAsStored_var(second)->GetValueAsStored(), 0);  // not a number: none
  EXPECT_EQ(g1, 4);
  EXPECT_EQ(g2, 0);
  // Volatile: the spacings are no features of the document.
  EXPECT_FALSE(ZORFeature::From(first.get()));

  // The grid's plane: the reference's when it is one, else the support's.
  ZORMathPlane got;
  ASSERT_EQ(ZORWENGetAxis(ZORSpecObjectOf(plane), ZORSpecObjectOf(cylinder), got), S_OK);
  EXPECT_NEAR(got.GetNormal().GetZ(), 1.0, 1e-12);
  EXPECT_EQ(ZORWENGetAxis(ZORSpecObjectOf(cylinder), nullptr, got), E_FAIL);
}

TEST_F(WorkOnSupportKinds, TheRemoteAcquisitionDetectsWhereTheEyeLineMeetsTheValuedPath) {
  ZORViewer* viewer = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  auto remote = ZORMake<ZORStRemoteAcqu>(nullptr, ZORString("Remote"));
  ZORPathElement path = ZORWENUIFeatureAgent::GivePickPath(cylinder.get());
  viewer->SetMousePosition({30, 6, 50});
  ASSERT_TRUE(remote->Prevaluate(&path));
  ASSERT_TRUE(remote->GetResult());
  ExpectPoint({30, 6, 8}, remote->GetResult()->GetPoint());
  // The pointer moves along the same face: detected again.
  viewer->SetMousePosition({10, -8, 50});
  ASSERT_TRUE(remote->Prevaluate(&path));
  ASSERT_TRUE(remote->GetResult());
  ExpectPoint({10, -8, 6}, remote->GetResult()->GetPoint());
  // Off the cylinder: no detection; after a reset, none either.
  viewer->SetMousePosition({30, 12, 50});
  EXPECT_FALSE(remote->GetResult());
  remote->ResetAll();
  EXPECT_FALSE(remote->GetResult());
}

}  // namespace
