#include <gtest/gtest.h>

#include <string>

#include "MidpointCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHostSession.h"

namespace {

class Midpoint : public ::testing::Test {
 protected:
  Midpoint() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    a = doc.CreatePoint(0, 0, 0, set.get());
    b = doc.CreatePoint(10, 4, 2, set.get());
    line = doc.CreateFeature("WENLine", set.get());
    line->SetInput("Start", a.get());
    line->SetInput("End", b.get());
    doc.UpdateAll();
  }
  bool Has(const std::string& text) const {
    return driver.DumpDocument().find(text) != std::string::npos;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, a, b, line;
};

}  // namespace

TEST_F(Midpoint, TwoPickedPointsPlaceTheNewPointHalfWay) {
  ASSERT_EQ(driver.StartByName("MidpointCommand"), S_OK);
  EXPECT_TRUE(ZORDriverPick::Pick(driver, a.get()));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, b.get()));
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_TRUE(Has("[WENPoint] X=5 Y=2 Z=1 group-input => point(5,2,1)")) << driver.DumpDocument();
}

TEST_F(Midpoint, ALineIsNotAnEndAndCancelLeavesNothing) {
  const std::string before = driver.DumpDocument();
  ASSERT_EQ(driver.StartByName("MidpointCommand"), S_OK);
  auto* command = dynamic_cast<MidpointCommand*>(driver.CurrentCommand());
  ASSERT_NE(command, nullptr);
  ZORDriverPick::Pick(driver, line.get());
  EXPECT_EQ(command->GetNumberOfEnds(), 0);
  EXPECT_TRUE(ZORDriverPick::Pick(driver, a.get()));
  EXPECT_EQ(command->GetNumberOfEnds(), 1);
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), before);
}
