#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "ZOR3DCustomRep.h"
#include "ZOR3DMarkerGP.h"
#include "ZORBodyBuilder.h"
#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORDriverPick.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORFrmLayout.h"
#include "ZORGuiRemoteAcqAgent.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORLine.h"
#include "ZORNotification.h"
#include "ZORSpecObjectOf.h"
#include "ZORSt3DISO.h"
#include "ZORStateCommand.h"
#include "ZORTestListener.h"
#include "ZORTrace.h"
#include "ZORViewer.h"
#include "ZORWENGetCurrentGeoFactory.h"
#include "ZORWENUIObjectAgent.h"
#include "ZORWENUIPickAgent.h"
#include "ZORWENUIPointOnCurveAgent.h"

namespace {

// "TestTwoPieces": two disjoint segments, (0,0,0)-(10,0,0) and (0,5,0)-(10,5,0).
const bool registered = [] {
  return ZORFeatureTypeRegistry::Get().Register(
      {"TestTwoPieces",
       "Two Pieces",
       "",
       ZORFeatureGeometry::Interfaces(1),
       {},
       [](const ZORFeature&, ZORBody_var& body, std::string&) {
         ZORBodyBuilder builder;
         builder.AddChain({ZORMake<ZORLine>(ZORMathPoint(0, 0, 0), ZORMathPoint(10, 0, 0))}, false);
         builder.AddChain({ZORMake<ZORLine>(ZORMathPoint(0, 5, 0), ZORMathPoint(10, 5, 0))}, false);
         body = builder.Finish();
         return true;
       }});
}();

class SelectionAgents : public ::testing::Test {
 protected:
  SelectionAgents() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    on = doc.CreatePoint(4, 0, 0, set.get());
    off = doc.CreatePoint(4, 1, 0, set.get());
    ZORFeature_var end = doc.CreatePoint(10, 0, 0, set.get());
    ZORFeature_var origin = doc.CreatePoint(0, 0, 0, set.get());
    curve = doc.CreateFeature("WENPolyline", set.get());
    curve->SetInput("Point1", origin.get());
    curve->SetInput("Point2", end.get());
    across = doc.CreateFeature("WENPolyline", set.get());  // (4,-5,0)-(4,5,0): crosses at x = 4
    across->SetInput("Point1", doc.CreatePoint(4, -5, 0, set.get()).get());
    across->SetInput("Point2", doc.CreatePoint(4, 5, 0, set.get()).get());
    EXPECT_EQ(doc.UpdateAll(), 0);
  }
  ~SelectionAgents() override { driver.EndTransaction(); }

  int FactoryBodies() {
    return static_cast<int>(ZORWENGetCurrentGeoFactory(ZORSpecObjectOf(curve))->GetBodies().size());
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, on, off, curve, across;
};

}  // namespace

// ---------------------------------------------------------------- point on curve

TEST_F(SelectionAgents, OnlyPointsLyingOnTheCurveAreTaken) {
  auto agent = ZORMake<ZORWENUIPointOnCurveAgent>(ZORString("_OnCurve"));
  agent->SetCurve(ZORSpecObjectOf(curve));
  agent->SetFactory(ZORSpecObjectOf(curve));
  const int bodies = FactoryBodies();
  EXPECT_TRUE(agent->TryValue(on.get()));
  EXPECT_FALSE(agent->TryValue(off.get()));
  EXPECT_FALSE(agent->TryValue(across.get()));  // not a point
  // A vertex of another result, on the curve or not; the vertex made to measure it goes.
  EXPECT_FALSE(agent->TryValue(ZORDriverPick::CellPath(across.get(), 0, 1)));
  EXPECT_EQ(FactoryBodies(), bodies);
  ZORFeature_var corner = session.Document().CreateFeature("WENPolyline", set.get());
  corner->SetInput("Point1", on.get());
  corner->SetInput("Point2", off.get());
  session.Document().UpdateAll();
  EXPECT_TRUE(agent->TryValue(ZORDriverPick::CellPath(corner.get(), 0, 1)));
  EXPECT_EQ(FactoryBodies(), bodies);
  // Without a curve nothing lies on it.
  agent->SetCurve(nullptr);
  EXPECT_FALSE(agent->TryValue(on.get()));
}

