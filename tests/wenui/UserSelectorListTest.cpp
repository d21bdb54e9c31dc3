#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORBody.h"
#include "ZORCellBRep.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgDialog.h"
#include "ZORDriver.h"
#include "ZORFaultGate.h"
#include "ZORHSO.h"
#include "ZORHostSession.h"
#include "ZORIPathAccess.h"
#include "ZORListLines.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestListener.h"
#include "ZORWENUINonOrderedSelectorList.h"

namespace {

using Texts = std::vector<std::string>;

// An open panel "Panel" whose father listens to what its lists send, over five points and a
// polyline through the first three.
class UserSelectorList : public ::testing::Test {
 protected:
  UserSelectorList() {
    panel = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel->SetVisibility(ZORDialog::kShown);
    panel->SetFather(&listener);
    set = doc().CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0}) points.push_back(doc().CreatePoint(x, 0, 0, set));
    polyline = doc().CreateFeature("WENPolyline", set);
    for (int i = 0; i < 3; ++i) {
      polyline->SetInput("Point" + std::to_string(i + 1),
                         points[static_cast<std::size_t>(i)].get());
    }
    doc().UpdateAll();
    listener.Listen(nullptr, ZORWENUIChangeNotification::ClassName(), "change");
  }
  ~UserSelectorList() override { driver.EndTransaction(); }

  ZORWENUIUserSelectorList* MakeUserList() {
    auto* list = new ZORWENUIUserSelectorList(panel, "List", 0, ZORGuiContextualMenuData());
    list->CreateSelectorList(ZORDlgList::kMultipleSelection);
    list->SetAttachements();
    return list;
  }
  ZORWENUINonOrderedSelectorList* MakeNonOrderedList() {
    auto* list = new ZORWENUINonOrderedSelectorList(panel, "List", 0, ZORGuiContextualMenuData());
    for (auto [n, tag] : {std::pair{list->SelectorClickNotification(), "line"},
                          std::pair{list->AppendClickNotification(), "append"},
                          std::pair{list->AppendDblClickNotification(), "append twice"},
                          std::pair{list->RemoveClickNotification(), "remove"},
                          std::pair{list->RemoveDblClickNotification(), "remove twice"}}) {
      listener.Listen(nullptr, n, tag);
    }
    return list;
  }
  ZORDocument& doc() { return session.Document(); }
  ZORISpecObject_var P(int i) { return ZORSpecObjectOf(points[static_cast<std::size_t>(i)]); }
  // A new pick of the polyline's vertex `index`, as an agent's import makes it.
  ZORISpecObject_var Vertex(int index) {
    ZORFeature_var brep =
        ZORCellBRep::Create(*polyline, *polyline->GetResultBody()->GetCellOfDimension(0, index));
    return ZORSpecObjectOf(brep);
  }
  Texts Lines() const { return ZORListLines(driver.DescribePanels()); }
  bool Highlighted(int i) {
    ZORPathElement path;
    ZORIPathAccess_var(P(i))->GetPathElement(path);
    return session.Editor().GetHSO()->IsShown(path);
  }
  Texts Log() { return std::exchange(listener.log, {}); }
  // What a command does with a pick on the non-ordered list.
  void Feed(ZORWENUINonOrderedSelectorList* list, const ZORISpecObject_var& pick) {
    switch (list->GetOperation(pick)) {
      case ZORWENUINonOrderedSelectorList::kAppendOperation:
        list->Append(pick);
        break;
      case ZORWENUINonOrderedSelectorList::kRemoveOperation:
        list->Remove(list->Locate(ZORBaseUnknown_var(pick), 0));
        break;
      case ZORWENUINonOrderedSelectorList::kReplaceOperation: {
        ZORRawCollint selected;
        list->GetSelection(selected);
        list->Replace(pick, selected[1]);
        break;
      }
      default:
        break;
    }
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORTestListener listener;
  ZORDlgDialog* panel = nullptr;
  ZORFeature_var set, polyline;
  std::vector<ZORFeature_var> points;
};

