#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDlgCheckButton.h"
#include "ZORDlgDialog.h"
#include "ZORDlgEditor.h"
#include "ZORDlgFrame.h"
#include "ZORDlgLabel.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgPushButton.h"
#include "ZORDlgRadioButton.h"
#include "ZORDlgSelectorList.h"
#include "ZORFrmDialog.h"
#include "ZORTestListener.h"
#include "ZORTestResources.h"
#include "ZORTransaction.h"

namespace {

std::vector<std::string> gone;

class WidgetProbe : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(WidgetProbe, ZORDlgFrame, ZORMetaObject::Implementation, "Test")
  explicit WidgetProbe(ZORDialog* parent = nullptr, const ZORString& name = "probe")
      : ZORDlgFrame(parent, name, 0) {}
  ~WidgetProbe() override { gone.push_back(GetName().str()); }
};

class ProbePanel : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ProbePanel, ZORFrmDialog, ZORMetaObject::Implementation, "Test")
  explicit ProbePanel(ZORDialog* parent = nullptr) : ZORFrmDialog(parent, "ProbePanel", 0) {}
};

std::vector<std::string> Names(const std::vector<ZORDialog*>& widgets) {
  std::vector<std::string> names;
  for (const ZORDialog* w : widgets) names.push_back(w->GetName().str());
  return names;
}

// A shown dialog holding a frame, as a panel is when the user acts on it.
struct ShownDialog {
  ShownDialog() { dialog->SetVisibility(ZORDialog::kShown); }
  ~ShownDialog() { dialog->Release(); }
  ZORDlgDialog* dialog = new ZORDlgDialog(nullptr, "Panel", 0);
  ZORDlgFrame* frame = new ZORDlgFrame(dialog, "Frame", 0x80000);
};

TEST(DialogWidget, ParentOwnsChildrenAndLetsGoOnRequest) {
  gone.clear();
  auto* root = new WidgetProbe(nullptr, "root");
  auto* a = new WidgetProbe(root, "a");
  new WidgetProbe(a, "a1");
  auto* b = new WidgetProbe(root, "b");
  auto* c = new WidgetProbe(root, "c");
  EXPECT_EQ(Names(root->GetDialogChildren()), (std::vector<std::string>{"a", "b", "c"}));

  // Explicit destruction: at once, and the parent forgets the child.
  b->Destroy();
  EXPECT_EQ(gone, (std::vector<std::string>{"b"}));
  EXPECT_EQ(root->GetChildCount(), 2);

  // Delayed destruction: the parent lets go now, the transaction destroys it later.
  c->RequestDelayedDestruction();
  EXPECT_EQ(Names(root->GetDialogChildren()), (std::vector<std::string>{"a"}));
  EXPECT_EQ(gone.size(), 1u);
  EXPECT_EQ(c->GetName(), "c");  // still alive in the current call

  // The parent takes its children with it (a probe logs before its base destroys its children);
  // the handed-over child waits for the transaction.
  root->Release();
  EXPECT_EQ(gone, (std::vector<std::string>{"b", "root", "a", "a1"}));
  ZORTransaction::End();
  EXPECT_EQ(gone.back(), "c");
  EXPECT_EQ(gone.size(), 5u);
}

TEST(DialogWidget, RefatheredPanelNotifiesItsCommandButStaysOwnedByItsParent) {
  gone.clear();
  ShownDialog window;
  ZORTestListener command;
  auto* panel = new WidgetProbe(window.frame, "panel");
  auto* button = new ZORDlgPushButton(panel, "Go", 0);
  command.Listen(button, button->GetPushBActivateNotification(), "command");

  // Until the panel is refathered, the command is not on the button's chain.
  EXPECT_TRUE(button->Click());
  EXPECT_TRUE(command.log.empty());
  ASSERT_TRUE(panel->SetFather(&command));
  EXPECT_TRUE(button->Click());
  EXPECT_EQ(command.log, (std::vector<std::string>{"command"}));

  EXPECT_EQ(panel->GetDialogParent(), window.frame);
  window.frame->Destroy();
  EXPECT_EQ(gone, (std::vector<std::string>{"panel"}));
}

