#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDlgMultiList.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORHostSession.h"
#include "ZORTestResources.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIUpdateErrorMS.h"

namespace {

using Cells = std::vector<std::string>;

// The update-error command started on features that failed to update, driven through its panel
// as a user does.
class UpdateErrorMS : public ::testing::Test {
 protected:
  UpdateErrorMS() {
    resources.Write("ZORGuiInternalError", "WENUIINTERNAL_ERR_900.Request = One line only\n");
    resources.Write("ZORGuiInputError", "WENUIINPUT_ERR_400.Request = {1} is taken\n");
    set = doc().CreateTool("GeometricalSet");
  }
  ~UpdateErrorMS() override {
    if (manager) manager->Release();
  }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature_var Point(double x, double y = 0, double z = 0) {
    return doc().CreatePoint(x, y, z, set.get());
  }
  ZORFeature_var Plane(ZORFeature* a, ZORFeature* b, ZORFeature* c) {
    ZORFeature_var plane = doc().CreateFeature("WENPlane", set.get());
    plane->SetInput("Point1", a);
    plane->SetInput("Point2", b);
    plane->SetInput("Point3", c);
    return plane;
  }
  ZORFeature_var Make(const char* type, ZORFeature* input1, ZORFeature* input2) {
    ZORFeature_var f = doc().CreateFeature(type, set.get());
    const auto& roles = f->GetFeatureType().GetInputRoles();
    if (input1) f->SetInput(roles[0], input1);
    if (input2) f->SetInput(roles[1], input2);
    return f;
  }
  static ZORFeatureType& Type(const char* name) {
    return *ZORFeatureTypeRegistry::Get().Find(name);
  }
  static ZORListValZORISpecObject_var List(std::initializer_list<ZORFeature*> features) {
    ZORListValZORISpecObject_var list;
    for (ZORFeature* f : features) list.Append(ZORISpecObject_var(f));
    return list;
  }

  // A manager around `matrix`, its multi-selection feature in the geometrical set.
  void NewManager(const ZORFeature_var& matrix) {
    manager = new ZORWENMSManager(ZORISpecObject_var(matrix.get()), nullptr);
    ZORIDescendants_var(set.get())->AddChild(manager->GetMultiSel());
  }
  // The declared inputs become real features.
  void Validate() {
    manager->ValidateResults();
    manager->FinalizeMultisel(false, false);
  }

  // Lines from `starts` to one end point, made by a multi-selection, all failing to update.
  ZORListValZORISpecObject_var MultiSelLinesInError(const std::vector<ZORFeature*>& starts) {
    end = Point(100);
    NewManager(Make("WENLine", nullptr, end.get()));
    for (ZORFeature* start : starts) manager->Declare(ZORISpecObject_var(start), 1, false);
    Validate();
    Type("WENLine").FailFor({end.get()}, "End refused");
    doc().UpdateAll();
    ZORListValZORISpecObject_var results;
    manager->GetRealFeaturesList(results);
    return results;
  }

