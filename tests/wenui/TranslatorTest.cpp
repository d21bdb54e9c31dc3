// The translator handle: dragged by the user through the driver, kept in step with its length
// parameter, in the model's frame whatever the editor's.

#include <gtest/gtest.h>

#include "ExampleTranslateCommand.h"
#include "ZORCkeVolatileParm.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORParmEditPanel.h"
#include "ZORTestListener.h"
#include "ZORTrace.h"
#include "ZORWENUITranslator.h"

namespace {

class Translator : public ::testing::Test {
 protected:
  // A translator made as a command makes one, located at (1, 2, 3) along X, the listener
  // standing for the command.
  ZORVar<ZORWENUITranslator> Make(int integerMode, ZORCkeVolatileParm* parameter = nullptr) {
    auto translator = ZORVar<ZORWENUITranslator>::Adopt(
        new ZORWENUITranslator(&listener, integerMode, ZORICkeParm_var(parameter)));
    translator->SetLocationPoint(ZORMathPoint(1, 2, 3));
    translator->SetLineDirection(ZORMathDirection(1, 0, 0));
    for (auto [notification, tag] : {std::pair{translator->GetModifyNotification(), "modify"},
                                     std::pair{translator->GetEndModifyNotification(), "end"},
                                     std::pair{translator->GetEditNotification(), "edit"}}) {
      listener.Listen(translator.get(), notification, tag);
    }
    return translator;
  }
  // Drags handle 1 to x along its line, in `steps` steps.
  bool DragTo(double x, int steps = 1) { return pointer.Drag(1, ZORMathPoint(x, 9, 9), steps); }
  std::string Handle() { return pointer.DescribeHandles().at(0); }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener listener;
};

TEST_F(Translator, ADragWritesTheParameterAndANewValueMovesTheHandle) {
  auto length = ZORMake<ZORCkeVolatileParm>(ZORUnicodeString("Length"), ZORString("Longueur"), 0);
  auto translator = Make(0, length.get());
  ASSERT_TRUE(DragTo(8.5, 3));
  EXPECT_DOUBLE_EQ(length->GetStoredValue(), 7.5);
  EXPECT_EQ(listener.log, (std::vector<std::string>{"modify", "modify", "modify", "end"}));
  EXPECT_EQ(translator->GetLocation(), ZORMathPoint(8.5, 2, 3));

  // Whatever the handle's place, a value v puts it at v from the initial point.
  ASSERT_EQ(length->Valuate(-2), S_OK);
  EXPECT_DOUBLE_EQ(translator->GetDistance(), -2);
  EXPECT_NE(Handle().find("marker(-1,2,3"), std::string::npos);
  EXPECT_EQ(translator->GetManipulator()->GetPosition().GetOrigin(), ZORMathPoint(-1, 2, 3));

  // A fixed parameter is not written by a drag, which is still told.
  length->SetAccess(1);
  listener.log.clear();
  ASSERT_TRUE(DragTo(4));
  EXPECT_DOUBLE_EQ(length->GetStoredValue(), -2);
  EXPECT_EQ(listener.log, (std::vector<std::string>{"modify", "end"}));
}

TEST_F(Translator, IntegerModeFloorsDistancesButAValueIsReachedExactly) {
  auto length = ZORMake<ZORCkeVolatileParm>(ZORUnicodeString("Length"), ZORString("Longueur"), 0);
  auto translator = Make(1, length.get());
  translator->SetDistance(2.7);
  EXPECT_DOUBLE_EQ(translator->GetDistance(), 2.0);
  // From 2.7 a value of 5 ends at 5, not 5.7.
  ASSERT_EQ(length->Valuate(5), S_OK);
  EXPECT_EQ(translator->GetLocation(), ZORMathPoint(6, 2, 3));
  translator->SetAbsDistance(-0.2);
  EXPECT_DOUBLE_EQ(translator->GetDistance(), -1.0);

  auto exact = Make(2);
  exact->SetDistance(2.7);
  EXPECT_DOUBLE_EQ(exact->GetDistance(), 2.7);
}

TEST_F(Translator, RelativeAndAbsoluteMoves) {
  auto translator = Make(0);
  translator->SetDistance(5);
  translator->SetDistance(5);
  EXPECT_DOUBLE_EQ(translator->GetDistance(), 10);
  translator->SetAbsDistance(5);
  translator->SetAbsDistance(5);
  EXPECT_DOUBLE_EQ(translator->GetDistance(), 5);
  // Without a parameter a drag only tells: the handle is drawn where it was put.
  ASSERT_TRUE(DragTo(20));
  EXPECT_DOUBLE_EQ(translator->GetPosition().GetOrigin().GetX(), 20);
  EXPECT_DOUBLE_EQ(translator->GetDistance(), 5);
  EXPECT_EQ(listener.log, (std::vector<std::string>{"modify", "end"}));
}

TEST_F(Translator, TheLiteralIsReadOnlyOnceTheLineIsKnown) {
  auto length = ZORMake<ZORCkeVolatileParm>(ZORUnicodeString("Length"), ZORString("Longueur"), 4);
  auto translator = ZORVar<ZORWENUITranslator>::Adopt(
      new ZORWENUITranslator(&listener, 0, ZORICkeParm_var(length.get())));
  translator->SetLocationPoint(ZORMathPoint(1, 2, 3));
  translator->SetDistanceFromLitteral();  // no direction yet: nowhere to go
  EXPECT_DOUBLE_EQ(translator->GetDistance(), 0);
  translator->SetLineDirection(ZORMathDirection(1, 0, 0));
  translator->SetDistanceFromLitteral();
  EXPECT_DOUBLE_EQ(translator->GetDistance(), 4);
}

TEST_F(Translator, ADoubleClickOpensTheParametersBoxAndTellsNothing) {
  auto length = ZORMake<ZORCkeVolatileParm>(ZORUnicodeString("Length"), ZORString("Longueur"), 3);
  auto translator = Make(0, length.get());
  translator->AssociateTextWithValue("L = ", ZORICkeParm_var(length.get()));
  translator->Refresh();
  EXPECT_NE(Handle().find("text(1,2,3 \"L = 3mm\")"), std::string::npos);
  ASSERT_TRUE(pointer.DoubleClick(1));
  auto* box = dynamic_cast<ZORParmEditPanel*>(driver.Find("ParmEditPanel"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(listener.log.empty());
  EXPECT_DOUBLE_EQ(length->GetStoredValue(), 3);
  ASSERT_TRUE(driver.Type("ParmEditPanel/Value", "6"));
  EXPECT_EQ(translator->GetLocation(), ZORMathPoint(7, 2, 3));
  ASSERT_TRUE(driver.PressOK("ParmEditPanel"));
  EXPECT_EQ(driver.Find("ParmEditPanel"), nullptr);

  // Without an edition to open, the double-click is told, and the context too.
  auto plain = Make(0);
  ASSERT_TRUE(pointer.DoubleClick(2));
  ASSERT_TRUE(pointer.Context(2));
  EXPECT_EQ(listener.log, (std::vector<std::string>{"edit", "edit"}));
}

TEST_F(Translator, InATransformedEditorTheManipulatorIsInTheEditorsFrame) {
  const double turn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  session.Editor().SetTransformation(ZORMathTransformation(turn, {10, 0, 0}));
  auto translator = Make(0);
  EXPECT_EQ(translator->GetManipulator()->GetPosition().GetOrigin(), ZORMathPoint(8, 1, 3));
  EXPECT_EQ(translator->GetManipulator()->GetTranslationDirection(), ZORMathVector(0, 1, 0));
  EXPECT_EQ(translator->GetPosition().GetOrigin(), ZORMathPoint(1, 2, 3));
  // Dragged 4 along the editor's Y: 4 along the model's X.
  ASSERT_TRUE(pointer.Drag(1, ZORMathPoint(8, 5, 3), 2));
  const ZORMathPoint at = translator->GetPosition().GetOrigin();
  EXPECT_NEAR(at.GetX(), 5, 1e-9);
  EXPECT_NEAR(at.GetY(), 2, 1e-9);
}

TEST_F(Translator, PositionsAreKeptInTheModelBox) {
  auto translator = Make(0);
  translator->GetManipulator()->SetPosition(
      ZORMathAxis(ZORMathPoint(3e6, -2e6, 5), ZORMathI, ZORMathJ, ZORMathK));
  EXPECT_EQ(translator->GetPosition().GetOrigin(), ZORMathPoint(1e6, -1e6, 5));
}

TEST_F(Translator, NothingStaysShownOrGrabbedWhateverWasMade) {
  // Drawn before it has a manipulator: shown, and removed by the delayed destruction.
  auto early =
      ZORVar<ZORWENUITranslator>::Adopt(new ZORWENUITranslator(&listener, 0, ZORICkeParm_var()));
  early->Refresh();
  EXPECT_EQ(session.Editor().GetISO()->GetSize(), 1);
  early->RequestDelayedDestruction();
  EXPECT_EQ(session.Editor().GetISO()->GetSize(), 0);
  early.Detach();

  // Without an editor the drawing is only grabbed; cleaning lets it go.
  ZORFrmEditor::SetCurrentEditor(nullptr);
  auto blind = Make(0);
  ZOR3DCustomRep_var drawing(blind->GetDrawing());
  ASSERT_TRUE(drawing);
  EXPECT_TRUE(blind->GetManipulator()->IsGrabbedBy(*drawing));
  blind->CleanArrows();
  EXPECT_FALSE(blind->GetManipulator()->IsGrabbedBy(*drawing));
  EXPECT_EQ(drawing->GetRefCount(), 1u);
}

TEST_F(Translator, TracesOnlyWhenAsked) {
  ZORTrace::ClearWritten();
  auto quiet = Make(0);
  EXPECT_TRUE(ZORTrace::Written().empty());
  ZORTrace::SetOn("WENTRANSLATOR", true);
  quiet->SetDistance(1);
  ZORTrace::SetOn("WENTRANSLATOR", false);
  ASSERT_FALSE(ZORTrace::Written().empty());
  EXPECT_EQ(ZORTrace::Written().front(), "WENTRANSLATOR: ZORWENUITranslator::SetDistance");
}

// The example command: drag, parameter, translation and handle in step.
class ExampleTranslateHandle : public ::testing::Test {
 protected:
  ExampleTranslateHandle() {
    ExampleTranslateCommand::Register();
    ZORFeature_var set = doc().CreateTool("GeometricalSet");
    ZORFeature_var start = doc().CreatePoint(0, 0, 0, set.get());
    ZORFeature_var end = doc().CreatePoint(10, 0, 0, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", start.get());
    line->SetInput("End", end.get());
    point = doc().CreatePoint(0, 5, 0, set.get());
    doc().UpdateAll();
  }
  ZORDocument& doc() { return session.Document(); }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORFeature_var line, point;
};

TEST_F(ExampleTranslateHandle, DraggingAndTypingMoveTheTranslationAndTheHandleTogether) {
  ASSERT_EQ(driver.StartByName("ExampleTranslateCommand"), S_OK);
  EXPECT_TRUE(pointer.ShownHandles().empty());  // nothing to put it on yet
  ASSERT_TRUE(ZORDriverPick::Pick(driver, point.get()));
  ASSERT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  ASSERT_EQ(pointer.ShownHandles().size(), 1u);
  EXPECT_NE(pointer.DescribeHandles()[0].find("marker(10,5,0"), std::string::npos);

  ASSERT_TRUE(pointer.Drag(1, ZORMathPoint(25, 0, 7), 4));
  EXPECT_NE(driver.DumpDocument().find("Distance=25"), std::string::npos);
  EXPECT_NE(driver.DumpDocument().find("=> point(25,5,0)"), std::string::npos);
  EXPECT_NE(pointer.DescribeHandles()[0].find("\"Length = 25mm\""), std::string::npos);
  EXPECT_NE(driver.DescribeWidget("TranslatePanel/Distance").find("25"), std::string::npos);

  ASSERT_TRUE(driver.Type("TranslatePanel/Distance", "4"));
  EXPECT_NE(pointer.DescribeHandles()[0].find("marker(4,5,0"), std::string::npos);
  EXPECT_NE(pointer.DescribeHandles()[0].find("\"Length = 4mm\""), std::string::npos);

  ASSERT_TRUE(driver.PressOK());
  EXPECT_TRUE(pointer.ShownHandles().empty());
}

}  // namespace