TEST_F(UserSelectorList, ChangesAreAnnouncedAndTheWidgetSelectionIsTheSelection) {
  ZORWENUIUserSelectorList* list = MakeUserList();
  EXPECT_EQ(Lines(), (Texts{"No selection"}));
  ASSERT_EQ(list->Append(ZORListValZORISpecObject_var{P(0), P(1), P(2)}), S_OK);
  EXPECT_EQ(Log(), (Texts{"change", "change", "change"}));
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!", "*Point.3!"}));
  ASSERT_TRUE(driver.ClickLine("Panel/List", 1));
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2!", "Point.3"}));
  EXPECT_TRUE(list->GetFeature() == P(1));
  EXPECT_EQ(list->SelectionSize(), 1);
  ASSERT_EQ(list->Insert(P(3), 2), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.4!", "Point.2", "Point.3"}));
  EXPECT_FALSE(Highlighted(1));  // the entry that moved down gave up its selection
  ASSERT_EQ(list->Replace(P(4), 3), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.4!", "*Point.5!", "Point.3"}));
  EXPECT_EQ(Log(), (Texts{"change", "change"}));
  ZORRawCollint positions;
  ASSERT_EQ(list->GetSelection(positions), S_OK);
  EXPECT_EQ(positions.std(), (std::vector<int>{2, 3}));
  for (int bad : {0, 5, -1}) {
    EXPECT_EQ(list->Remove(bad), E_FAIL);
    EXPECT_EQ(list->Insert(P(0), bad), E_FAIL);
    EXPECT_EQ(list->Replace(P(0), bad), E_FAIL);
  }
  EXPECT_EQ(list->Append(ZORISpecObject_var()), E_FAIL);
  EXPECT_EQ(list->Replace(ZORISpecObject_var(), 1), E_FAIL);
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.4!", "*Point.5!", "Point.3"}));
}

TEST_F(UserSelectorList, RemovingTheLastEntryBringsThePlaceholderBackSelected) {
  ZORWENUIUserSelectorList* list = MakeUserList();
  ASSERT_EQ(list->Append(P(0)), S_OK);
  ASSERT_EQ(list->Remove(1), S_OK);
  EXPECT_EQ(Lines(), (Texts{"*No selection"}));
  EXPECT_FALSE(Highlighted(0));
  EXPECT_EQ(list->SelectionSize(), 0);
  EXPECT_FALSE(list->GetFeature());
  // A click on the placeholder asks nothing of a feature.
  ASSERT_TRUE(driver.ClickLine("Panel/List", 0));
  EXPECT_EQ(session.Editor().GetHSO()->GetSize(), 0);
}

TEST_F(UserSelectorList, ClicksBringTheHighlightInStepWithTheLines) {
  ZORWENUIUserSelectorList* list = MakeUserList();
  ASSERT_EQ(list->Append(ZORListValZORISpecObject_var{P(0), P(1), P(2)}), S_OK);
  ASSERT_TRUE(driver.SelectLines("Panel/List", {0, 2}));
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "Point.2", "*Point.3!"}));
  ASSERT_EQ(list->UnSelect(P(0)), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "*Point.3!"}));
  ASSERT_EQ(list->Select(ZORWENUIUserSelectorList::kNoEvent), S_OK);
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*Point.2!", "*Point.3!"}));
  ASSERT_EQ(list->UnSelect(), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "Point.3"}));
  EXPECT_EQ(session.Editor().GetHSO()->GetSize(), 0);
  ASSERT_EQ(list->Select(P(1)), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2!", "Point.3"}));
  // The highlighted set's elements designate features through their leaf's father.
  ZORHSO* hso = session.Editor().GetHSO();
  EXPECT_EQ(ZORWENUIUserSelectorList::Locate(ZORBaseUnknown_var(P(1)), hso, 0), 0);
  ZORPathElement pick = doc().GivePathElementFrom(ZORBaseUnknown_var(points[2].get()));
  pick.AddChildElement(ZORBaseUnknown_var(points[2]->GetResultBody().get()));
  hso->AddElement(pick);
  EXPECT_EQ(ZORWENUIUserSelectorList::Locate(ZORBaseUnknown_var(P(2)), hso, 0), 2);
  EXPECT_EQ(ZORWENUIUserSelectorList::Locate(ZORBaseUnknown_var(P(2)), hso, 2), 0);
}

