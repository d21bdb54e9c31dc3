// The law panel through the example law command: what the user types and clicks, what the law
// viewer draws and what the command hears.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ExampleLawCommand.h"
#include "ZOR2DManipulator.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesLaw.h"
#include "ZORGuiBasicLawPanel.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORNavigation2DViewer.h"
#include "ZORParmDictionary.h"

namespace {

constexpr const char* kPanel = "ZORGuiBasicLawPanel";

class LawPanel : public ::testing::Test {
 protected:
  LawPanel() {
    ExampleLawCommand::Register();
    set_ = session_.Document().CreateTool("GeometricalSet");
    session_.Editor().SetCurrentFeature(set_.get());
    EXPECT_EQ(driver_.StartByName("ExampleLawCommand"), S_OK);
    command_ = dynamic_cast<ExampleLawCommand*>(driver_.CurrentCommand());
  }
  ~LawPanel() override {
    ZORFeatureTypeRegistry::Get().Find("WENLaw")->ClearFailures();
    driver_.EndTransaction();
  }

  ZORGuiBasicLawPanel* Panel() const { return command_ ? command_->GetLawPanel() : nullptr; }
  ZORNavigation2DViewer* Viewer() const {
    return dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(std::string(kPanel) + "/LawViewer"));
  }
  bool Type(const char* editor, const char* text) {
    return driver_.Type(std::string(kPanel) + "/" + editor, text);
  }
  bool Click(const char* widget) { return driver_.Click(std::string(kPanel) + "/" + widget); }
  std::string Status() const { return driver_.DescribeWidget("LawCommand/Status"); }
  std::string View() const {
    std::string all;
    for (const std::string& line : Viewer()->Describe()) all += line + "\n";
    return all;
  }
  ZOR2DManipulator* Handle() const {
    const auto& manipulators = Viewer()->GetManipulators();
    return manipulators.empty() ? nullptr : manipulators.front().get();
  }
  ZORFeature_var MakeLaw(const char* type,
                         std::initializer_list<std::pair<const char*, double>> v) {
    ZORFeature_var law = session_.Document().CreateFeature(type, set_.get());
    for (const auto& [key, value] : v) law->SetValue(key, value);
    session_.Document().UpdateAll();
    return law;
  }
  // Right-clicks the viewer's handle, chooses "Change Evaluation Step" and types `step`.
  bool SetStep(const char* step) {
    return driver_.Menu(std::string(kPanel) + "/LawViewer", -1, "item2") &&
           driver_.Type(std::string(kPanel) + "/Enter Step/spinner", step);
  }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORFeature_var set_;
  ExampleLawCommand* command_ = nullptr;
};

TEST_F(LawPanel, ALinearLawIsSampledAtEveryStepAndOnceMoreAtTheEnd) {
  ASSERT_TRUE(Panel());
  ASSERT_TRUE(Type("FraParam1", "10"));
  ASSERT_TRUE(Type("FraParam2", "20"));
  const std::vector<double>& s = Panel()->GetSamples();
  ASSERT_EQ(s.size(), 102u);  // 0, 0.01 ... 1, then 1 again
  for (std::size_t i = 0; i <= 100; ++i) {
    const double t = static_cast<double>(i) * 0.01;
    EXPECT_EQ(s[i], (1.0 - t) * 10.0 + t * 20.0) << i;
  }
  EXPECT_EQ(s.front(), 10.0);
  EXPECT_EQ(s.back(), 20.0);
  double low = 0, high = 0;
  Panel()->GetRange(low, high);
  EXPECT_EQ(low, 10.0);
  EXPECT_EQ(high, 20.0);
  // The curve and the typed values on the vertical axis.
  EXPECT_NE(View().find("color=247"), std::string::npos) << View();
  EXPECT_NE(View().find("\" 20mm\""), std::string::npos) << View();
}

