#include <gtest/gtest.h>

#include <vector>

#include "ZORDriver.h"
#include "ZORGmoDatumServices.h"
#include "ZORIWENMultiSel.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"
#include "ZORWENMSManager.h"

namespace {

class InsertInCurrentContext : public ::testing::Test {
 protected:
  InsertInCurrentContext() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    first = doc.CreatePoint(0, 0, 0, set.get());
    last = doc.CreatePoint(1, 0, 0, set.get());
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(first.get());
  }

  ZORTestFeatureCommand* Start(ZORTestFeatureCommand::Options options) {
    ZORTestFeatureCommand* command = nullptr;
    driver.Start([&] { return command = new ZORTestFeatureCommand(options); });
    return command;
  }
  static std::string Children(const ZORFeature_var& father) {
    std::string names;
    for (const auto& child : father->GetChildren()) names += child->GetDisplayNameText() + " ";
    return names;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, first, last;
};

TEST_F(InsertInCurrentContext, OkPlacesANewResultAfterTheCurrentFeatureOfItsGeometricalSet) {
  ZORTestFeatureCommand* command = Start({});
  ZORFeature_var result = session.Document().CreatePoint(5, 5, 5);
  command->SetMyFeature(ZORSpecObjectOf(result));
  ZORGmoDatumServices::SetDatum(ZORSpecObjectOf(result), 1);
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(Children(set), "Point.1 Point.3 Point.2 ");
  EXPECT_EQ(session.Editor().GetCurrentFeatureObject().get(), ZORBaseUnknown_var(result).get());
  EXPECT_TRUE(result->IsGroupInput());
  EXPECT_EQ(ZORGmoDatumServices::IsDatum(ZORSpecObjectOf(result)), 0);  // made a plain result
}

TEST_F(InsertInCurrentContext, AResultAlreadyInPlaceIsLeftAndTheMarkKept) {
  ZORTestFeatureCommand* command = Start({});
  EXPECT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(last), nullptr, 0), S_OK);
  EXPECT_EQ(command->GetInsertionMark(), 0);
  EXPECT_EQ(Children(set), "Point.1 Point.2 ");
  EXPECT_EQ(command->InsertInCurrentContext(nullptr, nullptr, 0), E_FAIL);  // no feature at all
  // With keepDatum a datum result stays one.
  ZORFeature_var kept = session.Document().CreatePoint(3, 3, 3);
  ZORGmoDatumServices::SetDatum(ZORSpecObjectOf(kept), 1);
  EXPECT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(kept), nullptr, 1), S_OK);
  EXPECT_EQ(ZORGmoDatumServices::IsDatum(ZORSpecObjectOf(kept)), 1);
  EXPECT_EQ(command->GetInsertionMark(), 2);
}

TEST_F(InsertInCurrentContext, EveryResultOfAMultiSelectionBecomesAPlainResult) {
  ZORTestFeatureCommand* command = Start({});
  ZORFeature_var multiSel = session.Document().CreateFeature("WENMultiSel");
  std::vector<ZORFeature_var> results;
  for (int i = 0; i < 3; ++i) {
    results.push_back(session.Document().CreatePoint(i, 9, 0, multiSel.get()));
    ZORGmoDatumServices::SetDatum(ZORSpecObjectOf(results.back()), 1);
  }
  ASSERT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(multiSel), nullptr, 0), S_OK);
  EXPECT_EQ(multiSel->GetFatherFeature(), set.get());
  for (const auto& result : results) {
    EXPECT_EQ(ZORGmoDatumServices::IsDatum(ZORSpecObjectOf(result)), 0)
        << result->GetDisplayNameText();
  }
}

TEST_F(InsertInCurrentContext, FromASolidBodyTheResultGoesIntoANewGeometricalSet) {
  ZORFeature_var body = session.Document().CreateTool("Body");
  ZORFeature_var inBody = session.Document().CreatePoint(0, 0, 9, body.get());
  session.Editor().SetCurrentFeature(inBody.get());
  ZORTestFeatureCommand* command = Start({});
  ZORFeature_var result = session.Document().CreatePoint(5, 5, 5);
  ASSERT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(result), nullptr, 0), S_OK);
  ZORFeature* father = result->GetFatherFeature();
  ASSERT_NE(father, nullptr);
  EXPECT_EQ(father->GetDisplayNameText(), "Geometrical Set.2");
  EXPECT_EQ(Children(body), "Point.3 ");
}

