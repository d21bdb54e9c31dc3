// The orientation arrows and the orientation question, driven as a user: pointer over the
// arrows, clicks, answers in the panel.

#include <gtest/gtest.h>

#include "ZOR3DArcCircleGP.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZORDriver.h"
#include "ZORGetTangent.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORIOrientationFlag.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestListener.h"
#include "ZORTransaction.h"
#include "ZORUpdateUI.h"
#include "ZORWENUIOrients.h"

namespace {

// The primitives the invertor draws, in order.
const ZOR3DCustomRep* Drawing(const ZORWENUIInvertor& invertor) {
  const auto* bag = dynamic_cast<const ZOR3DBagRep*>(invertor.GetHandle()->GetRep());
  return bag ? dynamic_cast<const ZOR3DCustomRep*>(bag->GetChildren()[0].get()) : nullptr;
}

class Invertor : public ::testing::Test {
 protected:
  // An invertor created the way a command creates one, the listener standing for the command.
  ZORVar<ZORWENUIInvertor> Make(const ZORMathDirection& direction, int mode) {
    auto invertor = ZORVar<ZORWENUIInvertor>::Adopt(
        new ZORWENUIInvertor(&listener, ZORMathPoint(1, 2, 3), direction, mode));
    if (invertor->GetHandle()) {
      listener.Listen(invertor.get(), invertor->GetModifyNotification(), "modified");
    }
    return invertor;
  }
  int ArrowColor(const ZORWENUIInvertor& invertor) {
    return Drawing(invertor)->GetGPAttributes(1)->GetColor();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener listener;
};

TEST_F(Invertor, TwoClicksOnAStraightArrowGiveBackItsDirection) {
  auto invertor = Make(ZORMathDirection(0, 0, 1), ZORWENUIInvertor::kStraight);
  EXPECT_EQ(
      pointer.DescribeHandles(),
      (std::vector<std::string>{"handle bag(custom(arrow(1,2,3 dir=0,0,1 size=15,5) color=247))"}));

  ASSERT_TRUE(pointer.Click(1));
  EXPECT_EQ(invertor->GetDirection(), ZORMathVector(0, 0, -1));
  EXPECT_EQ(pointer.DescribeHandles()[0],
            "handle over bag(custom(arrow(1,2,3 dir=0,0,-1 size=15,5) color=247))");
  ASSERT_TRUE(pointer.Click(1));
  EXPECT_EQ(invertor->GetDirection(), ZORMathVector(0, 0, 1));
  EXPECT_EQ(listener.log, (std::vector<std::string>{"modified", "modified"}));
}

TEST_F(Invertor, TheArrowUnderThePointerIsHighlightedAndOddColoursAreBrought253) {
  auto invertor = Make(ZORMathDirection(1, 0, 0), ZORWENUIInvertor::kStraight);
  invertor->SetColor(300);
  EXPECT_EQ(ArrowColor(*invertor), 253);
  ASSERT_TRUE(pointer.MoveOver(1));
  EXPECT_EQ(ArrowColor(*invertor), 251);
  invertor->SetColor(12);
  EXPECT_EQ(ArrowColor(*invertor), 251);
  ASSERT_TRUE(pointer.MoveAway());
  EXPECT_EQ(ArrowColor(*invertor), 12);

  invertor->SetPriority(60);
  invertor->SetThickness(3);
  EXPECT_EQ(Drawing(*invertor)->GetGPAttributes(1)->GetPriority(), 1);
  EXPECT_EQ(Drawing(*invertor)->GetGPAttributes(1)->GetThickness(), 3);
  EXPECT_TRUE(listener.log.empty());  // hovering changes nothing but the drawing
}

TEST_F(Invertor, ACircularArrowTurnsAroundItsDirectionAndAvoidsJ) {
  auto aroundK = Make(ZORMathDirection(0, 0, 1), ZORWENUIInvertor::kCircular);
  const auto* arc = dynamic_cast<const ZOR3DArcCircleGP*>(Drawing(*aroundK)->GetGP(1));
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(arc->GetStartVector(), ZORMathVectorf(-1, 0, 0));  // K x J
  EXPECT_FLOAT_EQ(arc->GetEndAngle(), 4.712389f);
  const auto* head = dynamic_cast<const ZOR3DFixedArrowGP*>(Drawing(*aroundK)->GetGP(2));
  ASSERT_NE(head, nullptr);
  // Three quarters of a turn from -I about K ends at +J, where the arc runs along -I.
  EXPECT_NEAR(head->GetPoint().GetX(), 1.0f, 1e-5f);
  EXPECT_NEAR(head->GetPoint().GetY(), 7.0f, 1e-5f);
  EXPECT_EQ(head->GetDirection(), ZORMathVectorf(-1, 0, 0));
  EXPECT_EQ(head->GetLength(), 5);

  auto alongJ = Make(ZORMathDirection(0, -1, 0), ZORWENUIInvertor::kCircular);
  arc = dynamic_cast<const ZOR3DArcCircleGP*>(Drawing(*alongJ)->GetGP(1));
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(arc->GetStartVector(), ZORMathVectorf(0, 0, 1));  // -J x I
}

TEST_F(Invertor, TextNoShowAndNoPick) {
  auto invertor = Make(ZORMathDirection(1, 0, 0), ZORWENUIInvertor::kStraight);
  invertor->AssociateText("Old");
  EXPECT_EQ(Drawing(*invertor)->GetGPCount(), 1);  // drawn at the next rebuild
  invertor->SetVisuMode(ZORWENUIInvertor::kStraight);
  EXPECT_EQ(Drawing(*invertor)->GetGP(2)->Describe(), "text(1,2,3 \"Old\")");

  invertor->SetNoShow(1);
  EXPECT_TRUE(Drawing(*invertor)->GetGPAttributes(1)->IsInHiddenSpace());
  EXPECT_FALSE(pointer.Click(1));
  invertor->SetNoShow(0);
  invertor->SetNoPick(1);
  EXPECT_FALSE(pointer.Click(1));
  invertor->SetNoPick(0);
  EXPECT_TRUE(pointer.Click(1));
  EXPECT_EQ(listener.log, (std::vector<std::string>{"modified"}));
}

TEST_F(Invertor, ItGoesFromTheViewWhenDestroyed) {
  auto invertor = Make(ZORMathDirection(1, 0, 0), ZORWENUIInvertor::kStraight);
  ZOR3DVisuHandle_var handle(invertor->GetHandle());
  invertor.Detach()->RequestDelayedDestruction();
  EXPECT_TRUE(pointer.ShownHandles().empty());
  EXPECT_EQ(handle->GetFather(), nullptr);
  driver.EndTransaction();
  EXPECT_EQ(handle->GetRefCount(), 1u);  // only ours is left
}

TEST_F(Invertor, InASiteEditedInPlaceItIsDrawnInTheSiteCoordinates) {
  const double quarterTurn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  session.Editor().SetInPlaceSite(
      ZORMake<ZORInPlace3DSite>(ZORMathTransformation(quarterTurn, ZORMathVector(10, 0, 0))).get());
  auto invertor = Make(ZORMathDirection(0, 1, 0), ZORWENUIInvertor::kStraight);
  EXPECT_EQ(invertor->IsTransformed(), 1);
  const auto* arrow = dynamic_cast<const ZOR3DFixedArrowGP*>(Drawing(*invertor)->GetGP(1));
  ASSERT_NE(arrow, nullptr);
  // (1,2,3) in the view is (2,9,3) in the site; +J in the view is +I in the site.
  EXPECT_EQ(arrow->GetPoint(), ZORMathPointf(2, 9, 3));
  EXPECT_EQ(arrow->GetDirection(), ZORMathVectorf(1, 0, 0));
  const auto* bag = dynamic_cast<const ZOR3DBagRep*>(invertor->GetHandle()->GetRep());
  EXPECT_FALSE(bag->GetMatrix().IsIdentity());
}

TEST(InvertorWithoutEditor, ShowsNothingButKeepsItsValues) {
  ZORFrmEditor* current = ZORFrmEditor::GetCurrentEditor();
  ZORFrmEditor::SetCurrentEditor(nullptr);
  {
    auto invertor = ZORVar<ZORWENUIInvertor>::Adopt(new ZORWENUIInvertor(
        nullptr, ZORMathPoint(), ZORMathDirection(1, 0, 0), ZORWENUIInvertor::kStraight));
    EXPECT_EQ(invertor->GetHandle(), nullptr);
    invertor->SetDirection(ZORMathDirection(0, 2, 0));
    EXPECT_EQ(invertor->GetDirection(), ZORMathVector(0, 1, 0));
  }
  ZORTransaction::End();  // lets go of what the invertor left to the end of the transaction
  ZORFrmEditor::SetCurrentEditor(current);
}

// A line from A to B edited so that it now runs the other way: the orientation question shows
// the former direction and the new one.
class OrientationQuestion : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    a = doc().CreatePoint(0, 0, 0, set.get());
    b = doc().CreatePoint(10, 0, 0, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", ZORSpecObjectOf(b));
    line->SetInput("End", ZORSpecObjectOf(a));
    user = doc().CreateFeature("WENLine", set.get());
    user->SetInput("Start", ZORSpecObjectOf(line));  // fails: a line is no point, but it is a user
    ASSERT_EQ(doc().UpdateAll(), 1);
    ZORUpdateUI::ClearReports();
  }

