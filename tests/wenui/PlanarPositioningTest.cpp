// The planar positioning frame through the driver, on the example position command: the two
// walks by state, clicks back on the panel's inputs, positioning switched off and on, axis
// inversions, drags of the handles, bad input, and the frame and its panel part going in
// either order.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ExamplePositionCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFatalError.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGuiNotifierFrame.h"
#include "ZORGuiPPFNotifOrigin1.h"
#include "ZORGuiPlanarPosFrame.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORISO.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENUIFrameDirection.h"
#include "ZORWENUIPlaneTranslator.h"
#include "ZORWENUIRotator.h"

namespace {

constexpr const char* kPanel = "PositionPanel";

struct FatalStop {
  std::string text;
};

void ThrowingFatalHandler(const char* condition, const char* path, int line) {
  throw FatalStop{ZORFatalErrorText(condition, path, line)};
}

class PlanarPositioning : public ::testing::Test {
 protected:
  PlanarPositioning() {
    ZORDocument& doc = session_.Document();
    set_ = doc.CreateTool("GeometricalSet");
    const auto point = [&](double x, double y) { return doc.CreatePoint(x, y, 0, set_.get()); };
    profilePoints_ = {point(0, 0), point(10, 0), point(10, 5)};
    profile_ = doc.CreateFeature("WENPolyline", set_.get());
    for (int i = 0; i < 3; ++i) {
      profile_->SetInput("Point" + std::to_string(i + 1), profilePoints_[i].get());
    }
    origin1_ = point(20, 0);
    origin2_ = point(50, 50);
    line1_ = Line(origin1_, point(30, 0));   // along X
    line2_ = Line(origin2_, point(50, 60));  // along Y
    doc.UpdateAll();
    session_.Editor().SetCurrentFeature(set_.get());
  }
  ~PlanarPositioning() override {
    driver_.CancelCurrent();
    driver_.EndTransaction();
  }

  ZORFeature_var Line(const ZORFeature_var& start, const ZORFeature_var& end) {
    ZORFeature_var line = session_.Document().CreateFeature("WENLine", set_.get());
    line->SetInput("Start", start.get());
    line->SetInput("End", end.get());
    return line;
  }
  void Start(ZORWENPPFMode mode, bool withPositioner = true, ZORWENPPFVisu visu = ZORWENPPFVisu2) {
    command_ = new ExamplePositionCommand(mode, withPositioner, visu);
    ASSERT_EQ(driver_.Start(command_), S_OK);
    frame_ = command_->GetPositioningFrame();
  }
  bool Pick(const ZORFeature_var& feature) { return ZORDriverPick::Pick(driver_, feature.get()); }
  std::string State() const {
    ZORDialogState* state = command_->GetCurrentState();
    return state ? state->GetName().str() : "none";
  }
  ZORIWENPositionTransfo_var Transfo() {
    ZORIWENPositionTransfo_var transfo;
    frame_->GetPositionTransfo(transfo);
    return transfo;
  }
  std::vector<ZORMathPoint> Positioned() {
    std::vector<ZORMathPoint> points;
    ZORIWENDefaultPositioner_var positioner(Transfo());
    if (positioner) positioner->GetPositionedPoints(points);
    return points;
  }
  void ExpectPoints(const std::vector<ZORMathPoint>& expected) {
    const std::vector<ZORMathPoint> points = Positioned();
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_NEAR(points[i].DistanceTo(expected[i]), 0.0, 1e-9) << "point " << i;
    }
  }
  // The whole walk of mode 1.
  void WalkMode1() {
    Start(ZORWENPPFMode1);
    ASSERT_TRUE(Pick(profile_));
    ASSERT_TRUE(Pick(origin1_));
    ASSERT_TRUE(Pick(line1_));
    ASSERT_TRUE(Pick(origin2_));
    ASSERT_TRUE(Pick(line2_));
  }
  int Handles() { return static_cast<int>(ZORHandleDriver(driver_).ShownHandles().size()); }
  std::string Status() const { return driver_.DescribeWidget(At("Status")); }
  static std::string At(const char* widget) { return std::string(kPanel) + "/" + widget; }
  bool Checked(const char* widget) const {
    const std::string text = driver_.DescribeWidget(At(widget));
    return text.find("checked") != std::string::npos && text.find("unchecked") == std::string::npos;
  }
  // Gives a direction frame of the panel the components typed, through its coordinates panel.
  void TypeComponents(const char* frame, const char* x, const char* y, const char* z) {
    ASSERT_TRUE(driver_.Menu(At(frame), -1, "Item"));
    ASSERT_TRUE(driver_.Type("PanelCoord/CoordX", x));
    ASSERT_TRUE(driver_.Type("PanelCoord/CoordY", y));
    ASSERT_TRUE(driver_.Type("PanelCoord/CoordZ", z));
    ASSERT_TRUE(driver_.PressOK("PanelCoord"));
  }
  // A transformation of the factory's, on the profile and the first origin.
  ZORIWENPositionTransfo_var NewTransfo() {
    ZORIWENPositionTransfo_var made =
        ZORGuiUtilitiesServices::GetCurrentWENFactory()->CreatePositionTransfo();
    if (!made) return made;
    made->SetProfile(ZORSpecObjectOf(profile_.get()));
    made->SetOrigin(1, ZORSpecObjectOf(origin1_.get()));
    return made;
  }
  void Restart(ZORWENPPFMode mode, ZORWENPPFVisu visu) {
    driver_.CancelCurrent();
    driver_.EndTransaction();
    Start(mode, true, visu);
  }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORFeature_var set_, profile_, origin1_, origin2_, line1_, line2_;
  std::vector<ZORFeature_var> profilePoints_;
  ExamplePositionCommand* command_ = nullptr;
  ZORGuiPlanarPosFrame* frame_ = nullptr;
};

