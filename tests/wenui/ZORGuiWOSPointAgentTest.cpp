#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WOSTestPointAgent.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORFrmEditor.h"
#include "ZORGmoDatumServices.h"
#include "ZORHostSession.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORInPlace3DSite.h"
#include "ZORMmuPartInfrastructurePreferencesCtrl.h"
#include "ZORShownMessageJournal.h"
#include "ZORSpecObjectOf.h"
#include "ZORVisuHandle.h"
#include "ZORWenJournaling.h"

namespace {

// Stands for the host's 3D manipulators, which agents know by class name.
class ZOR3DManipulator : public ZORCommand {
  ZOR_DECLARE_CLASS(ZOR3DManipulator, ZORCommand, ZORMetaObject::Implementation, "Test")
};

// The plane z = 0 through three points of a geometrical set, current as a gridded working
// support whose origin is a point at (1, 1, 0).
class WOSPointAgent : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    ZORFeature_var points[] = {doc().CreatePoint(0, 0, 0, set), doc().CreatePoint(10, 0, 0, set),
                               doc().CreatePoint(0, 10, 0, set)};
    plane = doc().CreateFeature("WENPlane", set);
    for (int i = 0; i < 3; ++i) {
      plane->SetInput("Point" + std::to_string(i + 1), ZORBaseUnknown_var(points[i]));
    }
    first = points[0];
    origin = doc().CreatePoint(1, 1, 0, set);
    ASSERT_EQ(doc().UpdateAll(), 0);
    supports = ZORIWENWorkingSupportFactory_var(doc().GetPart())->GetWorkingSupportSet();
    support = supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(origin), 2);
    ASSERT_EQ(supports->SetCurrentWorkingSupport(support), S_OK);
  }
  void TearDown() override { ZORMmuPartInfrastructurePreferencesCtrl::ResetToDefaults(); }

  ZORDocument& doc() { return session.Document(); }
  ZORISO& iso() { return *session.Editor().GetISO(); }
  static ZORFeature* Feature(const ZORISpecObject_var& f) { return ZORFeature::From(f.get()); }
  static std::string Describe(const ZORISpecObject_var& f) {
    return f && Feature(f)->GetResultBody() ? Feature(f)->GetResultBody()->Describe() : "(none)";
  }
  ZORPathElement PathOf(const ZORISpecObject_var& f) { return doc().GivePathElementFrom(f); }
  // The mouse moving over (x, y), or clicking there, looking down the z axis.
  template <class Notification>
  void Send(ZORGuiWOSPointAgent& agent, double x, double y, ZORCommand* sender) {
    auto notification = ZORMake<Notification>();
    auto eye = ZORMake<WOSTestEyeLine>(ZORMathLine({x, y, 10}, {0, 0, -1}));
    notification->SendObject(eye.get());
    (sender ? sender : viewer.get())->SendNotification(&agent, notification.get());
  }
  void Move(ZORGuiWOSPointAgent& agent, double x, double y) {
    Send<WOSTestMove>(agent, x, y, nullptr);
  }
  void Click(ZORGuiWOSPointAgent& agent, double x, double y, ZORCommand* sender = nullptr) {
    Send<WOSTestClick>(agent, x, y, sender);
  }

  ZORHostSession session;
  ZORVar<ZORCommand> viewer = ZORMake<ZORCommand>(nullptr, ZORString("Viewer"));
  ZORFeature_var set, first, plane, origin;
  ZORIWENWorkingSupportSet_var supports;
  ZORIWENWorkingSupport_var support;
};

TEST(WOSPointAgentStep, SnapsHalvesAwayFromZeroWithoutAnIntegerInBetween) {
  const double cases[][3] = {
      {7.4, 0, 7.4},
      {3.74, 2.5, 2.5},
      {3.75, 2.5, 5},
      {7.4, 5, 5},
      {7.5, 5, 10},
      {-7.5, 5, -10},
      {-7.4, 5, -5},
      {3e12 + 2.5, 5, 3e12 + 5},
      {-1e15 - 2.5, 5, -1e15 - 5},
      {1e300, 1e-300, 1e300},  // the quotient is out of range: the value stays
  };
  for (const auto& [value, step, expected] : cases) {
    double snapped = value;
    ZORGuiWOSPointAgent::StepValue(snapped, step);
    EXPECT_DOUBLE_EQ(snapped, expected) << value << " step " << step;
  }
}

