#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleProjectCommand.h"
#include "ZORActivate.h"
#include "ZORCellBRep.h"
#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORDriverPick.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORFrmLayout.h"
#include "ZORGeoFactory.h"
#include "ZORGuiWOSAxisAgent.h"
#include "ZORGuiWOSPointOnSurfaceAgent.h"
#include "ZORGuiWOSSupportAgent.h"
#include "ZORHostSession.h"
#include "ZORICkeParm.h"
#include "ZORIWENPointOnPlane.h"
#include "ZORIWENPointOnSurface.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORIndicationSegment.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENCartesianGrid.h"
#include "ZORWENSettings.h"
#include "ZORWENWorkingSupport.h"
#include "ZORWenJournaling.h"

namespace {

// The plane z = 0 through the origin, (10, 0, 0) and (0, 10, 0), and a half cylinder of radius 10
// around the x axis from 0 to 40 (its top at z = 10), in one geometrical set; the working
// supports are made by the tests.
class WOSAgents : public ::testing::Test {
 protected:
  void SetUp() override {
    ExampleProjectCommand::Register();
    ZORWENSettings::ResetToDefaults();
    set = doc().CreateTool("GeometricalSet");
    origin = doc().CreatePoint(0, 0, 0, set);
    plane = doc().CreateFeature("WENPlane", set);
    plane->SetInput("Point1", ZORBaseUnknown_var(origin));
    plane->SetInput("Point2", ZORBaseUnknown_var(doc().CreatePoint(10, 0, 0, set)));
    plane->SetInput("Point3", ZORBaseUnknown_var(doc().CreatePoint(0, 10, 0, set)));
    cylinder = doc().CreateFeature("WENCylinder", set);
    cylinder->SetInput("Start", ZORBaseUnknown_var(doc().CreatePoint(0, 0, 0, set)));
    cylinder->SetInput("End", ZORBaseUnknown_var(doc().CreatePoint(40, 0, 0, set)));
    cylinder->SetValue("Radius", 10);
    cylinder->SetValue("EndAngle", 180);
    ASSERT_EQ(doc().UpdateAll(), 0);
    session.Editor().SetCurrentFeature(cylinder.get());
    supports = ZORIWENWorkingSupportFactory_var(doc().GetPart())->GetWorkingSupportSet();
  }
  void TearDown() override {
    driver.EndTransaction();
    ZORFeatureTypeRegistry::Get().ClearAllFailures();
    ZORWenJournaling::Reset();
    ZORWENSettings::ResetToDefaults();
  }

  ZORDocument& doc() { return session.Document(); }
  // The plane, gridded every `spacing` with `graduations`, current.
  void GridOnPlane(double spacing, int graduations) {
    auto support = supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(origin),
                                                  ZORIWENWorkingSupport::kCartesianPlane);
    dynamic_cast<ZORWENWorkingSupport*>(support.get())
        ->SetGrid(ZORIWENGrid_var(
            ZORMake<ZORWENCartesianGrid>(spacing, spacing, graduations, graduations, nullptr)));
    supports->SetCurrentWorkingSupport(support);
  }
  void SurfaceSupport(ZORFeature* surface) {
    supports->SetCurrentWorkingSupport(supports->CreateWorkingSupport(
        ZORSpecObjectOf(surface), nullptr, ZORIWENWorkingSupport::kSurface));
  }
  // The mouse over (x, y) looking down, sent to `agent` as the view sends it.
  void Send(ZORCommand& agent, double x, double y, bool click) {
    ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer()->SetMousePosition({x, y, 50});
    ZORVar<ZORNotification> n =
        click ? ZORVar<ZORNotification>(ZORMake<ZORActivate>()) : ZORMake<ZORNotification>();
    auto eye = ZORMake<ZORIndicationSegment>(ZORViewer::EyeLine({x, y, 50}), click);
    n->SendObject(eye.get());
    view->SendNotification(&agent, n.get());
  }
  std::string Shown() {
    std::string all;
    for (const std::string& line : session.Editor().GetISO()->Describe()) all += line + "\n";
    return all;
  }
  std::vector<ZORFeature*> Live(const std::string& type, const std::string& name = "") {
    std::vector<ZORFeature*> found;
    for (ZORFeature* f : doc().GetFeatures()) {
      if (f->IsInDocument() && f->GetFeatureType().GetName() == type &&
          (name.empty() || f->GetDisplayNameText() == name)) {
        found.push_back(f);
      }
    }
    return found;
  }
  static ZORMathPoint PointOf(ZORFeature* f) { return f->GetResultBody()->GetVertices().front(); }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORVar<ZORCommand> view = ZORMake<ZORCommand>(nullptr, ZORString("Viewer"));
  ZORFeature_var set, origin, plane, cylinder;
  ZORIWENWorkingSupportSet_var supports;
};

