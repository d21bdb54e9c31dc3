#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZOR3DCustomRep.h"
#include "ZOR3DMarkerGP.h"
#include "ZOR3DVisuHandle.h"
#include "ZORApplicationFrame.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgDialog.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgPushItem.h"
#include "ZORDlgSelectorList.h"
#include "ZORDriver.h"
#include "ZORGuiCommandStackFrame.h"
#include "ZORHSO.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORIPathAccess.h"
#include "ZORTestListener.h"
#include "ZORWENUIMultiList.h"
#include "ZORWENUISelector.h"

namespace {

// A frame that adds its own item once the menu is filled, and counts what it found there.
class FrameWithItem : public ZORGuiCommandStackFrame {
 public:
  FrameWithItem(ZORDialog* parent, ZORGuiContextualMenuData data)
      : ZORGuiCommandStackFrame(parent, "Frame", 0x80000, data) {}
  int hooks = 0;
  int childrenAtHook = 0;

 protected:
  void AddParticularContextualsItems() override {
    ++hooks;
    childrenAtHook = GetContextualMenu()->GetChildCount();
    new ZORDlgPushItem(GetContextualMenu(), "X");
  }
};

// An open panel whose widgets notify a listener, in a session with points to show.
class SelectorWidgets : public ::testing::Test {
 protected:
  SelectorWidgets() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
    panel_->SetFather(&listener_);
    ZORFeature_var set = session_.Document().CreateTool("GeometricalSet");
    p1_ = session_.Document().CreatePoint(1, 0, 0, set);
    p2_ = session_.Document().CreatePoint(2, 0, 0, set);
  }
  ~SelectorWidgets() override { driver_.EndTransaction(); }

  std::string Screen() const { return driver_.DescribePanels(); }
  bool Shows(const std::string& text) const { return Screen().find(text) != std::string::npos; }
  bool Highlighted(const ZORFeature_var& feature) {
    ZORPathElement path;
    ZORIPathAccess_var(feature)->GetPathElement(path);
    return session_.Editor().GetHSO()->IsMember(path) != 0;
  }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORDlgDialog* panel_ = nullptr;
  ZORTestListener listener_;
  ZORFeature_var p1_;
  ZORFeature_var p2_;
};

TEST_F(SelectorWidgets, FrameMenuIsFilledOnceThenFollowsItsDataAndSendsTheChoice) {
  auto* frame = new FrameWithItem(panel_, ZORGuiContextualMenuData(true, false));
  auto* list = new ZORDlgSelectorList(frame, "SelectorList");
  list->SetLine(ZORUnicodeString("a"));
  ZORDlgContextualMenu* menu = frame->CreateContextualMenu(list);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(frame->CreateContextualMenu(list), nullptr);
  listener_.Listen(menu, menu->GetVisibilityNotification(), "show",
                   [menu] { return " " + std::to_string(menu->GetChildCount()); });
  listener_.Listen(frame, frame->GetReplaceNotification(), "replace");
  listener_.Listen(frame, frame->GetRemoveNotification(), "remove");

  EXPECT_TRUE(driver_.Menu("Panel/Frame/SelectorList", 0, "Replace"));
  EXPECT_FALSE(driver_.Menu("Panel/Frame/SelectorList", 0, "Remove"));  // not offered
  frame->SetMenuData(ZORGuiContextualMenuData(false, true));
  EXPECT_TRUE(driver_.Menu("Panel/Frame/SelectorList", 0, "Remove"));
  EXPECT_TRUE(driver_.Menu("Panel/Frame/SelectorList", 0, "X"));
  EXPECT_EQ(frame->hooks, 1);
  EXPECT_EQ(frame->childrenAtHook, 2);  // Replace and Remove were there
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"show 3", "replace", "show 3", "show 3",
                                                     "remove", "show 3"}));
}