TEST(DialogWidget, FirstCommandOfTheChainWithASubscriptionTakesTheNotification) {
  ShownDialog window;
  auto* button = new ZORDlgPushButton(window.frame, "Go", 0);
  ZORTestListener outer;
  ZORTestListener inner(&outer);
  window.dialog->SetFather(&inner);
  outer.Listen(button, button->GetPushBActivateNotification(), "outer");
  EXPECT_TRUE(button->Click());
  EXPECT_EQ(outer.log, (std::vector<std::string>{"outer"}));
  inner.Listen(button, button->GetPushBActivateNotification(), "inner");
  EXPECT_TRUE(button->Click());
  EXPECT_EQ(inner.log, (std::vector<std::string>{"inner"}));
  EXPECT_EQ(outer.log.size(), 1u);
}

TEST(DialogWidget, FindsDescendantsByNameAndPath) {
  ShownDialog window;
  auto* left = new ZORDlgFrame(window.frame, "Left", 0);
  auto* right = new ZORDlgFrame(window.frame, "Right", 0);
  auto* leftAppend = new ZORDlgCheckButton(left, "Append", 0);
  auto* rightAppend = new ZORDlgCheckButton(right, "Append", 0);
  EXPECT_EQ(window.dialog->FindChild("Append"), leftAppend);  // depth first
  EXPECT_EQ(window.dialog->FindChild("Right/Append"), rightAppend);
  EXPECT_EQ(window.dialog->FindChild("Frame/Right/Append"), rightAppend);
  EXPECT_EQ(window.dialog->FindChild("Right/Missing"), nullptr);
  EXPECT_EQ(window.dialog->FindChild(""), nullptr);
}

TEST(DialogWidget, UserReachesOnlyShownSensitiveWidgetsOfAShownWindow) {
  ShownDialog window;
  auto* button = new ZORDlgPushButton(window.frame, "Go", 0);
  EXPECT_TRUE(button->IsUserReachable());

  button->SetSensitivity(3);  // not a sensitivity: ignored
  EXPECT_EQ(button->GetSensitivity(), ZORDialog::kSensitive);
  window.frame->SetSensitivity(ZORDialog::kInsensitive);
  EXPECT_FALSE(button->Click());
  window.frame->SetSensitivity(ZORDialog::kSensitive);

  // A dialog window stands on its own: hiding its parent window does not hide it.
  auto* child = new ZORDlgDialog(window.dialog, "Child", 0);
  auto* inChild = new ZORDlgPushButton(child, "Inner", 0);
  EXPECT_FALSE(inChild->IsUserReachable());  // dialogs start hidden
  child->SetVisibility(ZORDialog::kShown);
  window.dialog->SetVisibility(ZORDialog::kHidden);
  EXPECT_TRUE(inChild->IsUserReachable());
  EXPECT_FALSE(button->IsUserReachable());
}

TEST(DialogWidget, ResourcesFollowTheClassChain) {
  ZORTestResources resources;
  resources.Write("ProbePanel", "Title = Probe\n");
  resources.Write("ZORFrmDialog", "Title = Base\nOK = Done\n");
  auto* panel = new ProbePanel();
  EXPECT_EQ(panel->GetResourceFilename(0), "ProbePanel");
  EXPECT_EQ(panel->GetResourceFilename(1), "ZORFrmDialog");
  EXPECT_EQ(panel->GetResourceValueFromKey("Title"), "Probe");
  EXPECT_EQ(panel->GetResourceValueFromKey("OK"), "Done");
  EXPECT_EQ(panel->GetResourceValueFromKey("NoSelection"), "");
  panel->Release();
}

TEST(DialogWidget, DialogButtonsSendTheirNotificationsToCallbacksOnTheDialog) {
  ShownDialog window;
  ZORDlgDialog* d = window.dialog;
  std::vector<std::string> log;
  for (auto [n, tag] : {std::pair{d->GetDiaOKNotification(), "ok"},
                        std::pair{d->GetDiaAPPLYNotification(), "apply"},
                        std::pair{d->GetDiaCANCELNotification(), "cancel"},
                        std::pair{d->GetDiaCLOSENotification(), "close"},
                        std::pair{d->GetWindCloseNotification(), "window"}}) {
    d->AddAnalyseNotificationCB(
        d, n, [&log, tag](ZORCommand*, ZORNotification*, ZORCallbackData) { log.push_back(tag); },
        nullptr);
  }
  EXPECT_TRUE(d->PressOK());
  EXPECT_TRUE(d->PressApply());
  EXPECT_TRUE(d->PressCancel());
  EXPECT_TRUE(d->PressClose());
  EXPECT_TRUE(d->Close());
  EXPECT_EQ(log, (std::vector<std::string>{"ok", "apply", "cancel", "close", "window"}));
  EXPECT_EQ(d->GetVisibility(), ZORDialog::kShown);  // closing the window only notifies

  d->SetOKSensitivity(ZORDialog::kInsensitive);
  EXPECT_FALSE(d->PressOK());
  d->SetVisibility(ZORDialog::kHidden);
  EXPECT_FALSE(d->PressApply());
  EXPECT_EQ(log.size(), 5u);
}

