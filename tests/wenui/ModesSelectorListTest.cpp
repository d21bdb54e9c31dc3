#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORBody.h"
#include "ZORDlgCheckButton.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHSO.h"
#include "ZORHostSession.h"
#include "ZORIPathAccess.h"
#include "ZORListLines.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestSelectorListCommand.h"
#include "ZORWENUIModesSelectorList.h"

namespace {

constexpr const char* kList = "ListPanel/Points";

// A command whose panel holds a modes selector list "Points", fed with the user's picks the
// way a command does: Sort, then Remove, Append and Refresh.
class ModesSelectorList : public ::testing::Test {
 protected:
  ModesSelectorList() {
    set = doc().CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0}) points.push_back(doc().CreatePoint(x, 0, 0, set));
    polyline = doc().CreateFeature("WENPolyline", set);
    polyline->SetInput("Point1", points[0].get());
    polyline->SetInput("Point2", points[1].get());
    polyline->SetInput("Point3", points[2].get());
    doc().UpdateAll();
  }
  ~ModesSelectorList() override { driver.EndTransaction(); }

  void Start(bool withEditor = true) {
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    if (!withEditor) ZORFrmEditor::SetCurrentEditor(nullptr);
    ASSERT_EQ(driver.Start(new ZORTestSelectorListCommand(
                  [this](ZORDlgDialog* panel) {
                    list = new ZORWENUIModesSelectorList(panel, "Points", 0,
                                                         ZORGuiContextualMenuData());
                  },
                  [this](ZORTestSelectorListCommand&, const ZORISpecObject_var& picked) {
                    Feed(picked);
                  })),
              S_OK);
    ZORFrmEditor::SetCurrentEditor(editor);
  }
  void Feed(const ZORISpecObject_var& picked) {
    ZORListValZORISpecObject_var input{picked};
    added.RemoveAll();
    removed.RemoveAll();
    if (FAILED(list->Sort(input, added, removed, keep))) return;
    list->Remove(removed, 1);
    list->Append(added, 1, 1);
    list->Refresh();
    list->Highlight();  // Sort emptied the highlighted set: the selection is shown again
  }

  ZORDocument& doc() { return session.Document(); }
  bool Pick(const ZORFeature_var& f) { return ZORDriverPick::Pick(driver, f.get()); }
  bool PickVertex(int index) {
    return ZORDriverPick::PickCell(driver, polyline.get(),
                                   polyline->GetResultBody()->GetCellOfDimension(0, index));
  }
  std::vector<std::string> Lines() const { return ZORListLines(driver.DescribePanels()); }
  bool Highlighted(const ZORFeature_var& f) {
    ZORPathElement path;
    ZORIPathAccess_var(ZORSpecObjectOf(f))->GetPathElement(path);
    return session.Editor().GetHSO()->IsShown(path);
  }
  int Mode() const { return list->GetMode(); }
  ZORDlgCheckButton* Button(const char* name) const {
    return dynamic_cast<ZORDlgCheckButton*>(driver.Find(std::string(kList) + "/" + name));
  }
  std::vector<int> Selected() {
    ZORRawCollint positions;
    EXPECT_EQ(list->GetSelection(positions), S_OK);
    return positions.std();
  }
  void List(std::initializer_list<int> indices) {
    ZORListValZORISpecObject_var features;
    for (int i : indices) features.Append(ZORSpecObjectOf(points[i]));
    ASSERT_EQ(list->Append(features, 1, 1), S_OK);
    ASSERT_EQ(list->Refresh(), S_OK);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, polyline;
  std::vector<ZORFeature_var> points;
  ZORWENUIModesSelectorList* list = nullptr;
  ZORListValZORISpecObject_var added;
  ZORRawCollint removed;
  int keep = 0;
};

using Texts = std::vector<std::string>;