  ZORWENUIUpdateErrorMS* Start(const ZORListValZORISpecObject_var& features) {
    auto* command = new ZORWENUIUpdateErrorMS("UpdateErrorMS", features, 1, manager);
    return SUCCEEDED(driver.Start(command)) ? command : nullptr;
  }
  ZORDlgMultiList* Rows() const {
    return dynamic_cast<ZORDlgMultiList*>(driver.Find("UpdateErrorPanel/ListOfFeatures"));
  }
  Cells Row(int row) const {
    Cells cells;
    for (int column = 0; column < Rows()->GetColumnCount(); ++column) {
      cells.push_back(Rows()->GetColumnItem(column, row).str());
    }
    return cells;
  }
  bool Click(const std::string& button) { return driver.Click("UpdateErrorPanel/" + button); }
  std::string State(ZORWENUIUpdateErrorMS* command) const {
    ZORDialogState* state = command->GetCurrentState();
    return state ? state->GetName().str() : "";
  }
  bool Pick(ZORFeature* feature) { return ZORDriverPick::Pick(driver, feature); }
  // The first lines of the message panels shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> lines;
    for (const ZORShownMessage& m : driver.DrainMessages()) {
      lines.push_back(m.text.str().substr(0, m.text.str().find('\n')));
    }
    return lines;
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set;
  ZORFeature_var end;
  ZORWENMSManager* manager = nullptr;
};

TEST_F(UpdateErrorMS, RowsShowNamesAlignedParentsAndOneLineDiagnoses) {
  ZORFeature_var p1 = Point(0), p2 = Point(1);
  ZORFeature_var noStart = Make("WENLine", nullptr, p2.get());
  ZORFeature_var line = Make("WENLine", p2.get(), p1.get());
  Type("WENLine").FailFor({p1.get()}, "Too short\nTry again");
  doc().UpdateAll();
  ZORWENUIUpdateErrorMS* command = Start(List({noStart.get(), line.get()}));
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->GetBehavior(), ZORWENUIUpdateErrorMS::kBehavior);
  ASSERT_NE(Rows(), nullptr);
  ASSERT_EQ(Rows()->GetLineCount(), 2);
  // A missing input leaves its cell empty; the next row still shows its own parent.
  EXPECT_EQ(Row(0), (Cells{"Line.1", "", "Input Start is missing"}));
  EXPECT_EQ(Row(1), (Cells{"Line.2", "Point.2", "Too short Try again"}));
  EXPECT_EQ(State(command), "state1");
}

TEST_F(UpdateErrorMS, DeletingAndDeactivatingWithoutManagerActOnTheFeatures) {
  ZORFeature_var p = Point(0);
  ZORFeature_var a = Make("WENLine", p.get(), p.get()), b = Make("WENLine", p.get(), p.get()),
                 c = Make("WENLine", p.get(), p.get());
  doc().UpdateAll();
  ZORWENUIUpdateErrorMS* command = Start(List({a.get(), b.get(), c.get()}));
  ASSERT_NE(command, nullptr);
  EXPECT_FALSE(Click("DeleteButton"));  // nothing selected: the button cannot be pressed
  command->DeleteFeatures(nullptr);     // and the action alone changes nothing
  EXPECT_EQ(Rows()->GetLineCount(), 3);

  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  ASSERT_TRUE(Click("DeleteButton"));
  EXPECT_FALSE(b->IsInDocument());
  EXPECT_EQ(Row(1)[0], "Line.3");
  EXPECT_EQ(command->GetFeaturesInError().Size(), 2);

  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(Click("DeactivateButton"));
  EXPECT_TRUE(ZORIMechanicalProperties_var(a.get())->IsInactive());
  EXPECT_TRUE(a->IsInDocument());
  EXPECT_EQ(Rows()->GetLineCount(), 1);

  ASSERT_TRUE(Click("DeactivateAllButton"));
  EXPECT_TRUE(ZORIMechanicalProperties_var(c.get())->IsInactive());
  EXPECT_EQ(Rows()->GetLineCount(), 0);
  EXPECT_EQ(driver.Find("UpdateErrorPanel/DeleteAllButton")->GetSensitivity(),
            ZORDialog::kInsensitive);
  EXPECT_EQ(State(command), "state1");
  EXPECT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
}

