#include <gtest/gtest.h>

#include <string>

#include "ExamplePointCommand.h"
#include "ExampleTranslateCommand.h"
#include "ZORCommandGlobalUndo.h"
#include "ZORConsistencyCheck.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"

namespace {

// Whole finished commands undone and redone as a user does, through the example commands.
class CommandUndoRedo : public ::testing::Test {
 protected:
  CommandUndoRedo() {
    ExampleTranslateCommand::Register();
    ExamplePointCommand::Register();
    set = doc().CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0}) points.push_back(doc().CreatePoint(x, 0, 0, set.get()));
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", doc().CreatePoint(0, 0, 0, set.get()).get());
    line->SetInput("End", doc().CreatePoint(0, 0, 1, set.get()).get());
    doc().UpdateAll();
    session.Editor().SetCurrentFeature(points[2].get());
    start = driver.DumpDocument();
  }

  ZORDocument& doc() { return session.Document(); }
  void Pick(const ZORFeature_var& feature) { ZORDriverPick::Pick(driver, feature.get()); }
  std::string Dump() const { return driver.DumpDocument(); }
  std::string Current() {
    ZORFeature* current = ZORFeature::From(session.Editor().GetCurrentFeatureObject().get());
    return current ? current->GetDisplayNameText() : "none";
  }
  // A translation of `point` by 5 along the line, OK'd.
  void Translate(const ZORFeature_var& point) {
    ASSERT_EQ(driver.StartByName("ExampleTranslateCommand"), S_OK);
    Pick(point);
    Pick(line);
    ASSERT_TRUE(driver.Type("TranslatePanel/Distance", "5"));
    ASSERT_TRUE(driver.PressOK());
    ASSERT_EQ(driver.CurrentCommand(), nullptr);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, line;
  std::vector<ZORFeature_var> points;
  std::string start;
};

TEST_F(CommandUndoRedo, UndoAndRedoOfACreationTakeTheResultAwayAndBringItBack) {
  Translate(points[0]);
  const std::string made = Dump();
  ASSERT_NE(made.find("Translate.1 [WENTranslate] Element=Point.1"), std::string::npos);

  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(Dump(), start);
  EXPECT_EQ(Current(), "Point.3");
  EXPECT_FALSE(driver.GlobalUndo());
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(Dump(), made);
  EXPECT_EQ(Current(), "Translate.1");
  EXPECT_FALSE(driver.GlobalRedo());
  // Back and forth, as often as the user likes.
  ASSERT_TRUE(driver.GlobalUndo());
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(Dump(), made);
  EXPECT_TRUE(ZORConsistencyCheck::Unattached(doc()).empty());
}

TEST_F(CommandUndoRedo, UndoAndRedoOfAnEditionGiveItsValuesBackAndForth) {
  Translate(points[0]);
  const std::string created = Dump();
  ASSERT_EQ(driver.StartByName("ExampleTranslateEdition"), S_OK);
  ASSERT_TRUE(driver.Click("TranslatePanel/Longer"));
  ASSERT_TRUE(driver.PressOK());
  const std::string edited = Dump();
  ASSERT_NE(edited.find("Distance=15"), std::string::npos);

  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(Dump(), created);
  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(Dump(), start);
  ASSERT_TRUE(driver.GlobalRedo());
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(Dump(), edited);
}

TEST_F(CommandUndoRedo, UndoAndRedoOfAMultiSelectionTakeEveryResult) {
  ASSERT_EQ(driver.StartByName("ExampleTranslateMultiSel"), S_OK);
  for (const auto& point : points) Pick(point);
  Pick(line);
  ASSERT_TRUE(driver.PressOK());
  ASSERT_EQ(driver.CurrentCommand(), nullptr);
  const std::string made = Dump();
  ASSERT_NE(made.find("Multi Selection.1"), std::string::npos);

  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(Dump(), start);
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(Dump(), made);
  EXPECT_TRUE(ZORConsistencyCheck::Unattached(doc()).empty());
}

TEST_F(CommandUndoRedo, ANewCommandClearsWhatCouldBeRedoneAndACancelledOneLeavesNoStep) {
  Translate(points[0]);
  ASSERT_TRUE(driver.GlobalUndo());
  // A cancelled command changes nothing: the undone creation can still be redone.
  ASSERT_EQ(driver.StartByName("ExampleTranslateCommand"), S_OK);
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(session.Editor().GetGlobalUndoHistory().GetCount(), 1);
  ASSERT_TRUE(driver.GlobalRedo());
  ASSERT_TRUE(driver.GlobalUndo());

  Translate(points[1]);
  EXPECT_FALSE(driver.GlobalRedo());
  EXPECT_NE(Dump().find("Element=Point.2"), std::string::npos);
  EXPECT_EQ(Dump().find("Element=Point.1 "), std::string::npos);
  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(Dump(), start);
}

TEST_F(CommandUndoRedo, AGlobalUndoCancelsTheRunningCommandFirst) {
  Translate(points[0]);
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  ASSERT_TRUE(driver.GlobalUndo());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(Dump(), start);
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(Dump().find("Unattached"), std::string::npos);
}

TEST_F(CommandUndoRedo, ACommandStartedOverACreationGivesTheDocumentBackAsItWas) {
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  ASSERT_TRUE(driver.Click("PointPanel/MoveX"));
  ASSERT_NE(Dump().find("Unattached"), std::string::npos);  // the point is made at OK only
  ASSERT_EQ(driver.StartByName("ExampleTranslateCommand", ZORGuiCommandStack::Mode::Exclusive),
            S_OK);
  EXPECT_EQ(Dump().find("Unattached"), std::string::npos);
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(Dump(), start);
  EXPECT_TRUE(ZORConsistencyCheck::Unattached(doc()).empty());
}

// A command leaving a record as the sketch commands do: undo gives the state back first, then
// runs the record, which sees the document as it was before the command.
TEST_F(CommandUndoRedo, TheRecordRunsAfterTheStateIsGivenBack) {
  static std::string seen;
  seen.clear();
  struct Recording : ZORStateCommand {
    explicit Recording(ZORDocument* document) : ZORStateCommand("Recording"), doc(document) {}
    ZORCommandGlobalUndo* GetGlobalUndo() override {
      const auto note = [](void* data) -> void* {
        seen += static_cast<ZORDocument*>(data)->FindByName("Point.6") ? "made " : "none ";
        return data;
      };
      return new ZORCommandGlobalUndo(note, note, doc, nullptr);
    }
    ZORDocument* doc;
  };
  auto* command = new Recording(&doc());
  driver.Start(command);
  doc().CreatePoint(4, 0, 0, set.get());
  ZORGuiCommandStack::Instance()->CompleteCommand(command);
  driver.EndTransaction();
  ASSERT_TRUE(driver.GlobalUndo());
  ASSERT_TRUE(driver.GlobalRedo());
  EXPECT_EQ(seen, "none made ");
}

}  // namespace
