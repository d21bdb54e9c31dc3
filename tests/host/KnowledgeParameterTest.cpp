#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORCkeNumbersDisplay.h"
#include "ZORCkeParamFrame.h"
#include "ZORCkeParmNotification.h"
#include "ZORCkeTypeDictionary.h"
#include "ZORDlgDialog.h"
#include "ZORDlgFrame.h"
#include "ZORDlgModifyNotification.h"
#include "ZORDriver.h"
#include "ZORHostSession.h"
#include "ZORICkeParamFrame.h"
#include "ZORIParmAsStored.h"
#include "ZORIParmEvents.h"
#include "ZORParmDictionary.h"
#include "ZORTestListener.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Show(double value, const char* unit, int mode) {
  return ZORCkeNumbersDisplay::DoubleToString(value, ZORString(unit), mode).str();
}

// A command that writes each value change it hears, with the value then stored.
class ParmWatcher : public ZORCommand {
 public:
  ParmWatcher(const ZORICkeParm_var& parm, std::string tag, std::vector<std::string>& log)
      : ZORCommand(nullptr, "Watcher"), tag_(std::move(tag)), log_(log) {
    subscription = ZORIParmEvents_var(parm)->SubscribeToValueChange(this, &ParmWatcher::Changed,
                                                                    reinterpret_cast<void*>(7));
  }
  void Changed(const char* event, void* parameter, ZORNotification* n, void* data, long) {
    ZORICkeParm_var parm(static_cast<ZORBaseUnknown*>(parameter));
    log_.push_back(tag_ + " " + event + " " + std::to_string(parm->GetStoredValue()) +
                   (n->IsAKindOf("ZORCkeParmNotification") ? "" : " ?") +
                   (data == reinterpret_cast<void*>(7) ? "" : " lost data"));
  }
  ZORCallback subscription = 0;

 private:
  std::string tag_;
  std::vector<std::string>& log_;
};

TEST(KnowledgeParameter, DisplayStringsRoundDropZerosAndNeverShowMinusZero) {
  using D = ZORCkeNumbersDisplay;
  EXPECT_EQ(Show(12.34567, "mm", D::kRoundedMode), "12.346mm");
  EXPECT_EQ(Show(12.5, "mm", D::kRoundedMode), "12.5mm");
  EXPECT_EQ(Show(10, "mm", D::kRoundedMode), "10mm");
  EXPECT_EQ(Show(-1.23449, "mm", D::kRoundedMode), "-1.234mm");
  EXPECT_EQ(Show(-0.0004, "mm", D::kRoundedMode), "0mm");
  EXPECT_EQ(Show(0.5, "mm", D::kTwoDecimalsMode), "0.50mm");
  EXPECT_EQ(Show(10, "deg", D::kTwoDecimalsMode), "10.00deg");
  EXPECT_EQ(Show(-0.004, "deg", D::kTwoDecimalsMode), "0.00deg");
  EXPECT_EQ(Show(kNaN, "mm", D::kRoundedMode), "");
  EXPECT_EQ(Show(kInf, "mm", D::kTwoDecimalsMode), "");
  EXPECT_EQ(Show(1, "mm", 7), "");

  double value = 1;
  const ZORString length = ZORCkeTypeDictionary::GetLengthType().GetName();
  EXPECT_TRUE(D::StringToDouble("12.5 mm", length, value));
  EXPECT_EQ(value, 12.5);
  EXPECT_TRUE(D::StringToDouble("-3", length, value));
  EXPECT_EQ(value, -3);
  for (const char* refused : {"10deg", "nan", "inf", "mm", "", "12mmx", "1e999"}) {
    EXPECT_FALSE(D::StringToDouble(refused, length, value)) << refused;
  }
  EXPECT_EQ(value, -3);
  EXPECT_TRUE(D::StringToDouble("90deg", ZORString("Angle"), value));
  EXPECT_FALSE(D::StringToDouble("2", ZORString("Mass"), value));
}

TEST(KnowledgeParameter, TheTypeDictionaryKnowsLengthAngleAndReal) {
  EXPECT_EQ(ZORCkeTypeDictionary::GetLengthType().GetName(), "Longueur");
  EXPECT_EQ(ZORCkeTypeDictionary::GetAngleType().GetName(), "Angle");
  EXPECT_EQ(ZORCkeTypeDictionary::GetRealType().GetName(), "Real");
  EXPECT_EQ(ZORCkeTypeDictionary::FindType(ZORString("Longueur"))->GetStorageUnit(), "mm");
  EXPECT_EQ(ZORCkeTypeDictionary::FindType(ZORString("Angle"))->GetStorageUnit(), "deg");
  EXPECT_EQ(ZORCkeTypeDictionary::FindType(ZORString("Mass")), nullptr);
}