// Initial: origin (20,0,0), X along X; target: origin (50,50,0), X along Y, so Y along -X.
const std::vector<ZORMathPoint> kMoved = {{50, 30, 0}, {50, 40, 0}, {45, 40, 0}};

TEST_F(PlanarPositioning, Mode1WalksOriginDirectionOriginDirectionAndMovesTheProfile) {
  Start(ZORWENPPFMode1);
  EXPECT_EQ(command_->GetAnnouncedStates(), 4);
  EXPECT_EQ(State(), "ProfileState");
  ASSERT_TRUE(Pick(profile_));
  EXPECT_EQ(State(), "statePPFO1");
  EXPECT_EQ(frame_->GetHighlightedInput(), 1);
  ASSERT_TRUE(Pick(origin1_));
  EXPECT_EQ(State(), "statePPFFA1");
  EXPECT_EQ(frame_->GetHighlightedInput(), 2);
  // The first input brings the handles; the target's, without an origin, are frozen.
  EXPECT_EQ(Handles(), 2);
  ASSERT_TRUE(Pick(line1_));
  EXPECT_EQ(State(), "statePPFO2");
  ASSERT_TRUE(Pick(origin2_));
  EXPECT_EQ(State(), "statePPFFA2");
  EXPECT_EQ(frame_->GetHighlightedInput(), 4);
  ASSERT_TRUE(Pick(line2_));
  EXPECT_EQ(State(), "PositionedState");
  EXPECT_EQ(frame_->GetHighlightedInput(), 0);

  ZORIWENPositionTransfo_var transfo = Transfo();
  EXPECT_EQ(transfo->GetMode(), 1);
  EXPECT_EQ(ZORFeature::From(transfo->GetOrigin(1).get()), origin1_.get());
  EXPECT_EQ(ZORFeature::From(transfo->GetDirection(2).get()), line2_.get());
  ExpectPoints(kMoved);
  ZORMathAxis target;
  ASSERT_EQ(transfo->GetAxis(2, target), S_OK);
  EXPECT_EQ(target.GetSecondDirection(), ZORMathVector(-1, 0, 0));
  EXPECT_EQ(target.GetThirdDirection(), ZORMathVector(0, 0, 1));
  ASSERT_TRUE(frame_->GetTextSymbol());
  EXPECT_EQ(frame_->GetTextSymbol()->GetText().str(), "Positioned element");
  EXPECT_TRUE(session_.Editor().GetISO()->IsMember(frame_->GetTextSymbol()));
  EXPECT_EQ(Handles(), 4);
  EXPECT_GT(command_->GetChanges(), 0);

  ASSERT_TRUE(driver_.PressOK());
  const std::string dump = driver_.DumpDocument();
  EXPECT_NE(dump.find("[WENPoint] X=45 Y=40 Z=0"), std::string::npos) << dump;
}

TEST_F(PlanarPositioning, Mode2AsksForTheFirstSystemOnlyWhileTheParametersAreShown) {
  Start(ZORWENPPFMode2);
  ASSERT_TRUE(Pick(profile_));
  EXPECT_EQ(State(), "statePPFO2");
  // Parameters hidden: the second origin is the last input.
  ASSERT_TRUE(Pick(origin2_));
  EXPECT_EQ(State(), "PositionedState");
  EXPECT_EQ(ZORFeature::From(Transfo()->GetOrigin(2).get()), origin2_.get());
  EXPECT_EQ(Transfo()->GetMode(), 2);

  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  EXPECT_TRUE(frame_->IsPositioningDisplayed(nullptr));
  ASSERT_TRUE(driver_.Click(At("SelOriginP2")));
  EXPECT_EQ(State(), "statePPFO2");
  EXPECT_FALSE(Transfo()->GetOrigin(2));
  ASSERT_TRUE(Pick(origin2_));
  EXPECT_EQ(State(), "statePPFO1");
  ASSERT_TRUE(Pick(origin1_));
  EXPECT_EQ(State(), "statePPFFA1");
  ASSERT_TRUE(Pick(line1_));
  EXPECT_EQ(State(), "PositionedState");
  // No second direction: the target keeps the initial X; the profile is translated.
  ExpectPoints({{30, 50, 0}, {40, 50, 0}, {40, 55, 0}});
}