TEST_F(InsertInCurrentContext, InTheShapeFeatureModeTheResultJoinsTheShapeBody) {
  ZORFeature_var shape = session.Document().CreateTool("ShapeBody");
  ZORFeature_var inShape = session.Document().CreatePoint(0, 0, 9, shape.get());
  ZORFeature_var next = session.Document().CreatePoint(0, 0, 8, shape.get());
  session.Editor().SetCurrentFeature(inShape.get());
  ZORTestFeatureCommand* command = Start({});
  ZORFeature_var result = session.Document().CreatePoint(5, 5, 5);
  ZORGmoDatumServices::SetDatum(ZORSpecObjectOf(result), 1);
  ASSERT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(result), nullptr, 0), S_OK);
  EXPECT_EQ(Children(shape), "Point.3 Point.5 Point.4 ");
  EXPECT_EQ(command->GetInsertionMark(), 1);
  EXPECT_FALSE(result->IsGroupInput());
  EXPECT_EQ(ZORGmoDatumServices::IsDatum(ZORSpecObjectOf(result)),
            1);  // only the TAV mode clears it
}

TEST_F(InsertInCurrentContext, AFeatureWithoutWireframeViewUsesThePartViewAndTheSavedCurrent) {
  ZORWENUIStateCmdInfo info;
  info.SetCreationOutsideTAVMode(1);
  ZORTestFeatureCommand* command = Start({.info = &info});
  ZORFeature_var sketch = session.Document().CreateFeature("Sketch");
  ASSERT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(sketch), nullptr, 0), S_OK);
  EXPECT_EQ(Children(set), "Point.1 Sketch.1 Point.2 ");
  EXPECT_EQ(session.Editor().GetCurrentFeatureObject().get(), ZORBaseUnknown_var(sketch).get());
  // The current feature saved before the insertion comes back at cancel.
  driver.PressCancel();
  EXPECT_EQ(session.Editor().GetCurrentFeatureObject().get(), ZORBaseUnknown_var(first).get());
}

TEST_F(InsertInCurrentContext, AResultLeftWithoutFatherIsAFailure) {
  ZORTestFeatureCommand* command = Start({});
  // No place for a sketch without a current feature.
  session.Editor().SetCurrentFeature(nullptr);
  ZORFeature_var sketch = session.Document().CreateFeature("Sketch");
  EXPECT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(sketch), nullptr, 0), E_FAIL);
  // A target that holds no children.
  ZORFeature_var parameter = session.Document().CreateParameter("L", "Longueur", 1.0);
  ZORFeature_var point = session.Document().CreatePoint(5, 5, 5);
  EXPECT_EQ(command->InsertInCurrentContext(ZORSpecObjectOf(point), ZORSpecObjectOf(parameter), 0),
            E_FAIL);
  EXPECT_EQ(point->GetFatherFeature(), nullptr);
  EXPECT_EQ(command->GetInsertionMark(), 0);
  EXPECT_EQ(session.Document().GetTools().size(), 1u);  // no set made for nothing
}

TEST_F(InsertInCurrentContext, AnInputForAWaitingCommandGoesBeforeThatCommandsObject) {
  ZORFeature_var shape = session.Document().CreateTool("ShapeBody");
  ZORFeature_var before = session.Document().CreatePoint(0, 0, 7, shape.get());
  ZORFeature_var edited = session.Document().CreatePoint(0, 0, 9, shape.get());
  Start({.feature = edited.get(), .edit = true});
  ZORTestFeatureCommand* input = Start({.startMode = ZORSurfacicUIStateCommand::kStartForInput});
  ZORFeature_var made = session.Document().CreatePoint(5, 5, 5);
  ASSERT_EQ(input->InsertInCurrentContext(ZORSpecObjectOf(made), ZORSpecObjectOf(shape), 0), S_OK);
  EXPECT_EQ(Children(shape), "Point.3 Point.5 Point.4 ");
  EXPECT_FALSE(made->IsGroupInput());  // an input made for another command stays its own
}

TEST_F(InsertInCurrentContext, ANewMultiSelectionIsPlacedEmptyAndAFailedOneLeavesNoManager) {
  ZORTestFeatureCommand* command = Start({});
  ZORFeature_var matrix = session.Document().CreateFeature("WENLine");
  ZORWENMSManager* manager = nullptr;
  ASSERT_EQ(command->initMultiSelMode(manager, ZORSpecObjectOf(matrix), nullptr), S_OK);
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(command->GetManager(), manager);
  ZORISpecObject_var multiSel = manager->GetMultiSel();
  ASSERT_TRUE(ZORIWENMultiSel_var(multiSel));
  EXPECT_EQ(multiSel->GetFather().get(), ZORSpecObjectOf(set).get());
  EXPECT_EQ(ZORIDescendants_var(multiSel)->GetNumberOfChildren(), 0);

  // A multi-selection cannot serve as its own matrix: the manager has no multi-selection.
  ZORWENMSManager* refused = manager;
  EXPECT_EQ(command->initMultiSelMode(refused, multiSel, nullptr), E_FAIL);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(command->GetManager(), manager);  // the working manager stays
}

}  // namespace