template <class Agent>
ZORVar<Agent> Made() {
  return ZORMake<Agent>(ZORString("_Point"), ZORUnicodeString("Point"));
}

TEST_F(WOSAgents, TheGridStepsFollowTheSpacingTheGraduationsAndTheSnap) {
  struct Case {
    double spacing;
    int graduations;
    bool snap;
    double step;
  };
  for (const Case& c : {Case{10, 4, true, 2.5}, Case{10, 0, true, 10}, Case{10, 4, false, 0.001},
                        Case{-10, 4, true, 0.001}, Case{0, 2, true, 0.001}}) {
    ZORWENSettings::GetWENSettings()->SetWorkOnSupportSnap(c.snap);
    GridOnPlane(c.spacing, c.graduations);
    auto agent = Made<ZORGuiWOSCartesianPointOnPlaneAgent>();
    EXPECT_EQ(agent->GetFirstStep(), c.step) << c.spacing << " / " << c.graduations;
    EXPECT_EQ(agent->GetSecondStep(), c.step);
  }
  // Turning the snap on later recomputes them.
  GridOnPlane(10, 4);
  auto agent = Made<ZORGuiWOSCartesianPointOnPlaneAgent>();
  ZORWENSettings::GetWENSettings()->SetWorkOnSupportSnap(true);
  EXPECT_EQ(agent->GetFirstStep(), 2.5);
  // A gridded plane without a cartesian grid: 0.001.
  supports->SetCurrentWorkingSupport(supports->CreateWorkingSupport(
      ZORSpecObjectOf(plane), nullptr, ZORIWENWorkingSupport::kCartesianPlane));
  EXPECT_EQ(Made<ZORGuiWOSCartesianPointOnPlaneAgent>()->GetFirstStep(), 0.001);
}

TEST_F(WOSAgents, TheMarkerShowsTheSnappedCoordinatesAndAClickMakesAPointOnPlane) {
  ZORWenJournaling::SetActive(true);
  GridOnPlane(10, 4);
  auto agent = Made<ZORGuiWOSCartesianPointOnPlaneAgent>();
  Send(*agent, 12.3, 7.4, false);
  EXPECT_NE(Shown().find("12.5mm,7.5mm"), std::string::npos) << Shown();
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_TRUE(Live("WENPointOnPlane").empty());
  ZORWENSettings::GetWENSettings()->SetWorkOnSupportSnap(false);
  Send(*agent, 12.3456, -7.4, false);
  EXPECT_NE(Shown().find("12.346mm,-7.4mm"), std::string::npos) << Shown();

  Send(*agent, 12.3, 7.4, true);
  ASSERT_TRUE(agent->IsOutputSet());
  ASSERT_EQ(Live("WENPointOnPlane").size(), 1u);
  ZORFeature* point = Live("WENPointOnPlane")[0];
  EXPECT_EQ(PointOf(point), ZORMathPoint(12.3, 7.4, 0));
  EXPECT_EQ(point->GetFatherFeature(), set.get());
  EXPECT_TRUE(agent->GetOTFFeature() == ZORSpecObjectOf(point));
  // A second click moves that point through its own H and V: nothing else is made.
  Send(*agent, -3, 4, true);
  ASSERT_EQ(Live("WENPointOnPlane").size(), 1u);
  EXPECT_EQ(Live("CkeParm", "H").size(), 1u);
  EXPECT_EQ(Live("CkeParm", "V").size(), 1u);
  EXPECT_EQ(PointOf(point), ZORMathPoint(-3, 4, 0));
  // One creation journaled, between the log's opening and its refresh; the move is none.
  EXPECT_EQ(ZORWenJournaling::Lines(),
            (std::vector<std::string>{"-- journal opened", "ForceOpenLog",
                                      "CreationPointOnPlane " + point->GetDisplayNameText(),
                                      "RemiseAJourEtatLog"}));
  // Undo and redo walk the valuations: the same point each time.
  EXPECT_EQ(agent->UndoValue(), 1);
  EXPECT_TRUE(agent->GetOTFFeature() == ZORSpecObjectOf(point));
  EXPECT_EQ(agent->RedoValue(), 1);
  EXPECT_TRUE(agent->GetOTFFeature() == ZORSpecObjectOf(point));
}