TEST_F(LawPanel, TheSTypeLawReadByItsHandleAndInverted) {
  ASSERT_TRUE(Type("FraParam1", "10"));
  ASSERT_TRUE(Type("FraParam2", "20"));
  ASSERT_TRUE(Click("SBut"));
  EXPECT_NE(Status().find("type 3"), std::string::npos) << Status();
  const std::vector<double>& s = Panel()->GetSamples();
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = std::min(1.0, static_cast<double>(i) * 0.01);
    EXPECT_NEAR(s[i], 10.0 + 10.0 * (3 * t * t - 2 * t * t * t), 1e-12) << i;
  }
  ASSERT_TRUE(Handle());
  EXPECT_NE(View().find("\"0.5 15mm\""), std::string::npos) << View();
  ASSERT_TRUE(ZORHandleDriver(driver_).Drag(*Viewer(), 0.25, 3.0));
  EXPECT_NE(View().find("\"0.25 11.5625mm\""), std::string::npos) << View();
  // Between two samples the reading lies on the chord joining them.
  ASSERT_TRUE(ZORHandleDriver(driver_).Drag(*Viewer(), 0.755, 3.0));
  const double chord = 0.5 * (s[75] + s[76]);
  EXPECT_NE(View().find(" " + ZORGmoUtilitiesLaw::GetLengthInCurrentUnit(chord).str() + "\""),
            std::string::npos)
      << chord << View();
  // Dragged beyond either end, the handle stays on the law.
  ASSERT_TRUE(ZORHandleDriver(driver_).Drag(*Viewer(), 1.7, 0.0));
  EXPECT_EQ(Handle()->GetOrigin().x, 1.0);
  EXPECT_NE(View().find("\"1 20mm\""), std::string::npos) << View();
  ASSERT_TRUE(ZORHandleDriver(driver_).Drag(*Viewer(), -0.5, 0.0));
  EXPECT_EQ(Handle()->GetOrigin().x, 0.0);

  ASSERT_TRUE(driver_.Check(std::string(kPanel) + "/InvButton", true));
  EXPECT_NE(Status().find("inverted"), std::string::npos);
  EXPECT_EQ(Panel()->GetSamples().front(), 20.0);
  EXPECT_EQ(Panel()->GetSamples().back(), 10.0);
}

TEST_F(LawPanel, AConstantLawHasEqualSamplesAndNoHandle) {
  ASSERT_TRUE(Type("FraParam1", "7"));
  ASSERT_TRUE(Type("FraParam2", "7"));
  ASSERT_TRUE(Click("ConstantBut"));
  for (double v : Panel()->GetSamples()) EXPECT_EQ(v, 7.0);
  EXPECT_EQ(Handle(), nullptr);
  // The end value is not used: its editor is insensitive.
  EXPECT_NE(driver_.DescribeWidget(std::string(kPanel) + "/FraParam2").find("insensitive"),
            std::string::npos);
  EXPECT_FALSE(Type("FraParam2", "8"));
  // A linear law from 7 to 7 is flat too: no handle either.
  ASSERT_TRUE(Click("LinearBut"));
  EXPECT_EQ(Handle(), nullptr);
}

TEST_F(LawPanel, TheCheckedTypeSendsNothingAndComputesNothing) {
  ASSERT_TRUE(Click("SBut"));
  const int redraws = Viewer()->GetRedrawCount();
  const std::string status = Status();
  Panel()->SetBasicLawType(ZORWENSTypeLaw, 1);
  EXPECT_EQ(Viewer()->GetRedrawCount(), redraws);
  EXPECT_EQ(Status(), status);
  // Without notify, only recorded: neither drawn nor told.
  Panel()->SetBasicLawType(ZORWENConstantLaw, 0);
  EXPECT_EQ(Panel()->GetBasicLawType(), ZORWENConstantLaw);
  EXPECT_EQ(Viewer()->GetRedrawCount(), redraws);
  EXPECT_EQ(Status(), status);
}

