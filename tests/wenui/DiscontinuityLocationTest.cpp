// Continuity locations as a command shows them: colours, flag texts, the flag under the pointer,
// and nothing left in the view once they go.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORFrmEditor.h"
#include "ZORGuiDiscontinuityLocation.h"
#include "ZORGuiFlagGP.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORTestListener.h"
#include "ZORTestResources.h"
#include "ZORTransaction.h"

namespace {

using Location = ZORGuiDiscontinuityLocation;

const ZORGuiFlagGP* FlagOf(const ZOR3DCustomRep* rep) {
  return rep ? dynamic_cast<const ZORGuiFlagGP*>(rep->GetGP(1)) : nullptr;
}

class DiscontinuityLocation : public ::testing::Test {
 protected:
  DiscontinuityLocation() {
    resources.Write("ZORGuiDiscontinuityLocation",
                    "InputLabel = In:\nOutputLabel = Out:\n"
                    "PtDiscontinuityLabel = Gap\nPtContinuityLabel = Joined\n"
                    "TgDiscontinuityLabel = Kink\nTgContinuityLabel = Tangent\n"
                    "CrvDiscontinuityLabel = Bend\nCrvContinuityLabel = Smooth\n"
                    "SuppressionLabel = Gone\n");
  }
  Location* Make(unsigned char interactive) {
    return new Location(&listener, ZORMathPoint(1, 2, 3), interactive);
  }
  int Shown() { return session.Editor().GetISO()->GetSize(); }
  static std::vector<std::string> Texts(const Location& location) {
    std::vector<std::string> texts;
    if (const ZORGuiFlagGP* flag = FlagOf(location.GetFlagRep())) {
      for (const ZORUnicodeString& text : flag->GetTexts()) texts.push_back(text.str());
    }
    return texts;
  }
  static int AnchorColor(const Location& location) {
    return location.GetAnchorRep()->GetGPAttributes(1)->GetColor();
  }
  static std::string Text(const Location& location, int type, double value) {
    ZORUnicodeString text("unchanged");
    location.GetContinuityText(type, value, text);
    return text.str();
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener listener;
};

}  // namespace

TEST_F(DiscontinuityLocation, TheColourTellsWhetherTheOutputKeepsTheInputsContinuity) {
  Location* location = Make(0);
  int color = 0;
  EXPECT_EQ(location->GetStatusColor(color), E_FAIL);
  EXPECT_EQ(color, 248);
  location->SetInputData(1, 0.0);
  EXPECT_EQ(location->GetStatusColor(color), E_FAIL);  // the output is still missing
  location->SetOutputData(1, 0.0);
  EXPECT_EQ(location->GetStatusColor(color), S_OK);
  EXPECT_EQ(color, 247);
  location->SetInputData(0, 2.0);
  location->GetStatusColor(color);
  EXPECT_EQ(color, 244);
  for (int output : {2, -10}) {
    location->SetOutputData(output, 0.0);
    location->GetStatusColor(color);
    EXPECT_EQ(color, 246) << output;
  }
  location->SetOutputData(-2, 0.0);
  location->SetColorInError(12);
  EXPECT_EQ(location->GetStatusColor(color), E_FAIL);
  EXPECT_EQ(color, 12);
  location->RequestDelayedDestruction();
}

TEST_F(DiscontinuityLocation, ContinuityTextsNameTheLabelsAndTheDeviationWhenThereIsOne) {
  Location* location = Make(0);
  EXPECT_EQ(Text(*location, -1, 0.5), " Gap ( 0.50mm ) ");
  EXPECT_EQ(Text(*location, -1, 0.0), " Gap ");
  EXPECT_EQ(Text(*location, 0, 10.0), " Joined, Kink ( 10.00deg ) ");
  EXPECT_EQ(Text(*location, 1, 0.0025), " Tangent, Bend ( 0.0025 ) ");
  EXPECT_EQ(Text(*location, 2, 3.0), " Smooth ");
  EXPECT_EQ(Text(*location, -10, 3.0), " Gone ");
  EXPECT_EQ(Text(*location, 5, 1.0), "unchanged");
  ZORUnicodeString text("kept");
  location->GetNLSText(ZORUnicodeString("NoSuchKey"), text);
  EXPECT_EQ(text, "kept");
  location->RequestDelayedDestruction();
}

TEST_F(DiscontinuityLocation, AFixedLocationAlwaysShowsItsFlagOnceTheInputIsKnown) {
  const int before = Shown();
  Location* location = Make(0);
  EXPECT_EQ(Shown(), before + 1);  // the anchor alone while the input type is missing
  EXPECT_EQ(location->GetFlagRep(), nullptr);
  EXPECT_EQ(AnchorColor(*location), 248);
  location->SetInputData(-1, 0.5);
  EXPECT_EQ(Shown(), before + 2);
  EXPECT_EQ(Texts(*location), (std::vector<std::string>{"In: Gap ( 0.50mm ) "}));
  location->SetOutputData(1, 0.0);
  EXPECT_EQ(Texts(*location),
            (std::vector<std::string>{"In: Gap ( 0.50mm ) ", "Out: Tangent, Bend "}));
  EXPECT_EQ(AnchorColor(*location), 244);
  EXPECT_EQ(location->GetFlagRep()->GetGPAttributes(1)->GetColor(), 244);
  EXPECT_EQ(FlagOf(location->GetAnchorRep())->GetFlag(), 1);

  location->Hide();
  EXPECT_EQ(Shown(), before);
  location->SetLocationPoint(ZORMathPoint(4, 5, 6));  // hidden: nothing comes back
  EXPECT_EQ(Shown(), before);
  location->Show();
  EXPECT_EQ(Shown(), before + 2);
  EXPECT_EQ(FlagOf(location->GetFlagRep())->GetAnchor().GetX(), 4.0F);
  location->RequestDelayedDestruction();
  EXPECT_EQ(Shown(), before);
}

TEST_F(DiscontinuityLocation, AnInteractiveFlagFollowsThePointerAndSurvivesAChangeUnderIt) {
  Location* location = Make(1);
  location->SetInputData(1, 0.0);
  location->SetOutputData(1, 0.0);
  EXPECT_EQ(location->GetFlagRep(), nullptr);
  ASSERT_TRUE(pointer.MoveOver(1));
  ASSERT_NE(location->GetFlagRep(), nullptr);
  EXPECT_EQ(AnchorColor(*location), -5);
  location->SetOutputData(2, 0.0);  // redrawn while highlighted: the flag stays
  ASSERT_NE(location->GetFlagRep(), nullptr);
  EXPECT_EQ(Texts(*location)[1], "Out: Smooth ");
  ASSERT_TRUE(pointer.MoveAway());
  EXPECT_EQ(location->GetFlagRep(), nullptr);
  EXPECT_EQ(AnchorColor(*location), 246);
  // Something dragged elsewhere, carried over the anchor and away, leaves no flag behind.
  ASSERT_TRUE(pointer.MoveOver(1));
  ASSERT_NE(location->GetFlagRep(), nullptr);
  ASSERT_TRUE(pointer.CarryOver(1));
  EXPECT_EQ(location->GetFlagRep(), nullptr);
  // Made fixed, it shows its flag at once.
  location->SetInteractivity(0);
  EXPECT_NE(location->GetFlagRep(), nullptr);
  location->RequestDelayedDestruction();
}

TEST_F(DiscontinuityLocation, DeletedWithoutARequestItLeavesTheViewAsItFoundIt) {
  const int before = Shown();
  Location* location = Make(0);
  location->SetInputData(0, 1.0);
  EXPECT_EQ(Shown(), before + 2);
  location->Release();
  EXPECT_EQ(Shown(), before);
}
