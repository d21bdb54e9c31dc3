// The solution selector as a user steps through solutions with its buttons and its editor.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgDialog.h"
#include "ZORDriver.h"
#include "ZORGuiSolutionSelectorFrame.h"
#include "ZORHostSession.h"
#include "ZORTestListener.h"

namespace {

using Heard = std::vector<std::string>;

class SolutionSelector : public ::testing::Test {
 protected:
  SolutionSelector() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
  }
  ~SolutionSelector() override { panel_->Destroy(); }

  ZORGuiSolutionSelectorFrame* Make(int current, int total) {
    auto* frame = new ZORGuiSolutionSelectorFrame(panel_, current, total, 0, &listener_);
    listener_.Listen(frame, frame->GetSolSChangeCurrentNotification(), "changed",
                     [frame] { return " " + std::to_string(frame->GetCurrent()); });
    return frame;
  }
  std::string Screen() const { return driver_.DescribeWidget("Panel/SolutionSelectorFrame"); }
  bool Shows(const std::string& text) const { return Screen().find(text) != std::string::npos; }
  std::vector<std::string> Log() { return std::exchange(listener_.log, {}); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestListener listener_;
  ZORDlgDialog* panel_ = nullptr;
};

TEST_F(SolutionSelector, TheButtonsWrapAroundAndEachStepIsHeard) {
  Make(3, 3);
  EXPECT_TRUE(Shows("ZORDlgEditor \"CurrentEditor\" text=\"3\"")) << Screen();
  EXPECT_TRUE(Shows("ZORDlgLabel \"TotalLabel\" title=\" / 3\""));
  EXPECT_TRUE(driver_.Click("Panel/SolutionSelectorFrame/NextButton"));
  EXPECT_EQ(Log(), Heard{"changed 1"});
  EXPECT_TRUE(driver_.Click("Panel/SolutionSelectorFrame/PreviousButton"));
  EXPECT_TRUE(driver_.Click("Panel/SolutionSelectorFrame/PreviousButton"));
  EXPECT_EQ(Log(), (Heard{"changed 3", "changed 2"}));
  EXPECT_TRUE(Shows("text=\"2\""));
}

TEST_F(SolutionSelector, TypedNumbersAreBroughtWithinTheTotalAndShown) {
  auto* frame = Make(4, 4);
  EXPECT_TRUE(driver_.Type("Panel/SolutionSelectorFrame/CurrentEditor", "9"));
  // 9 is 4, the current one: nothing to report, but the editor no longer reads 9.
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(Shows("text=\"4\"")) << Screen();
  EXPECT_TRUE(driver_.Type("Panel/SolutionSelectorFrame/CurrentEditor", "0"));
  EXPECT_EQ(Log(), Heard{"changed 1"});
  EXPECT_TRUE(driver_.Type("Panel/SolutionSelectorFrame/CurrentEditor", "0"));
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(Shows("text=\"1\"")) << Screen();
  EXPECT_TRUE(driver_.Type("Panel/SolutionSelectorFrame/CurrentEditor", "two"));
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(Shows("text=\"1\"")) << Screen();
  frame->SetCurrent(3, 0);  // the owner's change is shown, not reported
  EXPECT_TRUE(Shows("text=\"3\""));
  EXPECT_TRUE(Log().empty());
  frame->SetCurrent(2, 1);
  EXPECT_EQ(Log(), Heard{"changed 2"});
}

TEST_F(SolutionSelector, WithoutSolutionsTheButtonsAreInsensitiveFromTheStart) {
  auto* frame = Make(5, 0);
  EXPECT_EQ(frame->GetCurrent(), 0);
  EXPECT_TRUE(Shows("ZORDlgPushButton \"PreviousButton\" title=\"<\" insensitive")) << Screen();
  EXPECT_TRUE(Shows("ZORDlgPushButton \"NextButton\" title=\">\" insensitive"));
  EXPECT_FALSE(driver_.Click("Panel/SolutionSelectorFrame/NextButton"));
  frame->ManageCallbacks(nullptr, nullptr, ZORIntData(ZORGuiSolutionSelectorFrame::kNext));
  EXPECT_EQ(frame->GetCurrent(), 0);
  EXPECT_TRUE(Log().empty());
  frame->SetTotal(2);
  EXPECT_TRUE(Shows("title=\" / 2\""));
  EXPECT_EQ(frame->GetCurrent(), 0);  // the total alone does not move it
  EXPECT_TRUE(driver_.Click("Panel/SolutionSelectorFrame/NextButton"));
  EXPECT_EQ(Log(), Heard{"changed 1"});
  frame->SetTotal(1);
  EXPECT_TRUE(Shows("\"NextButton\" title=\">\" insensitive"));
}

TEST_F(SolutionSelector, AConstructedCurrentIsBounded) {
  EXPECT_EQ(Make(-3, 4)->GetCurrent(), 1);
  panel_->FindChild("SolutionSelectorFrame")->Destroy();
  auto* frame = Make(7, 4);
  EXPECT_EQ(frame->GetCurrent(), 4);
  EXPECT_TRUE(Shows("text=\"4\""));
  EXPECT_FALSE(Shows("insensitive"));
}

}  // namespace