TEST_F(PlanarPositioning, ClicksOnThePanelInputsBringTheirStatesBackWithTheElementCleared) {
  WalkMode1();
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  ASSERT_TRUE(driver_.Click(At("SelOriginP1")));
  EXPECT_EQ(State(), "statePPFO1");
  EXPECT_FALSE(frame_->GetElement(0, 0));
  EXPECT_FALSE(Transfo()->GetOrigin(1));
  EXPECT_NE(Status().find("origin 1: none"), std::string::npos) << Status();
  ASSERT_TRUE(Pick(origin1_));
  EXPECT_EQ(State(), "statePPFFA1");

  ASSERT_TRUE(driver_.Click(At("SdDirFrame")));
  EXPECT_EQ(State(), "statePPFFA2");
  EXPECT_FALSE(Transfo()->GetDirection(2));
  // Entering the state took the frame's click: the frame left its selection.
  auto* direction = dynamic_cast<ZORWENUIFrameDirection*>(driver_.Find(At("SdDirFrame")));
  ASSERT_TRUE(direction);
  EXPECT_EQ(direction->GetFrameSelection(), 0);
  ASSERT_TRUE(Pick(line2_));
  EXPECT_EQ(State(), "PositionedState");
  ExpectPoints(kMoved);
  // A value typed in a literal's editor moves the profile along the target's X, (0, 1, 0).
  ASSERT_TRUE(driver_.Type(At("XPos"), "3"));
  ExpectPoints({{50, 33, 0}, {50, 43, 0}, {45, 43, 0}});
  ASSERT_TRUE(frame_->GetPlaneTranslator(1));
  EXPECT_NEAR(frame_->GetPlaneTranslator(1)->GetCurrentPoint().DistanceTo({50, 53, 0}), 0, 1e-9);
}

TEST_F(PlanarPositioning, OffHidesAndWritesMode0ThenOnKeepsOneSetOfHandles) {
  WalkMode1();
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  const std::size_t heard = command_->GetHeard().size();

  ASSERT_TRUE(driver_.Check(At("SelPosButton"), false));
  EXPECT_EQ(std::vector<std::string>(command_->GetHeard().begin() + static_cast<long>(heard),
                                     command_->GetHeard().end()),
            (std::vector<std::string>{"exit", "select"}));
  EXPECT_EQ(Transfo()->GetMode(), 0);
  EXPECT_EQ(Transfo()->GetBooleanParameter(1)->GetStoredValue(), 0.0);
  EXPECT_FALSE(frame_->IsPositioningDisplayed(nullptr));
  EXPECT_FALSE(frame_->GetTextSymbol());
  // The panel keeps its handles (a visualisation variant that recreates them).
  EXPECT_EQ(Handles(), 4);
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(driver_.Check(At("SelPosButton"), true));
    EXPECT_EQ(Transfo()->GetMode(), 1);
    EXPECT_EQ(Handles(), 4) << "round " << round;
    EXPECT_TRUE(frame_->GetTextSymbol());
    if (round < 2) {
      ASSERT_TRUE(driver_.Check(At("SelPosButton"), false));
    }
  }
  EXPECT_EQ(Transfo()->GetBooleanParameter(1)->GetStoredValue(), 1.0);
  // Enabling twice is once.
  frame_->EnablePositioning();
  EXPECT_EQ(Handles(), 4);
}

TEST_F(PlanarPositioning, SwapButtonsToggleTheTargetInversionAndMirrorTheProfile) {
  WalkMode1();
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  ASSERT_TRUE(driver_.Check(At("SwapXAxisButton"), true));
  EXPECT_EQ(Transfo()->GetAxisInversion(2), ZORWENXInversion);
  // Target X along -Y: (u, v) goes to (50 + v * -1, 50 - u).
  ExpectPoints({{50, 70, 0}, {50, 60, 0}, {45, 60, 0}});
  ASSERT_TRUE(driver_.Check(At("SwapYAxisButton"), true));
  EXPECT_EQ(Transfo()->GetAxisInversion(2), ZORWENXAndYInversion);
  ExpectPoints({{50, 70, 0}, {50, 60, 0}, {55, 60, 0}});
  ASSERT_TRUE(driver_.Check(At("SwapXAxisButton"), false));
  EXPECT_EQ(Transfo()->GetAxisInversion(2), ZORWENYInversion);
  ExpectPoints({{50, 30, 0}, {50, 40, 0}, {55, 40, 0}});
  // The initial system's pair serves system 1.
  ASSERT_TRUE(driver_.Check(At("SwapYAxisButtonBirail"), true));
  EXPECT_EQ(Transfo()->GetAxisInversion(1), ZORWENYInversion);
  EXPECT_EQ(driver_.DescribeWidget(At("SwapYAxisButtonBirail")).find("unchecked"),
            std::string::npos);
}

