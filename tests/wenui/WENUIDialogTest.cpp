#include <gtest/gtest.h>

#include "ZORApplicationFrame.h"
#include "ZORDlgPushButton.h"
#include "ZORDriver.h"
#include "ZORTestListener.h"
#include "ZORTestResources.h"
#include "ZORWENSettings.h"
#include "ZORWENUIDialog.h"

namespace {

// A multi-selection panel: three buttons whose clicks go through AnalyseNotifsMultiSelButton
// with the codes 1, 2 and 3, and a frame for the repetition button.
class MSPanel : public ZORWENUIDialog {
  ZOR_DECLARE_CLASS(MSPanel, ZORWENUIDialog, ZORMetaObject::Implementation, "Test")
  MSPanel() : ZORWENUIDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "MSPanel", 0) {
    frame = new ZORDlgFrame(this, "Frame");
    int code = kBagButton;
    for (const char* name : {"Bag", "Close", "ClearAll"}) {
      auto* button = new ZORDlgPushButton(frame, name);
      AddAnalyseNotificationCB(button, button->GetPushBActivateNotification(),
                               &ZORWENUIDialog::AnalyseNotifsMultiSelButton, ZORIntData(code++));
    }
    SetVisibility(kShown);
  }
  // A panel whose clear-all notification could not be made.
  void LoseClearAll() { std::exchange(clearAll_, nullptr)->Release(); }

  ZORDlgFrame* frame;
};

class WENUIDialog : public ::testing::Test {
 protected:
  WENUIDialog() {
    panel = new MSPanel();
    panel->SetFather(listener.get());
    listener->Listen(panel, panel->GetBagButtonNotification(), "bag");
    listener->Listen(panel, panel->GetCloseButtonNotification(), "close");
    listener->Listen(panel, panel->GetClearAllNotification(), "clear all");
  }
  ~WENUIDialog() override { panel->Destroy(); }
  void SetVersion(int version) { ZORWENSettings::GetWENSettings()->SetShapeDesignVersion(version); }

  ZORVar<ZORTestListener> listener = ZORMake<ZORTestListener>();
  ZORHostSession session;
  ZORDriver driver{session};
  MSPanel* panel;
};

TEST_F(WENUIDialog, TheMultiSelectionButtonsSendTheirNotificationsToTheFather) {
  ASSERT_TRUE(driver.Click("MSPanel/Frame/Bag"));
  ASSERT_TRUE(driver.Click("MSPanel/Frame/Close"));
  ASSERT_TRUE(driver.Click("MSPanel/Frame/ClearAll"));
  EXPECT_EQ(listener->log, (std::vector<std::string>{"bag", "close", "clear all"}));
  panel->AnalyseNotifsMultiSelButton(nullptr, nullptr, ZORIntData(4));
  EXPECT_EQ(listener->log.size(), 3u);
}

TEST_F(WENUIDialog, AMissingClearAllNotificationSendsNothing) {
  panel->LoseClearAll();
  ASSERT_TRUE(driver.Click("MSPanel/Frame/ClearAll"));
  EXPECT_TRUE(listener->log.empty());
  ASSERT_TRUE(driver.Click("MSPanel/Frame/Bag"));
  EXPECT_EQ(listener->log, (std::vector<std::string>{"bag"}));
}

TEST_F(WENUIDialog, BelowShapeDesignVersionFourThereIsNoRepetition) {
  SetVersion(3);
  auto* neighbour = new ZORDlgPushButton(panel, "Neighbour");
  panel->AddRepetitionFrame(panel, neighbour, 1);
  panel->AddRepetitionFrame(panel->frame, neighbour, 1);
  panel->AddRepetitionFrame(panel->frame, 0, 1, 1, 2);
  EXPECT_EQ(panel->GetRepetitionButton(), nullptr);
  EXPECT_EQ(driver.Find("MSPanel/CheckRepeat"), nullptr);
  EXPECT_FALSE(panel->IsRepetitionOn());
}

TEST_F(WENUIDialog, TheRepetitionButtonFollowsItsNeighbourAndIsOnWhenTheUserChecksIt) {
  auto* neighbour = new ZORDlgPushButton(panel, "Neighbour");
  panel->AddRepetitionFrame(panel, neighbour, 3);
  ZORDlgCheckButton* repeat = panel->GetRepetitionButton();
  ASSERT_NE(repeat, nullptr);
  EXPECT_EQ(repeat->GetDialogParent(), panel);
  EXPECT_EQ(repeat->GetTitle().str(), "Repetition mode");
  EXPECT_EQ(repeat->GetTabNeighbour().str(), "Neighbour");
  EXPECT_EQ(repeat->GetTabIndex(), 3);
  EXPECT_FALSE(panel->IsRepetitionOn());

  ASSERT_TRUE(driver.Check("MSPanel/CheckRepeat", true));
  EXPECT_TRUE(panel->IsRepetitionOn());
  // The version is read live: a workbench back at version 3 repeats nothing.
  SetVersion(3);
  EXPECT_FALSE(panel->IsRepetitionOn());
  SetVersion(4);
  ASSERT_TRUE(driver.Check("MSPanel/CheckRepeat", false));
  EXPECT_FALSE(panel->IsRepetitionOn());
}

TEST_F(WENUIDialog, InAGridTheButtonTakesTheCellAndTheJustificationAndItsTextsFromResources) {
  ZORTestResources resources;
  resources.Write("ZORWENUIDialog", "CheckRepeat = Repeat\nCheckRepeatLH = Starts again\n");
  panel->AddRepetitionFrame(panel->frame, 2, 1, 1, 3);
  // A second frame call keeps the button already built.
  panel->AddRepetitionFrame(panel->frame, nullptr, 0);
  ZORDlgCheckButton* repeat = panel->GetRepetitionButton();
  ASSERT_NE(repeat, nullptr);
  EXPECT_EQ(driver.Find("MSPanel/Frame/CheckRepeat"), repeat);
  EXPECT_EQ(panel->frame->GetChildCount(), 4);
  const ZORDlgGridConstraints* cell = repeat->GetGridConstraints();
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(*cell, (ZORDlgGridConstraints{2, 1, 1, 3, ZORWENUIDialog::kRepetitionJustification}));
  EXPECT_EQ(repeat->GetTitle().str(), "Repeat");
  EXPECT_EQ(repeat->GetLongHelp().str(), "Starts again");
}

}  // namespace