TEST(DialogWidget, CheckButtonClicksToggleAndNotify) {
  ShownDialog window;
  auto* check = new ZORDlgCheckButton(window.frame, "Append", 0x100000);
  ZORTestListener owner;
  window.dialog->SetFather(&owner);
  auto state = [check] { return check->GetState() == ZORDlgCheckButton::kChecked ? "+" : "-"; };
  owner.Listen(check, check->GetChkBModifyNotification(), "modify", state);
  owner.Listen(check, check->GetChkBDoubleClickNotification(), "double", state);

  EXPECT_EQ(check->GetState(), ZORDlgCheckButton::kUnchecked);
  EXPECT_TRUE(check->Click());
  check->SetState(ZORDlgCheckButton::kUnchecked, 0);
  check->SetState(0x1234, 1);  // not a state: ignored
  EXPECT_EQ(check->GetState(), ZORDlgCheckButton::kUnchecked);
  check->SetState(ZORDlgCheckButton::kChecked, 1);
  // The double click's modify notification comes first, so a mode set on the double click stays.
  EXPECT_TRUE(check->DoubleClick());
  EXPECT_EQ(owner.log, (std::vector<std::string>{"modify+", "modify+", "modify-", "double-"}));

  check->SetSensitivity(ZORDialog::kInsensitive);
  EXPECT_FALSE(check->Click());
  EXPECT_EQ(check->GetState(), ZORDlgCheckButton::kUnchecked);
}

TEST(DialogWidget, TextFieldsTakeTypedTextAndNumericOnesOnlyNumbers) {
  ShownDialog window;
  auto* name = new ZORDlgEditor(window.frame, "Name");
  auto* distance = new ZORDlgEditor(window.frame, "Distance", ZORDlgEditor::kNumeric);
  ZORTestListener owner;
  window.dialog->SetFather(&owner);
  auto text = [distance] { return distance->GetText().str(); };
  owner.Listen(distance, distance->GetEditModifyNotification(), "modify ", text);
  owner.Listen(distance, distance->GetEditActivateNotification(), "enter ", text);

  EXPECT_TRUE(name->Type("Point A"));
  EXPECT_EQ(name->GetText(), "Point A");
  double value = 0;
  EXPECT_FALSE(name->GetValue(value));
  // A numeric field refuses what is not a number, sending nothing and keeping its text.
  distance->SetValue(10);
  for (const char* wrong : {"far", "", "12abc", "1e999", "nan"})
    EXPECT_FALSE(distance->Type(wrong));
  EXPECT_EQ(distance->GetText(), "10");
  EXPECT_TRUE(distance->Type("-2.5"));
  ASSERT_TRUE(distance->GetValue(value));
  EXPECT_EQ(value, -2.5);
  EXPECT_EQ(owner.log, (std::vector<std::string>{"modify -2.5", "enter -2.5"}));

  distance->SetVisibility(ZORDialog::kHidden);
  EXPECT_FALSE(distance->Type("3"));
  EXPECT_EQ(distance->GetText(), "-2.5");
}

TEST(DialogWidget, RadioButtonsAreExclusiveWithinTheirFrame) {
  ShownDialog window;
  auto* other = new ZORDlgFrame(window.dialog, "Other", 0);
  auto* a = new ZORDlgRadioButton(window.frame, "A", 0);
  auto* b = new ZORDlgRadioButton(window.frame, "B", 0);
  auto* elsewhere = new ZORDlgRadioButton(other, "C", 0);
  ZORTestListener owner;
  window.dialog->SetFather(&owner);
  auto states = [&] {
    auto s = [](ZORDlgRadioButton* r) {
      return r->GetState() == ZORDlgRadioButton::kChecked ? '+' : '-';
    };
    return std::string{s(a), s(b), s(elsewhere)};
  };
  for (ZORDlgRadioButton* r : {a, b, elsewhere}) {
    owner.Listen(r, r->GetRadBModifyNotification(), r->GetName().str() + ":", states);
  }

  elsewhere->SetState(ZORDlgRadioButton::kChecked, 0);
  a->SetState(ZORDlgRadioButton::kChecked, 0);
  EXPECT_TRUE(owner.log.empty());
  EXPECT_TRUE(b->Click());
  EXPECT_TRUE(b->Click());  // already checked: nothing changes, nothing is sent
  EXPECT_EQ(owner.log, (std::vector<std::string>{"A:-++", "B:-++"}));
}