TEST(AxisInversion, TogglingXOrYFollowsTheModeTable) {
  const ZORWENAxisInversionMode modes[] = {ZORWENNoInversion, ZORWENYInversion, ZORWENXInversion,
                                           ZORWENXAndYInversion};
  const int x[] = {2, 3, 0, 1};
  const int y[] = {1, 0, 3, 2};
  for (int m = 0; m < 4; ++m) {
    EXPECT_EQ(ZORWENToggleInversion(modes[m], true), x[m]);
    EXPECT_EQ(ZORWENToggleInversion(modes[m], false), y[m]);
  }
}

TEST_F(PlanarPositioning, DragsDisplaceAndTurnTheProfileInTheTargetSystem) {
  WalkMode1();
  ZORHandleDriver pointer(driver_);
  // Handles: initial translator, its rotator, target translator, its rotator.
  ASSERT_TRUE(pointer.Drag(3, ZORMathPoint(45, 40, 0), 4));
  // (45, 40) from (50, 50) along X = (0,1,0), Y = (-1,0,0): XPos -10, YPos 5.
  EXPECT_NEAR(Transfo()->GetLiteral("XPos")->GetStoredValue(), -10.0, 1e-9);
  EXPECT_NEAR(Transfo()->GetLiteral("YPos")->GetStoredValue(), 5.0, 1e-9);
  ExpectPoints({{45, 20, 0}, {45, 30, 0}, {40, 30, 0}});
  ASSERT_TRUE(frame_->GetPlaneTranslator(1));
  EXPECT_NEAR(frame_->GetPlaneTranslator(1)->GetCurrentPoint().DistanceTo({45, 40, 0}), 0, 1e-9);

  // A quarter turn of the target's rotator about its displaced origin (45, 40).
  ASSERT_TRUE(frame_->GetRotator(1));
  const ZORMathPoint handle = frame_->GetRotator(1)->GetPosition().GetOrigin();
  EXPECT_NEAR(handle.DistanceTo({45, 60, 0}), 0.0, 1e-9);
  ASSERT_TRUE(pointer.Drag(4, ZORMathPoint(25, 40, 0), 6));
  EXPECT_NEAR(Transfo()->GetLiteral("AnglePos")->GetStoredValue(), 90.0, 1e-6);
  // (u, v) turned by 90 degrees: (-v, u); (0,0,0) is (-20, 0) + (-10, 5) = (-30, 5) -> (-5, -30).
  ExpectPoints({{80, 45, 0}, {70, 45, 0}, {70, 40, 0}});
  EXPECT_EQ(command_->GetCurrentState()->GetName().str(), "PositionedState");
}

TEST_F(PlanarPositioning, BadInputIsRefusedOrIgnored) {
  WalkMode1();
  ZORIWENPositionTransfo_var before = Transfo();
  EXPECT_EQ(frame_->SetPositionTransfo(nullptr), E_FAIL);
  EXPECT_EQ(Transfo().get(), before.get());
  EXPECT_EQ(Transfo()->GetMode(), 1);
  // Indices, kinds, types and modes out of range change nothing.
  frame_->SetElement(ZORSpecObjectOf(origin2_.get()), 2, 0);
  frame_->SetElement(ZORSpecObjectOf(origin2_.get()), 0, 2);
  frame_->SetTypeOrigine(3, 0);
  frame_->SetTypeOrigine(2, 2);
  frame_->SetTypeOrigine(2, -1);
  ZORMathPlane plane;
  EXPECT_FALSE(frame_->GetManipPlane(2, plane));
  EXPECT_FALSE(frame_->GetManipPlane(-1, plane));
  frame_->SetSwapAxes(static_cast<ZORWENAxisInversionMode>(7), 1);
  frame_->UpdateManipulators(99);
  frame_->ModifyPanelOrigin(4);
  EXPECT_EQ(ZORFeature::From(Transfo()->GetOrigin(1).get()), origin1_.get());
  EXPECT_EQ(Transfo()->GetBooleanParameter(1)->GetStoredValue(), 1.0);
  EXPECT_EQ(Transfo()->GetAxisInversion(2), ZORWENNoInversion);
  EXPECT_EQ(State(), "PositionedState");
  EXPECT_EQ(Transfo()->SetMode(3), E_FAIL);
  EXPECT_EQ(Transfo()->SetAxisInversion(1, 4), E_FAIL);
  EXPECT_EQ(Transfo()->SetOrigin(3, nullptr), E_FAIL);
  EXPECT_FALSE(Transfo()->GetLiteral("ZPos"));
  ExpectPoints(kMoved);

  // A transformation that lost a literal stops the program when adopted.
  ZORFeature* transfo = ZORFeature::From(static_cast<ZORBaseUnknown*>(before.get()));
  ASSERT_TRUE(transfo);
  transfo->SetInput("YPos", nullptr);
  ZORFatalErrorHandler previous = ZORSetFatalErrorHandler(&ThrowingFatalHandler);
  try {
    frame_->SetPositionTransfo(before);
    ADD_FAILURE() << "a missing literal went unnoticed";
  } catch (const FatalStop& stop) {
    EXPECT_EQ(stop.text.rfind("AssertionFailed:0 ", 0), 0u) << stop.text;
  }
  ZORSetFatalErrorHandler(previous);
}

