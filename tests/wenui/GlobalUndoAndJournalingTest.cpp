#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORCommandGlobalUndo.h"
#include "ZORDlgUndoRegistrationExt.h"
#include "ZORDriver.h"
#include "ZORGuiConvertOldContextualFeat.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"
#include "ZORWenJournaling.h"

namespace {

using Options = ZORTestFeatureCommand::Options;

class GlobalUndoAndJournaling : public ::testing::Test {
 protected:
  GlobalUndoAndJournaling() {
    set = doc().CreateTool("GeometricalSet");
    ZORFeature_var a = doc().CreatePoint(0, 0, 0, set.get());
    ZORFeature_var b = doc().CreatePoint(1, 0, 0, set.get());
    ZORFeature_var c = doc().CreatePoint(0, 1, 0, set.get());
    plane = doc().CreateFeature("WENPlane", set.get());
    plane->SetInput("Point1", a.get());
    plane->SetInput("Point2", b.get());
    plane->SetInput("Point3", c.get());
    sketch1 = NewSketch();
    sketch2 = NewSketch();
    // Inputs in role order: a sketch, the plane, another sketch. A healing takes any elements
    // (an assembly would refuse the sketches and the plane, which are not curves).
    assemble = doc().CreateFeature("WENHealing", set.get());
    assemble->SetInput("Element1", sketch1.get());
    assemble->SetInput("Element2", plane.get());
    assemble->SetInput("Element3", sketch2.get());
    doc().UpdateAll();
    driver.DrainEvents();
  }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature_var NewSketch() {
    ZORFeature_var sketch = doc().CreateFeature("Sketch", set.get());
    sketch->SetInput("Support", plane.get());
    return sketch;
  }
  ZORTestFeatureCommand* Start(Options options) {
    ZORTestFeatureCommand* command = nullptr;
    driver.Start([&] { return command = new ZORTestFeatureCommand(options); });
    return command;
  }
  ZORTestFeatureCommand* Edit(ZORFeature* feature) {
    return Start({.feature = feature, .edit = true});
  }
  void Hide(ZORFeature* feature) {
    ZORVisPropertiesValues hidden;
    hidden.SetShow(ZORNoShowAttr);
    ZORIVisProperties_var(ZORSpecObjectOf(feature))->SetPropertiesAtt(hidden, ZORVPShow);
  }
  ZORGlobalUndoHistory& History() { return session.Editor().GetGlobalUndoHistory(); }
  static std::vector<std::string> ShowEvents(const std::vector<std::string>& events) {
    std::vector<std::string> shows;
    for (const std::string& e : events) {
      if (e.rfind("ZORModifyShowAttribut", 0) == 0) shows.push_back(e);
    }
    return shows;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, plane, sketch1, sketch2, assemble;
};

TEST_F(GlobalUndoAndJournaling, TheRecordHoldsTheSketchInputsInInputOrder) {
  ZORTestFeatureCommand* command = Edit(assemble.get());
  std::unique_ptr<ZORCommandGlobalUndo> record(command->GetGlobalUndo());
  ASSERT_NE(record, nullptr);
  const auto* sketches = static_cast<const ZORListValZORISpecObject_var*>(record->GetData());
  ASSERT_EQ(sketches->Size(), 2);
  EXPECT_EQ((*sketches)[1], ZORSpecObjectOf(sketch1));
  EXPECT_EQ((*sketches)[2], ZORSpecObjectOf(sketch2));
}

TEST_F(GlobalUndoAndJournaling, GlobalUndoAndRedoOfAFinishedCommandRedrawTheSketchesAsTheyStand) {
  Edit(assemble.get());
  Hide(sketch2.get());  // the command hides a sketch
  ASSERT_TRUE(driver.PressOK("TestPanel"));
  ASSERT_EQ(driver.CurrentCommand(), nullptr);
  ASSERT_EQ(History().GetCount(), 1);
  driver.DrainEvents();

  // The document's state comes back first; the record then redraws the sketches as they stand.
  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(ShowEvents(driver.DrainEvents()),
            (std::vector<std::string>{"ZORModifyShowAttribut Sketch.1 show=0 0 0",
                                      "ZORModifyShowAttribut Sketch.2 show=0 0 0"}));
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(ShowEvents(driver.DrainEvents()),
            (std::vector<std::string>{"ZORModifyShowAttribut Sketch.1 show=0 0 0",
                                      "ZORModifyShowAttribut Sketch.2 show=1 0 0"}));
  EXPECT_FALSE(driver.GlobalRedo());
}

TEST_F(GlobalUndoAndJournaling, NoSketchAmongTheInputsGivesNoRecord) {
  ZORFeature_var planeOnly = doc().CreateFeature("WENHealing", set.get());
  planeOnly->SetInput("Element1", plane.get());
  ZORTestFeatureCommand* command = Edit(planeOnly.get());
  EXPECT_EQ(command->GetGlobalUndo(), nullptr);
  ASSERT_TRUE(driver.PressOK("TestPanel"));
  // The command's step holds the document's states only.
  ASSERT_EQ(History().GetCount(), 1);
  EXPECT_EQ(History().GetRecord(0), nullptr);

  ZORTestFeatureCommand* withoutFeature = Start({});
  EXPECT_EQ(withoutFeature->GetGlobalUndo(), nullptr);
}

TEST_F(GlobalUndoAndJournaling, ACancelledCommandLeavesNoRecord) {
  Edit(assemble.get());
  ASSERT_TRUE(driver.PressCancel("TestPanel"));
  EXPECT_EQ(History().GetCount(), 0);
}

TEST_F(GlobalUndoAndJournaling, TheUndoCallbacksToleratesNoDataAndAnEmptyList) {
  EXPECT_EQ(ZORWENUIStateCommand::GlobalUndo(nullptr), nullptr);
  auto* empty = new ZORListValZORISpecObject_var();
  EXPECT_EQ(ZORWENUIStateCommand::GlobalRedo(empty), empty);
  ZORWENUIStateCommand::CleanGlobalUndoData(empty);
  EXPECT_TRUE(driver.DrainEvents().empty());
}

TEST_F(GlobalUndoAndJournaling, RegisterUndoTellsThePanelAndFailsWithoutOne) {
  ZORTestFeatureCommand* command = Edit(assemble.get());
  EXPECT_EQ(command->RegisterUndo(), S_OK);
  ZORDialogAgentExt_var extension(static_cast<ZORBaseUnknown*>(command->GiveMyPanel()));
  auto* registration = dynamic_cast<ZORDlgUndoRegistrationExt*>(extension.get());
  ASSERT_NE(registration, nullptr);
  EXPECT_EQ(registration->GetCalls(), (std::vector<std::string>{"SetUndoRegistrationMode(0,32)",
                                                                "StartUndoRegistration(0)"}));

  ZORVar<ZORGuiConvertOldContextualFeat> panelless =
      ZORMake<ZORGuiConvertOldContextualFeat>(ZORString("Convert"));
  EXPECT_EQ(panelless->RegisterUndo(), E_FAIL);
  EXPECT_EQ(panelless->CreationJournal(ZORSpecObjectOf(assemble), nullptr), E_FAIL);
}

TEST_F(GlobalUndoAndJournaling, JournalingWithAReferenceLogsItAndTakesItOutOfTheModel) {
  ZORFeature_var reference = doc().CreatePoint(5, 5, 5, set.get());
  ZORTestFeatureCommand* command = Edit(assemble.get());
  command->SetJournalingReferenceFeature(ZORSpecObjectOf(reference));
  command->OnAct([](ZORTestFeatureCommand& c) { EXPECT_EQ(c.CreateJournaling(), S_OK); });
  ASSERT_TRUE(driver.Click("TestPanel/Act"));

  EXPECT_EQ(ZORWenJournaling::Lines(),
            (std::vector<std::string>{"Creation Healing.1 from Point.4"}));
  EXPECT_FALSE(reference->GetFather());
  EXPECT_EQ(driver.DumpDocument().find("Point.4"), std::string::npos) << driver.DumpDocument();
  EXPECT_FALSE(command->GetJournalingReferenceFeature());

  // The reference is consumed: the next journaling has none.
  ASSERT_TRUE(driver.Click("TestPanel/Act"));
  EXPECT_EQ(ZORWenJournaling::Lines().back(), "Creation Healing.1 from none");
}

TEST_F(GlobalUndoAndJournaling, JournalingWithoutReferenceRemovesNothingAndGivesTheJournalResult) {
  ZORTestFeatureCommand* command =
      Start({.feature = assemble.get(),
             .edit = true,
             .journal = [](const ZORISpecObject_var& result, const ZORISpecObject_var& reference) {
               return result && !reference ? E_INVALIDARG : S_OK;
             }});
  const std::string before = driver.DumpDocument();
  EXPECT_EQ(command->CreateJournaling(), E_INVALIDARG);
  EXPECT_EQ(driver.DumpDocument(), before);
}

}  // namespace