TEST_F(SelectionAgents, ACurveOfTwoPiecesTakesNoPoint) {
  ZORFeature_var pieces = session.Document().CreateFeature("TestTwoPieces", set.get());
  session.Document().UpdateAll();
  auto agent = ZORMake<ZORWENUIPointOnCurveAgent>(ZORString("_OnCurve"));
  agent->SetCurve(ZORSpecObjectOf(pieces));
  EXPECT_FALSE(agent->TryValue(on.get()));
  EXPECT_FALSE(agent->ExtraCheckPath(nullptr, 0));
}

TEST_F(SelectionAgents, AVertexIsMadeSilentlyOnlyFromAFinitePointInAFactory) {
  auto agent = ZORMake<ZORWENUIPointOnCurveAgent>(ZORString("_OnCurve"));
  ZORBody_var vertex;
  const auto point = ZORMake<ZORPoint>(ZORMathPoint(1, 2, 3));
  EXPECT_EQ(agent->CreateVertexSilently(point, vertex), E_FAIL);  // no factory yet
  agent->SetFactory(nullptr);
  EXPECT_EQ(agent->CreateVertexSilently(point, vertex), E_FAIL);
  agent->SetFactory(ZORSpecObjectOf(curve));
  ASSERT_EQ(agent->CreateVertexSilently(point, vertex), S_OK);
  ASSERT_TRUE(vertex);
  EXPECT_EQ(vertex->Describe(), "point(1,2,3)");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(agent->CreateVertexSilently(ZORMake<ZORPoint>(ZORMathPoint(nan, 0, 0)), vertex),
            E_FAIL);
  EXPECT_FALSE(vertex);
  EXPECT_EQ(agent->CreateVertexSilently(nullptr, vertex), E_FAIL);
}

// ---------------------------------------------------------------- pick agent

TEST_F(SelectionAgents, PicksUnderTheMouseAreSortedOnePerGeometryWithTheirCells) {
  ZORViewer* viewer = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  viewer->SetMousePosition({4, 0, 10});  // over the crossing of the two curves
  ZORWENUIPickAgent picker;
  ZORPickPathList paths;
  ASSERT_EQ(picker.GetPickPaths(paths), S_OK);
  ASSERT_GE(paths.Size(), 3);  // the point, the curve, the curve across
  ZORPickPathList sorted;
  ASSERT_EQ(picker.SortPickPaths(paths, ZORSpecObjectOf(curve), sorted), S_OK);
  ASSERT_EQ(sorted.Size(), 1);
  EXPECT_EQ(sorted.GetPath(1)->GetPath().Describe(),
            "Part.1/Geometrical Set.1/Polyline.1/ZORBody/ZORCell");
  // The curve's path found last among others is still found.
  ZORPickPathList lastOfAll;
  for (int i = paths.Size(); i >= 1; --i) {
    if (paths.GetPath(i) != sorted.GetPath(1)) lastOfAll.Append(paths.GetPath(i));
  }
  lastOfAll.Append(sorted.GetPath(1));
  ZORPickPathList found;
  ASSERT_EQ(picker.SortPickPaths(lastOfAll, ZORSpecObjectOf(curve), found), S_OK);
  EXPECT_EQ(found.Size(), 1);
  // The same paths twice still give the curve once.
  ZORPickPathList twice;
  for (int i = 1; i <= 2; ++i) twice.Append(sorted.GetPath(1));
  ZORPickPathList once;
  ASSERT_EQ(picker.SortPickPaths(twice, ZORSpecObjectOf(curve), once), S_OK);
  EXPECT_EQ(once.Size(), 1);
  EXPECT_EQ(picker.SortPickPaths(paths, nullptr, once), E_FAIL);
  ZORPickPathList none;
  EXPECT_EQ(picker.SortPickPaths(none, ZORSpecObjectOf(curve), once), E_FAIL);

  ZORListPtrZORCell cells;
  ASSERT_EQ(picker.GetPickSubElements(twice, cells), S_OK);
  ASSERT_EQ(cells.Size(), 1);
  EXPECT_EQ(cells[1], curve->GetResultBody()->GetCellOfDimension(1, 1));
}

// ---------------------------------------------------------------- object agent

namespace {

// An object agent grabbed by a marker at (1, 0, 0).
class MarkerAgent : public ZORWENUIObjectAgent {
 public:
  MarkerAgent() : ZORWENUIObjectAgent(ZOR3DManipulator::kLineTranslation, 0) {
    marker_->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(1, 0, 0), 5));
  }
  ZOR3DRep* BuildSpec3DRep() override { return marker_.get(); }

 private:
  ZORVar<ZOR3DCustomRep> marker_ = ZORMake<ZOR3DCustomRep>();
};

}  // namespace