TEST_F(PlanarPositioning, WithoutAPositionerTheWalkRunsWithoutHandles) {
  Start(ZORWENPPFMode1, false);
  ASSERT_TRUE(Pick(profile_));
  ASSERT_TRUE(Pick(origin1_));
  ASSERT_TRUE(Pick(line1_));
  EXPECT_EQ(State(), "statePPFO2");
  EXPECT_EQ(Handles(), 0);
  EXPECT_FALSE(frame_->GetTextSymbol());
  frame_->CreateManipulators();
  EXPECT_EQ(Handles(), 0);
}

TEST_F(PlanarPositioning, AdoptingATransformationReadsItsElementsBack) {
  Start(ZORWENPPFMode1);
  ASSERT_TRUE(Pick(profile_));
  ZORIWENPositionTransfo_var kept = NewTransfo();
  ASSERT_TRUE(kept);
  kept->SetDirection(1, ZORSpecObjectOf(line1_.get()));
  kept->SetOrigin(2, ZORSpecObjectOf(origin2_.get()));
  kept->SetDirection(2, ZORSpecObjectOf(line2_.get()));
  kept->SetAxisInversion(2, ZORWENXAndYInversion);
  kept->SetMode(1);
  ASSERT_EQ(frame_->SetPositionTransfo(kept), S_OK);
  EXPECT_EQ(Transfo().get(), kept.get());
  // Elements read back are not news for the command: its status line still names the profile.
  EXPECT_NE(Status().find("profile "), std::string::npos) << Status();
  EXPECT_EQ(ZORFeature::From(frame_->GetElement(1, 1).get()), line2_.get());
  EXPECT_EQ(ZORFeature::From(frame_->GetElement(0, 0).get()), origin1_.get());
  EXPECT_TRUE(frame_->IsPositioningSelected(nullptr));
  EXPECT_TRUE(frame_->IsPositioningDisplayed(nullptr));
  EXPECT_TRUE(Checked("SwapXAxisButton"));
  // Both target axes reversed: (u, v) goes to (50 - v, 50 - u) ... mirrored twice, a half turn.
  ExpectPoints({{50, 70, 0}, {50, 60, 0}, {55, 60, 0}});
  EXPECT_EQ(Handles(), 4);
}

// The wide variants set the second origin's part beside the parameters and offer both pairs of
// swap buttons; the narrow ones keep it among the parameters, without swaps.
TEST_F(PlanarPositioning, OnlyTheWideVariantsHoldTheSwapPairs) {
  for (ZORWENPPFVisu visu : {ZORWENPPFVisuNone, ZORWENPPFVisu1, ZORWENPPFVisu2, ZORWENPPFVisu3}) {
    Restart(ZORWENPPFMode1, visu);
    const bool wide = visu == ZORWENPPFVisu2 || visu == ZORWENPPFVisu3;
    EXPECT_EQ(driver_.Find(At("StartSeparator")) != nullptr, wide) << "variant " << visu;
    EXPECT_EQ(driver_.Find(At("SwapXAxisButtonBirail")) != nullptr, wide) << "variant " << visu;
    ZORDialog* second = driver_.Find(At("FraOriginSd"));
    ASSERT_TRUE(second);
    ASSERT_TRUE(second->GetDialogParent());
    EXPECT_EQ(second->GetDialogParent()->GetName().str(), wide ? "NotifFrame" : "AdvFrame");
  }
}