TEST_F(SelectorWidgets, SelectorShowsItsElementHighlightsOnClickAndEmptiesFromItsMenu) {
  auto* selector =
      new ZORWENUISelector(panel_, panel_, "FraAxis", 0x80000, ZORWENUISelector::kOptionalStyle,
                           ZORGuiContextualMenuData(), ZORGuiContextualMenuData::None());
  selector->AddAnalyseNotificationCB(selector->GetEditor(), selector->GetListSelectNotification(),
                                     &ZORWENUISelector::ManageSelection, nullptr);
  listener_.Listen(selector, selector->GetListSelectNotification(), "select");
  listener_.Listen(selector, selector->GetRemoveNotification(), "remove");
  EXPECT_EQ(selector->GetEditor()->GetLine(0), "Optional");
  EXPECT_FALSE(driver_.Menu("Panel/FraAxis", -1, "Remove"));  // nothing to remove yet

  selector->SetSelectedElement(ZORBaseUnknown_var(p1_));
  EXPECT_EQ(selector->GetEditor()->GetLine(0), "Point.1");
  EXPECT_TRUE(listener_.log.empty());  // silent
  selector->SetSelectedElement(ZORBaseUnknown_var(p2_), 1);
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"select"}));
  EXPECT_TRUE(Highlighted(p2_));

  selector->SetNoSelectionText(ZORUnicodeString("Pick an axis"));
  EXPECT_EQ(selector->GetEditor()->GetLine(0), "Point.2");  // shown only when empty
  selector->Refresh();
  EXPECT_TRUE(Shows("* 0: \"Point.2\"")) << Screen();

  listener_.log.clear();
  EXPECT_TRUE(driver_.Menu("Panel/FraAxis", -1, "Remove"));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"remove"}));
  EXPECT_FALSE(selector->GetSelectedElement());
  EXPECT_FALSE(Highlighted(p2_));
  EXPECT_EQ(selector->GetEditor()->GetLine(0), "Pick an axis");

  // A click on the empty line unhighlights; an insensitive selector takes no click.
  selector->SetSelectedElement(ZORBaseUnknown_var(p1_));
  EXPECT_TRUE(driver_.Click("Panel/FraAxis"));
  EXPECT_TRUE(Highlighted(p1_));
  EXPECT_TRUE(Shows("element: set highlighted")) << Screen();
  // A selection that leaves the line unselected takes the highlight away.
  selector->GetEditor()->ClearSelect();
  selector->GetEditor()->SetSelect(nullptr, 0, 1);
  EXPECT_FALSE(Highlighted(p1_));
  EXPECT_TRUE(driver_.Click("Panel/FraAxis"));
  selector->SetSensitivity(ZORDialog::kInsensitive);
  listener_.log.clear();
  EXPECT_FALSE(driver_.Click("Panel/FraAxis"));
  EXPECT_FALSE(driver_.Menu("Panel/FraAxis", -1, "Replace"));
  EXPECT_TRUE(listener_.log.empty());
  selector->Destroy();
  EXPECT_FALSE(Highlighted(p1_));  // a selector that goes takes its highlight with it
}

TEST_F(SelectorWidgets, FeatureListTiesFeaturesToRowsAndOffersItsMenuOnThem) {
  auto* list = new ZORWENUIMultiList(panel_, "CouplPointsList", 0);
  ZORDlgMultiList* inner = list->GetMultiList();
  EXPECT_FALSE(list->SetFeature(ZORBaseUnknown_var(p1_)));  // no feature column yet
  ASSERT_TRUE(list->SetFeatureColumn(1));
  EXPECT_FALSE(list->SetFeatureColumn(0));
  inner->SetColumnItem(0, ZORUnicodeString("..."));  // a row without feature
  EXPECT_TRUE(list->SetFeature(ZORBaseUnknown_var(p1_)));
  EXPECT_TRUE(list->SetFeature(ZORBaseUnknown_var(p2_)));
  EXPECT_FALSE(list->SetFeature(ZORBaseUnknown_var(p2_), 7, ZORDlgMultiList::kModifyLine));
  listener_.Listen(list, list->GetReplaceNotification(), "replace", [list] {
    return " " + ZORISpecObject_var(list->GetContextualFeature())->GetDisplayName().str();
  });

  EXPECT_FALSE(driver_.Menu("Panel/CouplPointsList", 0, "Replace"));  // no feature there
  EXPECT_TRUE(driver_.Menu("Panel/CouplPointsList", 2, "Replace"));
  inner->ClearLine(0);  // the features move up with their rows
  EXPECT_EQ(list->GetFeature(0), ZORBaseUnknown_var(p1_));
  EXPECT_TRUE(driver_.Menu("Panel/CouplPointsList", 0, "Replace"));
  EXPECT_FALSE(driver_.Menu("Panel/CouplPointsList", 5, "Replace"));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"replace Point.2", "replace Point.1"}));
  EXPECT_TRUE(driver_.SelectLines("Panel/CouplPointsList", {1}));
  EXPECT_TRUE(Shows("* 1: \"\" \"Point.2\" (feature)")) << Screen();

  // The first column may hold the features too; no column before it.
  auto* first = new ZORWENUIMultiList(panel_, "Features", 0);
  EXPECT_FALSE(first->SetFeatureColumn(-1));
  ASSERT_TRUE(first->SetFeatureColumn(0));
  EXPECT_TRUE(first->SetFeature(ZORBaseUnknown_var(p2_)));
  EXPECT_EQ(first->GetMultiList()->GetColumnItem(0, 0), "Point.2");
}