TEST_F(SelectionAgents, TheObjectAgentRelaysEachManipulatorEventOnceToItsTrace) {
  session.Editor().SetTransformation(ZORMathTransformation::Translation({0, 0, 2}));
  auto agent = ZORMake<MarkerAgent>();
  ZOR3DManipulator* manipulator = agent->GetManipulator();
  ASSERT_NE(manipulator, nullptr);
  EXPECT_EQ(manipulator->GetName(), "Manip");
  EXPECT_EQ(manipulator->GetFather(), agent.get());
  ZOR3DBagRep* bag = agent->BuildSpec3DBagRep();
  ASSERT_EQ(bag, agent->GetBagRep());
  EXPECT_EQ(bag->GetChildren().size(), 1u);
  EXPECT_EQ(bag->GetMatrix().GetOrigin().GetZ(), 2.0f);
  agent->AddManip(bag);  // a second association changes nothing
  EXPECT_EQ(manipulator->GetAssociatedRep(), bag);
  auto carrier = ZORMake<ZORSt3DISO>(bag);
  session.Editor().GetISO()->AddElement(carrier.get());

  ZORTrace::SetOn("WENOBJAGENT", true);
  ZORTrace::ClearWritten();
  ZORHandleDriver pointer(driver);
  ASSERT_TRUE(pointer.Drag(1, {5, 0, 2}, 2));
  ZORTrace::SetOn("WENOBJAGENT", false);
  const std::string prefix = "WENOBJAGENT: ZORWENUIObjectAgent::";
  EXPECT_EQ(ZORTrace::Written(),
            (std::vector<std::string>{prefix + "Preactivate", prefix + "BeginManipulate",
                                      prefix + "Manipulate", prefix + "Manipulate",
                                      prefix + "EndManipulate"}));
  session.Editor().GetISO()->RemoveElement(carrier.get());
}

TEST_F(SelectionAgents, SendGoesToTheFatherAndANotificationWithoutOneIsNotLost) {
  ZORTestListener father;
  auto agent = ZORMake<ZORWENUIObjectAgent>();
  agent->Initialize();
  EXPECT_FALSE(agent->GetBagRep());
  agent->Send(new ZORNotification());  // no father: handed to the transaction all the same
  agent->Send(nullptr);
  agent->SetFather(&father);
  father.Listen(nullptr, "ZORNotification", "received");
  agent->Send(new ZORNotification());
  driver.EndTransaction();
  EXPECT_EQ(father.log, (std::vector<std::string>{"received"}));
  agent->SetFather(nullptr);
}

// ---------------------------------------------------------------- remote acquisition

namespace {

class RemoteCommand : public ZORStateCommand {
 public:
  RemoteCommand() : ZORStateCommand("RemoteCommand") {}
  void BuildGraph() override {
    ZORDialogState* state = GetInitialState("Point");
    agent = ZORMake<ZORGuiRemoteAcqAgent>(nullptr, ZORString("_Remote"));
    AddAgent(state, agent.get());
  }
  ZORVar<ZORGuiRemoteAcqAgent> agent;
};

}  // namespace

TEST_F(SelectionAgents, TheRemoteAgentIsPrevaluedWithWhatLiesUnderThePointer) {
  RemoteCommand* command = nullptr;
  ASSERT_EQ(driver.Start([&] { return command = new RemoteCommand(); }), S_OK);
  ZORDriverMouse mouse(driver);
  ASSERT_TRUE(mouse.Move({4, 1, 10}));  // over the point off the curve
  ZORGuiRemoteAcqAgent& agent = *command->agent;
  EXPECT_EQ(agent.GetValuationState(), 2);
  ASSERT_NE(agent.GetValue(), nullptr);
  EXPECT_EQ(agent.GetValue()->Describe(), "Part.1/Geometrical Set.1/Point.2/ZORBody/ZORCell");
  EXPECT_TRUE(session.Editor().GetPSO()->IsMember(*agent.GetValue()));
  agent.ResetAll();
  EXPECT_FALSE(agent.Prevaluate(nullptr));
  ZORPathElement unset;
  EXPECT_FALSE(agent.Prevaluate(&unset));
  EXPECT_EQ(agent.GetValuationState(), 0);
}