TEST_F(UpdateErrorMS, ReplacingAParentByPickingSetsTheInputAndDropsTheRow) {
  ZORFeature_var p = Point(0), q = Point(5);
  ZORFeature_var a = Make("WENLine", p.get(), p.get()), b = Make("WENLine", p.get(), p.get());
  doc().UpdateAll();
  ZORWENUIUpdateErrorMS* command = Start(List({a.get(), b.get()}));
  ASSERT_NE(command, nullptr);

  // Two rows selected: an internal error, and the command stays where it was.
  ASSERT_TRUE(driver.SelectLines("UpdateErrorPanel/ListOfFeatures", {0, 1}));
  ASSERT_TRUE(Click("ReplaceParentButton"));
  EXPECT_EQ(State(command), "state1");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"One line only"}));
  EXPECT_FALSE(Pick(q.get()));  // no pick is awaited

  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  ASSERT_TRUE(Click("ReplaceParentButton"));
  EXPECT_EQ(State(command), "state2");
  ASSERT_TRUE(Pick(q.get()));
  EXPECT_EQ(b->GetInput("Start"), q.get());
  EXPECT_EQ(State(command), "state1");
  ASSERT_EQ(Rows()->GetLineCount(), 1);
  EXPECT_EQ(Row(0)[0], "Line.1");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UpdateErrorMS, AFeatureWithoutInputsToReplaceKeepsItsRowWhateverIsPicked) {
  ZORFeature_var p = Point(0), q = Point(5);
  ZORFeature_var a = Make("WENLine", p.get(), p.get());
  doc().UpdateAll();
  ZORWENUIUpdateErrorMS* command = Start(List({p.get(), a.get()}));
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(Click("ReplaceParentButton"));
  ASSERT_TRUE(Pick(q.get()));
  EXPECT_EQ(State(command), "state1");
  ASSERT_EQ(Rows()->GetLineCount(), 2);
  EXPECT_EQ(Row(0)[0], "Point.1");
  EXPECT_EQ(a->GetInput("Start"), p.get());
}

TEST_F(UpdateErrorMS, IntersectionsShowTwoParentsAndReplaceTheSecond) {
  ZORFeature_var o = Point(0), x = Point(1), y = Point(0, 1), z = Point(0, 0, 1);
  ZORFeature_var line = Make("WENLine", o.get(), x.get());
  ZORFeature_var parallel = Plane(o.get(), x.get(), y.get());
  ZORFeature_var across = Plane(o.get(), y.get(), z.get());
  ZORFeature_var cross = Make("WENIntersect", line.get(), parallel.get());
  doc().UpdateAll();
  ASSERT_TRUE(cross->IsInError());

  ZORWENUIUpdateErrorMS* command = Start(List({cross.get()}));
  ASSERT_NE(command, nullptr);
  EXPECT_TRUE(command->GiveMyPanel()->IsTwoParentForm());
  EXPECT_EQ(Row(0), (Cells{"Intersect.1", "Line.1", "Plane.1",
                           "The line is parallel to the plane No intersection can be computed"}));
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(Click("ReplaceParentButton2"));
  EXPECT_EQ(State(command), "state3");
  ASSERT_TRUE(Click("ReplaceParentButton1"));  // changing one's mind
  EXPECT_EQ(State(command), "state2");
  ASSERT_TRUE(Click("ReplaceParentButton2"));
  ASSERT_TRUE(Pick(across.get()));
  EXPECT_EQ(cross->GetInput("Element2"), across.get());
  EXPECT_EQ(Rows()->GetLineCount(), 0);
  doc().UpdateAll();
  EXPECT_FALSE(cross->IsInError());
}

// Runs `start` until the `nth` call of `service` fails in it (a fault armed on each call in turn,
// `cleanUp` after each miss); answers whether it got there.
template <class Start, class CleanUp>
bool FailNthCall(const char* service, int nth, Start start, CleanUp cleanUp) {
  for (long k = 1;; ++k) {
    ZORFaultGate::Arm(k);
    start();
    const bool fired = ZORFaultGate::Fired();
    const bool hit = fired && std::string(ZORFaultGate::FiredService()) == service;
    ZORFaultGate::Disarm();
    if (hit && --nth == 0) return true;
    if (!fired) return false;
    cleanUp();
  }
}

