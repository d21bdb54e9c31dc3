#include <gtest/gtest.h>

#include "ExamplePointCommand.h"
#include "ZORDriver.h"

namespace {

class ExamplePoint : public ::testing::Test {
 protected:
  ExamplePoint() {
    ExamplePointCommand::Register();
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    point = doc.CreatePoint(5, 0, 0, set.get());
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(point.get());
    before = driver.DumpDocument();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, point;
  std::string before;
};

TEST_F(ExamplePoint, CreationOkInsertsTheMovedPointAfterTheCurrentFeature) {
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  EXPECT_EQ(driver.Find("PointPanel")->GetTitle(), "Point Definition");
  EXPECT_TRUE(driver.Click("PointPanel/MoveX"));
  EXPECT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  const std::string dump = driver.DumpDocument();
  EXPECT_NE(dump.find("    Point.2 [WENPoint] X=10 Y=0 Z=0 group-input => point(10,0,0)"),
            std::string::npos)
      << dump;
}

TEST_F(ExamplePoint, AUserErrorIsShownInTheErrorPanelAndTheCommandGoesOn) {
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  driver.DrainMessages();
  EXPECT_TRUE(driver.Click("PointPanel/Check"));
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "ErrorPanel");
  EXPECT_EQ(shown[0].text.str().rfind("Point.2 is at the origin\n", 0), 0u);
  EXPECT_TRUE(driver.PressOK("ErrorPanel"));
  EXPECT_EQ(driver.Find("ErrorPanel"), nullptr);
  EXPECT_NE(driver.CurrentCommand(), nullptr);
  // Moved away from the origin, the point passes.
  driver.Click("PointPanel/MoveX");
  driver.Click("PointPanel/Check");
  EXPECT_TRUE(driver.DrainMessages().empty());
}

TEST_F(ExamplePoint, AnEditionRunOverTheCreationIsCancelledAndTheCreationResumes) {
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  ZORStateCommand* creation = driver.CurrentCommand();
  ASSERT_EQ(driver.StartByName("ExamplePointEdition"), S_OK);
  EXPECT_FALSE(creation->IsActive());
  EXPECT_EQ(driver.Find("PointPanel")->GetTitle(), "Point Edition");
  driver.Click("PointPanel/MoveX");
  EXPECT_EQ(point->GetValue("X"), 15);
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(point->GetValue("X"), 5);
  EXPECT_EQ(driver.CurrentCommand(), creation);
  EXPECT_EQ(driver.Find("PointPanel")->GetTitle(), "Point Definition");
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), before);
}

TEST_F(ExamplePoint, GivingUpExplainsThenCancelsAndTheDocumentComesBack) {
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  driver.DrainMessages();
  EXPECT_TRUE(driver.Click("PointPanel/GiveUp"));
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].blocking);
  EXPECT_EQ(shown[0].title, "Point Definition");
  EXPECT_EQ(shown[0].text, "The point is abandoned\nPoint.2 will not be created.");
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_TRUE(driver.OpenPanels().empty());
  EXPECT_EQ(driver.DumpDocument(), before);
}

TEST_F(ExamplePoint, EditionNeedsAPointAsCurrentFeature) {
  session.Editor().SetCurrentFeature(set.get());
  EXPECT_EQ(driver.StartByName("ExamplePointEdition"), E_FAIL);
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(driver.DumpDocument(), before);
}

}  // namespace