  HRESULT Ask(const ZORISpecObject_var& feature, int updateAll = 1) {
    ZORStateCommand* created = ZORGuiCommandStack::Instance()->CreateCommand("ZORWENUIOrients");
    auto* orients = dynamic_cast<ZORWENUIOrients*>(created);
    if (!orients) return E_FAIL;
    orients->SetData(feature, ZORMathLine(ZORMathPoint(0, 0, 0), ZORMathVector(1, 0, 0)),
                     ZORMathLine(ZORMathPoint(10, 0, 0), ZORMathVector(-1, 0, 0)), updateAll);
    return driver.Start(orients);
  }
  ZORMathVector Tangent() {
    ZORMathPoint point;
    ZORMathVector tangent;
    GetTangent(ZORSpecObjectOf(line), kZORTangentAtStart, ZORMathVector(1, 0, 0), point, tangent);
    return tangent;
  }
  int OrientationOf(const ZORFeature_var& f) {
    return ZORIOrientationFlag_var(ZORSpecObjectOf(f))->GetOrientation();
  }
  ZORDocument& doc() { return session.Document(); }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORFeature_var set, a, b, line, user;
};

TEST_F(OrientationQuestion, ShowsThePanelAndBothArrowsWhichCannotBeClicked) {
  ASSERT_EQ(Ask(ZORSpecObjectOf(line)), S_OK);
  EXPECT_EQ(driver.DescribePanels(),
            "ZORWENUIOrientsPanel \"OrientsPanel\" title=\"Orientation\"\n"
            "  ZORDlgLabel \"LabInvert1\" title=\"The orientation of the result has changed.\"\n"
            "  ZORDlgLabel \"LabInvert2\" title=\"The arrows show the former and the new "
            "orientation.\"\n"
            "  ZORDlgLabel \"LabInvert3\" title=\"Invert the orientation?\"\n");
  EXPECT_EQ(pointer.DescribeHandles(),
            (std::vector<std::string>{
                "handle nopick bag(custom(arrow(0,0,0 dir=1,0,0 size=15,5) color=247)) nopick",
                "handle nopick bag(custom(arrow(10,0,0 dir=-1,0,0 size=15,5) color=246)) nopick"}));
  EXPECT_FALSE(pointer.Click(1));
  EXPECT_FALSE(pointer.MoveOver(2));
}

TEST_F(OrientationQuestion, YesInvertsTheOrientationAndUpdatesTheFeatureAndItsUsers) {
  EXPECT_EQ(Tangent(), ZORMathVector(-1, 0, 0));
  ASSERT_EQ(Ask(ZORSpecObjectOf(line)), S_OK);
  ASSERT_TRUE(driver.PressOK("OrientsPanel"));
  EXPECT_EQ(OrientationOf(line), -1);
  EXPECT_TRUE(line->IsUpToDate());
  EXPECT_EQ(Tangent(), ZORMathVector(1, 0, 0));
  // The user was updated too (and failed again), and the report says so.
  ASSERT_EQ(ZORUpdateUI::GetReports().size(), 1u);
  EXPECT_EQ(ZORUpdateUI::GetReports()[0].mode, 3);
  EXPECT_EQ(ZORUpdateUI::GetReports()[0].lines.size(), 1u);
  // The command ended and took its panel and arrows along.
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_TRUE(driver.OpenPanels().empty());
  EXPECT_TRUE(pointer.ShownHandles().empty());
}

TEST_F(OrientationQuestion, WithoutUpdateAllOnlyTheFeatureIsUpdated) {
  ASSERT_EQ(Ask(ZORSpecObjectOf(line), 0), S_OK);
  ASSERT_TRUE(driver.PressOK("OrientsPanel"));
  EXPECT_TRUE(line->IsUpToDate());
  EXPECT_FALSE(user->IsUpToDate());
  EXPECT_EQ(ZORUpdateUI::GetReports().size(), 0u);  // nothing failed: no report
}

TEST_F(OrientationQuestion, NoOrClosingTheWindowLeavesTheFeature) {
  ASSERT_EQ(Ask(ZORSpecObjectOf(line)), S_OK);
  ASSERT_TRUE(driver.PressApply("OrientsPanel"));
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  ASSERT_EQ(Ask(ZORSpecObjectOf(line)), S_OK);
  ASSERT_TRUE(driver.CloseWindow("OrientsPanel"));
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_TRUE(driver.OpenPanels().empty());
  EXPECT_EQ(OrientationOf(line), 1);
  EXPECT_EQ(Tangent(), ZORMathVector(-1, 0, 0));
}

TEST_F(OrientationQuestion, CancelTakesThePanelAndTheArrowsAway) {
  ASSERT_EQ(Ask(ZORSpecObjectOf(line)), S_OK);
  ASSERT_TRUE(driver.CancelCurrent());
  EXPECT_TRUE(driver.OpenPanels().empty());
  EXPECT_TRUE(pointer.ShownHandles().empty());
  EXPECT_EQ(OrientationOf(line), 1);
}

TEST_F(OrientationQuestion, AFeatureWithoutOrientationIsStillUpdatedOnYes) {
  a->SetValue("X", 1.0);
  ASSERT_FALSE(a->IsUpToDate());
  ASSERT_EQ(Ask(ZORSpecObjectOf(a)), S_OK);
  ASSERT_TRUE(driver.PressOK("OrientsPanel"));
  EXPECT_TRUE(a->IsUpToDate());
}

}  // namespace