TEST(KnowledgeParameter, EachChangeReachesEachSubscriptionOnceAndNeverAfterItEnds) {
  ZORICkeParm_var parm = ZORParmDictionary::GetVolatileFactory()->CreateLength("X", 1.0);
  ASSERT_TRUE(parm);
  ZORIParmAsStored_var stored(parm);
  std::vector<std::string> log;
  auto first = std::make_unique<ParmWatcher>(parm, "first", log);
  auto second = std::make_unique<ParmWatcher>(parm, "second", log);

  ASSERT_EQ(stored->SetValueAsStored(2.5), S_OK);
  EXPECT_EQ(log, (std::vector<std::string>{"first ZORCkeParmValueChanged 2.500000",
                                           "second ZORCkeParmValueChanged 2.500000"}));
  log.clear();
  ASSERT_EQ(parm->Valuate(2.5), S_OK);  // the same value: no change to tell
  EXPECT_TRUE(log.empty());

  ZORIParmEvents_var(parm)->UnsubscribeFromValueChange(first.get(), first->subscription);
  ZORIParmEvents_var(parm)->UnsubscribeFromValueChange(first.get(), first->subscription);
  ASSERT_EQ(parm->Valuate(3), S_OK);
  EXPECT_EQ(log, (std::vector<std::string>{"second ZORCkeParmValueChanged 3.000000"}));

  // A subscriber that goes takes its subscription with it.
  log.clear();
  second.reset();
  ASSERT_EQ(parm->Valuate(4), S_OK);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(stored->GetValueAsStored(), 4);
}

TEST(KnowledgeParameter, RefusedValuesKeepTheValueAndTellNobody) {
  ZORICkeParm_var parm = ZORParmDictionary::GetVolatileFactory()->CreateAngle("A", 30);
  ZORIParmAsStored_var stored(parm);
  std::vector<std::string> log;
  ParmWatcher watcher(parm, "w", log);
  EXPECT_EQ(stored->SetValueAsStored(kNaN), E_FAIL);
  EXPECT_EQ(stored->SetValueAsStored(kInf), E_FAIL);
  EXPECT_EQ(parm->Valuate(-kInf), E_FAIL);
  EXPECT_EQ(stored->SetValueOfMagnitude(5, ZORCkeTypeDictionary::GetLengthType().GetName()),
            E_FAIL);
  ASSERT_EQ(parm->SetAccess(1), S_OK);  // locked
  EXPECT_EQ(stored->SetValueAsStored(5), E_FAIL);
  EXPECT_EQ(parm->GetStoredValue(), 30);
  EXPECT_TRUE(log.empty());
  ASSERT_EQ(parm->SetAccess(0), S_OK);
  EXPECT_EQ(stored->SetValueOfMagnitude(45, ZORString("Angle")), S_OK);
  EXPECT_EQ(log, (std::vector<std::string>{"w ZORCkeParmValueChanged 45.000000"}));

  // Factories refuse what no parameter can be.
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  EXPECT_FALSE(factory->InstanciateLitteral(ZORString("Mass"), "M"));
  EXPECT_FALSE(factory->CreateLength("", 1));
  EXPECT_FALSE(factory->CreateReal("R", kNaN));
  EXPECT_EQ(factory->CreateReal("R", 0.25)->GetMagnitude(), "Real");
}

TEST(KnowledgeParameter, LiteralsOfAContainerAreParametersOfItsDocument) {
  ZORHostSession session;
  std::optional<ZORCkeParmFactory> factory =
      ZORParmDictionary::GetFactory(session.Document().GetContainer());
  ASSERT_TRUE(factory);
  ZORICkeParm_var length = factory->InstanciateLitteral(ZORString("Longueur"), "Length");
  ASSERT_TRUE(length);
  EXPECT_EQ(length->GetParmName(), "Length");
  EXPECT_EQ(length->GetMagnitude(), "Longueur");
  EXPECT_EQ(length->GetStoredValue(), 0);
  EXPECT_FALSE(ZORParmDictionary::GetFactory(nullptr));

  // The document's parameters publish and refuse as the volatile ones do.
  std::vector<std::string> log;
  ParmWatcher watcher(length, "doc", log);
  EXPECT_EQ(ZORIParmAsStored_var(length)->SetValueAsStored(kNaN), E_FAIL);
  EXPECT_EQ(ZORIParmAsStored_var(length)->SetValueAsStored(12.25), S_OK);
  EXPECT_EQ(log, (std::vector<std::string>{"doc ZORCkeParmValueChanged 12.250000"}));
  log.clear();
  ASSERT_EQ(length->SetActivated(ZORCke::False), S_OK);
  EXPECT_EQ(length->IsActivated(), ZORCke::False);
  EXPECT_EQ(log.size(), 1u);  // the editors follow the activation too
}

