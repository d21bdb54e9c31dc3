#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORSurfacicUIRecordServices.h"
#include "ZORTestFeatureCommand.h"

namespace {

// A line from (7,1,0) to the origin, edited by a test command; lines warn when they start at
// the line's start point.
class FeatureWarnings : public ::testing::Test {
 protected:
  FeatureWarnings() {
    set = doc().CreateTool("GeometricalSet");
    origin = doc().CreatePoint(0, 0, 0, set.get());
    start = doc().CreatePoint(7, 1, 0, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", start.get());
    line->SetInput("End", origin.get());
    doc().UpdateAll();
    Lines().WarnFor({start.get()}, "Nearly along X");
  }
  ~FeatureWarnings() override { ZORFeatureTypeRegistry::Get().ClearAllFailures(); }

  ZORDocument& doc() { return session.Document(); }
  static ZORFeatureType& Lines() { return *ZORFeatureTypeRegistry::Get().Find("WENLine"); }
  // The boxes the user saw when the edition of the line, out of date, was applied at `level`.
  std::vector<ZORShownMessage> ApplyAtRecordLevel(int level) {
    ZORSurfacicUIRecordServices::SetStoredLevel("SurfacicRecordLevel", level);
    driver.Start([&] { return new ZORTestFeatureCommand({.feature = line.get(), .edit = true}); });
    line->MarkOutOfDate();
    driver.DrainMessages();
    EXPECT_TRUE(driver.PressApply("TestPanel"));
    std::vector<ZORShownMessage> shown = driver.DrainMessages();
    dumpAfterApply = driver.DumpDocument();
    driver.CancelCurrent();
    return shown;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, origin, start, line;
  std::string dumpAfterApply;
};

TEST_F(FeatureWarnings, AnUpdateShowsTheWarningsFromRecordLevelFourteenOnly) {
  EXPECT_TRUE(ApplyAtRecordLevel(13).empty());
  // The warning is on the feature all the same: only the box depends on the level.
  EXPECT_NE(dumpAfterApply.find("warning(\"Nearly along X\")"), std::string::npos);
  EXPECT_EQ(driver.Find("Warnings"), nullptr);

  const std::vector<ZORShownMessage> shown = ApplyAtRecordLevel(14);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, ZORString("Warnings"));
  EXPECT_EQ(shown[0].title, ZORUnicodeString("Line.1"));
  EXPECT_EQ(shown[0].text, ZORUnicodeString("Line.1: Nearly along X"));
  EXPECT_EQ(shown[0].style, ZORSurfacicUIStateCommand::kWarningsStyle);
  ASSERT_NE(driver.Find("Warnings"), nullptr);
  EXPECT_NE(driver.DescribePanels().find("ZORFrmNotify \"Warnings\" title=\"Line.1\""),
            std::string::npos);
  // The user closes the box.
  EXPECT_TRUE(driver.PressOK("Warnings"));
  EXPECT_EQ(driver.Find("Warnings"), nullptr);
}

TEST_F(FeatureWarnings, AFeatureWithoutWarningsOpensNoBoxAndEveryWarningGetsItsLine) {
  ZORFeatureTypeRegistry::Get().ClearAllFailures();
  EXPECT_TRUE(ApplyAtRecordLevel(14).empty());

  Lines().WarnFor({origin.get()}, "Ends at the origin");
  Lines().WarnFor({}, "Every line warns");
  const std::vector<ZORShownMessage> shown = ApplyAtRecordLevel(20);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text,
            ZORUnicodeString("Line.1: Ends at the origin\nLine.1: Every line warns"));
}

TEST_F(FeatureWarnings, AFailedUpdateDropsTheWarningsItHadAndShowsOnlyItsDiagnostic) {
  line->MarkOutOfDate();
  doc().UpdateAll();
  ASSERT_EQ(line->GetWarnings().size(), 1u);
  Lines().FailFor({start.get()}, "Refused");
  const std::vector<ZORShownMessage> shown = ApplyAtRecordLevel(14);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, ZORString("UpdateDiagnostic"));
  EXPECT_EQ(dumpAfterApply.find("warning("), std::string::npos);
}

}  // namespace
