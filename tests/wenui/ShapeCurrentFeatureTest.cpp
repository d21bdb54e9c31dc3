#include <gtest/gtest.h>

#include <string>

#include "ZORDriver.h"
#include "ZORIShapeFeatureProperties.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"

namespace {

// A shape body holding two points, the first one current, and a command running on it.
class ShapeCurrentFeature : public ::testing::Test {
 protected:
  ShapeCurrentFeature() {
    shape = doc().CreateTool("ShapeBody");
    first = doc().CreatePoint(0, 0, 0, shape.get());
    last = doc().CreatePoint(1, 0, 0, shape.get());
    doc().UpdateAll();
    session.Editor().SetCurrentFeature(first.get());
    driver.Start([&] { return command = new ZORTestFeatureCommand({.feature = last.get()}); });
  }

  ZORDocument& doc() { return session.Document(); }
  std::string Current() {
    ZORFeature* current = ZORFeature::From(session.Editor().GetCurrentFeatureObject().get());
    return current ? current->GetDisplayNameText() : "none";
  }
  static ZORIShapeFeatureProperties_var Properties(const ZORFeature_var& feature) {
    return ZORIShapeFeatureProperties_var(ZORSpecObjectOf(feature));
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var shape, first, last;
  ZORTestFeatureCommand* command = nullptr;
};

TEST_F(ShapeCurrentFeature, OnlyShapeBodiesSayWhetherTheyAreCurrentThemselves) {
  ASSERT_TRUE(Properties(shape));
  EXPECT_FALSE(Properties(first));
  EXPECT_FALSE(Properties(ZORFeature_var(doc().CreateTool("GeometricalSet"))));
  EXPECT_EQ(Properties(shape)->IsCurrentItself(), 0);
  EXPECT_EQ(Properties(shape)->GetDesignatedFeature(), ZORSpecObjectOf(last));

  // The choice is the body's state: undo gives it back.
  const int mark = doc().SetMark();
  ASSERT_EQ(Properties(shape)->SetCurrentItself(1), S_OK);
  EXPECT_NE(doc().Dump().find(" current-itself"), std::string::npos);
  ASSERT_EQ(doc().UndoToMark(mark), S_OK);
  EXPECT_EQ(Properties(shape)->IsCurrentItself(), 0);

  // A body that holds nothing designates nothing and is current itself.
  ZORFeature_var empty = doc().CreateTool("ShapeBody");
  EXPECT_EQ(Properties(empty)->IsCurrentItself(), 1);
  EXPECT_FALSE(Properties(empty)->GetDesignatedFeature());
}

TEST_F(ShapeCurrentFeature,
       ABodyMakesCurrentTheFeatureItDesignatesOrItselfAndRestoreGivesTheFirstBack) {
  command->InitializeCurrentShapeFeature(ZORSpecObjectOf(shape));
  EXPECT_EQ(Current(), "Point.2");
  Properties(shape)->SetCurrentItself(1);
  command->InitializeCurrentShapeFeature(ZORSpecObjectOf(shape));
  EXPECT_EQ(Current(), "Shape Body.1");
  // The current feature is saved once: the first one comes back.
  EXPECT_EQ(command->GetSavedShapeCurrentFeature(), ZORSpecObjectOf(first));
  command->RestoreCurrentShapeFeature();
  EXPECT_EQ(Current(), "Point.1");
}

TEST_F(ShapeCurrentFeature, AFeatureThatIsNoBodyOnlySavesTheCurrentFeature) {
  command->InitializeCurrentShapeFeature(ZORSpecObjectOf(last));
  EXPECT_EQ(Current(), "Point.1");
  EXPECT_EQ(command->GetSavedShapeCurrentFeature(), ZORSpecObjectOf(first));
  session.Editor().SetCurrentFeature(last.get());
  command->RestoreCurrentShapeFeature();
  EXPECT_EQ(Current(), "Point.1");
}

TEST_F(ShapeCurrentFeature, OutsideTheShapeFeatureModeNothingIsSavedOrChanged) {
  ZORFeature_var set = doc().CreateTool("GeometricalSet");
  ZORFeature_var point = doc().CreatePoint(5, 0, 0, set.get());
  session.Editor().SetCurrentFeature(point.get());
  command->InitializeCurrentShapeFeature(ZORSpecObjectOf(shape));
  EXPECT_EQ(Current(), "Point.3");
  EXPECT_FALSE(command->GetSavedShapeCurrentFeature());
  // Nothing saved: restore leaves the current feature where it is.
  command->RestoreCurrentShapeFeature();
  EXPECT_EQ(Current(), "Point.3");
}

}  // namespace