TEST_F(WOSAgents, AClickThatCannotMoveTheKeptPointLeavesItAndItsParameters) {
  GridOnPlane(10, 4);
  auto agent = Made<ZORGuiWOSCartesianPointOnPlaneAgent>();
  Send(*agent, 10, 5, true);
  ASSERT_EQ(Live("WENPointOnPlane").size(), 1u);
  ZORFeature* point = Live("WENPointOnPlane")[0];
  ASSERT_EQ(Live("CkeParm", "H").size(), 1u);
  // A fixed H refuses the next click's coordinates: the point stays where it was, with its own
  // H and V, and nothing new is made.
  ZORICkeParm_var(ZORSpecObjectOf(Live("CkeParm", "H")[0]))->SetAccess(1);
  Send(*agent, -20, 15, true);
  EXPECT_EQ(Live("WENPointOnPlane").size(), 1u);
  EXPECT_EQ(Live("CkeParm", "H").size(), 1u);
  EXPECT_EQ(Live("CkeParm", "V").size(), 1u);
  EXPECT_EQ(PointOf(point), ZORMathPoint(10, 5, 0));
}

TEST_F(WOSAgents, NothingIsShownOrMadeWithoutAPointUnderTheMouse) {
  GridOnPlane(10, 4);
  auto agent = Made<ZORGuiWOSCartesianPointOnPlaneAgent>();
  // No eye segment; an eye line along the plane.
  auto bare = ZORMake<ZORActivate>();
  view->SendNotification(agent.get(), bare.get());
  auto along = ZORMake<ZORActivate>();
  auto flat = ZORMake<ZORIndicationSegment>(ZORMathLine({0, 0, 0}, {1, 0, 0}), true);
  along->SendObject(flat.get());
  view->SendNotification(agent.get(), along.get());
  EXPECT_EQ(Shown(), "");
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_TRUE(Live("CkeParm").empty());

  // A point that cannot be computed is no creation: it goes with its parameters.
  ZORFeatureTypeRegistry::Get().Find("WENPointOnPlane")->FailFor({plane.get()}, "refused");
  Send(*agent, 1, 1, true);
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_TRUE(Live("WENPointOnPlane").empty());
  EXPECT_TRUE(Live("CkeParm").empty());
}

TEST_F(WOSAgents, TheSurfaceAgentMeasuresOnTheCylinderAndKeepsOnePoint) {
  SurfaceSupport(cylinder.get());
  auto agent = Made<ZORGuiWOSPointOnSurfaceAgent>();
  EXPECT_FALSE(agent->IsPlanar());
  agent->Activate(nullptr, nullptr);
  ASSERT_TRUE(agent->GetRemoteAcquisition());
  // The point at 60 degrees, 10 pi / 6 from the top along the surface.
  Send(*agent, 20, 5, false);
  EXPECT_NE(Shown().find("5.236mm"), std::string::npos) << Shown();
  EXPECT_NE(Shown().find("line"), std::string::npos) << Shown();
  // Off the surface: nothing shown, nothing made, even on a click.
  Send(*agent, 20, 15, true);
  EXPECT_EQ(Shown(), "");
  EXPECT_FALSE(agent->IsOutputSet());

  Send(*agent, 30, 0, true);
  ASSERT_EQ(Live("WENPointOnSurface").size(), 1u);
  ZORFeature* point = Live("WENPointOnSurface")[0];
  EXPECT_NEAR(PointOf(point).DistanceTo({30, 0, 10}), 0.0, 1e-6);
  const ZORIWENPointOnSurface_var onSurface(ZORSpecObjectOf(point));
  EXPECT_EQ(onSurface->GetLength()->GetStoredValue(), 10.0);
  // Reused: the same point moves to the second click, with the same "Length".
  Send(*agent, 20, 5, true);
  ASSERT_EQ(Live("WENPointOnSurface").size(), 1u);
  ASSERT_EQ(Live("CkeParm", "Length").size(), 1u);
  EXPECT_NEAR(onSurface->GetLength()->GetStoredValue(), 5.236, 1e-12);
  EXPECT_NEAR(PointOf(point).DistanceTo({20, 5, 8.660254}), 0.0, 1e-3);

  // Cancelling forgets what the remote acquisition found.
  EXPECT_TRUE(agent->GetRemoteAcquisition()->GetValue());
  agent->Cancel(nullptr, nullptr);
  EXPECT_FALSE(agent->GetRemoteAcquisition()->GetValue());
  EXPECT_EQ(agent->GetRemoteAcquisition()->GetValuationState(), 0);
}