TEST(DialogWidget, SelectorListLinesInsertReplaceAndClear) {
  ShownDialog window;
  auto* list = new ZORDlgSelectorList(window.frame, "SelectorList", ZORDlgList::kMultipleSelection);
  EXPECT_TRUE(list->SetLine("placeholder", 0, ZORDlgList::kAddLine));
  EXPECT_TRUE(list->SetLine("one", 0, ZORDlgList::kModifyLine));
  EXPECT_TRUE(list->SetLine("three", -1, ZORDlgList::kAddLine));
  EXPECT_TRUE(list->SetLine("four", -1, ZORDlgList::kAddLine));
  list->SetSelect(1, 0);
  list->SetSelect(2, 0);
  EXPECT_TRUE(list->SetLine("two", 1, ZORDlgList::kAddLine));  // the selection moves with its lines
  EXPECT_EQ(list->GetSelect(), (std::vector<int>{2, 3}));

  EXPECT_FALSE(list->SetLine("x", 5, ZORDlgList::kAddLine));
  EXPECT_FALSE(list->SetLine("x", 4, ZORDlgList::kModifyLine));
  EXPECT_FALSE(list->SetLine("x", -1, ZORDlgList::kModifyLine));
  EXPECT_FALSE(list->SetLine("x", 0, 0));
  ASSERT_EQ(list->GetLineCount(), 4);
  EXPECT_EQ(list->GetLine(1), "two");
  EXPECT_EQ(list->GetLine(9), "");

  const int lines[] = {3, 0, 3, 17};
  list->ClearLine(lines, 4);
  ASSERT_EQ(list->GetLineCount(), 2);
  EXPECT_EQ(list->GetLine(0), "two");
  EXPECT_EQ(list->GetLine(1), "three");
  EXPECT_EQ(list->GetSelect(), (std::vector<int>{1}));
  list->ClearLine();
  EXPECT_EQ(list->GetLineCount(), 0);
  EXPECT_EQ(list->GetSelectCount(), 0);
}

// Hundreds of lines, removed in batches until the list renumbers its rows: the selection read
// back, whole or in part, stays that of the lines left.
TEST(DialogWidget, SelectorListSelectionFollowsBatchesOfRemovals) {
  ShownDialog window;
  auto* list = new ZORDlgSelectorList(window.frame, "Long", ZORDlgList::kMultipleSelection);
  std::vector<bool> model;
  for (int line = 0; line < 300; ++line) {
    list->SetLine(std::to_string(line).c_str());
    model.push_back(line % 7 == 3 || line == 64 || line == 299);
    if (model.back()) list->SetSelect(line, 0);
  }
  auto expected = [&model] {
    std::vector<int> lines;
    for (std::size_t i = 0; i < model.size(); ++i) {
      if (model[i]) lines.push_back(static_cast<int>(i));
    }
    return lines;
  };
  auto remove = [&](const std::vector<int>& lines) {
    list->ClearLine(lines.data(), static_cast<int>(lines.size()));
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) model.erase(model.begin() + *it);
  };
  ASSERT_EQ(list->GetSelect(), expected());

  remove({0, 3, 10, 63, 64, 65, 128});  // a few holes: no renumbering yet
  EXPECT_EQ(list->GetSelect(), expected());
  const int unselect[] = {2, 9, 400};
  list->ClearSelect(unselect, 3);
  model[2] = model[9] = false;
  EXPECT_EQ(list->GetSelect(), expected());
  EXPECT_EQ(list->GetSelectCount(), static_cast<int>(expected().size()));
  int firstThree[3] = {};
  ASSERT_EQ(list->GetSelect(firstThree, 3), 3);
  const std::vector<int> all = expected();
  EXPECT_EQ(std::vector<int>(firstThree, firstThree + 3),
            std::vector<int>(all.begin(), all.begin() + 3));

  std::vector<int> most;  // enough to outnumber what stays: the rows are renumbered
  for (int line = 20; line < 220; ++line) most.push_back(line);
  remove(most);
  ASSERT_EQ(list->GetLineCount(), static_cast<int>(model.size()));
  EXPECT_EQ(list->GetSelect(), expected());
  EXPECT_EQ(list->GetLine(static_cast<int>(model.size()) - 1), "299");
  list->SetSelect(static_cast<int>(model.size()) - 2, 0);
  model[model.size() - 2] = true;
  EXPECT_EQ(list->GetSelect(), expected());
}