TEST_F(WOSPointAgent, AnOriginThatIsNotOnePointIsNotRead) {
  // A cloud of two points, and a polyline whose update fails (its result is empty).
  ZORFeature_var cloud = doc().CreateFeature("WENCloud", set);
  cloud->SetInput("Point1", ZORBaseUnknown_var(origin));
  cloud->SetInput("Point2", ZORBaseUnknown_var(first));
  ZORFeature_var empty = doc().CreateFeature("WENPolyline", set);
  empty->SetInput("Point1", ZORBaseUnknown_var(origin));
  empty->SetInput("Point2", ZORBaseUnknown_var(origin));
  EXPECT_EQ(doc().UpdateAll(), 1);
  ASSERT_FALSE(empty->GetResultBody() && empty->GetResultBody()->HasGeometry());
  for (const ZORFeature_var& f : {cloud, empty}) {
    ZORIWENWorkingSupport_var other =
        supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(f), 2);
    ASSERT_EQ(supports->SetCurrentWorkingSupport(other), S_OK);
    auto agent = ZORMake<WOSTestPointAgent>(1.0);
    EXPECT_TRUE(agent->GetOriginFeature() == ZORSpecObjectOf(f));
    EXPECT_EQ(agent->GetOrigin(), ZORMathPoint(0, 0, 0)) << f->GetDisplayNameText();
  }
}

TEST_F(WOSPointAgent, TheAgentWorksOnTheCurrentSupportOfTheCurrentPart) {
  auto agent = ZORMake<WOSTestPointAgent>(1.0);
  EXPECT_TRUE(agent->GetWorkingSupport() == support);
  EXPECT_TRUE(agent->GetSupportFeature() == ZORSpecObjectOf(plane));
  EXPECT_TRUE(agent->GetOriginFeature() == ZORSpecObjectOf(origin));
  EXPECT_EQ(agent->GetOrigin(), ZORMathPoint(1, 1, 0));
  EXPECT_TRUE(agent->IsSnapOn());
  ZORIWENWorkingSupportSet_var found;
  ASSERT_EQ(ZORGuiGetCurrentWorkingSupportSet(ZORSpecObjectOf(first), found), S_OK);
  EXPECT_TRUE(found == supports);
  ZORDocument other{"Other"};
  ZORFeature_var foreign = other.CreatePoint(0, 0, 0, other.CreateTool("GeometricalSet"));
  ZORIWENWorkingSupport_var current;
  EXPECT_EQ(ZORGuiGetCurrentWorkingSupport(ZORSpecObjectOf(foreign), current), E_FAIL);

  // Without a current support there is nothing to work on, and no valuation.
  supports->SetCurrentWorkingSupport(nullptr);
  EXPECT_EQ(ZORGuiGetCurrentWorkingSupport(nullptr, current), E_FAIL);
  EXPECT_FALSE(current);
  auto idle = ZORMake<WOSTestPointAgent>(1.0);
  EXPECT_FALSE(idle->GetSupportFeature());
  Click(*idle, 2, 2);
  EXPECT_FALSE(idle->IsValuationEnabled());
  EXPECT_FALSE(idle->IsOutputSet());
}

TEST_F(WOSPointAgent, TheEyeLineMeetsThePlaneUnlessItRunsAlongIt) {
  auto agent = ZORMake<WOSTestPointAgent>(1.0);
  const ZORMathPlane z0;
  double uv[2] = {7, 7};
  ZORMathPoint at;
  EXPECT_EQ(agent->GetIntersection_FlyPoint_Plane(z0, uv, {{3, 4, 10}, {0, 0, -2}}, at), 1);
  EXPECT_EQ(ZORMathPoint(uv[0], uv[1], 0), ZORMathPoint(3, 4, 0));
  EXPECT_EQ(at, ZORMathPoint(3, 4, 10));
  // Parallel: no point at all, rather than one at the plane's origin.
  EXPECT_EQ(agent->GetIntersection_FlyPoint_Plane(z0, uv, {{3, 4, 10}, {1, 1, 0}}, at), 0);

  // The part shown in place, moved by (1, 2, 5): the eye line comes back to the part.
  session.Editor().SetInPlaceSite(
      ZORMake<ZORInPlace3DSite>(ZORMathTransformation::Translation({1, 2, 5})).get());
  auto inPlace = ZORMake<WOSTestPointAgent>(1.0);
  EXPECT_EQ(inPlace->GetIntersection_FlyPoint_Plane(z0, uv, {{4, 6, 15}, {0, 0, -1}}, at), 1);
  EXPECT_EQ(ZORMathPoint(uv[0], uv[1], 0), ZORMathPoint(3, 4, 0));
}