TEST_F(WOSAgents, MovesLeaveTheFactoryAndTheInteractiveSetAsTheyWere) {
  SurfaceSupport(cylinder.get());
  auto agent = Made<ZORGuiWOSPointOnSurfaceAgent>();
  agent->Activate(nullptr, nullptr);
  ZORVar<ZORGeoFactory> factory = ZORGeoFactory::GetFactoryOf(doc().GetContainer());
  Send(*agent, 20, 1, false);
  const int bodies = factory->GetBodyCount();
  const int shown = session.Editor().GetISO()->GetSize();
  for (int i = 0; i < 100; ++i) Send(*agent, 10 + 0.2 * i, 0.05 * i, false);
  EXPECT_EQ(factory->GetBodyCount(), bodies);
  EXPECT_EQ(session.Editor().GetISO()->GetSize(), shown);
}

TEST_F(WOSAgents, OnAPlanarSurfaceSupportTheLengthIsStraightAndRounded) {
  SurfaceSupport(plane.get());
  auto agent = Made<ZORGuiWOSPointOnSurfaceAgent>();
  EXPECT_TRUE(agent->IsPlanar());
  // No origin point: the plane's own origin, the centre of an unbounded plane.
  Send(*agent, 3.0, 4.0, false);
  EXPECT_NE(Shown().find("\"5mm\""), std::string::npos) << Shown();
  Send(*agent, 12.34567, 0, true);
  ASSERT_TRUE(agent->IsOutputSet());
  EXPECT_EQ(ZORIWENPointOnSurface_var(agent->GetOTFFeature())->GetLength()->GetStoredValue(),
            12.346);
}

TEST_F(WOSAgents, TheFactoriesChooseByTheCurrentSupport) {
  auto plain = CreateWENFeatureAgent(ZORString("_P"), ZORUnicodeString("P"));
  EXPECT_STREQ(plain->IsA(), "ZORWENUIFeatureAgent");
  EXPECT_STREQ(CreateWENAxisFeatureAgent(ZORString("_A"), ZORUnicodeString("A"))->IsA(),
               "ZORWENUIFeatureAgent");
  GridOnPlane(10, 4);
  EXPECT_STREQ(CreateWENFeatureAgent(ZORString("_P"), ZORUnicodeString("P"))->IsA(),
               "ZORGuiWOSCartesianPointOnPlaneAgent");
  auto axis = CreateWENAxisFeatureAgent(ZORString("_A"), ZORUnicodeString("A"));
  EXPECT_STREQ(axis->IsA(), "ZORGuiWOSAxisAgent");
  EXPECT_EQ(axis->GetOrderedTypeList().size(), 2u);
  SurfaceSupport(cylinder.get());
  EXPECT_STREQ(CreateWENFeatureAgent(ZORString("_P"), ZORUnicodeString("P"))->IsA(),
               "ZORGuiWOSPointOnSurfaceAgent");
  EXPECT_STREQ(CreateWENAxisFeatureAgent(ZORString("_A"), ZORUnicodeString("A"))->IsA(),
               "ZORWENUIFeatureAgent");
}

TEST_F(WOSAgents, TheProjectCommandTakesItsSupportAtOnceAndAnAxisPerClick) {
  GridOnPlane(10, 4);
  ASSERT_EQ(driver.StartByName("ExampleProjectCommand"), S_OK);
  ZORDriverMouse mouse(driver);
  EXPECT_TRUE(mouse.Move({12.3, 7.4, 50}));
  EXPECT_NE(Shown().find("12.5mm,7.5mm"), std::string::npos) << Shown();
  ASSERT_TRUE(mouse.Click({12.3, 7.4, 50}));
  ZORFeature* projection = Live("WENProject")[0];
  ASSERT_EQ(Live("WENPointOnPlane").size(), 1u);
  EXPECT_EQ(projection->GetInput("Element"), Live("WENPointOnPlane")[0]);
  // The support was taken as the state began: the direction is asked now.
  EXPECT_EQ(projection->GetInput("Support"), plane.get());
  ASSERT_TRUE(mouse.Click({5, 5, 50}));
  ASSERT_EQ(Live("WENAxisLine").size(), 1u);
  ZORFeature* axis = Live("WENAxisLine")[0];
  EXPECT_EQ(projection->GetInput("Direction"), axis);
  EXPECT_EQ(axis->GetInput("Reference"), plane.get());
  EXPECT_EQ(Live("WENPointOnPlane").size(), 2u);
  // An axis through a picked vertex of the cylinder's axis point.
  ASSERT_TRUE(ZORDriverPick::PickCell(driver, origin.get(),
                                      origin->GetResultBody()->GetCellOfDimension(0, 1)));
  EXPECT_EQ(Live("WENAxisLine").size(), 2u);
  EXPECT_TRUE(driver.PressOK());
  EXPECT_FALSE(projection->IsInError());
  EXPECT_EQ(PointOf(projection), ZORMathPoint(12.5, 7.5, 0));
}