TEST_F(LawPanel, AWorkbenchLawGivesItsExtremesAndAFormulaIsMeasured) {
  ZORFeature_var wen = MakeLaw("WENLaw", {{"Kind", 3}, {"Start", -2}, {"End", 4}});
  ZORFeature_var sine = MakeLaw("CkeLaw", {{"Amplitude", 1}, {"Periods", 1}});
  ASSERT_TRUE(Type("FraParam2", "1"));  // a slope, so that the handle can be right-clicked
  ASSERT_TRUE(SetStep("0.03"));
  EXPECT_DOUBLE_EQ(Panel()->GetStep(), 0.03);
  ASSERT_TRUE(Click("AdvBut"));
  ASSERT_TRUE(Click("SelLaw"));
  EXPECT_NE(Status().find("pick a law"), std::string::npos) << Status();
  ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, wen.get()));
  EXPECT_EQ(Panel()->GetBasicLawType(), ZORWENAdvancedLaw);
  double low = 0, high = 0;
  Panel()->GetRange(low, high);
  EXPECT_EQ(low, -2.0);
  EXPECT_EQ(high, 4.0);
  ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, sine.get()));
  Panel()->GetRange(low, high);
  // Sampled every 0.03 the sine misses its peaks at 0.25 and 0.75.
  const std::vector<double>& s = Panel()->GetSamples();
  EXPECT_EQ(high, *std::max_element(s.begin(), s.end()));
  EXPECT_EQ(low, *std::min_element(s.begin(), s.end()));
  EXPECT_LT(high, 1.0);
  EXPECT_GT(high, 0.99);
}

TEST_F(LawPanel, ALawThatCannotBeComputedShowsWhyAndTellsNobody) {
  ZORFeatureTypeRegistry::Get().Find("WENLaw")->FailFor({}, "The law is broken");
  ZORFeature_var law = MakeLaw("WENLaw", {{"Kind", 2}, {"End", 1}});
  ASSERT_TRUE(Click("AdvBut"));
  ASSERT_TRUE(Click("SelLaw"));
  const std::string status = Status();
  ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, law.get()));
  EXPECT_NE(Status().find("law "), std::string::npos) << Status();
  EXPECT_NE(View().find("text(1,8 \"Law can't be evaluated\") color=244"), std::string::npos)
      << View();
  EXPECT_NE(View().find("The law is broken"), std::string::npos) << View();
  EXPECT_NE(View().find("box=0,0 10,10"), std::string::npos);
  EXPECT_EQ(Handle(), nullptr);
  EXPECT_TRUE(Panel()->GetSamples().empty());
}

TEST_F(LawPanel, OkPlacesTheLawAsTheUserLeftIt) {
  ASSERT_TRUE(Type("FraParam1", "10"));
  ASSERT_TRUE(Click("SBut"));
  ASSERT_TRUE(driver_.Check(std::string(kPanel) + "/InvButton", true));
  ASSERT_TRUE(driver_.PressOK());
  EXPECT_EQ(driver_.CurrentCommand(), nullptr);
  const std::string dump = driver_.DumpDocument();
  EXPECT_NE(
      dump.find("  IntegratedLaw.1 [WENIntegratedLaw] Start=Start End=End Inverted=1 LawType=3"),
      std::string::npos)
      << dump;
}

TEST_F(LawPanel, AnAdvancedLawWithoutFeatureIsFlatAtZero) {
  ASSERT_TRUE(Type("FraParam1", "5"));
  ASSERT_TRUE(Click("AdvBut"));
  EXPECT_EQ(Panel()->ComputeTheLaw(), S_OK);
  for (double v : Panel()->GetSamples()) EXPECT_EQ(v, 0.0);
  EXPECT_EQ(Handle(), nullptr);
  EXPECT_EQ(View().find("Law can't"), std::string::npos);
}

TEST_F(LawPanel, StepsOutsideTheRangeAreRefusedAndTheOldStepKept) {
  ASSERT_TRUE(Type("FraParam2", "1"));
  ASSERT_TRUE(SetStep("0.1"));
  EXPECT_EQ(Panel()->GetSamples().size(), 12u);
  EXPECT_FALSE(driver_.Type(std::string(kPanel) + "/Enter Step/spinner", "0.5"));
  EXPECT_FALSE(driver_.Type(std::string(kPanel) + "/Enter Step/spinner", "-1"));
  EXPECT_DOUBLE_EQ(Panel()->GetStep(), 0.1);
  // Asked directly, the panel answers whether it took the step.
  EXPECT_FALSE(Panel()->SetStep(0.0));
  EXPECT_FALSE(Panel()->SetStep(0.2));
  EXPECT_TRUE(Panel()->SetStep(0.05));
  EXPECT_EQ(Panel()->GetSamples().size(), 22u);
}

