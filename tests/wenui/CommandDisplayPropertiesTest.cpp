#include <gtest/gtest.h>

#include "ZORDriver.h"
#include "ZORFaultGate.h"
#include "ZORIDimVisualization.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"

namespace {

class CommandDisplay : public ::testing::Test {
 protected:
  CommandDisplay() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    point = doc.CreatePoint(1, 2, 3, set.get());
    other = doc.CreatePoint(4, 5, 6, set.get());
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(other.get());
    driver.Start([&] { return command = new ZORTestFeatureCommand({.feature = point.get()}); });
    driver.DrainEvents();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, point, other;
  ZORTestFeatureCommand* command = nullptr;
};

TEST_F(CommandDisplay, APickChangeIsWrittenOnceAndAnnouncedWithThePath) {
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(point)), 0);
  ASSERT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(point)), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(point)), 1);
  EXPECT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(point)), S_OK);  // already in force: no event
  auto events = driver.DrainEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0],
            "ZORModifyVisProperties Point.1 path=Part.1/Geometrical Set.1/Point.1 flag=0 type=8 "
            "pick=0");
  EXPECT_EQ(command->ZORWENUIPick(ZORSpecObjectOf(point)), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(point)), 0);

  // A feature outside the tree changes but has no path to announce.
  ZORFeature_var loose = session.Document().CreatePoint(0, 0, 0);
  EXPECT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(loose)), E_FAIL);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(loose)), 1);
  EXPECT_EQ(command->ZORWENUINoPick(ZORISpecObject_var()), E_FAIL);
}

TEST_F(CommandDisplay, AShapeBodyFeatureThatModifiesItsInputKeepsItsPickOutsideTheShapeMode) {
  ZORDocument& doc = session.Document();
  ZORFeature_var shape = doc.CreateTool("ShapeBody");
  ZORFeature_var moved = doc.CreateFeature("WENTranslate", shape.get());
  ZORFeature_var made = doc.CreateFeature("WENLine", shape.get());
  EXPECT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(moved)), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(moved)), 0);
  EXPECT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(made)), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(made)), 1);
  session.Editor().SetCurrentFeature(made.get());  // the shape-feature mode
  EXPECT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(moved)), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(ZORSpecObjectOf(moved)), 1);
}

TEST_F(CommandDisplay, OpacityAndColourOutOfRangeChangeNothing) {
  int opacity = 0;
  EXPECT_EQ(command->ZORWENUIOpacity(ZORSpecObjectOf(point), 256), E_FAIL);
  EXPECT_EQ(command->ZORWENUIOpacity(ZORSpecObjectOf(point), -1), E_FAIL);
  EXPECT_EQ(command->ZORWENUIGetOpacity(ZORSpecObjectOf(point), opacity), S_OK);
  EXPECT_EQ(opacity, 255);
  ASSERT_EQ(command->ZORWENUIOpacity(ZORSpecObjectOf(point), 100), S_OK);
  command->ZORWENUIGetOpacity(ZORSpecObjectOf(point), opacity);
  EXPECT_EQ(opacity, 100);
  ASSERT_EQ(command->ZORWENUIResetProperties(ZORSpecObjectOf(point), ZORVPOpacity), S_OK);
  command->ZORWENUIGetOpacity(ZORSpecObjectOf(point), opacity);
  EXPECT_EQ(opacity, 255);
  auto events = driver.DrainEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_NE(events[0].find("flag=1 type=1 opacity=100"), std::string::npos) << events[0];
  EXPECT_NE(events[1].find("flag=1 type=1 opacity=255"), std::string::npos) << events[1];

  EXPECT_EQ(command->ZORWENUIColor(ZORSpecObjectOf(point), 300, 0, 0), E_FAIL);
  EXPECT_EQ(command->ZORWENUIColor(ZORSpecObjectOf(point), 0, -1, 0), E_FAIL);
  EXPECT_TRUE(driver.DrainEvents().empty());
  ASSERT_EQ(command->ZORWENUIColor(ZORSpecObjectOf(point), 10, 20, 30, ZORSpecObjectOf(set)), S_OK);
  int r = 0, g = 0, b = 0;
  ZORIPointGraphicProperties_var(ZORSpecObjectOf(point))->GetColor(r, g, b);
  EXPECT_EQ(r * 10000 + g * 100 + b, 102030);
  events = driver.DrainEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], "ZORModifyAttribut Point.1 attr=ZORBaseUnknown path=(unset)");
}

TEST_F(CommandDisplay, FeaturesWithoutTheirPropertiesAreRefused) {
  // A parameter has no visual properties, a multi-selection no colour.
  ZORFeature_var parameter = session.Document().CreateParameter("Length", "Longueur", 2.0);
  ZORFeature_var multiSel = session.Document().CreateFeature("WENMultiSel", set.get());
  int opacity = 7;
  EXPECT_EQ(command->ZORWENUIGetOpacity(ZORSpecObjectOf(parameter), opacity), E_FAIL);
  EXPECT_EQ(opacity, 255);
  EXPECT_EQ(command->ZORWENUIOpacity(ZORSpecObjectOf(parameter), 10), E_FAIL);
  EXPECT_EQ(command->ZORWENUIResetProperties(ZORSpecObjectOf(parameter), ZORVPPick), E_FAIL);
  EXPECT_EQ(command->ZORWENUINoPick(ZORSpecObjectOf(parameter)), E_FAIL);
  EXPECT_EQ(command->ZORWENUIColor(ZORSpecObjectOf(multiSel), 1, 2, 3), E_FAIL);
  EXPECT_TRUE(driver.DrainEvents().empty());
}