TEST_F(ModesSelectorList, ANewListShowsItsPlaceholderSelectedAndGivesNothing) {
  Start();
  EXPECT_EQ(Lines(), (Texts{"*No selection"}));
  EXPECT_TRUE(Selected().empty());
  EXPECT_FALSE(list->GetFeature());
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kStandard);
  EXPECT_EQ(Button("Append")->GetSensitivity(), ZORDialog::kInsensitive);
  EXPECT_EQ(list->Locate(ZORSpecObjectOf(points[0]), 0), 0);
}

TEST_F(ModesSelectorList, StandardModeTogglesPicksAndTheHighlightFollows) {
  Start();
  ASSERT_TRUE(Pick(points[0]));
  // The first feature takes the placeholder's line, and only its own line is selected.
  EXPECT_EQ(Lines(), (Texts{"*Point.1!"}));
  EXPECT_EQ(Button("Remove")->GetSensitivity(), ZORDialog::kSensitive);
  ASSERT_TRUE(Pick(points[1]));
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!"}));
  ASSERT_TRUE(Pick(points[0]));  // listed: removed
  EXPECT_EQ(removed.std(), std::vector<int>{1});
  EXPECT_EQ(Lines(), (Texts{"*Point.2!"}));
  EXPECT_FALSE(Highlighted(points[0]));
  ASSERT_TRUE(Pick(points[1]));  // the last one goes: the placeholder comes back
  EXPECT_EQ(Lines(), (Texts{"No selection"}));
  EXPECT_FALSE(Highlighted(points[1]));
  EXPECT_EQ(Button("Append")->GetSensitivity(), ZORDialog::kInsensitive);
}

TEST_F(ModesSelectorList, AppendAndRemoveModesLeaveWhatTheyDoNotTake) {
  Start();
  ASSERT_TRUE(Pick(points[0]));
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Append"));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kAppend);
  ASSERT_TRUE(Pick(points[0]));  // listed: left alone
  EXPECT_TRUE(removed.IsEmpty());
  EXPECT_EQ(Lines(), (Texts{"*Point.1!"}));
  // A single click resets the mode after each change (not sticky).
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kStandard);
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Remove"));
  ASSERT_TRUE(Pick(points[1]));  // new: ignored
  EXPECT_TRUE(added.IsEmpty());
  EXPECT_EQ(Lines(), (Texts{"*Point.1!"}));
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Remove"));
  keep = 1;  // the keep flag lets a new feature in, and records no listed position
  ASSERT_TRUE(Pick(points[1]));
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!"}));
}

TEST_F(ModesSelectorList, ButtonsAreExclusiveAndADoubleClickMakesTheModeSticky) {
  Start();
  List({2});
  ASSERT_TRUE(Pick(points[0]));
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Remove"));
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Append"));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kAppend);
  ASSERT_TRUE(driver.DoubleClick(std::string(kList) + "/Remove"));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kRemove);
  EXPECT_TRUE(list->IsSticky());
  ASSERT_TRUE(Pick(points[1]));
  ASSERT_TRUE(Pick(points[0]));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kRemove);  // kept through both refreshes
  EXPECT_EQ(Lines(), (Texts{"*Point.3!"}));
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Remove"));  // a single click ends it
  EXPECT_FALSE(list->IsSticky());
}

TEST_F(ModesSelectorList, ReplaceFromTheMenuReplacesTheSelectedLine) {
  Start();
  List({0, 1, 2});
  ASSERT_TRUE(driver.ClickLine(kList, 2));
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "*Point.3!"}));
  ASSERT_TRUE(driver.Menu(kList, 2, "Replace"));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kReplace);
  ASSERT_TRUE(Pick(points[4]));
  EXPECT_EQ(removed.std(), std::vector<int>{3});
  ASSERT_EQ(added.Size(), 1);
  EXPECT_TRUE(added[1] == ZORSpecObjectOf(points[4]));
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "*Point.5!"}));
  EXPECT_FALSE(Highlighted(points[2]));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kStandard);
  // Two lines selected: Replace does nothing.
  ASSERT_TRUE(driver.SelectLines(kList, {0, 1}));
  ASSERT_TRUE(driver.Menu(kList, 0, "Replace"));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kStandard);
}