TEST_F(WOSPointAgent, TheMouseShowsTheSnappedPointAndAClickValuesTheAgentWithIt) {
  auto agent = ZORMake<WOSTestPointAgent>(2.5);
  Move(*agent, 3.74, 3.75);
  EXPECT_FALSE(agent->IsOutputSet());
  ASSERT_NE(agent->GetShownRep(), nullptr);
  const std::string shown = agent->GetShownRep()->Describe();
  for (const char* part : {"marker(2.5,5,0 symbol=2)", "2.5mm,5mm", "line(2.5,5,0)-(1,1,0)"}) {
    EXPECT_NE(shown.find(part), std::string::npos) << shown;
  }
  EXPECT_FLOAT_EQ(agent->GetShownRep()->GetBoundingElement()->radius, 10.0f);
  Move(*agent, 8, 8);
  EXPECT_EQ(iso().GetSize(), 1);  // each move replaces what is shown

  Click(*agent, 3.74, 3.75);
  ASSERT_TRUE(agent->IsOutputSet());
  const ZORISpecObject_var point = agent->GetOTFFeature();
  EXPECT_EQ(Describe(point), "point(2.5,5,0)");
  EXPECT_EQ(Feature(point)->IsContextual(), 1);
  EXPECT_EQ(agent->GetValueType(), "ZORIMfPoint");
  EXPECT_EQ(*agent->GetValuePath(), PathOf(point));
  ASSERT_EQ(agent->GetCreatedFeatures().Size(), 1);
  EXPECT_TRUE(agent->GetCreatedFeatures()[1] == point);

  agent->Desactivate(nullptr, nullptr);
  EXPECT_EQ(iso().GetSize(), 0);
  Move(*agent, 1, 1);
  agent->Cancel(nullptr, nullptr);
  EXPECT_EQ(iso().GetSize(), 0);
}

TEST_F(WOSPointAgent, DraggingAManipulatorOrAHandleDoesNotValuate) {
  auto agent = ZORMake<WOSTestPointAgent>(1.0);
  auto manipulator = ZORMake<ZOR3DManipulator>();
  auto handle = ZORMake<ZORVisuHandle>(nullptr, ZORString("handle"));
  const std::size_t features = doc().GetFeatures().size();
  for (ZORCommand* sender : std::vector<ZORCommand*>{manipulator.get(), handle.get()}) {
    Click(*agent, 2, 2, sender);
    EXPECT_FALSE(agent->IsValuationEnabled());
    EXPECT_FALSE(agent->IsOutputSet());
    EXPECT_EQ(agent->GetShownRep(), nullptr);
  }
  EXPECT_EQ(doc().GetFeatures().size(), features);
  Click(*agent, 2, 2);
  EXPECT_TRUE(agent->IsOutputSet());
}

TEST_F(WOSPointAgent, UndoAndRedoWalkThePointsCreated) {
  auto agent = ZORMake<WOSTestPointAgent>(1.0, ZORWENUIFeatureAgent::kKeepLastCreated);
  Click(*agent, 2, 2);
  const ZORISpecObject_var firstPoint = agent->GetOTFFeature();
  Click(*agent, 5, 5);
  const ZORISpecObject_var second = agent->GetOTFFeature();
  ASSERT_TRUE(firstPoint && second && !(firstPoint == second));
  EXPECT_EQ(agent->UndoValue(), 1);
  EXPECT_TRUE(agent->GetOTFFeature() == firstPoint);
  EXPECT_TRUE(agent->GetLastCreated() == firstPoint);
  EXPECT_EQ(agent->RedoValue(), 1);
  EXPECT_TRUE(agent->GetOTFFeature() == second);

  // A new point after an undo takes the place of the one undone; a pick leaves its place empty.
  agent->UndoValue();
  ASSERT_TRUE(agent->TryValue(first.get()));
  Click(*agent, 7, 7);
  const ZORISpecObject_var third = agent->GetOTFFeature();
  ASSERT_EQ(agent->GetCreatedFeatures().Size(), 3);
  EXPECT_FALSE(agent->GetCreatedFeatures()[2]);
  EXPECT_TRUE(agent->GetCreatedFeatures()[3] == third);
  agent->UndoValue();
  EXPECT_FALSE(agent->GetOTFFeature());
}