TEST_F(UserSelectorList, SynchroniseMakesTheContentEqualInOnePass) {
  ZORWENUIUserSelectorList* list = MakeUserList();
  ASSERT_EQ(list->Append(ZORListValZORISpecObject_var{P(0), P(1), P(2), P(3)}), S_OK);
  ASSERT_EQ(list->UnSelect(), S_OK);
  Log();
  const ZORListValZORISpecObject_var same{P(0), P(1), P(2), P(3)};
  ASSERT_EQ(list->Synchronise(same), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.2", "Point.3", "Point.4"}));
  // Two adjacent entries go; a new one comes, selected since it is highlighted already.
  ZORPathElement path;
  ZORIPathAccess_var(P(4))->GetPathElement(path);
  session.Editor().GetHSO()->AddElement(path);
  ASSERT_EQ(list->Synchronise(ZORListValZORISpecObject_var{P(3), P(0), P(4)}), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.1", "Point.4", "*Point.5!"}));
  ZORListValZORISpecObject_var content;
  list->GetSpecObjects(content);
  EXPECT_EQ(content.Size(), 3);
  EXPECT_EQ(list->Locate(ZORBaseUnknown_var(P(4)), 0), 3);
  EXPECT_EQ(ZORWENUIUserSelectorList::Locate(ZORBaseUnknown_var(P(4)), content, 0), 3);
  // Every entry a wanted feature matches stays, not only the first.
  ASSERT_EQ(list->Insert(P(4), 1), S_OK);
  Log();
  ASSERT_EQ(list->Synchronise(ZORListValZORISpecObject_var{P(4)}), S_OK);
  EXPECT_EQ(list->Size(), 2);
  EXPECT_EQ(list->Locate(ZORBaseUnknown_var(P(4)), 1), 2);
  // Nothing of the content is wanted: it all goes, and a feature wanted twice comes once.
  ASSERT_EQ(list->Synchronise(ZORListValZORISpecObject_var{P(1), P(2), P(1)}), S_OK);
  EXPECT_EQ(Lines(), (Texts{"Point.2", "Point.3"}));
  EXPECT_EQ(list->Locate(ZORBaseUnknown_var(P(1)), 1), 0);
  ASSERT_EQ(list->Synchronise(ZORListValZORISpecObject_var()), S_OK);
  EXPECT_EQ(Lines(), (Texts{"No selection"}));
  EXPECT_EQ(list->Size(), 0);
  EXPECT_TRUE(Log().empty());  // Synchronise tells no change itself
  EXPECT_EQ(list->Synchronise(ZORListValZORISpecObject_var{ZORISpecObject_var()}), E_FAIL);
}

TEST_F(UserSelectorList, OwnerButtonsGoInTheButtonsFrame) {
  ZORWENUIUserSelectorList* list = MakeUserList();
  EXPECT_EQ(list->GetButtonsFrame(), nullptr);
  ZORDlgPushButton* push = list->CreatePushButton("Clear", 0);
  ZORDlgCheckButton* check = list->CreateCheckButton("Keep", 0);
  ASSERT_NE(list->GetButtonsFrame(), nullptr);
  EXPECT_EQ(push->GetDialogParent(), list->GetButtonsFrame());
  EXPECT_EQ(check->GetDialogParent(), list->GetButtonsFrame());
  list->SetAttachements();
  ASSERT_NE(list->GetButtonsFrame()->GetGridConstraints(), nullptr);
  EXPECT_EQ(list->GetButtonsFrame()->GetGridConstraints()->column, 1);
  EXPECT_EQ(list->CreateSelectorList(0), list->GetSelectorList());  // made once
  // The owner's push button can send a notification of its own through the list.
  ZORVar<ZORNotification> own = ZORMake<ZORNotification>();
  list->AddAnalyseNotificationCB(push, push->GetPushBActivateNotification(),
                                 &ZORWENUIUserSelectorList::SendNotificationAction, own.get());
  listener.Listen(nullptr, own.get(), "own");
  ASSERT_TRUE(driver.Click("Panel/List/ButtonsFrame/Clear"));
  EXPECT_EQ(Log(), Texts{"own"});
}

TEST_F(UserSelectorList, TheNonOrderedListDecidesPerPick) {
  ZORWENUINonOrderedSelectorList* list = MakeNonOrderedList();
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kStandard);
  Feed(list, P(0));
  Feed(list, Vertex(2));
  EXPECT_EQ(Lines(), (Texts{"*Point.1!", "*BRep.1!"}));
  EXPECT_EQ(Log(), (Texts{"change", "change"}));
  // The buttons woke up with the first entry.
  auto* append = dynamic_cast<ZORDlgCheckButton*>(driver.Find("Panel/List/ButtonsFrame/Append"));
  ASSERT_NE(append, nullptr);
  EXPECT_EQ(append->GetSensitivity(), ZORDialog::kSensitive);
  // A new pick of a listed vertex is found; in append mode it is ignored and disposed of.
  ASSERT_TRUE(driver.Click("Panel/List/ButtonsFrame/Append"));
  EXPECT_EQ(Log(), Texts{"append"});
  ZORISpecObject_var again = Vertex(2);
  EXPECT_EQ(list->GetOperation(again), ZORWENUINonOrderedSelectorList::kIgnore);
  EXPECT_FALSE(ZORFeature::From(again.get())->IsInDocument());
  EXPECT_EQ(list->GetOperation(P(1)), ZORWENUINonOrderedSelectorList::kAppendOperation);
  const ZORISpecObject_var entry = list->GetFeatures()[2];  // handed in again: it stays
  EXPECT_EQ(list->GetOperation(entry), ZORWENUINonOrderedSelectorList::kIgnore);
  EXPECT_TRUE(ZORFeature::From(entry.get())->IsInDocument());
  // Remove mode: a new pick is ignored, a listed one removed.
  ASSERT_TRUE(driver.Click("Panel/List/ButtonsFrame/Remove"));
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kRemove);
  EXPECT_EQ(Log(), Texts{"remove"});
  Feed(list, P(3));
  Feed(list, Vertex(2));
  EXPECT_EQ(Lines(), (Texts{"*Point.1!"}));
  Feed(list, P(0));
  EXPECT_EQ(Lines(), (Texts{"*No selection"}));
  // Empty again: both buttons unchecked and insensitive.
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kStandard);
  EXPECT_EQ(append->GetSensitivity(), ZORDialog::kInsensitive);
}

