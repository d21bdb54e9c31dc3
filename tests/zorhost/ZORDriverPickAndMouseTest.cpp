#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORDriverPick.h"
#include "ZORFaultGate.h"
#include "ZORFrmLayout.h"
#include "ZORHostSession.h"
#include "ZORScenarioTestCommand.h"

namespace {

class PickAndMouse : public ::testing::Test {
 protected:
  PickAndMouse() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    point = doc.CreatePoint(1, 2, 3, set.get());
    loose = doc.CreatePoint(4, 4, 4);
    doc.UpdateAll();
  }
  void Start() {
    ASSERT_EQ(driver.Start([this] { return command = new ZORScenarioTestCommand(); }), S_OK);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, point, loose;
  ZORScenarioTestCommand* command = nullptr;
};

}  // namespace

TEST_F(PickAndMouse, ATreePickOffersTheFeatureItselfAndAViewPickItsResult) {
  EXPECT_FALSE(ZORDriverPick::PickInTree(driver, point.get()));  // no command to take it
  Start();
  EXPECT_TRUE(ZORDriverPick::PickInTree(driver, point.get()));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, point.get()));
  // Outside the tree, or not a feature: there is no path to offer.
  EXPECT_FALSE(ZORDriverPick::PickInTree(driver, loose.get()));
  EXPECT_FALSE(ZORDriverPick::PickInTree(driver, nullptr));
  EXPECT_FALSE(ZORDriverPick::PickInTree(driver, command));
  const std::vector<std::string> expected = {"picked Part.1/Geometrical Set.1/Point.1",
                                             "picked Part.1/Geometrical Set.1/Point.1/ZORBody"};
  EXPECT_EQ(command->log, expected);

  // A command run over it takes the picks while it runs; then the resumed one takes them again.
  ZORScenarioTestCommand* below = command;
  below->log.clear();
  Start();
  EXPECT_TRUE(ZORDriverPick::PickInTree(driver, point.get()));
  EXPECT_EQ(command->log.size(), 1u);
  EXPECT_TRUE(below->log.empty());
  ASSERT_TRUE(driver.CancelCurrent());
  ASSERT_EQ(driver.CurrentCommand(), below);
  EXPECT_TRUE(ZORDriverPick::PickInTree(driver, point.get()));
  EXPECT_EQ(below->log.size(), 1u);
}

TEST_F(PickAndMouse, TheMouseSendsTheEyeLineDownZToTheAcquiringAgents) {
  ZORDriverMouse mouse(driver);
  EXPECT_FALSE(mouse.Move({1, 2, 3}));  // no command to send it to
  Start();
  EXPECT_TRUE(mouse.Move({4, 5, 6}));
  EXPECT_TRUE(mouse.Click({-7, 8, 0}));
  const std::vector<std::string> expected = {"move from Viewer at 4,5,6 towards -1",
                                             "click from Viewer at -7,8,0 towards -1"};
  EXPECT_EQ(command->log, expected);  // once each, and the pick agent was not valued by them
}

namespace {

// A polyline (0,0,0)-(10,0,0)-(10,10,0), a whole cylinder of radius 3 around the X axis from
// x = 0 to 10, and a cloud of two points, computed in the set.
class CellPicks : public PickAndMouse {
 protected:
  CellPicks() {
    ZORDocument& doc = session.Document();
    ZORFeature_var p[] = {doc.CreatePoint(0, 0, 0, set.get()), doc.CreatePoint(10, 0, 0, set.get()),
                          doc.CreatePoint(10, 10, 0, set.get()),
                          doc.CreatePoint(0, 0, 10, set.get()),
                          doc.CreatePoint(20, 20, 5, set.get())};
    polyline = Make("WENPolyline", {{"Point1", p[0]}, {"Point2", p[1]}, {"Point3", p[2]}});
    cylinder = Make("WENCylinder", {{"Start", p[0]}, {"End", p[1]}});
    cylinder->SetValue("Radius", 3);
    cylinder->SetValue("StartAngle", 0);
    cylinder->SetValue("EndAngle", 360);
    cloud = Make("WENCloud", {{"Point1", p[3]}, {"Point2", p[4]}});
    EXPECT_EQ(doc.UpdateAll(), 0);
  }
  ZORFeature_var Make(const char* type, std::vector<std::pair<const char*, ZORFeature_var>> in) {
    ZORFeature_var f = session.Document().CreateFeature(type, set.get());
    for (auto& [role, input] : in) f->SetInput(role, ZORBaseUnknown_var(input));
    return f;
  }
  bool PickCell(const ZORFeature_var& f, int dimension, int index) {
    return ZORDriverPick::PickCell(driver, f.get(),
                                   f->GetResultBody()->GetCellOfDimension(dimension, index));
  }
  std::string Highlight() const { return ZORDriver::DescribeHighlight(); }

