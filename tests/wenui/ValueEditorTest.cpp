// The value editor: what its spinner shows, and which changes it reports to its father.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDriver.h"
#include "ZORGuiValueEditor.h"
#include "ZORHostSession.h"
#include "ZORTestListener.h"
#include "ZORWENEditValueChangedNotification.h"

namespace {

class ValueEditor : public ::testing::Test {
 protected:
  ValueEditor() {
    editor_ = new ZORGuiValueEditor(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Editor");
    editor_->SetFather(&listener_);
    editor_->SetVisibility(ZORDialog::kShown);
    listener_.Listen(editor_, editor_->GetValueChangedNotification(), "changed");
  }
  ~ValueEditor() override { editor_->Destroy(); }

  std::string Screen() const { return driver_.DescribePanels(); }
  bool Shows(const std::string& text) const { return Screen().find(text) != std::string::npos; }
  std::vector<std::string> Log() { return std::exchange(listener_.log, {}); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestListener listener_;
  ZORGuiValueEditor* editor_ = nullptr;
};

using Heard = std::vector<std::string>;

TEST_F(ValueEditor, ShowsFourDecimalsAndReportsEachUserChange) {
  ASSERT_TRUE(Shows("ZORDlgSpinner \"spinner\" value=\"0.0000\"")) << Screen();
  EXPECT_TRUE(driver_.Type("Editor/spinner", "2.5"));
  EXPECT_TRUE(Shows("value=\"2.5000\"")) << Screen();
  EXPECT_EQ(editor_->GetValue(), 2.5f);
  EXPECT_TRUE(driver_.Spin("Editor/spinner", true, 2));
  EXPECT_FLOAT_EQ(editor_->GetValue(), 2.54f);  // two steps of 20000 / 1000000
  EXPECT_EQ(Log(), (Heard{"changed", "changed"}));
  // The owner's writes are not the user's: nothing is reported.
  editor_->SetValue(7.25f);
  EXPECT_EQ(editor_->GetValue(), 7.25f);
  EXPECT_TRUE(Log().empty());
}

TEST_F(ValueEditor, ValuesComeBackInSinglePrecision) {
  editor_->SetValue(9999.99f);
  EXPECT_NEAR(editor_->GetValue(), 9999.99, 9999.99 * std::ldexp(1.0, -24));
  EXPECT_TRUE(Shows("value=\"9999.9902\"")) << Screen();
  editor_->SetValue(std::nanf(""));
  editor_->SetValue(INFINITY);
  EXPECT_EQ(editor_->GetValue(), 9999.99f);
  editor_->SetValue(20000.0f);  // kept in the range
  EXPECT_EQ(editor_->GetValue(), 10000.0f);
}

TEST_F(ValueEditor, RefusedTypingSendsNothing) {
  for (const char* text : {"nan", "inf", "1e400", "ten", "10000.5", "-20000", ""}) {
    EXPECT_FALSE(driver_.Type("Editor/spinner", text)) << text;
  }
  EXPECT_EQ(editor_->GetValue(), 0.0f);
  EXPECT_TRUE(Log().empty());
}

TEST_F(ValueEditor, ARangeSetWithoutNotifySilencesExactlyTheNextChange) {
  editor_->SetSpinnerRange(0.0f, 100.0f, 100, 0);
  EXPECT_TRUE(Log().empty());  // the range itself sends nothing
  EXPECT_TRUE(driver_.Spin("Editor/spinner", true));
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(driver_.Spin("Editor/spinner", true));
  EXPECT_EQ(Log(), Heard{"changed"});
  // A refused range keeps the range, and the flag: the next change is reported.
  editor_->SetSpinnerRange(5.0f, 5.0f, 10, 0);
  editor_->SetSpinnerRange(0.0f, NAN, 10, 0);
  editor_->SetSpinnerRange(0.0f, 1.0f, 0, 0);
  EXPECT_TRUE(driver_.Spin("Editor/spinner", true));
  EXPECT_EQ(Log(), Heard{"changed"});
  EXPECT_FLOAT_EQ(editor_->GetValue(), 3.0f);
  EXPECT_FALSE(driver_.Type("Editor/spinner", "101"));
}

TEST_F(ValueEditor, ClosingTheWindowHidesItAndKeepsIt) {
  editor_->SetValue(4.0f);
  EXPECT_TRUE(driver_.CloseWindow("Editor"));
  EXPECT_EQ(editor_->GetVisibility(), ZORDialog::kHidden);
  EXPECT_EQ(driver_.Find("Editor"), nullptr);
  editor_->SetVisibility(ZORDialog::kShown);
  EXPECT_EQ(editor_->GetValue(), 4.0f);
  EXPECT_TRUE(Log().empty());
}

}  // namespace