TEST(DialogWidget, SelectorListSelectionAndUserActions) {
  ShownDialog window;
  auto* single = new ZORDlgSelectorList(window.frame, "Single", 0);
  auto* multi = new ZORDlgSelectorList(window.frame, "Multi", ZORDlgList::kMultipleSelection);
  for (const char* text : {"a", "b", "c", "d"}) {
    single->SetLine(text);
    multi->SetLine(text);
  }
  ZORTestListener owner;
  window.dialog->SetFather(&owner);
  for (ZORDlgSelectorList* l : {single, multi}) {
    auto describe = [l] {
      std::string s;
      for (int i : l->GetSelect()) s += std::to_string(i);
      return s;
    };
    owner.Listen(l, l->GetListSelectNotification(), l->GetName().str() + " select ", describe);
    owner.Listen(l, l->GetListActivateNotification(), l->GetName().str() + " activate ", describe);
  }

  const int picks[] = {3, 1, 9};
  single->SetSelect(picks, 3, 0);
  multi->SetSelect(picks, 3, 0);
  EXPECT_TRUE(owner.log.empty());
  EXPECT_EQ(single->GetSelect(), (std::vector<int>{1}));
  multi->SetSelect(0, 1);  // adds to the selection, and notifies
  int first[2] = {-1, -1};
  EXPECT_EQ(multi->GetSelect(first, 2), 2);
  EXPECT_EQ(first[1], 1);

  EXPECT_TRUE(multi->Click(2, true));
  EXPECT_TRUE(multi->Click(0, true));
  EXPECT_TRUE(multi->SelectLines({3, 0}));
  EXPECT_FALSE(single->SelectLines({0, 1}));
  EXPECT_FALSE(single->Click(4));
  EXPECT_TRUE(single->DoubleClick(2));
  EXPECT_EQ(owner.log,
            (std::vector<std::string>{"Multi select 013", "Multi select 0123", "Multi select 123",
                                      "Multi select 03", "Single select 2", "Single activate 2"}));
  multi->ClearSelect();
  EXPECT_EQ(multi->GetSelectCount(), 0);
}

TEST(DialogWidget, MultiListFillsRowsColumnByColumnAndRemovesRows) {
  ShownDialog window;
  auto* list = new ZORDlgMultiList(window.frame, "ListOfFeatures", ZORDlgList::kMultipleSelection);
  const ZORUnicodeString titles[] = {"Feature", "Parent", "Diagnosis"};
  list->SetColumnTitles(3, titles);
  for (int row = 0; row < 4; ++row) {
    const std::string n = std::to_string(row);
    EXPECT_TRUE(list->SetColumnItem(0, "Point." + n, row, ZORDlgList::kAddLine));
    EXPECT_TRUE(list->SetColumnItem(2, "diag " + n, row, ZORDlgList::kAddLine));
  }
  EXPECT_FALSE(list->SetColumnItem(0, "gap", 6, ZORDlgList::kAddLine));
  EXPECT_FALSE(list->SetColumnItem(0, "none", 4, ZORDlgList::kModifyLine));
  EXPECT_TRUE(list->SetColumnItem(1, "Line.1", 1, ZORDlgList::kModifyLine));
  ASSERT_EQ(list->GetLineCount(), 4);
  EXPECT_EQ(list->GetColumnCount(), 3);
  EXPECT_EQ(list->GetColumnTitle(1), "Parent");
  EXPECT_EQ(list->GetColumnItem(1, 1), "Line.1");
  EXPECT_EQ(list->GetColumnItem(1, 2), "");

  ZORTestListener owner;
  window.dialog->SetFather(&owner);
  owner.Listen(list, list->GetListSelectNotification(), "select");
  EXPECT_TRUE(list->SelectLines({1, 3}));
  const int removed[] = {0, 2};
  list->ClearLine(removed, 2);
  ASSERT_EQ(list->GetLineCount(), 2);
  EXPECT_EQ(list->GetColumnItem(0, 0), "Point.1");
  EXPECT_EQ(list->GetColumnItem(2, 1), "diag 3");
  EXPECT_EQ(list->GetSelect(), (std::vector<int>{0, 1}));
  EXPECT_EQ(owner.log, (std::vector<std::string>{"select"}));
}

}  // namespace
