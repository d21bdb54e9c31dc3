// The example edition of a translation: its distance from the value editor, and the direction
// frame on its direction feature (the line's label, an element picked, the menu's axes, the
// coordinates panel and its axis system, and what the frame refuses).

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ExampleDirectionCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORHostSession.h"
#include "ZORIMf3DAxisSystemManager.h"
#include "ZORIWENDirection.h"
#include "ZORIWENFrameDirection.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENUIFrameDirection.h"
#include "ZORWENUIPanelCoord.h"

namespace {

class FrameDirection : public ::testing::Test {
 protected:
  FrameDirection() {
    ExampleDirectionCommand::Register();
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    point = doc.CreatePoint(1, 0, 0, set.get());
    line = doc.CreateFeature("WENLine", set.get());
    line->SetInput("Start", doc.CreatePoint(0, 0, 0, set.get()).get());
    line->SetInput("End", doc.CreatePoint(0, 0, 1, set.get()).get());
    directionFeature = doc.CreateFeature("WENDirection", set.get());
    direction = ZORIWENDirection_var(ZORBaseUnknown_var(directionFeature.get()));
    direction->SetComponents(1, 0, 0);
    translation = doc.CreateFeature("WENTranslate", set.get());
    translation->SetInput("Element", point.get());
    translation->SetInput("Direction", directionFeature.get());
    translation->SetValue("Distance", 5);
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(translation.get());
  }

