#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleTranslateCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHostSession.h"
#include "ZORSpecObjectOf.h"
#include "ZORTrace.h"
#include "ZORWENUIMultiSelFeatureAgent.h"

namespace {

// A multi-selection of two translations of points (results Translate.2 and Translate.3 under
// Multi Selection.1), made through the example command, and a polyline outside it.
class MultiSelFeatureAgent : public ::testing::Test {
 protected:
  MultiSelFeatureAgent() {
    ExampleTranslateCommand::Register();
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0}) points.push_back(doc.CreatePoint(x, 0, 0, set.get()));
    ZORFeature_var origin = doc.CreatePoint(0, 0, 0, set.get());
    ZORFeature_var up = doc.CreatePoint(0, 0, 1, set.get());
    line = doc.CreateFeature("WENLine", set.get());
    line->SetInput("Start", origin.get());
    line->SetInput("End", up.get());
    polyline = doc.CreateFeature("WENPolyline", set.get());
    polyline->SetInput("Point1", origin.get());
    polyline->SetInput("Point2", points[1].get());
    doc.UpdateAll();
    EXPECT_EQ(driver.StartByName("ExampleTranslateMultiSel"), S_OK);
    for (const auto& p : points) EXPECT_TRUE(ZORDriverPick::Pick(driver, p.get()));
    EXPECT_TRUE(ZORDriverPick::Pick(driver, line.get()));
    EXPECT_TRUE(driver.PressOK());
    multiSel = doc.FindByName("Multi Selection.1");
    results = {doc.FindByName("Translate.2"), doc.FindByName("Translate.3")};
    EXPECT_TRUE(multiSel && results[0] && results[1]);
  }

  ZORVar<ZORWENUIMultiSelFeatureAgent> Agent(int pointRemoval, bool many = true) {
    return ZORMake<ZORWENUIMultiSelFeatureAgent>(
        ZORSpecObjectOf(multiSel), ZORString("_Sel"), pointRemoval, ZORString(),
        many ? ZORWENUIFeatureAgent::kMultiAcquisition : 0);
  }
  static std::vector<std::string> Values(ZORWENUIFeatureAgent& agent) {
    std::vector<std::string> texts;
    for (const ZORPathElement& path : agent.GetListOfValues()->GetElements()) {
      texts.push_back(path.Describe());
    }
    return texts;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, line, polyline;
  std::vector<ZORFeature_var> points;
  ZORFeature* multiSel = nullptr;
  std::vector<ZORFeature*> results;
};

const std::string kSet = "Part.1/Geometrical Set.1/";

}  // namespace

TEST_F(MultiSelFeatureAgent, AnEditionRefusesItsOwnResultsAndTakesOtherPoints) {
  driver.DrainMessages();
  session.Editor().SetCurrentFeature(multiSel);
  ASSERT_EQ(driver.StartByName("ExampleTranslateEdition"), S_OK);
  const std::string before = driver.DumpDocument();
  EXPECT_FALSE(ZORDriverPick::PickInTree(driver, results[0]));
  EXPECT_FALSE(ZORDriverPick::Pick(driver, results[1]));
  EXPECT_EQ(driver.DumpDocument(), before);
  // A point that is not a result is taken as a new input.
  ZORFeature_var other = session.Document().CreatePoint(5, 5, 5, set.get());
  session.Document().UpdateAll();
  EXPECT_TRUE(ZORDriverPick::Pick(driver, other.get()));
  ASSERT_TRUE(driver.PressOK());
  const std::string dump = driver.DumpDocument();
  EXPECT_NE(dump.find("Element=" + other->GetDisplayNameText()), std::string::npos) << dump;
  EXPECT_EQ(dump.find("Element=Translate."), std::string::npos) << dump;
}

TEST_F(MultiSelFeatureAgent, AResultIsAPointThePlainAgentWouldTakeInTheTreeAndInTheView) {
  // What the edition refuses above, the example's agent would take without the multi-selection.
  const ZORPathElement inTree =
      session.Document().GivePathElementFrom(ZORBaseUnknown_var(results[0]));
  const ZORPathElement inView = ZORWENUIFeatureAgent::GivePickPath(results[1]);
  auto plain = ZORMake<ZORWENUIFeatureAgent>(ZORString("_Element"), ZORString("WENPoint"));
  auto refusing = ZORMake<ZORWENUIMultiSelFeatureAgent>(
      ZORSpecObjectOf(multiSel), ZORString("_Element"), 0, ZORString("WENPoint"));
  for (ZORWENUIFeatureAgent* agent :
       {plain.get(), static_cast<ZORWENUIFeatureAgent*>(refusing.get())}) {
    agent->AddOrderedPointAcquisition();
    agent->AddOrderedElementType("WENTranslate");
  }
  EXPECT_TRUE(plain->TryValue(inTree));
  EXPECT_TRUE(plain->TryValue(inView));
  EXPECT_FALSE(refusing->TryValue(inTree));
  EXPECT_FALSE(refusing->TryValue(inView));
}