TEST_F(PlanarPositioning, OnlyTheThirdVariantShowsTheParametersOfAnAdoptedOffTransformation) {
  for (ZORWENPPFVisu visu : {ZORWENPPFVisu2, ZORWENPPFVisu3}) {
    Restart(ZORWENPPFMode1, visu);
    ASSERT_TRUE(Pick(profile_));
    ZORIWENPositionTransfo_var off = NewTransfo();
    ASSERT_TRUE(off);
    ASSERT_EQ(frame_->SetPositionTransfo(off), S_OK);
    EXPECT_FALSE(frame_->IsPositioningSelected(nullptr));
    EXPECT_EQ(frame_->IsPositioningDisplayed(nullptr), visu == ZORWENPPFVisu3)
        << "variant " << visu;
  }
}

// A variant out of range is no variant.
TEST_F(PlanarPositioning, WithoutAVariantSwitchingOffTakesTheHandlesAway) {
  for (ZORWENPPFVisu visu : {ZORWENPPFVisuNone, static_cast<ZORWENPPFVisu>(7)}) {
    Restart(ZORWENPPFMode1, visu);
    ASSERT_TRUE(Pick(profile_));
    ASSERT_TRUE(Pick(origin1_));
    EXPECT_EQ(Handles(), 2) << "variant " << visu;
    ASSERT_TRUE(driver_.Check(At("SelPosButton"), false));
    EXPECT_EQ(Handles(), 0) << "variant " << visu;
    ASSERT_TRUE(driver_.Check(At("SelPosButton"), true));
    EXPECT_EQ(Handles(), 2) << "variant " << visu;
  }
}

TEST_F(PlanarPositioning, ComponentsTypedForADirectionGoToItsOwnSystem) {
  WalkMode1();
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  EXPECT_TRUE(Checked("RadBDirection1"));
  EXPECT_FALSE(Checked("RadBDirection2"));

  // Target X along +X: the profile is only translated, by (30, 50).
  TypeComponents("SdDirFrame", "1", "0", "0");
  EXPECT_EQ(State(), "statePPFFA2");
  EXPECT_EQ(ZORFeature::From(Transfo()->GetDirection(1).get()), line1_.get());
  EXPECT_NE(ZORFeature::From(Transfo()->GetDirection(2).get()), line2_.get());
  ExpectPoints({{30, 50, 0}, {40, 50, 0}, {40, 55, 0}});
  EXPECT_TRUE(Checked("RadBDirection1"));

  // Initial X along +Y, so its Y along -X: (u, v) are (y, 20 - x) and land on (50 + u, 50 + v).
  TypeComponents("MainDirFrame", "0", "1", "0");
  EXPECT_EQ(State(), "statePPFFA1");
  EXPECT_NE(ZORFeature::From(Transfo()->GetDirection(1).get()), line1_.get());
  ExpectPoints({{50, 70, 0}, {50, 60, 0}, {55, 60, 0}});
  EXPECT_TRUE(Checked("RadBDirection2"));
  EXPECT_FALSE(Checked("RadBDirection1"));
  // A type out of range leaves the radios as they are.
  frame_->SetTypeDirection(3, 0);
  frame_->SetTypeDirection(0, 0);
  EXPECT_TRUE(Checked("RadBDirection2"));
  frame_->SetTypeDirection(1, 0);
  EXPECT_TRUE(Checked("RadBDirection1"));
}

TEST_F(PlanarPositioning, EachDirectionStateTakesTheClickOnItsOwnFrame) {
  Start(ZORWENPPFMode1);
  ASSERT_TRUE(frame_->GetState(2) && frame_->GetState(3));
  ASSERT_TRUE(frame_->GetState(2)->GetDirectionAgent());
  ASSERT_TRUE(frame_->GetState(3)->GetDirectionAgent());
  EXPECT_EQ(frame_->GetState(2)->GetDirectionAgent()->GetName().str(), "IndMainAxis");
  EXPECT_EQ(frame_->GetState(3)->GetDirectionAgent()->GetName().str(), "IndSdAxis");
  EXPECT_FALSE(frame_->GetState(0)->GetDirectionAgent());
  EXPECT_FALSE(frame_->GetState(4));

  ASSERT_TRUE(Pick(profile_));
  ASSERT_TRUE(Pick(origin1_));
  ASSERT_TRUE(Pick(line1_));
  ASSERT_TRUE(Pick(origin2_));
  ASSERT_TRUE(Pick(line2_));
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  ASSERT_TRUE(driver_.Click(At("MainDirFrame")));
  EXPECT_EQ(State(), "statePPFFA1");
  EXPECT_FALSE(Transfo()->GetDirection(1));
  auto* direction = dynamic_cast<ZORWENUIFrameDirection*>(driver_.Find(At("MainDirFrame")));
  ASSERT_TRUE(direction);
  EXPECT_EQ(direction->GetFrameSelection(), 0);
  ASSERT_TRUE(Pick(line1_));
  EXPECT_EQ(ZORFeature::From(Transfo()->GetDirection(1).get()), line1_.get());
}