TEST_F(CommandDisplay, HighlightingGoesThroughTheHighlightedSetAndShowsRaisedErrors) {
  ASSERT_EQ(command->ZORWENUIHighlight(ZORSpecObjectOf(point)), S_OK);
  EXPECT_EQ(command->GetHSO()->GetSize(), 1);
  EXPECT_EQ(command->ZORWENUINoHighlight(ZORSpecObjectOf(point)), S_OK);
  EXPECT_EQ(command->GetHSO()->GetSize(), 0);
  ZORFeature_var loose = session.Document().CreatePoint(0, 0, 0);
  EXPECT_EQ(command->ZORWENUINoHighlight(ZORSpecObjectOf(loose)), E_FAIL);

  driver.DrainMessages();
  ZORFaultGate::Arm(1);  // the highlighted set's addition raises
  EXPECT_EQ(command->ZORWENUIHighlight(ZORSpecObjectOf(point)), E_FAIL);
  ZORFaultGate::Disarm();
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "ErrorPanel");
  EXPECT_EQ(command->GetHSO()->GetSize(), 0);
}

TEST_F(CommandDisplay, TheFirstDisplayOfAnInsertedResultIsACreationThenModifications) {
  ZORFeature_var result = session.Document().CreatePoint(7, 7, 7);
  ZORTestFeatureCommand* creation = nullptr;
  driver.Start([&] { return creation = new ZORTestFeatureCommand({.feature = result.get()}); });
  ASSERT_TRUE(driver.PressApply());  // the result is updated and placed
  EXPECT_EQ(creation->GetInsertionMark(), 2);
  driver.DrainEvents();
  creation->OnAct([](ZORTestFeatureCommand& c) {
    c.UpdateVisu3D(nullptr, ZORWENUIStateCommand::kVisuRefresh);
    c.UpdateVisu3D(nullptr, ZORWENUIStateCommand::kVisuRefresh);
    c.UpdateVisu3D(nullptr, ZORWENUIStateCommand::kVisuDelete);
  });
  ASSERT_TRUE(driver.Click("TestPanel/Act"));
  auto events = driver.DrainEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0], "ZORCreate Point.3 father=Geometrical Set.1 0");
  EXPECT_EQ(events[1], "ZORModify Point.3 attr=ZORBaseUnknown 1");
  EXPECT_EQ(events[2], "ZORDelete Point.3");
  EXPECT_EQ(creation->GetInsertionMark(), 1);

  // A feature made in another's context names that feature as its father.
  ZORFeature_var line = session.Document().CreateFeature("WENLine", set.get());
  ZORFeature_var contextual = session.Document().CreatePoint(0, 0, 0, line.get());
  command->UpdateVisu3D(ZORSpecObjectOf(contextual), ZORWENUIStateCommand::kVisuCreate);
  EXPECT_EQ(driver.DrainEvents().at(0), "ZORCreate Point.4 father=Line.1 0");
  // Mode 2 redraws only.
  const int redraws = result->GetRedrawCount();
  command->UpdateVisu3D(ZORSpecObjectOf(result), ZORWENUIStateCommand::kVisuCurrentFeature);
  EXPECT_EQ(result->GetRedrawCount(), redraws + 1);
  EXPECT_TRUE(driver.DrainEvents().empty());
}

TEST_F(CommandDisplay, DimensionsAndSketchesOfTheCommand) {
  ASSERT_EQ(command->UpdateDim(), S_OK);
  ZORListValZORUnicodeString shown;
  ZORIDimVisualization_var(ZORSpecObjectOf(point))->GetShownDimensions(shown);
  EXPECT_EQ(shown.Size(), 3);
  ASSERT_EQ(command->AppendDimensions(), S_OK);
  auto events = driver.DrainEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], "ZORMuiRemoveConstraint Point.1");
  EXPECT_EQ(events[1], "ZORMuiAppendConstraint Point.1");

  EXPECT_TRUE(command->GetSketchList()->IsEmpty());
  ZORFeature_var plane = session.Document().CreateFeature("WENPlane", set.get());
  ZORFeature_var sketch = session.Document().CreateFeature("Sketch", set.get());
  plane->SetInput("Point1", point.get());
  plane->SetInput("Point2", other.get());
  plane->SetInput("Point3", session.Document().CreatePoint(0, 9, 0, set.get()).get());
  sketch->SetInput("Support", plane.get());
  command->SetSketchList({ZORSpecObjectOf(sketch)});
  EXPECT_EQ(command->GetSketchList()->Size(), 1);
  // The sketches are brought up to date when the command resumes.
  driver.Start([] { return new ZORTestFeatureCommand({}); });
  driver.PressCancel();
  EXPECT_TRUE(sketch->IsUpToDate());
}

}  // namespace