TEST_F(UpdateErrorMS, FailingInputQueriesGiveAnEmptyPanelOrTheRowsGatheredSoFar) {
  ZORFeature_var p = Point(0);
  ZORFeature_var a = Make("WENLine", p.get(), p.get()), b = Make("WENLine", p.get(), p.get());
  doc().UpdateAll();
  ZORWENUIUpdateErrorMS* command = nullptr;
  auto cancel = [&] { driver.CancelCurrent(); };
  auto start = [&] { command = Start(List({a.get(), b.get()})); };
  ASSERT_TRUE(FailNthCall("ZORIWENMultiSelAccess::GetMultiSelInput", 1, start, cancel));
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(Rows()->GetLineCount(), 0);
  EXPECT_EQ(command->GetCurrentState(), nullptr);
  EXPECT_FALSE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  EXPECT_FALSE(Click("DeleteAllButton"));
  EXPECT_TRUE(a->IsInDocument());
  EXPECT_TRUE(driver.PressOK());  // a command without states still ends
  EXPECT_EQ(driver.CurrentCommand(), nullptr);

  // Two-parent form: the second feature's list-2 query fails (the fourth query).
  ZORFeature_var q = Point(1);
  ZORFeature_var line = Make("WENLine", p.get(), q.get());
  ZORFeature_var plane = doc().CreateFeature("WENPlane", set.get());
  ZORFeature_var c1 = Make("WENIntersect", line.get(), plane.get()),
                 c2 = Make("WENIntersect", line.get(), plane.get());
  doc().UpdateAll();
  auto startTwo = [&] { command = Start(List({c1.get(), c2.get()})); };
  ASSERT_TRUE(FailNthCall("ZORIWENMultiSelAccess::GetMultiSelInput", 4, startTwo, cancel));
  ASSERT_EQ(Rows()->GetLineCount(), 2);
  EXPECT_EQ(Row(0),
            (Cells{"Intersect.1", "Line.3", "Plane.1", "Input Element2 (Plane.1) is in error"}));
  EXPECT_EQ(Row(1), (Cells{"Intersect.2", "Line.3", "", ""}));
  EXPECT_EQ(State(command), "state1");
}

TEST_F(UpdateErrorMS, CancelLetsThePanelAndTheAgentsGo) {
  ZORFeature_var p = Point(0);
  ZORFeature_var a = Make("WENLine", p.get(), p.get());
  doc().UpdateAll();
  ASSERT_NE(Start(List({a.get()})), nullptr);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(Click("ReplaceParentButton"));
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(driver.Find("UpdateErrorPanel"), nullptr);
  EXPECT_EQ(a->GetInput("Start"), p.get());
}

// --- with the multi-selection manager of the command that made the features ---

TEST_F(UpdateErrorMS, DeletingWithAManagerWithdrawsTheInputAndSoTheResult) {
  ZORFeature_var p1 = Point(1), p2 = Point(2), p3 = Point(3);
  ZORListValZORISpecObject_var results = MultiSelLinesInError({p1.get(), p2.get(), p3.get()});
  ASSERT_EQ(results.Size(), 3);
  ZORWENUIUpdateErrorMS* command = Start(results);
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(Row(0), (Cells{"Line.2", "Point.1", "End refused"}));

  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  ASSERT_TRUE(Click("DeleteButton"));
  ZORListValZORISpecObject_var inputs, kept;
  manager->GetMSList(inputs, 1);
  EXPECT_EQ(inputs.Size(), 2);
  EXPECT_EQ(inputs.Locate(ZORISpecObject_var(p2.get())), 0);
  manager->GetResults(kept);
  EXPECT_EQ(kept.Locate(results[2]), 0);
  EXPECT_EQ(Rows()->GetLineCount(), 2);

  ASSERT_TRUE(Click("DeleteAllButton"));
  manager->GetMSList(inputs, 1);
  EXPECT_TRUE(inputs.IsEmpty());
  EXPECT_EQ(Rows()->GetLineCount(), 0);
}