TEST_F(LawPanel, AnEditionFillsThePanelFromTheLawWithoutTellingTheCommand) {
  ASSERT_TRUE(driver_.CancelCurrent());
  ZORFeature_var wen = MakeLaw("WENLaw", {{"Kind", 1}, {"Start", 6}});
  ZORFeature_var integrated = session_.Document().CreateFeature("WENIntegratedLaw", set_.get());
  ZORIWENIntegratedLaw_var law{ZORBaseUnknown_var(integrated.get())};
  law->SetLawType(ZORWENAdvancedLaw);
  law->SetAdvancedLaw(ZORICkeLaw_var(ZORBaseUnknown_var(wen.get())));
  law->SetInversion(1);
  session_.Document().UpdateAll();
  session_.Editor().SetCurrentFeature(integrated.get());
  ASSERT_EQ(driver_.StartByName("ExampleLawEdition"), S_OK);
  command_ = dynamic_cast<ExampleLawCommand*>(driver_.CurrentCommand());
  ASSERT_TRUE(Panel());
  EXPECT_EQ(Panel()->GetBasicLawType(), ZORWENAdvancedLaw);
  EXPECT_EQ(Panel()->GetLawInversion(), 1);
  EXPECT_NE(driver_.DescribeWidget(std::string(kPanel) + "/AdvBut").find("checked"),
            std::string::npos);
  EXPECT_NE(driver_.DescribeWidget(std::string(kPanel) + "/SelLaw").find("\"Law.1\""),
            std::string::npos);
  for (double v : Panel()->GetSamples()) EXPECT_EQ(v, 6.0);
  // The buttons and the selector changed, yet the command heard nothing.
  EXPECT_EQ(Status().find("type"), std::string::npos) << Status();
  EXPECT_EQ(Status().find("inverted"), std::string::npos) << Status();
}

TEST_F(LawPanel, ALawFeatureGivenToAnAdvancedPanelIsDrawnAtOnce) {
  ASSERT_TRUE(driver_.CancelCurrent());
  ZORFeature_var six = MakeLaw("WENLaw", {{"Kind", 1}, {"Start", 6}});
  ZORFeature_var nine = MakeLaw("WENLaw", {{"Kind", 1}, {"Start", 9}});
  ZORFeature_var integrated = session_.Document().CreateFeature("WENIntegratedLaw", set_.get());
  ZORIWENIntegratedLaw_var law{ZORBaseUnknown_var(integrated.get())};
  law->SetLawType(ZORWENAdvancedLaw);
  law->SetAdvancedLaw(ZORICkeLaw_var(ZORBaseUnknown_var(six.get())));
  session_.Document().UpdateAll();
  session_.Editor().SetCurrentFeature(integrated.get());
  ASSERT_EQ(driver_.StartByName("ExampleLawEdition"), S_OK);
  command_ = dynamic_cast<ExampleLawCommand*>(driver_.CurrentCommand());
  ASSERT_TRUE(Panel());
  const int redraws = Viewer()->GetRedrawCount();
  Panel()->SetLawFeature(ZORICkeLaw_var(ZORBaseUnknown_var(nine.get())));
  EXPECT_GT(Viewer()->GetRedrawCount(), redraws);
  EXPECT_NE(driver_.DescribeWidget(std::string(kPanel) + "/SelLaw").find("\"Law.2\""),
            std::string::npos);
}

TEST_F(LawPanel, AClosedSupportOffersOnlyTheLawsThatEndWhereTheyStart) {
  Panel()->DisableNotClosableLaw();
  for (const char* button : {"LinearBut", "SBut", "AdvBut"}) {
    EXPECT_FALSE(Click(button)) << button;
  }
  EXPECT_TRUE(Click("ConstantBut"));
  Panel()->EnableNotClosableLaw();
  EXPECT_TRUE(Click("SBut"));
}