  void Start() {
    ASSERT_EQ(driver.StartByName("ExampleDirectionCommand"), S_OK);
    frame = ZORIWENFrameDirection_var(direction)->GetFrameDirection();
    ASSERT_NE(frame, nullptr);
  }
  std::string Line() {
    ZORUnicodeString name;
    frame->GetName(name);
    return name.str();
  }
  std::string Status() const {
    const std::string screen = driver.DescribeWidget("DirectionPanel/Status");
    const auto at = screen.find("title=\"");
    return at == std::string::npos ? "" : screen.substr(at + 7, screen.find('"', at + 7) - at - 7);
  }
  bool Menu(const char* item) { return driver.Menu("DirectionPanel/FraDirection", -1, item); }
  ZORMathVector Components() {
    double x = 0, y = 0, z = 0;
    direction->GetComponents(x, y, z);
    return {x, y, z};
  }
  // An axis system turned 90 degrees about Z and moved by (0, 0, 2), before the translation.
  ZORFeature_var MakeLocalAxis() {
    ZORFeature_var axis = session.Document().CreateFeature("AxisSystem", set.get());
    axis->SetValue("Z", 2);
    axis->SetValue("IX", 0);
    axis->SetValue("IY", 1);
    axis->SetValue("JX", -1);
    axis->SetValue("JY", 0);
    EXPECT_EQ(ZORIMf3DAxisSystemManager_var(session.Document().GetContainer())
                  ->SetCurrentAxisSystem(ZORSpecObjectOf(axis.get())),
              S_OK);
    return axis;
  }
  ZORMathPoint Moved() const {
    ZORBody_var body = translation->GetResultBody();
    return body ? body->GetVertices()[0] : ZORMathPoint(NAN, NAN, NAN);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, point, line, directionFeature, translation;
  ZORIWENDirection_var direction;
  ZORWENUIFrameDirection* frame = nullptr;
};

TEST_F(FrameDirection, ComponentsAreLabelledByTheAxisTheyLieAlong) {
  Start();
  EXPECT_EQ(Line(), "ComponentsX");
  const struct {
    double x, y, z;
    const char* label;
  } cases[] = {{0, 0.0005, 1, "ComponentsZ"},
               {0, 0.002, 1, "Components"},
               {0.0005, 0.0005, 0.0005, "Components"},
               {0, -3, 0.000999, "ComponentsY"},
               {0, 0.001, 1, "Components"},
               {1e-200, 0, 0, "Components"},
               {0, 0, 0, "No selection"}};
  for (const auto& c : cases) {
    ASSERT_EQ(direction->SetComponents(c.x, c.y, c.z), S_OK);
    frame->UpdateComponentsDisplay();
    EXPECT_EQ(Line(), c.label) << c.x << " " << c.y << " " << c.z;
  }
}

TEST_F(FrameDirection, APickedLineBecomesTheElementAndMovesTheResult) {
  Start();
  ASSERT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  EXPECT_EQ(Line(), "Line.1");
  EXPECT_EQ(Status(), "direction element: Line.1");
  EXPECT_EQ(ZORFeature::From(direction->GetElement().get()), line.get());
  EXPECT_EQ(Moved(), ZORMathPoint(1, 0, 5));
  // Remove from the selector's menu lets the element go.
  ASSERT_TRUE(Menu("Remove"));
  EXPECT_EQ(direction->GetElement(), nullptr);
  EXPECT_EQ(Status().rfind("direction removed", 0), 0u) << Status();
}

TEST_F(FrameDirection, TheMenuAxesSetComponentsAndLocalAxesNeedALocalAxisSystem) {
  Start();
  ASSERT_TRUE(Menu("Y"));
  EXPECT_EQ(Components(), ZORMathVector(0, 1, 0));
  EXPECT_EQ(Line(), "ComponentsY");
  EXPECT_EQ(Status(), "direction components: ComponentsY");
  EXPECT_EQ(Moved(), ZORMathPoint(1, 5, 0));
  EXPECT_FALSE(Menu("Xloc"));  // no local axis system: the item is not there
  ASSERT_TRUE(Menu("Z"));
  EXPECT_EQ(Moved(), ZORMathPoint(1, 0, 5));
  EXPECT_FALSE(frame->IsDirPanelOpen());  // a menu axis opens no panel
}

TEST_F(FrameDirection, ALocalAxisFromTheMenuIsFeaturizedAsTheElement) {
  MakeLocalAxis();
  // The local axes are offered to a current feature that comes after the axis system.
  ZORFeature_var later = session.Document().CreatePoint(5, 5, 5, set.get());
  session.Document().UpdateAll();
  Start();
  session.Editor().SetCurrentFeature(translation.get());
  EXPECT_FALSE(Menu("Yloc"));  // the translation comes before the axis system
  session.Editor().SetCurrentFeature(later.get());
  ASSERT_TRUE(Menu("Yloc"));
  ZORFeature* element = ZORFeature::From(direction->GetElement().get());
  ASSERT_NE(element, nullptr);
  EXPECT_TRUE(element->IsSubTypeOf("MfAXIS"));
  EXPECT_EQ(Line(), element->GetDisplayNameText());
  // The local Y is the absolute -X.
  const ZORMathPoint moved = Moved();
  EXPECT_NEAR(moved.GetX(), -4, 1e-12);
  EXPECT_NEAR(moved.GetY(), 0, 1e-12);
}

TEST_F(FrameDirection, CancelGivesTheDirectionBackItsElement) {
  Start();
  ASSERT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  ASSERT_TRUE(Menu("Item"));
  EXPECT_TRUE(frame->IsDirPanelOpen());
  EXPECT_EQ(Line(), "Components");
  ASSERT_TRUE(driver.Type("PanelCoord/CoordY", "3"));
  EXPECT_TRUE(direction->IsDefinedByComponents());
  ASSERT_TRUE(driver.PressCancel("PanelCoord"));
  EXPECT_FALSE(frame->IsDirPanelOpen());
  EXPECT_EQ(driver.Find("PanelCoord"), nullptr);
  EXPECT_EQ(ZORFeature::From(direction->GetElement().get()), line.get());
  EXPECT_EQ(Line(), "Line.1");
  // Closing the window does the same.
  ASSERT_TRUE(Menu("Item"));
  ASSERT_TRUE(driver.CloseWindow("PanelCoord"));
  EXPECT_FALSE(frame->IsDirPanelOpen());
  EXPECT_EQ(ZORFeature::From(direction->GetElement().get()), line.get());
}

TEST_F(FrameDirection, OkNeedsAVectorAndValidatesOnceEachOpening) {
  Start();
  ASSERT_TRUE(Menu("Item"));
  for (const char* c : {"PanelCoord/CoordX", "PanelCoord/CoordY", "PanelCoord/CoordZ"}) {
    ASSERT_TRUE(driver.Type(c, "0"));
  }
  EXPECT_EQ(frame->GetPanelCoord()->GetOKSensitivity(), ZORDialog::kInsensitive);
  EXPECT_FALSE(driver.PressOK("PanelCoord"));
  ASSERT_TRUE(driver.Type("PanelCoord/CoordZ", "2"));
  EXPECT_EQ(frame->GetPanelCoord()->GetOKSensitivity(), ZORDialog::kSensitive);
  ASSERT_TRUE(driver.PressOK("PanelCoord"));
  EXPECT_EQ(Status(), "direction components: ComponentsZ");
  EXPECT_FALSE(frame->IsDirPanelOpen());
  // Opened again, the panel's OK is heard once: the direction keeps its axis system.
  ZORFeature_var axis = MakeLocalAxis();
  ASSERT_TRUE(Menu("Item"));
  ZORISpecObject_var system = ZORSpecObjectOf(axis.get());
  frame->SetAxisSystem(system);
  ASSERT_TRUE(driver.PressOK("PanelCoord"));
  EXPECT_EQ(direction->GetReferenceAxisSystem(), system);
  ASSERT_TRUE(Menu("Item"));
  ASSERT_TRUE(driver.PressOK("PanelCoord"));
  EXPECT_EQ(direction->GetReferenceAxisSystem(), system);
  EXPECT_EQ(Moved(), ZORMathPoint(1, 0, 5));  // (0, 0, 2) in a turn about Z keeps +Z
}

TEST_F(FrameDirection, AnAxisChangeKeepsTheVectorInSpace) {
  Start();
  ZORFeature_var axis = MakeLocalAxis();
  ASSERT_TRUE(Menu("Item"));  // (1, 0, 0): it has components, so no axis is proposed
  EXPECT_EQ(frame->GetPanelCoord()->GetAxisSelector()->GetSelectedElement(), nullptr);
  ZORISpecObject_var system = ZORSpecObjectOf(axis.get());
  frame->SetAxisSystem(system);
  const ZORMathVector local = Components();
  EXPECT_NEAR(local.GetX(), 0, 1e-15);
  EXPECT_NEAR(local.GetY(), -1, 1e-15);
  EXPECT_NEAR(local.GetZ(), 0, 1e-15);
  ASSERT_TRUE(driver.Menu("PanelCoord/FraAxis", -1, "Remove"));  // back to absolute
  EXPECT_NEAR(Components().GetX(), 1, 1e-15);
  EXPECT_NEAR(Components().GetY(), 0, 1e-15);
}

TEST_F(FrameDirection, TheCompassNormalIsBroughtBackThroughTheView) {
  Start();
  ZORFrmEditor& editor = session.Editor();
  editor.SetCompassPosition(ZORMathAxis(ZORMathPoint(), {0, 1, 0}, {0, 0, 1}, {1, 0, 0}));
  const double quarter[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};  // x goes to y
  editor.SetTransformation(ZORMathTransformation(quarter, ZORMathVector(0, 0, 7)));
  ASSERT_TRUE(Menu("CompassDir"));
  EXPECT_EQ(Components(), ZORMathVector(0, -1, 0));
  // A view that cannot be undone changes nothing.
  const double flat[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 0}};
  editor.SetTransformation(ZORMathTransformation(flat, ZORMathVector()));
  ASSERT_TRUE(Menu("X"));
  const std::string status = Status();
  ASSERT_TRUE(Menu("CompassDir"));
  EXPECT_EQ(Components(), ZORMathVector(1, 0, 0));
  EXPECT_EQ(Status(), status);
}

TEST_F(FrameDirection, RequestsThatCannotBeMetKeepTheDefinition) {
  Start();
  for (int code : {0, 9, -1, static_cast<int>(ZORWENUIFrameDirection::kXLoc)}) {
    frame->OpenPanelCoordinates(nullptr, nullptr, ZORIntData(code));
    EXPECT_EQ(Components(), ZORMathVector(1, 0, 0)) << code;
    EXPECT_FALSE(frame->IsDirPanelOpen());
  }
  frame->SetDirectionFeature(nullptr);
  EXPECT_EQ(frame->GetDirectionFeature(), direction);
  ZORUnicodeString text("Pick a line");
  direction->SetComponents(0, 0, 0);
  frame->SetNoSelectionText(text);
  EXPECT_EQ(Line(), "Pick a line");
}

TEST_F(FrameDirection, WithoutAFrameTheExtensionForwardsNothing) {
  ZORIWENFrameDirection_var ext(direction);
  ASSERT_TRUE(ext);
  EXPECT_EQ(ext->GetFrameDirection(), nullptr);
  EXPECT_EQ(ext->GetDirElemNotification(), nullptr);
  EXPECT_EQ(ext->GetDirRemoveNotification(), nullptr);
  ZORUnicodeString name("kept");
  ext->GetName(name);
  EXPECT_EQ(name.str(), "kept");
  Start();
  EXPECT_EQ(ext->GetFrameDirection(), frame);
  EXPECT_NE(ext->GetDirCoordPanelOKNotification(), nullptr);
  driver.PressCancel();
  driver.EndTransaction();
  EXPECT_EQ(ext->GetFrameDirection(), nullptr);  // the frame went, and said so
}

// The example edition of a translation's distance through the value editor.
class DirectionCommandDistance : public ::testing::Test {
 protected:
  DirectionCommandDistance() {
    ExampleDirectionCommand::Register();
    ZORDocument& doc = session.Document();
    ZORFeature_var set = doc.CreateTool("GeometricalSet");
    ZORFeature_var point = doc.CreatePoint(1, 0, 0, set.get());
    ZORFeature_var line = doc.CreateFeature("WENLine", set.get());
    line->SetInput("Start", doc.CreatePoint(0, 0, 0, set.get()).get());
    line->SetInput("End", doc.CreatePoint(0, 0, 1, set.get()).get());
    translation = doc.CreateFeature("WENTranslate", set.get());
    translation->SetInput("Element", point.get());
    translation->SetInput("Direction", line.get());
    translation->SetValue("Distance", 10);
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(translation.get());
  }