TEST_F(WOSAgents, AnAxisThatCannotBeMadeLeavesNothing) {
  GridOnPlane(10, 4);
  auto agent = ZORMake<ZORGuiWOSAxisAgent>(ZORSpecObjectOf(plane), ZORString("_Axis"),
                                           ZORUnicodeString("Axis"));
  ZORFeatureTypeRegistry::Get().Find("WENAxisLine")->FailFor({plane.get()}, "refused");
  Send(*agent, 5, 5, true);
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_TRUE(Live("WENAxisLine").empty());
  EXPECT_TRUE(Live("WENPointOnPlane").empty());
  EXPECT_TRUE(Live("CkeParm").empty());
  ZORFeatureTypeRegistry::Get().ClearAllFailures();
  Send(*agent, 5, 5, true);
  EXPECT_EQ(agent->GetNumberOfValuations(), 1);
  EXPECT_EQ(Live("WENAxisLine").size(), 1u);
}

TEST_F(WOSAgents, TheSupportAgentValuesItselfOnlyWhenItMay) {
  auto idle = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_S"), ZORUnicodeString("S"));
  idle->SetActivity(0);
  idle->Activate(nullptr, nullptr);
  EXPECT_EQ(idle->GetActivity(), 1);  // no support: back to 1
  EXPECT_FALSE(idle->IsOutputSet());

  GridOnPlane(10, 4);
  auto off = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_S"), ZORUnicodeString("S"));
  off->SetActivity(0);
  off->Activate(nullptr, nullptr);
  EXPECT_FALSE(off->IsOutputSet());
  auto on = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_S"), ZORUnicodeString("S"));
  on->Activate(nullptr, nullptr);
  ASSERT_TRUE(on->IsOutputSet());
  EXPECT_EQ(on->GetElementValue(), static_cast<ZORBaseUnknown*>(plane.get()));
  auto refusing = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_S"), ZORUnicodeString("S"));
  refusing->SetFilter([](ZORDialogAgent*, ZORCallbackData) { return false; }, nullptr);
  refusing->Activate(nullptr, nullptr);
  EXPECT_FALSE(refusing->IsOutputSet());
}

TEST_F(WOSAgents, ASupportThatIsAPickedFaceLeavesNoCopyBehind) {
  ZORFeature_var face =
      ZORCellBRep::Create(*cylinder, *cylinder->GetResultBody()->GetCellOfDimension(2, 1));
  ASSERT_TRUE(face);
  SurfaceSupport(face.get());
  const std::string kind = face->GetFeatureType().GetName();
  const std::size_t before = Live(kind).size();
  auto agent = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_S"), ZORUnicodeString("S"));
  auto refusing = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_S"), ZORUnicodeString("S"));
  refusing->SetFilter([](ZORDialogAgent*, ZORCallbackData) { return false; }, nullptr);
  for (int activation = 0; activation < 3; ++activation) {
    agent->Activate(nullptr, nullptr);
    refusing->Activate(nullptr, nullptr);
    agent->InitializeAcquisition();
  }
  EXPECT_FALSE(refusing->IsOutputSet());
  EXPECT_LE(Live(kind).size(), before + 1);
}

}  // namespace

TEST_F(WOSAgents, TheSurfaceAgentListsSurfacesBeforeTheSetsThatGatherResults) {
  SurfaceSupport(cylinder.get());
  using Types = std::vector<ZORString>;
  // The type list the agent starts with, and the one activation leaves.
  const auto activated = [](const Types& before) {
    auto agent = Made<ZORGuiWOSPointOnSurfaceAgent>();
    agent->ClearOrderedTypeList();
    for (const ZORString& type : before) agent->AddOrderedElementType(type);
    agent->Activate(nullptr, nullptr);
    EXPECT_TRUE(agent->GetRemoteAcquisition());
    return agent->GetOrderedTypeList();
  };
  const ZORString point("ZORIMfPoint"), surface("ZORSurface"), multiSel("ZORIWENMultiSel"),
      set("ZORIMmiNonOrderedGeometricalSet"), biDim("ZORIMfBiDimResult");
  EXPECT_EQ(activated({point, set, multiSel}), (Types{point, set, surface, multiSel}));
  EXPECT_EQ(activated({point, set}), (Types{point, surface, set}));
  EXPECT_EQ(activated({point}), (Types{point, surface}));
  // Surfaces already decoded: nothing added.
  EXPECT_EQ(activated({point, biDim, set}), (Types{point, biDim, set}));
  EXPECT_EQ(activated({surface, multiSel}), (Types{surface, multiSel}));
}
