// The rotator and the plane translator: angles and in-plane moves dragged by the user through
// the driver, in the model's frame whatever the editor's, and the rotate and point examples.

#include <gtest/gtest.h>

#include "ExamplePointCommand.h"
#include "ExampleRotateCommand.h"
#include "ZOR3DArcCircleGP.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORTestListener.h"
#include "ZORWENUIPlaneTranslator.h"
#include "ZORWENUIRotator.h"

namespace {

class Handles : public ::testing::Test {
 protected:
  // A rotator about the Z axis through (1, 1, 0), starting at (3, 1, 0).
  ZORVar<ZORWENUIRotator> MakeRotator(int integerMode) {
    auto rotator = ZORVar<ZORWENUIRotator>::Adopt(new ZORWENUIRotator(&listener, integerMode));
    rotator->SetLocationPoint(ZORMathPoint(3, 1, 0));
    rotator->SetLineDirection(ZORMathLine(ZORMathPoint(1, 1, 0), ZORMathVector(0, 0, 2)));
    Listen(rotator.get(), rotator->GetModifyNotification(), rotator->GetEndManipulateNotification(),
           rotator->GetEditNotification());
    return rotator;
  }
  // A plane translator in the plane z = 2, starting at (1, 2, 2).
  ZORVar<ZORWENUIPlaneTranslator> MakePlaneTranslator() {
    auto handle = ZORVar<ZORWENUIPlaneTranslator>::Adopt(new ZORWENUIPlaneTranslator(&listener));
    handle->SetTranslationPlane(ZORMathPlane(ZORMathPoint(0, 0, 2), ZORMathI, ZORMathJ));
    handle->SetInitialPoint(ZORMathPoint(1, 2, 2));
    Listen(handle.get(), handle->GetModifyNotification(), handle->GetEndManipulateNotification(),
           handle->GetEditNotification());
    return handle;
  }
  void Listen(ZORCommand* sender, ZORNotification* modify, ZORNotification* end,
              ZORNotification* edit) {
    listener.Listen(sender, modify, "modify");
    listener.Listen(sender, end, "end");
    listener.Listen(sender, edit, "edit");
  }
  // What a listener does on each step: the handle takes the manipulator's place.
  void Follow(ZORWENUIRotator& rotator) {
    listener.Listen(&rotator, rotator.GetModifyNotification(), "", [&rotator] {
      rotator.SetPosition(rotator.GetPosition());
      return "";
    });
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener listener;
};

TEST_F(Handles, AQuarterTurnEachWayReads90And270) {
  auto rotator = MakeRotator(0);
  EXPECT_DOUBLE_EQ(rotator->GetAngle(), 0.0);
  rotator->SetAbsAngle(90);
  EXPECT_NEAR(rotator->GetAngle(), 90.0, 1e-9);
  rotator->SetAbsAngle(-90);
  EXPECT_NEAR(rotator->GetAngle(), 270.0, 1e-9);
  rotator->SetAbsAngle(30);
  rotator->SetAbsAngle(30);
  EXPECT_NEAR(rotator->GetAngle(), 30.0, 1e-9);
  rotator->SetAngle(30);
  EXPECT_NEAR(rotator->GetAngle(), 60.0, 1e-9);
  // The current point turned about the axis: radius 2 from (1, 1).
  const ZORMathPoint at = rotator->GetPosition().GetOrigin();
  EXPECT_NEAR(at.GetX(), 1 + 2 * std::cos(60 * ZORDegreeToRadian), 1e-9);
  EXPECT_NEAR(at.GetY(), 1 + 2 * std::sin(60 * ZORDegreeToRadian), 1e-9);

  auto whole = MakeRotator(1);
  whole->SetAbsAngle(45.7);
  EXPECT_DOUBLE_EQ(whole->GetAngle(), 45.0);
}

TEST_F(Handles, ARotatorOnItsAxisReadsNothingAndAnUnknownModeIsIgnored) {
  auto rotator = MakeRotator(0);
  rotator->SetLocationPoint(ZORMathPoint(1, 1, 5));
  rotator->SetAbsAngle(40);
  EXPECT_EQ(rotator->GetAngle(), 0.0);
  rotator->SetModeVisu(9);
  EXPECT_EQ(rotator->GetModeVisu(), 0);
}

TEST_F(Handles, ARotatorIsDraggedAboutItsAxisAndAFrozenOneIsNot) {
  auto rotator = MakeRotator(0);
  Follow(*rotator);
  rotator->SetModeVisu(ZORWENUIRotator::kArc);
  // A pointer at (1, 5, 0), straight above the axis: a quarter turn.
  ASSERT_TRUE(pointer.Drag(1, ZORMathPoint(1, 5, 0), 3));
  EXPECT_NEAR(rotator->GetAngle(), 90.0, 1e-9);
  EXPECT_EQ(listener.log,
            (std::vector<std::string>{"modify", "", "modify", "", "modify", "", "end"}));
  const ZOR3DCustomRep* drawing = rotator->GetDrawing();
  const auto* arc = dynamic_cast<const ZOR3DArcCircleGP*>(drawing->GetGP(drawing->GetGPCount()));
  ASSERT_NE(arc, nullptr);
  EXPECT_NEAR(arc->GetEndAngle(), 90 * ZORDegreeToRadian, 1e-6);
  EXPECT_FLOAT_EQ(arc->GetRadius(), 2.0f);

  rotator->Freeze();
  listener.log.clear();
  EXPECT_FALSE(rotator->GetManipulator()->Drag(ZORMathPoint(-3, 1, 0)));
  EXPECT_TRUE(pointer.ShownHandles().empty());
  EXPECT_TRUE(listener.log.empty());
  EXPECT_EQ(session.Editor().GetISO()->GetSize(), 1);  // still drawn
  rotator->Unfreeze();
  EXPECT_EQ(pointer.ShownHandles().size(), 1u);
}

TEST_F(Handles, RadialModesPointAwayFromOrTowardsTheAxis) {
  auto rotator = MakeRotator(0);
  // The arrow of the radial modes, at the current point (3, 1, 0), two units off the axis.
  auto radial = [&](int mode) {
    rotator->SetModeVisu(mode);
    const ZOR3DCustomRep* drawing = rotator->GetDrawing();
    for (int i = 1; drawing && i <= drawing->GetGPCount(); ++i) {
      if (const auto* arrow = dynamic_cast<const ZOR3DFixedArrowGP*>(drawing->GetGP(i))) {
        return arrow->GetDirection().GetX();
      }
    }
    return 0.0F;
  };
  EXPECT_FLOAT_EQ(radial(ZORWENUIRotator::kRadialOut), 1.0F);
  EXPECT_FLOAT_EQ(radial(ZORWENUIRotator::kRadialIn), -1.0F);
}

TEST_F(Handles, ADoubleClickOnARotatorWithoutParameterIsTheCommandsToHandle) {
  auto rotator = MakeRotator(0);
  ASSERT_TRUE(pointer.DoubleClick(1));
  EXPECT_EQ(listener.log, (std::vector<std::string>{"edit"}));
}

TEST_F(Handles, ARotatorInATransformedEditorAnswersInTheModelsFrame) {
  const double turn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  session.Editor().SetTransformation(ZORMathTransformation(turn, {10, 0, 0}));
  auto rotator = MakeRotator(0);
  EXPECT_EQ(rotator->GetManipulator()->GetPosition().GetOrigin(), ZORMathPoint(9, 3, 0));
  rotator->SetAbsAngle(90);
  const ZORMathPoint at = rotator->GetPosition().GetOrigin();
  EXPECT_NEAR(at.GetX(), 1, 1e-9);
  EXPECT_NEAR(at.GetY(), 3, 1e-9);
  EXPECT_NEAR(rotator->GetAngle(), 90.0, 1e-9);
}

TEST_F(Handles, APlaneTranslatorMovesInItsPlaneOnly) {
  auto handle = MakePlaneTranslator();
  ASSERT_TRUE(pointer.Drag(1, ZORMathPoint(4, 6, 9), 2));
  EXPECT_EQ(listener.log, (std::vector<std::string>{"modify", "modify", "end"}));
  handle->SetPosition(handle->GetPosition());
  ZORMathVector moved;
  handle->GetTranslationVector(moved);
  EXPECT_EQ(moved, ZORMathVector(3, 4, 0));

  handle->SetTranslationVector(ZORMathVector(-1, 5, 0));
  handle->GetTranslationVector(moved);
  EXPECT_EQ(moved, ZORMathVector(-1, 5, 0));

  // Parallel directions do not make a plane: the old one is kept.
  handle->SetTranslationPlane(ZORMathPlane(ZORMathPoint(), ZORMathI, ZORMathI));
  EXPECT_EQ(handle->GetManipulator()->GetTranslationPlane().GetNormal(), ZORMathVector(0, 0, 1));

  handle->Freeze();
  EXPECT_TRUE(pointer.ShownHandles().empty());
  ASSERT_TRUE(pointer.Context(1) == false);
}

TEST_F(Handles, APlaneTranslatorInATransformedEditorKeepsTheModelsPoints) {
  const double turn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  session.Editor().SetTransformation(ZORMathTransformation(turn, {10, 0, 0}));
  auto handle = MakePlaneTranslator();
  const ZORMathAxis editor = handle->GetPosition();
  EXPECT_EQ(editor.GetOrigin(), ZORMathPoint(8, 1, 2));
  EXPECT_EQ(handle->GetLocalPosition().GetOrigin(), ZORMathPoint(1, 2, 2));
  // Back from the editor's frame: the current point and the vector stay in the model's.
  handle->SetPosition(ZORMathAxis(ZORMathPoint(7, 1, 2), ZORMathI, ZORMathJ, ZORMathK));
  ZORMathVector moved;
  handle->GetTranslationVector(moved);
  EXPECT_EQ(moved, ZORMathVector(0, 1, 0));
  EXPECT_EQ(handle->GetCurrentPoint(), ZORMathPoint(1, 3, 2));
}

TEST_F(Handles, PlaneModesDrawTheirSymbols) {
  auto handle = MakePlaneTranslator();
  handle->SetModeVisu(ZORWENUIPlaneTranslator::kPlane);
  handle->AssociateText("P");
  handle->Refresh();
  EXPECT_EQ(pointer.DescribeHandles()[0],
            "PlaneTranslator custom(plan(1,2,2 u=1,0,0 v=0,1,0 size=15) color=246; "
            "text(1,2,2 \"      P\") color=247)");
  handle->SetModeVisu(ZORWENUIPlaneTranslator::kMarkerAndNormal);
  ASSERT_TRUE(pointer.MoveOver(1));
  EXPECT_EQ(pointer.DescribeHandles()[0],
            "PlaneTranslator over custom(marker(1,2,2 symbol=3) color=251; arrow(1,2,2 "
            "dir=0,0,1 size=15,5) color=251; text(1,2,2 \"      P\") color=251)");
  handle->SetModeVisu(7);
  EXPECT_EQ(handle->GetModeVisu(), ZORWENUIPlaneTranslator::kMarkerAndNormal);
  handle->SetModeVisu(ZORWENUIPlaneTranslator::kMarker);
  EXPECT_EQ(handle->GetModeVisu(), ZORWENUIPlaneTranslator::kMarker);
  handle->RequestDelayedDestruction();
  EXPECT_EQ(session.Editor().GetISO()->GetSize(), 0);
  handle.Detach();
}

// The examples, from the user's picks and drags to the document.
class ExampleHandles : public ::testing::Test {
 protected:
  ExampleHandles() {
    ExampleRotateCommand::Register();
    ExamplePointCommand::Register();
    ZORFeature_var set = doc().CreateTool("GeometricalSet");
    ZORFeature_var bottom = doc().CreatePoint(0, 0, 0, set.get());
    ZORFeature_var top = doc().CreatePoint(0, 0, 10, set.get());
    axis = doc().CreateFeature("WENLine", set.get());
    axis->SetInput("Start", bottom.get());
    axis->SetInput("End", top.get());
    point = doc().CreatePoint(4, 0, 0, set.get());
    doc().UpdateAll();
  }
  ZORDocument& doc() { return session.Document(); }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORFeature_var axis, point;
};

TEST_F(ExampleHandles, TurningTheRotatorTurnsTheResultAndTypingTurnsTheRotator) {
  ASSERT_EQ(driver.StartByName("ExampleRotateCommand"), S_OK);
  ASSERT_TRUE(ZORDriverPick::Pick(driver, point.get()));
  ASSERT_TRUE(ZORDriverPick::Pick(driver, axis.get()));
  const std::vector<std::string> shown = session.Editor().GetISO()->Describe();
  ASSERT_EQ(shown.size(), 3u);  // the rotator, the axis arrow, the flagged start
  EXPECT_NE(shown[1].find("arrow(0,0,0 dir=0,0,1 size=15,5 \"Axis\")"), std::string::npos);
  EXPECT_NE(shown[2].find("flag(4,0,0 \"start\")"), std::string::npos);

  ASSERT_TRUE(pointer.Drag(1, ZORMathPoint(0, 7, 3), 2));
  EXPECT_NE(driver.DumpDocument().find("Angle=90"), std::string::npos);
  EXPECT_NE(driver.DescribeWidget("RotatePanel/Angle").find("90"), std::string::npos);

  ASSERT_TRUE(driver.Type("RotatePanel/Angle", "180"));
  EXPECT_NE(pointer.DescribeHandles()[0].find("angles=0,3.14159"), std::string::npos);
  EXPECT_NE(driver.DumpDocument().find("=> point(-4,0,0)"), std::string::npos);
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(session.Editor().GetISO()->GetSize(), 0);
}

TEST_F(ExampleHandles, ThePointsHandleDragsItInItsPlane) {
  ASSERT_EQ(driver.StartByName("ExamplePointCommand"), S_OK);
  ASSERT_TRUE(pointer.Drag(1, ZORMathPoint(3, -2, 8), 2));
  EXPECT_NE(pointer.DescribeHandles()[0].find("plan(3,-2,0"), std::string::npos);
  ASSERT_TRUE(driver.Click("PointPanel/MoveX"));
  EXPECT_NE(pointer.DescribeHandles()[0].find("plan(13,-2,0"), std::string::npos);
  ASSERT_TRUE(driver.PressOK());
  EXPECT_NE(driver.DumpDocument().find("X=13 Y=-2 Z=0"), std::string::npos);
}

}  // namespace