TEST(LawPanelAlone, AnglesAreReadInDegrees) {
  ZORHostSession session;
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  ZORICkeParm_var start = factory->CreateAngle("A", 30);
  ZORICkeParm_var end = factory->CreateAngle("B", 90);
  auto* panel = new ZORGuiBasicLawPanel(nullptr, 0);
  ASSERT_EQ(panel->BuildPanel(start, end, ZORWENLinearLaw, ZORWENLinearLaw), 1);
  EXPECT_EQ(panel->GetAssociedLawMode(), 2);
  auto* viewer = dynamic_cast<ZORNavigation2DViewer*>(panel->FindChild("LawViewer"));
  ASSERT_TRUE(viewer);
  std::string drawn;
  for (const std::string& line : viewer->Describe()) drawn += line + "\n";
  EXPECT_NE(drawn.find("\"0.5 60deg\""), std::string::npos) << drawn;
  EXPECT_NE(drawn.find("\" 90deg\""), std::string::npos) << drawn;
  // Only the stacked frames of the layout given are attached.
  EXPECT_EQ(panel->DescribeAttachments(), "V0=5:FrameDessin V1=5:Separator V2=5:FrameBoutons");
  panel->Destroy();
}

TEST(LawPanelAlone, AReplacedEndParameterNoLongerRedrawsAndNoneOutlivesThePanel) {
  ZORHostSession session;
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  ZORICkeParm_var start = factory->CreateLength("S", 1);
  ZORICkeParm_var end = factory->CreateLength("E", 2);
  ZORICkeParm_var other = factory->CreateLength("Other", 3);
  auto* panel = new ZORGuiBasicLawPanel(nullptr, 0);
  ASSERT_EQ(panel->BuildPanel(start, end, ZORWENLinearLaw, ZORWENLinearLaw), 1);
  auto* viewer = dynamic_cast<ZORNavigation2DViewer*>(panel->FindChild("LawViewer"));
  ASSERT_TRUE(viewer);
  panel->SetLiterals(nullptr, other);
  EXPECT_TRUE(panel->FindChild("FrameParam/FraParamEnd"));
  EXPECT_FALSE(panel->FindChild("FrameParam/FraParam2"));
  EXPECT_EQ(panel->GetSamples().back(), 3.0);
  const int redraws = viewer->GetRedrawCount();
  EXPECT_EQ(end->Valuate(40), S_OK);
  EXPECT_EQ(viewer->GetRedrawCount(), redraws);
  EXPECT_EQ(other->Valuate(4), S_OK);
  EXPECT_EQ(viewer->GetRedrawCount(), redraws + 1);
  EXPECT_EQ(panel->GetSamples().back(), 4.0);
  EXPECT_EQ(start->Valuate(2), S_OK);
  EXPECT_EQ(panel->GetSamples().front(), 2.0);
  panel->Destroy();
  // The panel is gone: changes of its parameters reach nobody.
  EXPECT_EQ(start->Valuate(1), S_OK);
  EXPECT_EQ(other->Valuate(2), S_OK);
}

TEST(LawPanelAlone, BuildsNothingWithoutParameters) {
  ZORHostSession session;
  auto* panel = new ZORGuiBasicLawPanel(nullptr, 0);
  ZORICkeParm_var start = ZORParmDictionary::GetVolatileFactory()->CreateReal("S", 1);
  EXPECT_EQ(panel->BuildPanel(start, nullptr, ZORWENLinearLaw, ZORWENLinearLaw), 0);
  EXPECT_EQ(panel->BuildPanel(nullptr, start, ZORWENLinearLaw, ZORWENLinearLaw), 0);
  EXPECT_EQ(panel->GetChildCount(), 0);
  // Nothing built: every operation skips the missing widgets.
  panel->DrawLawViewer(1);
  panel->DrawManipulator(0.5f, 0.0f, 0);
  panel->SetLawInversion(1);
  panel->DisableNotClosableLaw();
  EXPECT_EQ(panel->GetLawInversion(), 1);
  // A real start parameter: values are written with %g.
  ZORICkeParm_var end = ZORParmDictionary::GetVolatileFactory()->CreateReal("E", 2);
  EXPECT_EQ(panel->BuildPanel(start, end, ZORWENLinearLaw, ZORWENLinearLaw), 1);
  EXPECT_EQ(panel->GetAssociedLawMode(), 3);
  panel->Destroy();
}

}  // namespace