TEST_F(UserSelectorList, TheNonOrderedListReplacesOneSelectedLine) {
  ZORWENUINonOrderedSelectorList* list = MakeNonOrderedList();
  for (int i : {0, 1}) Feed(list, P(i));
  ASSERT_TRUE(driver.SelectLines("Panel/List", {0, 1}));
  ASSERT_TRUE(driver.Menu("Panel/List", 0, "Replace"));  // two lines: no replace mode
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kStandard);
  ASSERT_TRUE(driver.ClickLine("Panel/List", 1));
  ASSERT_TRUE(driver.Menu("Panel/List", 1, "Replace"));
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kReplace);
  ZORISpecObject_var fresh = Vertex(1);
  Feed(list, P(1));  // listed already: ignored
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2!"}));
  Feed(list, P(2));
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.3!"}));
  EXPECT_FALSE(Highlighted(1));
  // With two lines selected a new pick is ignored and its BRep disposed of.
  ASSERT_EQ(list->Select(P(0)), S_OK);
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kReplace);
  EXPECT_EQ(list->GetOperation(fresh), ZORWENUINonOrderedSelectorList::kIgnore);
  EXPECT_FALSE(ZORFeature::From(fresh.get())->IsInDocument());
  // A click on a line in replace mode leaves it: the buttons are unchecked.
  ASSERT_TRUE(driver.ClickLine("Panel/List", 0));
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kStandard);
}