TEST_F(PlanarPositioning, SettingUpTwiceSetsUpOnce) {
  Start(ZORWENPPFMode1);
  frame_->InitializeDialog(nullptr);
  EXPECT_EQ(command_->GetAnnouncedStates(), 4);
  ZORGuiNotifierFrame* notifier = frame_->GetNotifierFrame();
  ASSERT_TRUE(notifier);
  ZORDlgFrame* out = nullptr;
  frame_->BuildLayout(notifier, out, ZORWENPPFVisu1);
  EXPECT_EQ(out, notifier);
  EXPECT_EQ(frame_->GetNotifierFrame(), notifier);
  EXPECT_TRUE(driver_.Find(At("SwapXAxisButton")));  // still the wide layout

  // A frame given no parent builds nothing.
  auto* bare = new ZORGuiPlanarPosFrame(command_, ZORWENPPFMode1);
  out = notifier;
  bare->BuildLayout(nullptr, out, ZORWENPPFVisu2);
  EXPECT_EQ(out, nullptr);
  EXPECT_FALSE(bare->GetNotifierFrame());
  bare->RequestDelayedDestruction();
}

TEST_F(PlanarPositioning, ATransformationThatCannotBeMadeIsAFailure) {
  Start(ZORWENPPFMode1);
  auto* fresh = new ZORGuiPlanarPosFrame(command_, ZORWENPPFMode2);
  ZORIWENPositionTransfo_var transfo;
  // Each call fails at a later service, up to the creation itself.
  std::string service;
  for (long k = 1; k < 10 && service != "ZORIWENFactory::CreatePositionTransfo"; ++k) {
    ZORFaultGate::Arm(k);
    const HRESULT failed = fresh->GetPositionTransfo(transfo);
    service = ZORFaultGate::Fired() ? ZORFaultGate::FiredService() : "";
    ZORFaultGate::Disarm();
    ASSERT_FALSE(service.empty()) << "made despite a fault armed at call " << k;
    EXPECT_EQ(failed, E_FAIL) << service;
    EXPECT_FALSE(transfo) << service;
  }
  EXPECT_EQ(service, "ZORIWENFactory::CreatePositionTransfo");
  // Made at the next asking, off while positioning is not selected.
  ASSERT_EQ(fresh->GetPositionTransfo(transfo), S_OK);
  ASSERT_TRUE(transfo);
  EXPECT_EQ(transfo->GetMode(), 0);
  fresh->RequestDelayedDestruction();
}

TEST_F(PlanarPositioning, UnusedComponentsFollowTheFrameOrTheTransformation) {
  Start(ZORWENPPFMode1);
  ASSERT_TRUE(Pick(profile_));
  ASSERT_TRUE(Pick(origin1_));
  // Given a second origin behind the frame's back, the transformation loses it.
  Transfo()->SetOrigin(2, ZORSpecObjectOf(origin2_.get()));
  frame_->RemoveUnusedComponents();
  EXPECT_FALSE(Transfo()->GetOrigin(2));
  EXPECT_EQ(ZORFeature::From(Transfo()->GetOrigin(1).get()), origin1_.get());
  // The other way: the frame forgets an origin the transformation lost.
  Transfo()->SetOrigin(1, nullptr);
  EXPECT_EQ(frame_->CountElementSelections(), 1);
  frame_->ResetUsedComponents();
  EXPECT_FALSE(frame_->GetElement(0, 0));
  EXPECT_EQ(frame_->CountElementSelections(), 0);
}

TEST_F(PlanarPositioning, Mode2NeverDrawsThePositionedElement) {
  Start(ZORWENPPFMode2);
  ASSERT_TRUE(Pick(profile_));
  ASSERT_TRUE(Pick(origin2_));
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  ASSERT_TRUE(driver_.Click(At("SelOriginP2")));
  ASSERT_TRUE(Pick(origin2_));
  ASSERT_TRUE(Pick(origin1_));
  ASSERT_TRUE(Pick(line1_));
  EXPECT_EQ(State(), "PositionedState");
  EXPECT_EQ(Positioned().size(), 3u);
  // In mode 2 the plain pair serves the first system.
  ASSERT_TRUE(driver_.Check(At("SwapXAxisButton"), true));
  EXPECT_EQ(Transfo()->GetAxisInversion(1), ZORWENXInversion);
  EXPECT_FALSE(frame_->GetTextSymbol());
}

TEST_F(PlanarPositioning, APanelPartWithoutItsFrameGoesQuietly) {
  WalkMode1();
  ZORGuiNotifierFrame* notifier = frame_->GetNotifierFrame();
  auto* lone = new ZORGuiNotifierFrame(notifier, nullptr);
  lone->RequestDelayedDestruction();
  driver_.EndTransaction();
  EXPECT_EQ(frame_->GetNotifierFrame(), notifier);
  EXPECT_TRUE(frame_->GetTextSymbol());
}

