#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ZOR3DBagRep.h"
#include "ZOR3DCompass.h"
#include "ZOR3DLineRep.h"
#include "ZOR3DPointRep.h"
#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORFrmLayout.h"
#include "ZORGraphicAttributeSet.h"
#include "ZORHostSession.h"
#include "ZORISpecObject.h"
#include "ZORModelForRep3D.h"
#include "ZORNavigation2DViewer.h"
#include "ZORPathElementAgent.h"
#include "ZORStRemoteAcqu.h"
#include "ZORWenJournaling.h"
#include "ZORWenPointJournaling.h"

namespace {

class Viewer : public ::testing::Test {
 protected:
  ZORFeature_var Point(double x, double y, double z) {
    ZORFeature_var point = doc.CreatePoint(x, y, z, set.get());
    EXPECT_EQ(ZORISpecObject_var(point.get())->Update(), S_OK);
    return point;
  }
  ZORViewer& View() { return *ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer(); }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORDocument& doc = session.Document();
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
};

TEST_F(Viewer, APickListsWhatTheEyeLineMeetsNearestFirstWithTheHitPoint) {
  ZORFeature_var low = Point(2, 3, -1);
  ZORFeature_var high = Point(2, 3, 4);
  Point(8, 8, 0);  // elsewhere
  // A temporary line across the pointer, above everything, inside a bag.
  auto bag = ZORMake<ZOR3DBagRep>();
  auto line = ZORMake<ZOR3DLineRep>(ZORMathPoint(0, 3, 9), ZORMathPoint(10, 3, 9));
  bag->AddChild(line.get());
  auto carrier = ZORMake<ZORModelForRep3D>(nullptr, bag.get());
  session.Editor().GetISO()->AddElement(carrier.get());

  // No command takes the move, but the pointer stands there.
  EXPECT_FALSE(ZORDriverMouse(driver).Move({2.05, 3, 0}));
  ZORPickPathList picks;
  ASSERT_EQ(View().PickUnderMouse(picks), S_OK);
  ASSERT_EQ(picks.Size(), 3);
  ZORPickPath* top = picks.GetPath(1);
  EXPECT_EQ(top->GetReps().size(), 2u);  // the line, then its bag
  top->InitToLeafRep();
  EXPECT_EQ(top->NextFatherRep(), line.get());
  EXPECT_EQ(top->NextFatherRep(), bag.get());
  EXPECT_EQ(top->NextFatherRep(), nullptr);
  EXPECT_FALSE(top->GetPath().IsSet());
  EXPECT_DOUBLE_EQ(top->GetHitPoint().GetX(), 2.05);
  // A result's path ends at the cell hit, under its body.
  EXPECT_TRUE(picks.GetPath(2)->GetPath().GetFatherOfLeaf() == high->GetResultBody());
  EXPECT_TRUE(picks.GetPath(3)->GetPath().GetFatherOfLeaf() == low->GetResultBody());
  EXPECT_EQ(picks.GetPath(3)->GetPath().GetLeaf().get(), picks.GetPath(3)->GetCurrentSubElement());
  EXPECT_TRUE(picks.GetPath(3)->GetPath().GetLeaf() == low->GetResultBody()->GetCell(1));
  EXPECT_EQ(picks.GetPath(3)->GetHitPoint().GetZ(), -1);
  EXPECT_EQ(picks.GetPath(3)->GetFatherRep()->GetModel(), low->GetResultBody().get());
  EXPECT_EQ(picks.GetPath(4), nullptr);

  // Out of the pick window (0.2 units for 2 pixels), nothing.
  EXPECT_EQ(View().Pick({2.5, 3, 0}, 2, 0, picks), S_OK);
  EXPECT_EQ(picks.Size(), 1);  // only the line, which runs along X
  // A hidden or unpickable feature is not picked.
  ZORVisPropertiesValues values;
  values.SetPick(0);
  ZORIVisProperties_var(high.get())->SetPropertiesAtt(values, ZORVisPropertyType(8));
  EXPECT_EQ(View().Pick({2, 3, 0}, 2, 0, picks), S_OK);
  EXPECT_EQ(picks.Size(), 2);
}

TEST_F(Viewer, APickOverACylinderPatchEndsAtItsNearerSideWithTheHitPoint) {
  ZORFeature_var start = Point(0, 0, 0), end = Point(10, 0, 0);
  ZORFeature_var cylinder = doc.CreateFeature("WENCylinder", set.get());
  ASSERT_EQ(cylinder->SetInput("Start", ZORBaseUnknown_var(start)), S_OK);
  ASSERT_EQ(cylinder->SetInput("End", ZORBaseUnknown_var(end)), S_OK);
  cylinder->SetValue("Radius", 2);
  cylinder->SetValue("StartAngle", 0);
  cylinder->SetValue("EndAngle", 360);
  ASSERT_EQ(ZORISpecObject_var(cylinder.get())->Update(), S_OK);

  // Looking down from above the axis: the eye meets the upper side first, where
  // y^2 + z^2 = R^2.
  ZORPickPathList picks;
  ASSERT_EQ(View().Pick({5, 0.5, 10}, 2, 0, picks), S_OK);
  ASSERT_EQ(picks.Size(), 1);
  EXPECT_TRUE(picks.GetPath(1)->GetPath().GetFatherOfLeaf() == cylinder->GetResultBody());
  EXPECT_EQ(dynamic_cast<ZORCell*>(picks.GetPath(1)->GetCurrentSubElement())->GetDimension(), 2);
  const ZORMathPoint hit = picks.GetPath(1)->GetHitPoint();
  EXPECT_NEAR(hit.GetX(), 5, 1e-9);
  EXPECT_NEAR(hit.GetY(), 0.5, 1e-9);
  EXPECT_NEAR(hit.GetZ(), std::sqrt(4 - 0.25), 1e-9);
  // Beside the patch, nothing.
  ASSERT_EQ(View().Pick({5, 3, 10}, 2, 0, picks), S_OK);
  EXPECT_EQ(picks.Size(), 0);
}

TEST_F(Viewer, CursorCompassAndLayoutState) {
  View().SetCursor(3);
  EXPECT_EQ(View().GetCursor(), 3);
  session.Editor().SetCompassPosition(ZORMathAxis({0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}));
  ZORI3DCompass_var compass = ZOR3DCompass::OfCurrentEditor();
  ASSERT_TRUE(compass);
  EXPECT_EQ(compass->GetNormal(), ZORMathVector(1, 0, 0));
  ZORFrmLayout::Reset();
  EXPECT_EQ(View().GetCursor(), 0);
}

TEST(GraphicAttributes, PackedWordsGiveTheFieldsAndTheThirdByteIsSettable) {
  ZORGraphicAttributeSet set(0xfd040400u, 255u);
  EXPECT_EQ(set.GetColor(), 253);
  EXPECT_EQ(set.GetThickness(), 4);
  EXPECT_EQ(set.GetLineType(), 4);
  EXPECT_EQ(set.GetOpacity(), 255);
  EXPECT_EQ(set.GetFirstWord(), 0xfd040400u);
  set.SetColor(-5);  // a status colour
  set.SetAttributeByte(3, (set.GetAttributeByte(3) & 0xf0) | 15);
  EXPECT_EQ(set.GetColor(), -5);
  EXPECT_EQ(set.GetLineType(), 15);
  EXPECT_EQ(set.GetFirstWord(), 0x00040f00u);
  set.SetAttributeByte(3, 0x2a);
  EXPECT_EQ(set.GetAttributeByte(3), 0x2a);
  EXPECT_EQ(set.GetAttributeByte(5), 0);
}

TEST_F(Viewer, AgentsKeepThePathAndTheRemoteAcquisitionDetectsUnderThePointer) {
  ZORFeature_var point = Point(4, 4, 0);
  auto agent = ZORMake<ZORPathElementAgent>(ZORString("Path"));
  EXPECT_EQ(agent->GetValue(), nullptr);
  const ZORPathElement path = doc.GivePathElementFrom(ZORBaseUnknown_var(point.get()));
  session.Editor().GetHSO()->AddElement(path);
  ASSERT_TRUE(agent->TryValue(path));
  ASSERT_NE(agent->GetValue(), nullptr);
  EXPECT_TRUE(*agent->GetValue() == path);
  EXPECT_EQ(agent->RemoveFromHSO(), S_OK);
  EXPECT_EQ(agent->RemoveFromHSO(), S_FALSE);
  agent->InitializeAcquisition();
  EXPECT_EQ(agent->GetValue(), nullptr);
  EXPECT_EQ(agent->RemoveFromHSO(), E_FAIL);

  auto remote = ZORMake<ZORStRemoteAcqu>(nullptr, ZORString("Remote"), 0);
  auto notification = ZORMake<ZORNotification>();
  View().SetMousePosition({4, 4.1, 0});
  EXPECT_EQ(remote->DecodeNotification(nullptr, notification.get()), 1);
  ASSERT_NE(remote->GetResult(), nullptr);
  EXPECT_TRUE(remote->GetResult()->IsOnElement());
  EXPECT_EQ(remote->GetResult()->GetPoint(), ZORMathPoint(4, 4, 0));
  EXPECT_EQ(remote->GetValuationState(), 2);
  EXPECT_EQ(session.Editor().GetPSO()->GetSize(), 1);
  View().SetMousePosition({1, 1, 0});  // nothing there: a point in space, no valuation
  EXPECT_EQ(remote->DecodeNotification(nullptr, notification.get()), 0);
  EXPECT_FALSE(remote->GetResult()->IsOnElement());
  EXPECT_EQ(remote->GetResult()->GetPoint(), ZORMathPoint(1, 1, 0));
  remote->ResetAll();
  EXPECT_EQ(remote->GetResult(), nullptr);
  EXPECT_EQ(remote->GetValuationState(), 0);
}

TEST_F(Viewer, PointCreationsAreJournaledOnlyWhenTheJournalIsActive) {
  ZORFeature_var point = Point(1, 1, 1);
  EXPECT_FALSE(ZORWenPointJournaling::CreationPointOnPlane(ZORISpecObject_var(point.get())));
  ZORWenJournaling::SetActive(true);
  EXPECT_TRUE(ZORWenPointJournaling::CreationPointOnPlane(ZORISpecObject_var(point.get())));
  EXPECT_TRUE(ZORWenPointJournaling::CreationPointOnSurface(ZORISpecObject_var(point.get())));
  EXPECT_FALSE(ZORWenPointJournaling::CreationPointOnSurface(nullptr));
  EXPECT_EQ(ZORWenJournaling::Lines(),
            (std::vector<std::string>{"-- journal opened", "CreationPointOnPlane Point.1",
                                      "CreationPointOnSurface Point.1"}));
}

TEST(Viewer2D, TheVisibleBoxFollowsWhatIsShownUnlessSet) {
  auto viewer = ZORMake<ZORNavigation2DViewer>(nullptr, ZORString("Law"));
  EXPECT_EQ(viewer->GetVisibleBox(), (ZOR2DBox{{0, 0}, {10, 10}}));
  auto curve = ZORMake<ZOR2DBagRep>();
  EXPECT_FALSE(curve->AddPolyline({{1, 1}}));
  ASSERT_TRUE(curve->AddPolyline({{-2, 1}, {3, 4}, {5, -1}}, 247));
  auto label = ZORMake<ZOR2DBagRep>();
  label->AddText({6, 2}, "f(t)");
  ASSERT_EQ(curve->AddChild(label.get()), S_OK);
  EXPECT_EQ(label->AddChild(curve.get()), E_FAIL);  // a cycle
  ASSERT_TRUE(viewer->AddRep(curve.get()));
  EXPECT_FALSE(viewer->AddRep(curve.get()));
  EXPECT_EQ(viewer->GetVisibleBox(), (ZOR2DBox{{-2, -1}, {6, 4}}));
  EXPECT_FALSE(viewer->SetVisibleBox({{1, 1}, {1, 5}}));
  ASSERT_TRUE(viewer->SetVisibleBox({{0, 0}, {20, 10}}));
  EXPECT_EQ(
      viewer->Describe(),
      (std::vector<std::string>{
          "box=0,0 20,10", "bag2d(polyline(-2,1 3,4 5,-1) color=247; bag2d(text(6,2 \"f(t)\")))"}));
  EXPECT_TRUE(viewer->RemoveRep(curve.get()));
  EXPECT_FALSE(viewer->RemoveRep(curve.get()));
}

TEST(Reps3D, MarkersAndLinesDescribeWhatTheyDraw) {
  auto marker = ZORMake<ZOR3DPointRep>(ZORMathPoint(1, 2, 3), 12);
  EXPECT_EQ(marker->Describe(), "pointrep(1,2,3 symbol=12)");
  EXPECT_TRUE(marker->IsAKindOf("ZORRep"));
  auto line = ZORMake<ZOR3DLineRep>(ZORMathPoint(0, 0, 0), ZORMathPoint(1, 0, 0));
  line->SetThickness(3);
  EXPECT_EQ(line->Describe(), "linerep(0,0,0)-(1,0,0) thickness=3 type=1");
  EXPECT_STREQ(line->IsA(), "ZOR3DLineRep");
}

// The child taken out of a bag is the one asked for, wherever it stands; the others keep their
// order, and the bag draws the same as before the identity matrix was set.
TEST(Reps3D, ABagLetsGoOfTheChildAskedForAndKeepsTheOthersInOrder) {
  auto bag = ZORMake<ZOR3DBagRep>();
  std::vector<ZORVar<ZOR3DPointRep>> markers;
  for (int i = 0; i < 3; ++i) {
    markers.push_back(ZORMake<ZOR3DPointRep>(ZORMathPoint(i, 0, 0), 1));
    ASSERT_EQ(bag->AddChild(markers.back().get()), S_OK);
  }
  const std::string before = bag->Describe();
  bag->SetMatrix(ZOR4x4Matrix());
  EXPECT_EQ(bag->Describe(), before);
  ASSERT_EQ(bag->RemoveChild(markers[1].get()), S_OK);
  ASSERT_EQ(bag->GetChildCount(), 2);
  EXPECT_EQ(bag->GetChildren()[0].get(), markers[0].get());
  EXPECT_EQ(bag->GetChildren()[1].get(), markers[2].get());
  EXPECT_TRUE(markers[1]->GetFatherReps().empty());
  EXPECT_EQ(bag->RemoveChild(markers[1].get()), S_FALSE);
}

}  // namespace
