#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORDriverPick.h"
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