TEST_F(PlanarPositioning, EachSystemIsDrawnAtItsOriginWithItsName) {
  Start(ZORWENPPFMode1);
  ASSERT_TRUE(Pick(profile_));
  ASSERT_TRUE(Pick(origin1_));
  // Without a target origin yet, the target system is the initial one: both axes at (20, 0, 0).
  const std::vector<std::string> shown = session_.Editor().GetISO()->Describe();
  const auto axesAt = [&shown](const std::string& origin) {
    const std::string arrow = "arrow(" + origin + " dir=1,0,0 size=15,5 \"X\")";
    return std::count_if(shown.begin(), shown.end(), [&](const std::string& line) {
      return line.find(arrow) != std::string::npos;
    });
  };
  EXPECT_EQ(axesAt("20,0,0"), 2);
  std::vector<std::string> handles = ZORHandleDriver(driver_).DescribeHandles();
  ASSERT_FALSE(handles.empty());
  EXPECT_NE(handles[0].find("text(20,0,0 \"Initial axis system\")"), std::string::npos)
      << handles[0];

  ASSERT_TRUE(Pick(line1_));
  ASSERT_TRUE(Pick(origin2_));
  ASSERT_TRUE(Pick(line2_));
  handles = ZORHandleDriver(driver_).DescribeHandles();
  ASSERT_EQ(handles.size(), 4u);
  EXPECT_NE(handles[2].find("text(50,50,0 \"Target axis system\")"), std::string::npos)
      << handles[2];
}

TEST_F(PlanarPositioning, HidingTheParametersKeepsTheStateAndItsHighlightedInput) {
  Start(ZORWENPPFMode1);
  ASSERT_TRUE(Pick(profile_));
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  ASSERT_TRUE(driver_.Click(At("ShowParamButton")));
  EXPECT_FALSE(frame_->IsPositioningDisplayed(nullptr));
  EXPECT_EQ(State(), "statePPFO1");
  EXPECT_EQ(frame_->GetHighlightedInput(), 1);
}

TEST_F(PlanarPositioning, ThePanelPartDispatchesANotificationClassByItsCode) {
  WalkMode1();
  ZORGuiNotifierFrame* notifier = frame_->GetNotifierFrame();
  ASSERT_TRUE(notifier);
  auto origin = ZORMake<ZORGuiPPFNotifOrigin1>();
  notifier->AjouteNotifClass(command_, nullptr, 19);  // no class: nothing to hear
  notifier->AjouteNotifClass(command_, ZORGuiPPFNotifOrigin1::ClassName(), 19);
  // Code 19 switches positioning: off, then on again.
  command_->SendNotification(notifier, origin.get());
  EXPECT_FALSE(frame_->IsPositioningSelected(nullptr));
  EXPECT_EQ(Transfo()->GetMode(), 0);
  command_->SendNotification(notifier, origin.get());
  EXPECT_TRUE(frame_->IsPositioningSelected(nullptr));
  EXPECT_EQ(Transfo()->GetMode(), 1);
}

// The frame and its panel part (the notifier frame) go in either order; the one left never
// reaches the other.
class PositioningDestruction : public PlanarPositioning {};

TEST_F(PositioningDestruction, TheFrameFirstThenThePanel) {
  WalkMode1();
  ZORGuiNotifierFrame* notifier = frame_->GetNotifierFrame();
  ASSERT_TRUE(notifier);
  EXPECT_EQ(notifier->GetPositioningFrame(), frame_);
  // The command hands its frame over before its panel.
  driver_.CancelCurrent();
  driver_.EndTransaction();
  EXPECT_EQ(session_.Editor().GetISO()->GetSize(), 0);
}

TEST_F(PositioningDestruction, ThePanelPartFirstThenTheFrame) {
  WalkMode1();
  ZORGuiNotifierFrame* notifier = frame_->GetNotifierFrame();
  ASSERT_TRUE(notifier);
  notifier->RequestDelayedDestruction();
  EXPECT_FALSE(frame_->GetTextSymbol());  // the notifier took the labels down first
  driver_.EndTransaction();
  EXPECT_FALSE(frame_->GetNotifierFrame());
  // Without its panel part the frame still works on what it holds.
  frame_->SetElement(ZORSpecObjectOf(origin2_.get()), 0, 0);
  frame_->UpdateManipulators(8);
  frame_->ChangePosSelection();
  EXPECT_EQ(Transfo()->GetAxisInversion(2), ZORWENXInversion);
  driver_.CancelCurrent();
  driver_.EndTransaction();
}

}  // namespace
