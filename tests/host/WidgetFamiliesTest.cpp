#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgCombo.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgDialog.h"
#include "ZORDlgEditor.h"
#include "ZORDlgPushItem.h"
#include "ZORDlgRadioItem.h"
#include "ZORDlgSelectorList.h"
#include "ZORDlgSeparator.h"
#include "ZORDlgSpinner.h"
#include "ZORDlgTabContainer.h"
#include "ZORDlgTabPage.h"
#include "ZORDlgWindow.h"
#include "ZORDriver.h"
#include "ZORGuiCommandStackNotification.h"
#include "ZORHostSession.h"
#include "ZORStateCommand.h"
#include "ZORTestListener.h"

namespace {

// An open panel whose widgets notify a listener (their father chain ends there).
class WidgetFamilies : public ::testing::Test {
 protected:
  WidgetFamilies() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
    panel_->SetFather(&listener_);
  }

  std::string Screen() const { return driver_.DescribePanels(); }
  bool Shows(const std::string& text) const { return Screen().find(text) != std::string::npos; }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORDlgDialog* panel_ = nullptr;
  ZORTestListener listener_;
};

TEST_F(WidgetFamilies, SpinnerStepsWithinItsRangeAndSettersAreSilentUnlessAsked) {
  auto* spinner = new ZORDlgSpinner(panel_, "spinner", 0x40000);
  listener_.Listen(spinner, spinner->GetSpinnerModifyNotification(), "modify");
  ASSERT_TRUE(spinner->SetRange(-10, 10, 20));
  EXPECT_EQ(spinner->GetStep(), 1);
  EXPECT_FALSE(spinner->SetRange(5, 5, 10));
  EXPECT_FALSE(spinner->SetRange(0, 1, 0));
  EXPECT_TRUE(spinner->SetCurrentValue(3));
  EXPECT_FALSE(spinner->SetCurrentValue(std::nan("")));
  EXPECT_TRUE(listener_.log.empty());
  EXPECT_TRUE(spinner->SetCurrentValue(40, 1));  // clamped, and told
  EXPECT_EQ(spinner->GetCurrentValue(), 10);
  EXPECT_EQ(listener_.log.size(), 1u);

  listener_.log.clear();
  EXPECT_FALSE(driver_.Spin("Panel/spinner", true));  // already at the top
  EXPECT_TRUE(driver_.Spin("Panel/spinner", false, 3));
  EXPECT_EQ(spinner->GetCurrentValue(), 7);
  EXPECT_TRUE(driver_.Type("Panel/spinner", "-2.5"));
  for (const char* refused : {"abc", "nan", "inf", "1e400", "10.5", "-11"}) {
    EXPECT_FALSE(driver_.Type("Panel/spinner", refused)) << refused;
  }
  EXPECT_EQ(spinner->GetCurrentValue(), -2.5f);
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"modify", "modify"}));
  // A range change sends nothing, whatever its last argument, and keeps a float in the range.
  ASSERT_TRUE(spinner->SetRange(-10, 0.1, 100, 1));
  EXPECT_TRUE(spinner->SetCurrentValue(0.1));
  EXPECT_LE(spinner->GetCurrentValue(), 0.1);
  EXPECT_GT(spinner->GetCurrentValue(), 0.0999999);
  EXPECT_EQ(listener_.log.size(), 2u);
  ASSERT_TRUE(spinner->SetRange(-10, 10, 20));
  EXPECT_TRUE(spinner->SetCurrentValue(-2.5));
  ASSERT_TRUE(spinner->SetFormat("%4.4f"));
  EXPECT_FALSE(spinner->SetFormat("%s"));
  EXPECT_FALSE(spinner->SetFormat("%f %f"));
  EXPECT_TRUE(Shows("ZORDlgSpinner \"spinner\" value=\"-2.5000\"")) << Screen();

  spinner->SetSensitivity(ZORDialog::kInsensitive);
  EXPECT_FALSE(driver_.Spin("Panel/spinner", true));
  EXPECT_FALSE(driver_.Type("Panel/spinner", "1"));
  EXPECT_EQ(listener_.log.size(), 2u);
}