  bool Dumps(const std::string& text) const {
    return driver.DumpDocument().find(text) != std::string::npos;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var translation;
};

TEST_F(DirectionCommandDistance, EachReportedValueMovesTheResultAndCancelGivesItBack) {
  ASSERT_EQ(driver.StartByName("ExampleDirectionCommand"), S_OK);
  EXPECT_EQ(driver.Find("DistanceEditor"), nullptr);
  ASSERT_TRUE(driver.Click("DirectionPanel/Distance"));
  ASSERT_NE(driver.Find("DistanceEditor"), nullptr);
  EXPECT_NE(driver.DescribePanels().find("value=\"10.0000\""), std::string::npos);
  ASSERT_TRUE(driver.Type("DistanceEditor/spinner", "12.5"));
  EXPECT_EQ(translation->GetValue("Distance"), 12.5);
  EXPECT_TRUE(Dumps("Distance=12.5")) << driver.DumpDocument();
  EXPECT_NE(driver.DescribePanels().find("distance 12.5000"), std::string::npos);
  driver.PressCancel();
  EXPECT_EQ(translation->GetValue("Distance"), 10);
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(driver.Find("DistanceEditor"), nullptr);
}

TEST_F(DirectionCommandDistance, OkKeepsTheValue) {
  ASSERT_EQ(driver.StartByName("ExampleDirectionCommand"), S_OK);
  ASSERT_TRUE(driver.Click("DirectionPanel/Distance"));
  ASSERT_TRUE(driver.Spin("DistanceEditor/spinner", false, 1));
  EXPECT_FLOAT_EQ(static_cast<float>(translation->GetValue("Distance")), 9.98f);
  driver.PressOK();
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_FLOAT_EQ(static_cast<float>(translation->GetValue("Distance")), 9.98f);
}

}  // namespace