TEST_F(UserSelectorList, NonOrderedButtonsAreExclusiveUnlessDoubleClicked) {
  ZORWENUINonOrderedSelectorList* list = MakeNonOrderedList();
  Feed(list, P(0));
  Log();
  ASSERT_TRUE(driver.Click("Panel/List/ButtonsFrame/Remove"));
  ASSERT_TRUE(driver.Click("Panel/List/ButtonsFrame/Append"));
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kAppend);
  EXPECT_EQ(Log(), (Texts{"remove", "append"}));
  ASSERT_TRUE(driver.Click("Panel/List/ButtonsFrame/Append"));  // unchecked: not forwarded
  EXPECT_TRUE(Log().empty());
  ASSERT_TRUE(driver.DoubleClick("Panel/List/ButtonsFrame/Append"));
  EXPECT_TRUE(list->IsSticky());
  EXPECT_EQ(Log(), (Texts{"append", "append twice"}));
  ASSERT_TRUE(driver.Menu("Panel/List", 0, "Replace"));
  ASSERT_TRUE(driver.ClickLine("Panel/List", 0));  // sticky: the replace mode stays
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kReplace);
  EXPECT_EQ(Log(), Texts{"line"});
  list->SetRemoveMode(nullptr, nullptr, nullptr);
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kRemove);
  list->SetAppendMode(nullptr, nullptr, nullptr);
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kAppend);
  ASSERT_EQ(list->Synchronise(ZORListValZORISpecObject_var()), S_OK);
  EXPECT_EQ(list->GetMode(), ZORWENUINonOrderedSelectorList::kStandard);
}

}  // namespace

namespace {

TEST_F(UserSelectorList, AnErrorRaisedInsideSynchroniseFailsItWithoutEscaping) {
  ZORWENUIUserSelectorList* list = MakeUserList();
  ASSERT_EQ(list->Append(P(0)), S_OK);
  ZORFaultGate::Arm(1);
  HRESULT hr = S_OK;
  EXPECT_NO_THROW(hr = list->Synchronise(ZORListValZORISpecObject_var{P(1), P(2)}));
  const bool fired = ZORFaultGate::Fired();
  ZORFaultGate::Disarm();
  ASSERT_TRUE(fired);
  EXPECT_EQ(hr, E_FAIL);
  // What was done before the error stands, and the lines still match the entries.
  ZORListValZORISpecObject_var content;
  list->GetSpecObjects(content);
  EXPECT_EQ(Lines().size(), static_cast<std::size_t>(std::max(content.Size(), 1)));
}

}  // namespace

TEST_F(UserSelectorList, WithoutAnEditorClicksSelectLinesAndHighlightNothing) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORFrmEditor::SetCurrentEditor(nullptr);
  ZORWENUIUserSelectorList* list = MakeUserList();
  ZORFrmEditor::SetCurrentEditor(editor);
  // Entries come in even though nothing can be highlighted.
  EXPECT_EQ(list->Append(P(0)), E_FAIL);
  EXPECT_EQ(list->Append(P(1)), E_FAIL);
  EXPECT_EQ(list->Size(), 2);
  ASSERT_TRUE(driver.ClickLine("Panel/List", 1));
  EXPECT_EQ(Lines(), (Texts{"Point.1", "*Point.2"}));
  EXPECT_EQ(session.Editor().GetHSO()->GetSize(), 0);
  ZORListValZORISpecObject_var selected;
  ASSERT_EQ(list->GetSelection(selected), S_OK);
  ASSERT_EQ(selected.Size(), 1);
  EXPECT_TRUE(selected[1] == P(1));
}