TEST_F(MultiSelFeatureAgent, WithoutAMultiSelectionItActsAsThePlainAgent) {
  auto agent = ZORMake<ZORWENUIMultiSelFeatureAgent>(nullptr, ZORString("_Sel"), 1, ZORString(),
                                                     ZORWENUIFeatureAgent::kMultiAcquisition);
  EXPECT_TRUE(agent->TryValue(results[0]));
  EXPECT_TRUE(agent->TryValue(ZORDriverPick::CellPath(polyline.get(), 0, 1)));
  EXPECT_EQ(Values(*agent).size(), 2u);
}

TEST_F(MultiSelFeatureAgent, SeveralPickedResultsAreDroppedASingleOneStays) {
  auto agent = Agent(0);
  ASSERT_TRUE(agent->TryValue(ZORDriverPick::CellPath(results[0], 0, 1)));
  ASSERT_EQ(Values(*agent).size(), 1u);
  EXPECT_NE(Values(*agent)[0].find("/Multi Selection.1/Translate.2/ZORBody/ZORCell"),
            std::string::npos);
  ASSERT_TRUE(agent->TryValue(ZORDriverPick::CellPath(results[1], 0, 1)));
  ASSERT_TRUE(agent->TryValue(line.get()));
  EXPECT_EQ(Values(*agent), (std::vector<std::string>{kSet + "Line.1/ZORBody"}));
  // What was dropped is no longer highlighted.
  EXPECT_EQ(session.Editor().GetHSO()->GetSize(), 1);
}

TEST_F(MultiSelFeatureAgent, PointRemovalRefusesPointsThatAreNotResults) {
  auto agent = Agent(1);
  EXPECT_FALSE(agent->TryValue(ZORDriverPick::CellPath(polyline.get(), 0, 1)));
  EXPECT_FALSE(agent->TryValue(points[0].get()));
  EXPECT_TRUE(agent->TryValue(ZORDriverPick::CellPath(polyline.get(), 1, 1)));  // an edge
  // A vertex of a result passes the check, and is then one result among several values.
  EXPECT_TRUE(agent->TryValue(ZORDriverPick::CellPath(results[0], 0, 1)));
  EXPECT_EQ(Values(*agent), (std::vector<std::string>{kSet + "Polyline.1/ZORBody/ZORCell"}));
  // Without point removal, points are taken.
  auto plain = Agent(0);
  EXPECT_TRUE(plain->TryValue(points[0].get()));
}

TEST_F(MultiSelFeatureAgent, ThePathHelpersRefuseNullsAndTheDumpNamesEachObject) {
  auto agent = Agent(1);
  ZORPathElement path = ZORDriverPick::CellPath(polyline.get(), 0, 1);
  ZORPathElement* none = nullptr;
  ZORPathElement* some = &path;
  EXPECT_EQ(agent->RemovePathOfPointElements(none, some), E_FAIL);
  EXPECT_EQ(agent->RemovePathOfPointElements(some, none), E_FAIL);
  int count = 3;
  EXPECT_EQ(agent->RemovePathElementFromSO(nullptr, &path, nullptr, count), E_FAIL);
  EXPECT_EQ(agent->RemovePathElementFromSO(agent->GetListOfValues(), nullptr, nullptr, count),
            E_FAIL);
  EXPECT_EQ(count, 3);
  ASSERT_TRUE(agent->TryValue(line.get()));
  ZORPathElement kept = *agent->GetValuePath();
  EXPECT_EQ(agent->RemovePathElementFromSO(agent->GetListOfValues(), &kept, nullptr, count), S_OK);
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(Values(*agent).empty());

  ZORTrace::SetOn("WENFEAT_ACQ", true);
  ZORTrace::ClearWritten();
  MonLocalDumpPath(&path);
  MonLocalDumpPath(nullptr);
  ZORTrace::SetOn("WENFEAT_ACQ", false);
  MonLocalDumpPath(nullptr);
  const std::vector<std::string> expected = {
      "WENFEAT_ACQ: Part.1 / Geometrical Set.1 / Polyline.1 / ZORBody / ZORCell",
      "WENFEAT_ACQ: NULL"};
  EXPECT_EQ(ZORTrace::Written(), expected);
}
