#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgNotify.h"
#include "ZORError.h"
#include "ZORFaultGate.h"
#include "ZORFrmNotify.h"
#include "ZORNotifyAnswers.h"
#include "ZORProtectedSection.h"
#include "ZORShownMessageJournal.h"
#include "ZORTransaction.h"

namespace {

std::vector<std::string> closed;

// A panel built the way the library's message panels are: it hides itself and asks for its
// destruction when the user presses OK or closes it.
class ClosingPanel : public ZORFrmNotify {
  ZOR_DECLARE_CLASS(ClosingPanel, ZORFrmNotify, ZORMetaObject::Implementation, "Test")
  ClosingPanel(ZORDialog* parent, const ZORString& id) : ZORFrmNotify(parent, id, 0x08100200) {
    for (ZORNotification* n : {GetDiaOKNotification(), GetWindCloseNotification()}) {
      AddAnalyseNotificationCB(
          this, n,
          [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
            SetVisibility(kHidden);
            RequestDelayedDestruction();
          },
          nullptr);
    }
  }
  ~ClosingPanel() override { closed.push_back(GetName().str()); }
};

class NotifyBox : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    ZORApplicationFrame::Reset();
    ZORTransaction::End();
    ZORShownMessageJournal::Clear();
    ZORNotifyAnswers::Reset();
    ZORFaultGate::Disarm();
    closed.clear();
  }
  static ZORDialog* MainWindow() { return ZORApplicationFrame::GetFrame()->GetMainWindow(); }
};

TEST_F(NotifyBox, BlockedBoxTakesScriptedAnswersAndIsJournaled) {
  auto* box = new ZORDlgNotify(MainWindow(), "Notify", 0x10100000);
  ZORNotifyAnswers::Queue(3);
  ZORNotifyAnswers::SetDefault(7);
  EXPECT_EQ(box->DisplayBlocked("Remove the child?", "Multi-output"), 3);
  EXPECT_EQ(box->DisplayBlocked("Again?", "Multi-output"), 7);
  EXPECT_EQ(box->GetVisibility(), ZORDialog::kHidden);

  const auto shown = ZORShownMessageJournal::Drain();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].name, "Notify");
  EXPECT_EQ(shown[0].className, "ZORDlgNotify");
  EXPECT_EQ(shown[0].title, "Multi-output");
  EXPECT_EQ(shown[0].text, "Remove the child?");
  EXPECT_EQ(shown[0].style, 0x10100000u);
  EXPECT_TRUE(shown[0].blocking);
  EXPECT_EQ(shown[0].answer, 3);
  EXPECT_EQ(shown[1].answer, 7);
  EXPECT_TRUE(ZORShownMessageJournal::Entries().empty());
}

TEST_F(NotifyBox, AnswerProviderSeesTheBoxOpenOnTheMainWindow) {
  auto* box = new ZORDlgNotify(MainWindow(), "ReplacePanel", 0x08000200);
  ZORNotifyAnswers::Queue(9);  // a provider wins over queued answers
  std::vector<std::string> seen;
  ZORNotifyAnswers::SetProvider([&seen](const ZORShownMessage& shown) {
    for (ZORDialog* open : ZORApplicationFrame::GetFrame()->GetOpenDialogs()) {
      seen.push_back(open->GetName().str());
    }
    return shown.text == "yes?" ? 1 : 2;
  });
  EXPECT_EQ(box->DisplayBlocked("yes?", "t"), 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"ReplacePanel"}));
  EXPECT_TRUE(ZORApplicationFrame::GetFrame()->GetOpenDialogs().empty());
  ZORNotifyAnswers::SetProvider(nullptr);
  EXPECT_EQ(box->DisplayBlocked("no", "t"), 9);
}