TEST_F(WidgetFamilies, ComboPicksExistingLinesAndItsSelectionFollowsInsertions) {
  auto* combo = new ZORDlgCombo(panel_, "ComboInterpoMode");
  listener_.Listen(combo, combo->GetComboSelectNotification(), "select");
  ASSERT_TRUE(combo->SetLine("Linear"));
  ASSERT_TRUE(combo->SetLine("Cubic", -1));
  EXPECT_FALSE(combo->SetLine("Far", 5));
  EXPECT_FALSE(combo->SetLine("Nothing", 2, ZORDlgCombo::kModify));
  EXPECT_EQ(combo->GetSelect(), -1);
  ASSERT_TRUE(combo->SetSelect(1));
  EXPECT_TRUE(listener_.log.empty());
  ASSERT_TRUE(combo->SetLine("None", 0));
  EXPECT_EQ(combo->GetLine(combo->GetSelect()), "Cubic");

  EXPECT_TRUE(driver_.SelectInCombo("Panel/ComboInterpoMode", 1));
  EXPECT_EQ(combo->GetLine(combo->GetSelect()), "Linear");
  EXPECT_FALSE(driver_.SelectInCombo("Panel/ComboInterpoMode", 3));
  EXPECT_FALSE(driver_.SelectInCombo("Panel/ComboInterpoMode", -1));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"select"}));
  EXPECT_TRUE(Shows("ZORDlgCombo \"ComboInterpoMode\" lines=3 selected=\"Linear\"")) << Screen();
  combo->SetVisibility(ZORDialog::kHidden);
  EXPECT_FALSE(driver_.SelectInCombo("Panel/ComboInterpoMode", 0));
  EXPECT_EQ(listener_.log.size(), 1u);
}

TEST_F(WidgetFamilies, ContextualMenuOfAListLineShowsThenSendsTheChosenItem) {
  auto* list = new ZORDlgSelectorList(panel_, "List");
  for (const char* text : {"a", "b", "c"}) list->SetLine(text, -1, ZORDlgSelectorList::kAddLine);
  auto* menu = new ZORDlgContextualMenu(list, "CxtMenu");
  auto* remove = new ZORDlgPushItem(menu, "RemoveItem");
  new ZORDlgSeparator(menu, "Separator");
  auto* item1 = new ZORDlgRadioItem(menu, "item1");
  auto* item2 = new ZORDlgRadioItem(menu, "item2");
  listener_.Listen(menu, menu->GetVisibilityNotification(), "show",
                   [list] { return " line " + std::to_string(list->GetContextualLine()); });
  listener_.Listen(remove, remove->GetMenuIActivateNotification(), "remove");
  listener_.Listen(item2, item2->GetMenuIModifyNotification(), "item2");

  EXPECT_TRUE(driver_.Menu("Panel/List", 1, "RemoveItem"));
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_FALSE(remove->Choose());  // the menu closed with the choice
  EXPECT_TRUE(driver_.Menu("Panel/List", 2, "item2"));
  EXPECT_EQ(listener_.log,
            (std::vector<std::string>{"show line 1", "remove", "show line 2", "item2"}));
  EXPECT_TRUE(item2->IsChecked());
  item1->SetChecked(true);
  EXPECT_FALSE(item2->IsChecked());

  // What a user could not do sends nothing.
  listener_.log.clear();
  EXPECT_FALSE(driver_.Menu("Panel/List", 3, "RemoveItem"));
  EXPECT_TRUE(listener_.log.empty());
  remove->SetSensitivity(ZORDialog::kInsensitive);
  EXPECT_FALSE(driver_.Menu("Panel/List", 0, "RemoveItem"));
  EXPECT_FALSE(driver_.Menu("Panel/List", 0, "Separator"));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"show line 0", "show line 0"}));
  EXPECT_FALSE(menu->IsOpen());
  list->SetVisibility(ZORDialog::kHidden);
  EXPECT_FALSE(driver_.Menu("Panel/List", 0, "item1"));
  EXPECT_EQ(listener_.log.size(), 2u);
  // A removed line is no longer the contextual one.
  list->ClearLine();
  EXPECT_EQ(list->GetContextualLine(), -1);
}