  ZORFeature_var polyline, cylinder, cloud;
};

}  // namespace

TEST_F(CellPicks, EachCellPickedBecomesABRepFeatureOfItsDimension) {
  EXPECT_FALSE(PickCell(polyline, 0, 1));  // no command to take it
  Start();
  ASSERT_TRUE(PickCell(cloud, 0, 2));
  ASSERT_TRUE(PickCell(polyline, 1, 2));
  ASSERT_TRUE(PickCell(cylinder, 2, 1));
  const std::string in = "picked Part.1/Geometrical Set.1/";
  const std::vector<std::string> expected = {
      in + "Cloud.1/ZORCldBody/ZORCell as BRep.1 [BRepVertex] => point(20,20,5)",
      in + "Polyline.1/ZORBody/ZORCell as BRep.2 [BRepEdge] => segment(10,0,0)-(10,10,0)",
      in + "Cylinder.1/ZORBody/ZORCell as BRep.3 [BRepFace] => " +
          "cylinder(0,0,0 axis=1,0,0 r=3 h=10 angle=360)"};
  EXPECT_EQ(command->log, expected);
  // The BRep features stand outside the tree, each on its cell of its support.
  const std::string dump = driver.DumpDocument();
  const std::string unattached = dump.substr(dump.find("Unattached\n"));
  EXPECT_NE(unattached.find("BRep.1 [BRepVertex] Support=Cloud.1 Cell=2 => point(20,20,5)"),
            std::string::npos)
      << dump;
  EXPECT_NE(unattached.find("BRep.3 [BRepFace] Support=Cylinder.1 Cell="), std::string::npos);
}

TEST_F(CellPicks, TheHighlightShowsThePickedCellAndItsDomain) {
  // An agent that keeps its pick highlighted: the second point of the cloud, one of two pieces.
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("Keep"));
  ASSERT_TRUE(agent->TryValue(ZORDriverPick::CellPath(cloud.get(), 0, 2)));
  EXPECT_EQ(Highlight(), "Cloud.1 vertex 2 point(20,20,5) in domain 2 of 2\n");
  // A plain pick of the feature shows its path; a new pick replaces the old one.
  ASSERT_TRUE(agent->TryValue(polyline.get()));
  EXPECT_EQ(Highlight(), "Part.1/Geometrical Set.1/Polyline.1/ZORBody\n");
  EXPECT_FALSE(agent->ElementInContext(agent->GetValuePath()));  // the user's own feature
  EXPECT_EQ(agent->GetElementValue(), ZORBaseUnknown_var(polyline).get());
  // Undoing the valuation gives the vertex's BRep feature back as the element.
  ASSERT_EQ(agent->UndoValue(), 1);
  EXPECT_TRUE(agent->ElementInContext(agent->GetValuePath()));
  EXPECT_EQ(ZORFeature::From(agent->GetElementValue())->GetFeatureType().GetName(), "BRepVertex");
  EXPECT_EQ(Highlight(), "Cloud.1 vertex 2 point(20,20,5) in domain 2 of 2\n");
}