TEST_F(NotifyBox, PanelIsJournaledWhenShownAndClosesOnOKOrWindowClose) {
  auto* panel = new ClosingPanel(MainWindow(), "ErrorPanel");
  panel->SetTitle("Warning");
  panel->SetText("Select a curve\n");
  EXPECT_TRUE(ZORShownMessageJournal::Entries().empty());  // not shown yet
  panel->SetVisibility(ZORDialog::kShown);
  panel->SetVisibility(ZORDialog::kShown);  // already shown: no second entry
  ASSERT_EQ(ZORShownMessageJournal::Entries().size(), 1u);
  const ZORShownMessage& entry = ZORShownMessageJournal::Entries().front();
  EXPECT_EQ(entry.className, "ClosingPanel");
  EXPECT_EQ(entry.text, "Select a curve\n");
  EXPECT_FALSE(entry.blocking);

  auto* other = new ClosingPanel(MainWindow(), "InfoPanel");
  other->SetVisibility(ZORDialog::kShown);
  ASSERT_EQ(ZORApplicationFrame::GetFrame()->GetOpenDialogs().size(), 2u);

  EXPECT_TRUE(panel->PressOK());
  EXPECT_TRUE(other->Close());
  EXPECT_TRUE(ZORApplicationFrame::GetFrame()->GetOpenDialogs().empty());
  EXPECT_EQ(MainWindow()->GetChildCount(), 0);
  EXPECT_TRUE(closed.empty());  // destroyed only when the transaction ends
  ZORTransaction::End();
  EXPECT_EQ(closed, (std::vector<std::string>{"ErrorPanel", "InfoPanel"}));
}

TEST_F(NotifyBox, JournalIsBounded) {
  for (std::size_t i = 0; i < ZORShownMessageJournal::kCapacity + 5; ++i) {
    ZORShownMessage shown;
    shown.text = ZORUnicodeString(std::to_string(i));
    ZORShownMessageJournal::Record(shown);
  }
  EXPECT_EQ(ZORShownMessageJournal::Entries().size(), ZORShownMessageJournal::kCapacity);
  EXPECT_EQ(ZORShownMessageJournal::DroppedCount(), 5u);
  EXPECT_EQ(ZORShownMessageJournal::Entries().front().text, "5");
  EXPECT_EQ(ZORShownMessageJournal::Drain().size(), ZORShownMessageJournal::kCapacity);
  EXPECT_EQ(ZORShownMessageJournal::DroppedCount(), 0u);
}

TEST_F(NotifyBox, FailingDisplayShowsNothingOrRaisesInAProtectedSection) {
  auto* box = new ZORDlgNotify(MainWindow(), "Notify", 0);
  ZORNotifyAnswers::SetDefault(4);
  ZORFaultGate::Arm(1);
  EXPECT_EQ(box->DisplayBlocked("m", "t"), 0);
  EXPECT_STREQ(ZORFaultGate::FiredService(), "ZORDlgNotify::DisplayBlocked");

  ZORFaultGate::Arm(1);
  int answer = -1;
  ZORException* caught = ZORProtect([&] { answer = box->DisplayBlocked("m", "t"); });
  EXPECT_TRUE(ZORHandleCaught(caught));
  EXPECT_EQ(answer, -1);
  EXPECT_TRUE(ZORShownMessageJournal::Entries().empty());
  EXPECT_EQ(box->GetVisibility(), ZORDialog::kHidden);
}

TEST_F(NotifyBox, FrameAndMainWindowCanBeSwitchedOffAndReset) {
  ZORApplicationFrame::SetMainWindowPresent(false);
  ASSERT_NE(ZORApplicationFrame::GetFrame(), nullptr);
  EXPECT_EQ(ZORApplicationFrame::GetFrame()->GetMainWindow(), nullptr);
  EXPECT_TRUE(ZORApplicationFrame::GetFrame()->GetOpenDialogs().empty());
  ZORApplicationFrame::SetFramePresent(false);
  EXPECT_EQ(ZORApplicationFrame::GetFrame(), nullptr);

  // Reset switches both back on and destroys the panels left open.
  ZORApplicationFrame::Reset();
  auto* panel = new ClosingPanel(MainWindow(), "Left");
  auto* nested = new ClosingPanel(panel, "Nested");
  nested->SetVisibility(ZORDialog::kShown);
  EXPECT_EQ(ZORApplicationFrame::GetFrame()->GetOpenDialogs(), std::vector<ZORDialog*>{nested});
  ZORApplicationFrame::Reset();
  EXPECT_EQ(closed, (std::vector<std::string>{"Left", "Nested"}));
}

}  // namespace
