// The join and split examples through the driver: junctions located and labelled, gaps left
// open flagged, a split's diagnosis shown and taken away.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ExampleJoinCommand.h"
#include "ExampleSplitCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORLine.h"
#include "ZORWENSettings.h"

namespace {

class DiagnosticCommands : public ::testing::Test {
 protected:
  DiagnosticCommands() {
    ExampleJoinCommand::Register();
    ExampleSplitCommand::Register();
    set = doc().CreateTool("GeometricalSet");
  }
  ~DiagnosticCommands() override {
    driver.EndTransaction();
    ZORWENSettings::ResetToDefaults();
  }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature_var Through(const char* type, const std::vector<ZORMathPoint>& at) {
    ZORFeature_var made = doc().CreateFeature(type, set.get());
    for (std::size_t i = 0; i < at.size(); ++i) {
      made->SetInput("Point" + std::to_string(i + 1),
                     doc().CreatePoint(at[i].GetX(), at[i].GetY(), at[i].GetZ(), set.get()).get());
    }
    doc().UpdateAll();
    return made;
  }
  void Pick(const ZORFeature_var& f) { ASSERT_TRUE(ZORDriverPick::Pick(driver, f.get())); }
  // The interactive set, then the handles, a line each, as `shown` prints them.
  std::vector<std::string> Shown() {
    driver.EndTransaction();
    std::vector<std::string> lines = session.Editor().GetISO()->Describe();
    for (const std::string& handle : ZORHandleDriver(driver).DescribeHandles()) {
      lines.push_back(handle);
    }
    return lines;
  }
  int CountShown(const std::string& text) {
    const std::vector<std::string> lines = Shown();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.find(text) != std::string::npos;
    }));
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set;
};

TEST_F(DiagnosticCommands, AJoinLocatesEachJunctionAndFlagsItOnlyUnderThePointer) {
  ZORWENSettings::GetWENSettings()->SetTMMergingDistanceValue(1);
  ZORFeature_var a = Through("WENPolyline", {{0, 0, 0}, {10, 0, 0}});
  ZORFeature_var b = Through("WENPolyline", {{20, 0, 0}, {10, 0.5, 0}});  // given end first
  ZORFeature_var c = Through("WENPolyline", {{20, 0, 0}, {20, 10, 0}});
  ASSERT_EQ(driver.StartByName("ExampleJoinCommand"), S_OK);
  Pick(a);
  EXPECT_EQ(ZORHandleDriver(driver).ShownHandles().size(), 0U);
  Pick(b);
  Pick(c);
  ASSERT_EQ(ZORHandleDriver(driver).ShownHandles().size(), 2U);
  EXPECT_EQ(CountShown("Input:"), 0);
  ASSERT_TRUE(ZORHandleDriver(driver).MoveOver(1));
  // The gap of 0.5 mm was closed; the output keeps the kink of atan(0.05).
  EXPECT_EQ(CountShown("Input: Point discontinuity ( 0.50mm )"), 1);
  EXPECT_EQ(CountShown("Output: Point continuity, Tangency discontinuity ( 2.86deg )"), 1);
  ASSERT_TRUE(ZORHandleDriver(driver).MoveOver(2));
  EXPECT_EQ(CountShown("Input: Point continuity, Tangency discontinuity ( 92.86deg )"), 1);
  EXPECT_EQ(CountShown("Gap left open"), 0);
  driver.PressOK();
  EXPECT_NE(driver.DumpDocument().find("Assemble.1"), std::string::npos);
  EXPECT_EQ(ZORHandleDriver(driver).ShownHandles().size(), 0U);
}

TEST_F(DiagnosticCommands, AGapBeyondTheMergingDistanceIsFlaggedOnItsBridgingSegment) {
  ZORWENSettings::GetWENSettings()->SetTMMergingDistanceValue(0.1);
  ZORFeature_var a = Through("WENPolyline", {{0, 0, 0}, {10, 0, 0}});
  ZORFeature_var b = Through("WENPolyline", {{10, 0.5, 0}, {20, 0, 0}});
  ASSERT_EQ(driver.StartByName("ExampleJoinCommand"), S_OK);
  Pick(a);
  Pick(b);
  // One flag, at the middle of the gap, with the check error's texts.
  EXPECT_EQ(CountShown("flag(10,0.25,0 \"Gap left open\" \"Wider than the merging distance\")"), 1);
  ASSERT_TRUE(ZORHandleDriver(driver).MoveOver(1));
  EXPECT_EQ(CountShown("Output: Point discontinuity ( 0.50mm )"), 1);
  driver.CancelCurrent();
  EXPECT_EQ(CountShown("Gap left open"), 0);
  EXPECT_EQ(ZORHandleDriver(driver).ShownHandles().size(), 0U);
}

TEST_F(DiagnosticCommands, ASplitShowsItsDiagnosisAfterEachCutterAndTakesItAwayAtCancel) {
  ZORFeature_var u = Through("WENPolyline", {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}});
  ZORFeature_var far = Through("WENPlane", {{20, 0, 0}, {20, 1, 0}, {20, 0, 1}});
  ZORFeature_var near = Through("WENPlane", {{4, 0, 0}, {4, 1, 0}, {4, 0, 1}});
  ASSERT_EQ(driver.StartByName("ExampleSplitCommand"), S_OK);
  Pick(u);
  Pick(far);
  EXPECT_EQ(CountShown("BodyInError"), 2);
  Pick(near);
  // The failure's symbols leave; the warning's panel opens and its vertices are drawn.
  EXPECT_EQ(CountShown("BodyInError"), 0);
  bool warned = false;
  for (const ZORShownMessage& m : driver.DrainMessages()) {
    warned = warned || m.text.str().find("cut in several places") != std::string::npos;
  }
  EXPECT_TRUE(warned);
  EXPECT_EQ(CountShown("color=247"), 1);
  driver.CancelCurrent();
  EXPECT_EQ(CountShown("color=247"), 0);
  EXPECT_EQ(driver.DumpDocument().find("Split.1"), std::string::npos);
}

}  // namespace