// An open panel with a frame, in which parameter editors are built.
class ParameterEditor : public ::testing::Test {
 protected:
  ParameterEditor() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
    frame_ = new ZORDlgFrame(panel_, "FraX");
    listener_.Listen(nullptr, "ZORDlgModifyNotification", "modify");
  }

  ZORCkeParamFrame* EditorOf(const ZORICkeParm_var& parm, unsigned long style) {
    ZORCkeParamFrame* editor = ZORICkeParamFrame_var(parm)->GetInPanelEdition(
        nullptr, frame_, "Editor", style, ZORUnicodeString("CoordX"));
    editor->SetFather(&listener_);
    return editor;
  }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORDlgDialog* panel_ = nullptr;
  ZORDlgFrame* frame_ = nullptr;
  ZORTestListener listener_;
};

TEST_F(ParameterEditor, TypingAndSpinningWriteTheParameterAndProgramChangesRefreshIt) {
  ZORICkeParm_var parm = ZORParmDictionary::GetVolatileFactory()->CreateLength("x", 12.5);
  ZORCkeParamFrame* editor = EditorOf(parm, ZORCkeWithSpinner);
  ASSERT_TRUE(editor);
  EXPECT_NE(driver_.DescribePanels().find(
                "ZORCkeParamFrame \"Editor\" title=\"CoordX\" value=\"12.5mm\" spinner"),
            std::string::npos)
      << driver_.DescribePanels();
  EXPECT_TRUE(editor->FindChild("Label"));

  EXPECT_TRUE(driver_.Type("Panel/Editor", "20"));
  EXPECT_EQ(parm->GetStoredValue(), 20);
  EXPECT_EQ(editor->GetText(), "20mm");
  EXPECT_TRUE(driver_.Spin("Panel/Editor", true, 2));
  EXPECT_EQ(editor->GetText(), "22mm");
  EXPECT_TRUE(driver_.Spin("Panel/Editor", false));
  EXPECT_EQ(parm->GetStoredValue(), 21);
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"modify", "modify", "modify", "modify"}));

  listener_.log.clear();
  for (const char* refused : {"10deg", "nan", "abc", "inf"}) {
    EXPECT_FALSE(driver_.Type("Panel/Editor", refused)) << refused;
  }
  EXPECT_EQ(parm->GetStoredValue(), 21);
  EXPECT_EQ(editor->GetText(), "21mm");

  // A program's change shows at once; an inactive or locked parameter takes nothing.
  // An editor with spinner arrows shows six decimals, and never "-0".
  ASSERT_EQ(parm->Valuate(-0.0000004), S_OK);
  EXPECT_EQ(editor->GetText(), "0mm");
  ASSERT_EQ(parm->Valuate(1.0000006), S_OK);
  EXPECT_EQ(editor->GetText(), "1.000001mm");
  ASSERT_EQ(parm->Valuate(7.12345), S_OK);
  EXPECT_EQ(editor->GetText(), "7.12345mm");
  ASSERT_EQ(parm->SetActivated(ZORCke::False), S_OK);
  EXPECT_EQ(editor->GetSensitivity(), ZORDialog::kInsensitive);
  EXPECT_FALSE(driver_.Type("Panel/Editor", "3"));
  ASSERT_EQ(parm->SetActivated(ZORCke::True), S_OK);
  ASSERT_EQ(parm->SetAccess(1), S_OK);
  EXPECT_FALSE(driver_.Spin("Panel/Editor", true));
  EXPECT_EQ(parm->GetStoredValue(), 7.12345);
  EXPECT_TRUE(listener_.log.empty());
}

TEST_F(ParameterEditor, WithoutSpinnerOrLabelTheEditorOnlyTakesTypedValues) {
  ZORICkeParm_var parm = ZORParmDictionary::GetVolatileFactory()->CreateAngle("a", 10);
  ZORCkeParamFrame* editor = EditorOf(parm, ZORCkeNoLabel);
  EXPECT_FALSE(editor->FindChild("Label"));
  EXPECT_EQ(editor->GetText(), "10deg");
  EXPECT_FALSE(driver_.Spin("Panel/Editor", true));
  EXPECT_TRUE(driver_.Type("Panel/Editor", "90deg"));
  EXPECT_EQ(parm->GetStoredValue(), 90);
  editor->SetEditorState(ZORCke::False);
  EXPECT_FALSE(driver_.Type("Panel/Editor", "45"));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"modify"}));
  // An editor needs a parent to own it.
  EXPECT_EQ(ZORCkeParamFrame::Create(parm, nullptr, "Lost", 0, ""), nullptr);
}

}  // namespace