TEST_F(WOSPointAgent, WithTheDatumPreferenceThePointMakesWayForItsDatum) {
  ZORMmuPartInfrastructurePreferencesCtrl preferences;
  ASSERT_EQ(preferences.SetDatumCreationMode(true), S_OK);
  ZORWenJournaling::SetActive(true);
  auto agent = ZORMake<WOSTestPointAgent>(1.0, ZORWENUIFeatureAgent::kKeepLastCreated);
  Click(*agent, 4, 6);
  ASSERT_TRUE(agent->IsOutputSet());

  const ZORISpecObject_var datum = agent->GetOTFFeature();
  EXPECT_TRUE(ZORGmoDatumServices::IsDatum(ZORBaseUnknown_var(datum)));
  EXPECT_EQ(Describe(datum), "point(4,6,0)");
  // The point stood first in the set; its datum stands there now, and the point is gone.
  EXPECT_EQ(set->GetChildren().front().get(), Feature(datum));
  EXPECT_EQ(set->GetChildren().size(), 6u);
  EXPECT_EQ(Feature(datum)->IsContextual(), 1);
  EXPECT_TRUE(agent->GetLastCreated() == datum);
  EXPECT_EQ(*agent->GetValuePath(), PathOf(datum));
  EXPECT_TRUE(agent->GetCreatedFeatures()[1] == datum);
  const std::vector<std::string>& lines = ZORWenJournaling::Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "-- journal opened");
  EXPECT_EQ(lines[1].rfind("ConvertToDatum Point.", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], "RemiseAJourEtatLog");
}

TEST_F(WOSPointAgent, ASupportThatTheEditedObjectMayNotUseDisablesValuation) {
  auto agent = ZORMake<WOSTestPointAgent>(1.0);
  // Editing the first point: the plane and the origin come after it.
  session.Editor().SetUIActiveObject(PathOf(ZORSpecObjectOf(first)));
  Click(*agent, 2, 2);
  EXPECT_FALSE(agent->IsValuationEnabled());
  EXPECT_FALSE(agent->IsOutputSet());
  // Editing the set that holds them all: both may be used.
  session.Editor().SetUIActiveObject(PathOf(ZORSpecObjectOf(set)));
  Click(*agent, 2, 2);
  EXPECT_TRUE(agent->IsOutputSet());
  EXPECT_EQ(IsWorkingSupportUsableWithLinearityRules(nullptr), E_FAIL);
}

TEST_F(WOSPointAgent, AnErrorDuringValuationIsShownAndLeavesTheAgentUnvalued) {
  auto agent = ZORMake<WOSTestPointAgent>(1.0);
  ZORShownMessageJournal::Clear();
  ZORFeatureTypeRegistry::Get().Find("WENPoint")->FailFor({}, "The point cannot be placed");
  Click(*agent, 2, 2);
  ZORFeatureTypeRegistry::Get().ClearAllFailures();

  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_EQ(agent->GetValuationIndex(), 0);
  EXPECT_TRUE(agent->GetCreatedFeatures().IsEmpty());
  EXPECT_EQ(iso().GetSize(), 0);
  const std::vector<ZORShownMessage> shown = ZORShownMessageJournal::Drain();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "ErrorPanel");
  EXPECT_NE(shown[0].text.str().find("The point cannot be placed"), std::string::npos);
}

TEST_F(WOSPointAgent, SnapChangesReachTheAgentOnlyWhileItLives) {
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  const char* event = ZORWENSettings::WorkOnSupportMode();
  const int before = settings->GetNumberOfCallbacks(event);
  auto agent = ZORMake<WOSTestPointAgent>(1.0);
  settings->SetWorkOnSupportSnap(!settings->IsWorkOnSupportSnapOn());
  EXPECT_EQ(agent->IsSnapOn(), settings->IsWorkOnSupportSnapOn());
  EXPECT_EQ(agent->stepComputations, 1);
  agent = nullptr;
  EXPECT_EQ(settings->GetNumberOfCallbacks(event), before);
  settings->SetWorkOnSupportSnap(!settings->IsWorkOnSupportSnapOn());  // nobody left to call
}

}  // namespace