TEST_F(ModesSelectorList, AStickyModeOutlivesAListClickInReplaceMode) {
  Start();
  List({0, 1});
  ASSERT_TRUE(driver.DoubleClick(std::string(kList) + "/Append"));
  ASSERT_TRUE(driver.ClickLine(kList, 0));
  ASSERT_TRUE(driver.Menu(kList, 0, "Replace"));
  ASSERT_TRUE(driver.ClickLine(kList, 1));
  EXPECT_EQ(Mode(), ZORWENUIModesSelectorList::kReplace);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2!"}));
  EXPECT_FALSE(Highlighted(points[0]));
}

TEST_F(ModesSelectorList, SortDropsRepeatedPositions) {
  Start();
  List({0, 1, 2});
  ZORListValZORISpecObject_var input{ZORSpecObjectOf(points[1]), ZORSpecObjectOf(points[1]),
                                     ZORSpecObjectOf(points[0])};
  ASSERT_EQ(list->Sort(input, added, removed, 0), S_OK);
  EXPECT_EQ(removed.std(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(added.IsEmpty());
  // In replace mode a re-picked selected line counts once too.
  ASSERT_EQ(list->SetSelection(ZORRawCollint{2}), S_OK);
  ASSERT_TRUE(driver.Menu(kList, 1, "Replace"));
  removed.RemoveAll();
  ASSERT_EQ(list->Sort(ZORListValZORISpecObject_var{ZORSpecObjectOf(points[1])}, added, removed, 0),
            S_OK);
  EXPECT_EQ(removed.std(), std::vector<int>{2});
  EXPECT_EQ(added.Size(), 1);
}

TEST_F(ModesSelectorList, RepickedVerticesAreFoundAndReplaceKeepsTheNewPick) {
  Start();
  ASSERT_TRUE(PickVertex(2));
  ASSERT_EQ(list->GetFeatures().Size(), 1);
  const ZORISpecObject_var first = list->GetFeatures()[1];
  ZORFeature* firstBRep = ZORFeature::From(first.get());
  // A second pick of the same vertex is a new BRep feature that the list finds.
  ASSERT_TRUE(driver.Menu(kList, 0, "Replace"));
  ASSERT_TRUE(PickVertex(2));
  ASSERT_EQ(added.Size(), 1);
  EXPECT_FALSE(added[1] == first);
  EXPECT_EQ(removed.std(), std::vector<int>{1});
  ZORFeature* repicked = ZORFeature::From(added[1].get());
  ASSERT_EQ(list->GetFeatures().Size(), 1);
  EXPECT_TRUE(list->GetFeatures()[1] == added[1]);
  // The new pick stays alive for the list; its computed result is still there.
  EXPECT_TRUE(repicked->GetResultBody() && repicked->GetResultBody()->HasGeometry());
  EXPECT_TRUE(repicked->IsInDocument());
  EXPECT_TRUE(firstBRep != repicked);
  // A re-pick in standard mode removes the entry and disposes of the pick.
  ASSERT_TRUE(PickVertex(2));
  EXPECT_EQ(Lines(), (Texts{"No selection"}));
  // The listed entry itself handed in again is left alone in the append mode, and stays.
  ASSERT_TRUE(PickVertex(2));
  const ZORISpecObject_var entry = list->GetFeatures()[1];
  ASSERT_TRUE(driver.Click(std::string(kList) + "/Append"));
  ASSERT_EQ(list->Sort(ZORListValZORISpecObject_var{entry}, added, removed, 0), S_OK);
  EXPECT_TRUE(ZORFeature::From(entry.get())->IsInDocument());
  ASSERT_EQ(list->RemoveAll(1), S_OK);
  // Another vertex of the same support is another entry.
  ASSERT_TRUE(PickVertex(1));
  ASSERT_TRUE(PickVertex(3));
  EXPECT_EQ(list->GetFeatures().Size(), 2);
  EXPECT_EQ(list->Locate(ZORBaseUnknown_var(list->GetFeatures()[2]), 1), 2);
  EXPECT_EQ(list->Locate(ZORBaseUnknown_var(list->GetFeatures()[1]), 1), 0);
}

TEST_F(ModesSelectorList, RemoveTakesOnlyStrictlyAscendingPositionsOfTheList) {
  Start();
  List({0, 1, 2, 3, 4});
  ASSERT_EQ(list->SetSelection(ZORRawCollint{2, 4, 5}), S_OK);
  const Texts before = Lines();
  for (const ZORRawCollint& bad : {ZORRawCollint{2, 2}, ZORRawCollint{4, 2}, ZORRawCollint{0, 1},
                                   ZORRawCollint{5, 6}, ZORRawCollint{-1}}) {
    EXPECT_EQ(list->Remove(bad, 1), E_FAIL);
    EXPECT_EQ(Lines(), before);
  }
  EXPECT_EQ(list->Remove(0, 1), E_FAIL);
  EXPECT_EQ(list->Remove(6, 1), E_FAIL);
  EXPECT_EQ(Lines(), before);
  // Removing positions 2 and 4 with lines 1, 3 and 4 selected leaves line 2 selected.
  ASSERT_EQ(list->Remove(ZORRawCollint{2, 4}, 1), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.3", "*Point.5!"}));
  EXPECT_FALSE(Highlighted(points[1]));
  EXPECT_FALSE(Highlighted(points[3]));
  EXPECT_EQ(Selected(), std::vector<int>{3});
  ASSERT_EQ(list->Remove(1, 1), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.3", "*Point.5!"}));
  EXPECT_EQ(list->Locate(ZORSpecObjectOf(points[4]), 0), 2);
}

TEST_F(ModesSelectorList, RemoveAllLeavesAListThatTakesNewFeatures) {
  Start();
  List({0, 1});
  ASSERT_EQ(list->RemoveAll(1), S_OK);
  EXPECT_EQ(Lines(), (Texts{"No selection"}));
  EXPECT_FALSE(Highlighted(points[0]));
  ASSERT_EQ(list->Append(ZORSpecObjectOf(points[2]), 1, 1), S_OK);
  ASSERT_EQ(list->Append(ZORSpecObjectOf(points[3]), 0, 0), S_OK);
  EXPECT_EQ(Lines(), (Texts{"*Point.3!", "Point.4"}));
  EXPECT_EQ(Selected(), std::vector<int>{1});
  EXPECT_EQ(list->Locate(ZORSpecObjectOf(points[0]), 0), 0);
  EXPECT_EQ(list->Locate(ZORSpecObjectOf(points[3]), 0), 2);
  // Unhighlighting needs a current editor: without one nothing goes.
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORFrmEditor::SetCurrentEditor(nullptr);
  EXPECT_EQ(list->RemoveAll(1), E_FAIL);
  ZORFrmEditor::SetCurrentEditor(editor);
  EXPECT_EQ(Lines(), (Texts{"*Point.3!", "Point.4"}));
}

TEST_F(ModesSelectorList, SetSelectionRefusesWhatIsNotListed) {
  Start();
  List({0, 1, 2});
  ASSERT_EQ(list->SetSelection(ZORRawCollint{3, 1}), S_OK);
  EXPECT_EQ(Selected(), (std::vector<int>{3, 1}));  // in the order given
  const Texts before = Lines();
  EXPECT_EQ(list->SetSelection(ZORRawCollint{2, 4}), E_FAIL);
  EXPECT_EQ(list->SetSelection(ZORRawCollint{0}), E_FAIL);
  EXPECT_EQ(list->SetSelection(ZORListValZORISpecObject_var{ZORSpecObjectOf(points[4])}), E_FAIL);
  EXPECT_EQ(list->SetSelection(ZORListValZORISpecObject_var{ZORISpecObject_var()}), E_FAIL);
  EXPECT_EQ(Lines(), before);
  EXPECT_EQ(Selected(), (std::vector<int>{3, 1}));
  ASSERT_EQ(list->SetSelection(ZORListValZORISpecObject_var{ZORSpecObjectOf(points[1])}), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2!", "Point.3"}));
  EXPECT_TRUE(list->GetFeature() == ZORSpecObjectOf(points[1]));
  ASSERT_EQ(list->SetSelection(ZORRawCollint()), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "Point.3"}));
  EXPECT_FALSE(Highlighted(points[1]));
}

TEST_F(ModesSelectorList, SelectAllFocusAndHighlightFollowTheStoredSelection) {
  Start();
  List({0, 1, 2});
  ASSERT_EQ(list->UnHighlight(), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "Point.3"}));
  EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3}));  // the stored selection stays
  ASSERT_EQ(list->Highlight(), S_OK);
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!", "*Point.3!"}));
  ASSERT_EQ(list->SetSelection(ZORRawCollint()), S_OK);
  ASSERT_EQ(list->SetFocus(), S_OK);  // nothing selected: everything is
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!", "*Point.3!"}));
  ASSERT_EQ(list->SetSelection(ZORRawCollint{2}), S_OK);
  ASSERT_EQ(list->SelectAll(), S_OK);
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!", "*Point.3!"}));
  EXPECT_EQ(session.Editor().GetHSO()->GetSize(), 3);
  ZORListValZORISpecObject_var features;
  ASSERT_EQ(list->GetFeature(features), S_OK);
  EXPECT_EQ(features.Size(), 3);
  EXPECT_FALSE(list->GetFeature());
}

