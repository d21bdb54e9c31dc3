// The smoothing frame, its titled separator and the resource-key combo, as a user sees and
// clicks them.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgDialog.h"
#include "ZORDriver.h"
#include "ZORGuiCombo.h"
#include "ZORGuiTolerantModelingFrame.h"
#include "ZORHostSession.h"
#include "ZORParmDictionary.h"
#include "ZORTestListener.h"
#include "ZORWENSettings.h"
#include "ZORWENUI3DSmoothingNotification.h"
#include "ZORWENUIChangeSmoothingTypeNotification.h"

namespace {

using Heard = std::vector<std::string>;

class TolerantModelingFrame : public ::testing::Test {
 protected:
  TolerantModelingFrame() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
    frame_ = new ZORGuiTolerantModelingFrame(panel_, "TM", 1);
    frame_->SetFather(&listener_);
    deviation_ = ZORParmDictionary::GetVolatileFactory()->CreateLength("Deviation", 0.001);
  }
  ~TolerantModelingFrame() override {
    panel_->Destroy();
    ZORWENSettings::SetAvailable(true);
    ZORWENSettings::ResetToDefaults();
  }

  void Listen() {
    listener_.Listen(frame_, frame_->GetChangeSmoothingTypeNotification(), "type");
    listener_.Listen(frame_, frame_->Get3DSmoothingNotification(), "3d");
  }
  std::string Screen() const { return driver_.DescribeWidget("Panel/TM"); }
  bool Shows(const std::string& text) const { return Screen().find(text) != std::string::npos; }
  ZORWENTolerantModelingSmoothingType Type() const {
    auto type = static_cast<ZORWENTolerantModelingSmoothingType>(-1);
    frame_->GetSmoothingType(type);
    return type;
  }
  std::vector<std::string> Log() { return std::exchange(listener_.log, {}); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestListener listener_;
  ZORDlgDialog* panel_ = nullptr;
  ZORGuiTolerantModelingFrame* frame_ = nullptr;
  ZORICkeParm_var deviation_;
};

TEST_F(TolerantModelingFrame, WithoutSmoothingThereIsNoDeviationAndSettingATypeBuildsNone) {
  ZORWENTolerantModelingSmoothingType untouched = ZORWENTMG2Smoothing;
  frame_->GetSmoothingType(untouched);  // nothing built yet: left as it was
  EXPECT_EQ(untouched, ZORWENTMG2Smoothing);
  frame_->Build(deviation_, ZORWENTMNoSmoothing, 1);
  EXPECT_TRUE(Shows("ZORDlgRadioButton \"NoneButton\" title=\"None\" checked")) << Screen();
  EXPECT_FALSE(Shows("FrameDeviation"));
  EXPECT_FALSE(Shows("3DSmoothingButton"));
  EXPECT_TRUE(Shows("ZORGuiDlgSeparatorWithLabel \"Separator\"")) << Screen();
  frame_->SetSmoothingType(ZORWENTMG1Smoothing);
  EXPECT_EQ(Type(), ZORWENTMG1Smoothing);
  EXPECT_FALSE(Shows("FrameDeviation"));
  // Recorded, though no button shows it yet.
  frame_->Set3DSmoothing(0);
  EXPECT_EQ(frame_->Is3DSmoothing(), 0);
}

TEST_F(TolerantModelingFrame, AClickOnAnotherTypeIsHeardOnceAndTheCheckedOneNotAtAll) {
  frame_->Build(deviation_, ZORWENTMNoSmoothing, 0);
  Listen();
  EXPECT_TRUE(driver_.Click("Panel/TM/G2Button"));
  EXPECT_EQ(Log(), Heard{"type"});
  EXPECT_EQ(Type(), ZORWENTMG2Smoothing);
  driver_.Click("Panel/TM/G2Button");  // checked already
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(driver_.Click("Panel/TM/NoneButton"));
  EXPECT_EQ(Log(), Heard{"type"});
  EXPECT_EQ(Type(), ZORWENTMNoSmoothing);
}

TEST_F(TolerantModelingFrame, SmoothingShowsTheDeviationEditorAndThe3DButton) {
  frame_->Build(deviation_, ZORWENTMG1Smoothing, 1);
  Listen();
  EXPECT_TRUE(Shows("ZORCkeParamFrame \"FrameParmDeviation\" value=\"0.001mm\" spinner"))
      << Screen();
  EXPECT_TRUE(Shows("ZORDlgCheckButton \"3DSmoothingButton\" title=\"3D smoothing\" checked"));
  EXPECT_TRUE(driver_.Click("Panel/TM/3DSmoothingButton"));
  EXPECT_EQ(frame_->Is3DSmoothing(), 0);
  EXPECT_EQ(Log(), Heard{"3d"});
  frame_->Set3DSmoothing(1);  // the owner's write is not heard
  EXPECT_TRUE(Shows("\"3DSmoothingButton\" title=\"3D smoothing\" checked"));
  EXPECT_TRUE(Log().empty());
  // The editor writes the parameter the frame was given.
  EXPECT_TRUE(driver_.Type("Panel/TM/FrameParmDeviation", "0.02"));
  EXPECT_DOUBLE_EQ(deviation_->GetStoredValue(), 0.02);
  // A rebuild without parameter keeps the one held and replaces, not adds, the widgets.
  frame_->Build(nullptr, ZORWENTMG2Smoothing, 0);
  const std::string screen = Screen();
  const auto once = [&screen](const std::string& widget) {
    return screen.find(widget) != std::string::npos && screen.find(widget) == screen.rfind(widget);
  };
  EXPECT_TRUE(once("ZORDlgFrame \"FrameDeviation\"")) << screen;
  EXPECT_TRUE(once("ZORGuiDlgSeparatorWithLabel \"Separator\"")) << screen;
  EXPECT_TRUE(Shows("value=\"0.02mm\"")) << screen;
  EXPECT_TRUE(Shows("\"G2Button\" title=\"Curvature\" checked"));
  EXPECT_TRUE(
      Shows("attach=\"H0=5:Separator H1=5:FrameRadio H2=5:FrameDeviation "
            "H3=5:3DSmoothingButton V0=5:Separator,FrameRadio,FrameDeviation "
            "V1=4:FrameRadio,3DSmoothingButton\""))
      << screen;
  frame_->Build(nullptr, ZORWENTMNoSmoothing, 0);
  EXPECT_TRUE(
      Shows("attach=\"H0=5:Separator H1=5:FrameRadio V0=5:Separator,FrameRadio "
            "V1=4:FrameRadio\""))
      << Screen();
}

TEST_F(TolerantModelingFrame, AFrameWithoutStyleHasNoSeparator) {
  auto* plain = new ZORGuiTolerantModelingFrame(panel_, "Plain", 0);
  plain->Build(nullptr, ZORWENTMG1Smoothing, 0);
  const std::string screen = driver_.DescribeWidget("Panel/Plain");
  EXPECT_EQ(screen.find("Separator"), std::string::npos) << screen;
  // No parameter: the deviation frame holds its label only.
  EXPECT_NE(screen.find("LabDeviation"), std::string::npos) << screen;
  EXPECT_EQ(screen.find("FrameParmDeviation"), std::string::npos) << screen;
  plain->ManageDeviationStatusFromSettings(1);  // nothing to lock
}

TEST_F(TolerantModelingFrame, TheSettingsLockTheDeviationOnlyWhenTheyAgree) {
  frame_->Build(deviation_, ZORWENTMG1Smoothing, 0);
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  frame_->ManageDeviationStatusFromSettings(1);
  EXPECT_EQ(deviation_->GetAccess(), 3);
  settings->SetTMDeviationLocked(true);
  settings->SetTMDeviationValue(0.002);
  frame_->ManageDeviationStatusFromSettings(1);  // another value: left free
  EXPECT_EQ(deviation_->GetAccess(), 3);
  frame_->ManageDeviationStatusFromSettings(0);
  EXPECT_EQ(deviation_->GetAccess(), 1);
  EXPECT_FALSE(driver_.Type("Panel/TM/FrameParmDeviation", "0.5"));
  settings->SetTMDeviationValue(0.001);
  frame_->ManageDeviationStatusFromSettings(1);
  EXPECT_EQ(deviation_->GetAccess(), 1);
  ZORWENSettings::SetAvailable(false);
  frame_->ManageDeviationStatusFromSettings(1);
  EXPECT_EQ(deviation_->GetAccess(), 3);
}

TEST(GuiCombo, SetTakesKeysWithinTheLinesAndSaysWhenTheComboRefuses) {
  ZORHostSession session;
  auto* panel = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
  auto* combo = new ZORGuiCombo(panel, "Combo", 0);
  EXPECT_EQ(combo->Set("First", -1, ZORDlgCombo::kInsert), S_OK);
  EXPECT_EQ(combo->Set("Second", -1, ZORDlgCombo::kInsert), S_OK);
  EXPECT_EQ(combo->Set("Zero", 0, ZORDlgCombo::kInsert), S_OK);
  EXPECT_EQ(combo->GetLine(0).str(), "Zero");  // no resource: the key itself
  EXPECT_EQ(combo->Set("Far", 4, ZORDlgCombo::kInsert), E_FAIL);
  EXPECT_EQ(combo->Set("", 0, ZORDlgCombo::kInsert), E_FAIL);
  EXPECT_EQ(combo->Set("Below", -2, ZORDlgCombo::kInsert), E_FAIL);
  // Line 3 is within the count but there is no line 3 to modify.
  EXPECT_EQ(combo->Set("Third", 3, ZORDlgCombo::kModify), E_FAIL);
  EXPECT_EQ(combo->Set("Other", 1, ZORDlgCombo::kModify), S_OK);
  EXPECT_EQ(combo->GetLineCount(), 3);
  EXPECT_EQ(combo->GetLine(1).str(), "Other");
  panel->Destroy();
}

}  // namespace