TEST_F(SelectorWidgets, PowerInputFocusGoesToOneShownWindowAtATime) {
  auto* details = new ZORDlgDialog(panel_, "Details");
  EXPECT_FALSE(details->SetPowerInputFocus());  // hidden
  EXPECT_TRUE(panel_->SetPowerInputFocus());
  details->SetVisibility(ZORDialog::kShown);
  EXPECT_TRUE(details->SetPowerInputFocus());
  EXPECT_FALSE(panel_->HasPowerInputFocus());
  EXPECT_EQ(driver_.FocusHolder(), "Panel/Details");
  EXPECT_TRUE(Shows("ZORDlgDialog \"Details\" focus")) << Screen();
  EXPECT_FALSE(panel_->ReleasePowerInputFocus());  // not its own
  EXPECT_TRUE(details->ReleasePowerInputFocus());
  EXPECT_EQ(driver_.FocusHolder(), "");
  EXPECT_TRUE(details->SetPowerInputFocus());
  details->SetVisibility(ZORDialog::kHidden);  // a hidden window lets go
  EXPECT_EQ(ZORDlgWindow::GetPowerInputFocusWindow(), nullptr);
  details->SetVisibility(ZORDialog::kShown);
  EXPECT_TRUE(details->SetPowerInputFocus());
  details->Destroy();  // so does a window that goes
  EXPECT_EQ(ZORDlgWindow::GetPowerInputFocusWindow(), nullptr);
}

TEST_F(SelectorWidgets, HandleContextCarriesItsMenuToTheListenersWhileDelivered) {
  auto rep = ZORMake<ZOR3DCustomRep>();
  rep->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(0, 0, 0), 4));
  auto handle = ZORMake<ZOR3DVisuHandle>(&listener_, ZORString("handle"), rep.get());
  session_.Editor().GetISO()->AddElement(handle.get());
  ZORNotification* context = handle->GetContextNotification();
  listener_.AddAnalyseNotificationCB(
      handle.get(), context,
      [&](ZORCommand*, ZORNotification* n, ZORCallbackData) {
        ZORDlgContextualMenu* menu = ZORDlgContextualMenu::CarriedBy(n);
        listener_.log.push_back("context " + std::to_string(menu ? menu->GetChildCount() : -1));
        if (menu) {
          auto* item = new ZORDlgPushItem(menu, "item1");
          listener_.Listen(item, item->GetMenuIActivateNotification(), "item1");
        }
      },
      nullptr);
  listener_.Listen(handle.get(), handle->GetEndContextNotification(), "end context");
  ZORHandleDriver pointer(driver_);

  EXPECT_TRUE(pointer.Context(1, "item1"));
  EXPECT_EQ(ZORDlgContextualMenu::CarriedBy(context), nullptr);  // only while delivered
  EXPECT_FALSE(pointer.Context(1, "NoSuchItem"));
  EXPECT_TRUE(pointer.Context(1, "ReframeOnHSO"));
  EXPECT_FALSE(pointer.Context(2));
  // Each request gets a fresh menu: the item added last time is not there twice.
  EXPECT_EQ(listener_.log,
            (std::vector<std::string>{"context 2", "item1", "end context", "context 2",
                                      "end context", "context 2", "end context"}));
  EXPECT_EQ(handle->GetContextualMenu()->GetChildCount(), 3);
  EXPECT_FALSE(handle->GetContextualMenu()->IsOpen());
  session_.Editor().GetISO()->RemoveElement(handle.get());
}

TEST_F(SelectorWidgets, ChildrenLeaveInAnyOrderAndTheOthersKeepTheirs) {
  std::vector<ZORDialog*> children;
  for (int i = 0; i < 6; ++i) children.push_back(new ZORDialog(panel_, "w" + std::to_string(i)));
  for (int i : {4, 0, 2, 5}) children[static_cast<std::size_t>(i)]->Destroy();
  ASSERT_EQ(panel_->GetChildCount(), 2);
  EXPECT_EQ(panel_->GetDialogChildren()[0]->GetName(), "w1");
  EXPECT_EQ(panel_->GetDialogChildren()[1]->GetName(), "w3");
  EXPECT_EQ(panel_->FindChild("w3"), children[3]);
  EXPECT_EQ(panel_->FindChild("w2"), nullptr);
  new ZORDialog(panel_, "w6");
  EXPECT_EQ(panel_->GetDialogChildren().back()->GetName(), "w6");
}

}  // namespace