TEST_F(WidgetFamilies, TabContainerBringsAPageInFrontOnlyWhenTheUserCanReachIt) {
  auto* tabs = new ZORDlgTabContainer(panel_, "3DPointTab");
  EXPECT_EQ(tabs->GetSelectedPage(), nullptr);
  auto* cartesian = new ZORDlgTabPage(tabs, "CartesianPage");
  auto* cylindrical = new ZORDlgTabPage(tabs, "CylindricalPage");
  auto* spherical = new ZORDlgTabPage(tabs, "SphericalPage");
  listener_.Listen(tabs, tabs->GetTabSelectNotification(), "page",
                   [tabs] { return " " + tabs->GetSelectedPage()->GetName().str(); });
  EXPECT_EQ(tabs->GetSelectedPage(), cartesian);
  ASSERT_TRUE(tabs->SetSelectedPage(cylindrical));
  EXPECT_TRUE(listener_.log.empty());
  EXPECT_FALSE(tabs->SetSelectedPage(nullptr));

  EXPECT_TRUE(driver_.Tab("Panel/3DPointTab", "SphericalPage"));
  EXPECT_FALSE(driver_.Tab("Panel/3DPointTab", "PolarPage"));
  cartesian->SetSensitivity(ZORDialog::kInsensitive);
  EXPECT_FALSE(driver_.Tab("Panel/3DPointTab", "CartesianPage"));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"page SphericalPage"}));
  EXPECT_TRUE(Shows("ZORDlgTabContainer \"3DPointTab\" page=\"SphericalPage\"")) << Screen();
  // The page in front going, the first page comes back in front.
  spherical->Destroy();
  EXPECT_EQ(tabs->GetSelectedPage(), cartesian);
}

TEST_F(WidgetFamilies, WindowsCloseFromTheirFrameAndEditorsReadWholeNumbers) {
  auto* window = new ZORDlgWindow(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Win");
  window->SetFather(&listener_);
  listener_.Listen(window, window->GetWindCloseNotification(), "close");
  EXPECT_FALSE(driver_.CloseWindow("Win"));  // a window starts hidden
  window->SetVisibility(ZORDialog::kShown);
  EXPECT_TRUE(driver_.CloseWindow("Win"));
  EXPECT_TRUE(driver_.CloseWindow("Panel"));  // a dialog is a window too
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"close"}));
  window->Destroy();

  auto* editor = new ZORDlgEditor(panel_, "CurrentEditor", 0x28200000);
  editor->SetIntegerValue(42);
  int value = 0;
  ASSERT_TRUE(editor->GetIntegerValue(value));
  EXPECT_EQ(value, 42);
  editor->SetText("4.5");
  EXPECT_FALSE(editor->GetIntegerValue(value));
  editor->SetText("1e12");
  EXPECT_FALSE(editor->GetIntegerValue(value));
  EXPECT_EQ(value, 42);
}

TEST(CommandStackNotification, EverySubscriberHearsEachStackingOnceUntilItGoes) {
  ZORHostSession session;
  ZORDriver driver(session);
  ZORTestListener first;
  auto second = std::make_unique<ZORTestListener>();
  first.Listen(nullptr, "ZORGuiCommandStackNotification", "first");
  second->Listen(nullptr, "ZORGuiCommandStackNotification", "second");
  ASSERT_EQ(driver.Start(new ZORStateCommand("One")), S_OK);
  EXPECT_EQ(first.log, (std::vector<std::string>{"first"}));
  EXPECT_EQ(second->log, (std::vector<std::string>{"second"}));
  second.reset();
  ASSERT_EQ(driver.Start(new ZORStateCommand("Two")), S_OK);
  EXPECT_EQ(first.log, (std::vector<std::string>{"first", "first"}));
}

}  // namespace