TEST_F(CellPicks, AClickInTheViewPicksTheCellUnderThePointer) {
  Start();
  // Down onto the cylinder from above (1, 0.5): its face, where y^2 + z^2 = 9.
  ASSERT_TRUE(ZORDriverPick::PickAt(driver, {1, 0.5, 20}));
  // Onto the corner (10, 10, 0) of the polyline, where a point stands: the vertex nearer in
  // the document's order wins over the polyline's vertex and edge.
  ASSERT_TRUE(ZORDriverPick::PickAt(driver, {10, 10.05, 20}));
  // Beside everything: nothing to offer.
  EXPECT_FALSE(ZORDriverPick::PickAt(driver, {30, 30, 20}));
  ASSERT_EQ(command->log.size(), 2u);
  EXPECT_NE(command->log[0].find("Cylinder.1/ZORBody/ZORCell as BRep.1 [BRepFace]"),
            std::string::npos);
  EXPECT_NE(command->log[1].find("Point.5/ZORBody/ZORCell as BRep.2 [BRepVertex] => "
                                 "point(10,10,0)"),
            std::string::npos);
  // The viewer's pick path ends at the cell hit, which is its current sub-element.
  ZORPickPathList picks;
  ZORViewer& viewer = *ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  ASSERT_EQ(viewer.Pick({1, 0.5, 20}, 2, 0, picks), S_OK);
  ASSERT_GE(picks.Size(), 1);
  ZORPickPath& hit = *picks.GetPath(1);  // the nearest first
  EXPECT_TRUE(hit.GetPath().GetLeaf().get() == hit.GetCurrentSubElement());
  EXPECT_EQ(dynamic_cast<ZORCell*>(hit.GetCurrentSubElement())->GetDimension(), 2);
  EXPECT_TRUE(hit.GetPath().GetFatherOfLeaf() == cylinder->GetResultBody());
  EXPECT_NEAR(hit.GetHitPoint().GetX(), 1, 1e-9);
  EXPECT_NEAR(hit.GetHitPoint().GetZ(), std::sqrt(9.0 - 0.25), 1e-9);
}

TEST_F(CellPicks, AStaleOrUncomputableCellIsNotImported) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("Keep"));
  const ZORPathElement stale = ZORDriverPick::CellPath(polyline.get(), 1, 1);
  // The polyline computed again: its old cells are no longer its result's.
  polyline->SetValue("Unused", 1);
  ASSERT_EQ(ZORISpecObject_var(polyline.get())->Update(), S_OK);
  ASSERT_FALSE(polyline->GetResultBody().get() == stale.GetFatherOfLeaf()->GetImpl());
  ASSERT_TRUE(agent->TryValue(stale));
  EXPECT_EQ(agent->AgentError(), ZORFeatureImportAgent::kNotExtractable);
  EXPECT_EQ(agent->GetElementValue(), nullptr);
  EXPECT_FALSE(agent->ElementInContext(&stale));
  // The BRep feature cannot be made: the import failed.
  const ZORPathElement fresh = ZORDriverPick::CellPath(polyline.get(), 1, 1);
  // The k-th gated call from the pick on fails: earlier ones (highlight, values) pass.
  auto importFails = [&] {
    for (long k = 1; k < 10; ++k) {
      ZORFaultGate::Arm(k);
      const bool taken = agent->TryValue(fresh);
      if (ZORFaultGate::Fired() &&
          std::string(ZORFaultGate::FiredService()) == "ZORFeatureImportAgent::Import") {
        return taken;
      }
    }
    return false;
  };
  ASSERT_TRUE(importFails());
  EXPECT_EQ(agent->AgentError(), ZORFeatureImportAgent::kImportFailed);
  EXPECT_EQ(agent->GetElementValue(), nullptr);
  ZORFaultGate::Disarm();
  ASSERT_TRUE(agent->TryValue(fresh));
  EXPECT_EQ(agent->AgentError(), 0);
  agent->InitializeAcquisition();
  EXPECT_EQ(agent->GetElementValue(), nullptr);
}

TEST_F(CellPicks, OrderedTypesSeeTheCellsGeometryAndDimension) {
  auto points = ZORMake<ZORWENUIFeatureAgent>(ZORString("Points"), ZORString("ZORIMfPoint"));
  auto lines = ZORMake<ZORWENUIFeatureAgent>(ZORString("Lines"), ZORString("ZORLine"));
  auto faces = ZORMake<ZORWENUIFeatureAgent>(ZORString("Faces"), ZORString("ZORIMfBiDimResult"));
  EXPECT_TRUE(points->TryValue(ZORDriverPick::CellPath(polyline.get(), 0, 1)));
  EXPECT_FALSE(points->TryValue(ZORDriverPick::CellPath(polyline.get(), 1, 1)));
  EXPECT_TRUE(lines->TryValue(ZORDriverPick::CellPath(polyline.get(), 1, 1)));
  EXPECT_FALSE(lines->TryValue(ZORDriverPick::CellPath(cylinder.get(), 1, 1)));  // an arc
  EXPECT_TRUE(faces->TryValue(ZORDriverPick::CellPath(cylinder.get(), 2, 1)));
  EXPECT_FALSE(faces->TryValue(ZORDriverPick::CellPath(cylinder.get(), 0, 1)));
}