// Delete All empties the list only when every feature went: one that could not be deleted
// stays listed, so that the user still sees it and can repair it otherwise.
TEST_F(UpdateErrorMS, DeleteAllKeepsTheRowOfAFeatureThatCouldNotBeDeleted) {
  ZORFeature_var p = Point(0);
  ZORFeature_var a = Make("WENLine", p.get(), p.get()), c = Make("WENLine", p.get(), p.get());
  ZORFeature* part = doc().GetPart();  // the part itself cannot be deleted
  doc().UpdateAll();
  ASSERT_NE(Start(List({a.get(), part, c.get()})), nullptr);
  ASSERT_EQ(Rows()->GetLineCount(), 3);
  ASSERT_TRUE(Click("DeleteAllButton"));
  EXPECT_FALSE(a->IsInDocument());
  EXPECT_FALSE(c->IsInDocument());
  ASSERT_EQ(Rows()->GetLineCount(), 1);
  EXPECT_EQ(Row(0)[0], part->GetDisplayNameText());
}

TEST_F(UpdateErrorMS, ReplacingWithAManagerRefusesResultsAndInputsAlreadyListed) {
  ZORFeature_var p1 = Point(1), p2 = Point(2), fresh = Point(7), other = Point(8);
  ZORListValZORISpecObject_var results = MultiSelLinesInError({p1.get(), p2.get()});
  ZORWENUIUpdateErrorMS* command = Start(results);
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(Click("ReplaceParentButton"));

  // A result of the multi-selection is filtered out; an input of it is refused with its name.
  EXPECT_FALSE(Pick(ZORFeature::From(results[2].get())));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Pick(p2.get()));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Point.2 is taken"}));
  EXPECT_EQ(State(command), "state2");

  ASSERT_TRUE(Pick(fresh.get()));
  EXPECT_EQ(State(command), "state1");
  ZORListValZORISpecObject_var inputs;
  manager->GetMSList(inputs, 1);
  EXPECT_EQ(inputs.Locate(ZORISpecObject_var(fresh.get())), 1);
  EXPECT_EQ(inputs.Locate(ZORISpecObject_var(p1.get())), 0);
  EXPECT_EQ(ZORFeature::From(results[1].get())->GetInput("Start"), fresh.get());
  ASSERT_EQ(Rows()->GetLineCount(), 1);
  EXPECT_EQ(Row(0)[0], "Line.3");

  // A result without a current input has nothing to replace: its row stays.
  ZORFeature::From(results[2].get())->SetInput("Start", nullptr);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(Click("ReplaceParentButton"));
  ASSERT_TRUE(Pick(other.get()));
  EXPECT_EQ(State(command), "state1");
  EXPECT_EQ(Rows()->GetLineCount(), 1);
}

TEST_F(UpdateErrorMS, DeletingAnIntersectionWithAManagerDeactivatesIt) {
  ZORFeature_var o = Point(0), x = Point(1), y = Point(0, 1);
  ZORFeature_var line = Make("WENLine", o.get(), x.get());
  ZORFeature_var plane = Plane(o.get(), x.get(), y.get());
  ZORFeature_var other = Make("WENLine", x.get(), y.get());
  NewManager(Make("WENIntersect", nullptr, nullptr));
  for (ZORFeature* input : {line.get(), other.get()}) {
    manager->Declare(ZORISpecObject_var(input), 1, false);
    manager->Declare(ZORISpecObject_var(plane.get()), 2, false);
  }
  Validate();
  doc().UpdateAll();
  ZORListValZORISpecObject_var results;
  manager->GetRealFeaturesList(results);
  ASSERT_EQ(results.Size(), 2);

  ASSERT_NE(Start(results), nullptr);
  EXPECT_EQ(Row(0), (Cells{"Intersect.2", "Line.1", "Plane.1",
                           "The line is parallel to the plane No intersection can be computed"}));
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  ASSERT_TRUE(Click("DeleteButton"));
  EXPECT_TRUE(ZORIMechanicalProperties_var(results[2])->IsInactive());
  EXPECT_TRUE(ZORFeature::From(results[2].get())->IsInDocument());
  EXPECT_EQ(Rows()->GetLineCount(), 1);
  // The inputs stay declared: only the results' own children go.
  ZORListValZORISpecObject_var inputs;
  manager->GetMSList(inputs, 1);
  EXPECT_EQ(inputs.Size(), 2);
}

}  // namespace
