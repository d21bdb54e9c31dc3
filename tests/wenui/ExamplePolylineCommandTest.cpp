#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExamplePolylineCommand.h"
#include "ZORBody.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHostSession.h"
#include "ZORListLines.h"

namespace {

// The example polyline command over four points and a polyline through the first three.
class ExamplePolyline : public ::testing::Test {
 protected:
  ExamplePolyline() {
    ExamplePolylineCommand::Register();
    set = doc().CreateTool("GeometricalSet");
    for (double x : {0.0, 1.0, 2.0, 3.0}) points.push_back(doc().CreatePoint(x, x * x, 0, set));
    polyline = doc().CreateFeature("WENPolyline", set);
    for (int i = 0; i < 3; ++i) {
      polyline->SetInput("Point" + std::to_string(i + 1),
                         points[static_cast<std::size_t>(i)].get());
    }
    doc().UpdateAll();
    session.Editor().SetCurrentFeature(polyline.get());
    before = driver.DumpDocument();
    EXPECT_EQ(driver.StartByName("ExamplePolylineCommand"), S_OK);
  }
  ~ExamplePolyline() override { driver.EndTransaction(); }

  ZORDocument& doc() { return session.Document(); }
  bool Pick(int i) {
    return ZORDriverPick::Pick(driver, points[static_cast<std::size_t>(i)].get());
  }
  bool PickVertex(int index) {
    return ZORDriverPick::PickCell(driver, polyline.get(),
                                   polyline->GetResultBody()->GetCellOfDimension(0, index));
  }
  std::vector<std::string> Lines() const { return ZORListLines(driver.DescribePanels()); }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const ZORShownMessage& m : driver.DrainMessages()) texts.push_back(m.text.str());
    return texts;
  }
  bool Has(const std::string& text) const {
    return driver.DumpDocument().find(text) != std::string::npos;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, polyline;
  std::vector<ZORFeature_var> points;
  std::string before;
};

TEST_F(ExamplePolyline, OkJoinsTheListedPointsInListOrder) {
  for (int i : {3, 0, 2}) ASSERT_TRUE(Pick(i));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*Point.4!", "*Point.1!", "*Point.3!"}));
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_TRUE(Has("Line.1 [WENLine] Start=Point.4 End=Point.1"));
  EXPECT_TRUE(Has("Line.2 [WENLine] Start=Point.1 End=Point.3"));
  EXPECT_FALSE(Has("out-of-date"));
  EXPECT_FALSE(Has("Line.3"));
}

TEST_F(ExamplePolyline, OkWantsTwoPointsAndTheCommandWaitsForThem) {
  ASSERT_TRUE(Pick(0));
  Messages();
  driver.PressOK();
  const std::vector<std::string> shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Two points at least"), std::string::npos);
  EXPECT_NE(shown[0].find("holds 1 point"), std::string::npos);
  EXPECT_NE(driver.CurrentCommand(), nullptr);
  EXPECT_FALSE(Has("WENLine"));
  ASSERT_TRUE(Pick(1));
  ASSERT_TRUE(driver.PressOK());
  EXPECT_TRUE(Has("Line.1 [WENLine] Start=Point.1 End=Point.2"));
}

TEST_F(ExamplePolyline, APointOutOfDateIsRefusedWithItsName) {
  points[1]->SetValue("X", 7);
  ASSERT_TRUE(Pick(1));
  const std::vector<std::string> shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("Point.2 is not up to date"), std::string::npos);
  EXPECT_EQ(Lines(), std::vector<std::string>{"*No selection"});
  EXPECT_EQ(session.Editor().GetHSO()->GetSize(), 0);
}

TEST_F(ExamplePolyline, VerticesMakeLinesOnTheirPicksAndCancelGivesEverythingBack) {
  ASSERT_TRUE(PickVertex(1));
  ASSERT_TRUE(PickVertex(3));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*BRep.1!", "*BRep.2!"}));
  ASSERT_TRUE(PickVertex(1));  // a new pick of a listed vertex takes it out
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*BRep.2!"}));
  // Neither that pick nor the entry it took out stays in the document.
  EXPECT_FALSE(Has("BRep.1 "));
  EXPECT_FALSE(Has("BRep.3 "));
  ASSERT_TRUE(driver.CancelCurrent());
  EXPECT_EQ(driver.DumpDocument(), before);
}

}  // namespace