TEST_F(ModesSelectorList, AppendAfterUnreadClicksSelectsWhatTheUserSees) {
  Start(false);  // no editor at construction: no highlighting
  ZORListValZORISpecObject_var features{ZORSpecObjectOf(points[0]), ZORSpecObjectOf(points[1]),
                                        ZORSpecObjectOf(points[2])};
  EXPECT_EQ(list->Append(features, 1, 1), E_FAIL);  // highlighting asked without a set
  ASSERT_EQ(list->Append(features, 1, 0), S_OK);
  ASSERT_TRUE(driver.ClickLine(kList, 1));
  ASSERT_TRUE(driver.ClickLine(kList, 2, true));
  ASSERT_EQ(list->Append(ZORSpecObjectOf(points[3]), 1, 0), S_OK);
  ASSERT_EQ(list->Append(ZORSpecObjectOf(points[4]), 1, 0), S_OK);
  EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2", "*Point.3", "*Point.4", "*Point.5"}));
  EXPECT_EQ(list->Sort(features, added, removed, 0), E_FAIL);
  EXPECT_EQ(list->SelectAll(), E_FAIL);
  EXPECT_EQ(list->Remove(1, 1), E_FAIL);
  ASSERT_EQ(list->Remove(1, 0), S_OK);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ModesSelectorList, AppendWritesSuffixesAndRefusesNullFeatures) {
  Start();
  ZORListValZORISpecObject_var features{ZORSpecObjectOf(points[0]), ZORSpecObjectOf(points[1]),
                                        ZORSpecObjectOf(points[2])};
  ZORListValZORUnicodeString suffixes{ZORUnicodeString(" (start)"), ZORUnicodeString()};
  ASSERT_EQ(list->Append(features, suffixes, 0, 0), S_OK);
  EXPECT_EQ(Lines(), (Texts{"*Point.1 (start)", "Point.2", "Point.3"}));
  EXPECT_EQ(list->Append(ZORISpecObject_var(), 1, 1), E_FAIL);
  EXPECT_EQ(
      list->Append(ZORListValZORISpecObject_var{ZORSpecObjectOf(points[3]), ZORISpecObject_var()},
                   1, 1),
      E_FAIL);
  EXPECT_EQ(list->GetFeatures().Size(), 3);
  EXPECT_EQ(list->Locate(ZORBaseUnknown_var(), 0), 0);
  EXPECT_EQ(list->Sort(ZORListValZORISpecObject_var{ZORISpecObject_var()}, added, removed, 0),
            E_FAIL);
}

}  // namespace
