// The 3D point editor: its three pages kept in step through the page the user leaves, the
// example edition that moves a point with it, and the coordinates panel's widgets.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ExamplePointEditorCommand.h"
#include "ZORApplicationFrame.h"
#include "ZORDlgDialog.h"
#include "ZORDlgTabContainer.h"
#include "ZORDriver.h"
#include "ZORFeature.h"
#include "ZORHostSession.h"
#include "ZORParmDictionary.h"
#include "ZORTestListener.h"
#include "ZORWENUIEditor3DPoint.h"
#include "ZORWENUIPanelCoord.h"
#include "ZORWENUISelector.h"

namespace {

class PointEditor : public ::testing::Test {
 protected:
  PointEditor() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
    panel_->SetFather(&listener_);
  }
  ~PointEditor() override { panel_->Destroy(); }

  ZORWENUIEditor3DPoint* Make(const ZORMathPoint& p, bool readOnly = false) {
    auto* editor = new ZORWENUIEditor3DPoint(panel_, "Point", 0, p);
    editor->Build(readOnly);
    return editor;
  }
  std::string Shown(const std::string& path) const { return driver_.DescribeWidget(path); }
  bool Shows(const std::string& path, const std::string& text) const {
    return Shown(path).find(text) != std::string::npos;
  }
  bool Tab(const char* page) { return driver_.Tab("Panel/3DPointTab", page); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestListener listener_;
  ZORDlgDialog* panel_ = nullptr;
};

TEST_F(PointEditor, CylindricalValuesShowOnTheCartesianPage) {
  ZORWENUIEditor3DPoint* editor = Make({1, 2, 3});
  ASSERT_TRUE(Tab("CylindricalPage"));
  ASSERT_TRUE(driver_.Type("Panel/CylindricalPage/Radius", "10"));
  ASSERT_TRUE(driver_.Type("Panel/CylindricalPage/Theta", "90"));
  ASSERT_TRUE(driver_.Type("Panel/CylindricalPage/Height", "5"));
  ASSERT_TRUE(Tab("CartesianPage"));
  EXPECT_TRUE(Shows("Panel/CartesianPage/X", "value=\"0mm\"")) << Shown("Panel/CartesianPage");
  EXPECT_TRUE(Shows("Panel/CartesianPage/Y", "value=\"10mm\""));
  EXPECT_TRUE(Shows("Panel/CartesianPage/Z", "value=\"5mm\""));
  EXPECT_TRUE(Shows("Panel/SphericalPage/Phi", "value=\"63.434949deg\""))
      << Shown("Panel/SphericalPage");
  EXPECT_EQ(editor->GetMath(), ZORMathPoint(0, 10, 5));
  EXPECT_EQ(editor->GetCurrentPage(), ZORWENUIEditor3DPoint::kCartesian);
}

TEST_F(PointEditor, TheCurrentPageDrivesGetMathWithoutAPageChange) {
  ZORWENUIEditor3DPoint* editor = Make({0, 0, 7});
  ASSERT_TRUE(Tab("SphericalPage"));
  ASSERT_TRUE(driver_.Type("Panel/SphericalPage/Phi", "90"));
  ASSERT_TRUE(driver_.Type("Panel/SphericalPage/Theta", "180"));
  EXPECT_EQ(editor->GetMath(), ZORMathPoint(-7, 0, 0));
  // The page change that follows finds nothing new: the point stays exactly.
  ASSERT_TRUE(Tab("CylindricalPage"));
  EXPECT_EQ(editor->GetMath(), ZORMathPoint(-7, 0, 0));
  EXPECT_TRUE(Shows("Panel/CylindricalPage/Theta", "value=\"180deg\""));
}

TEST_F(PointEditor, AThousandPageChangesWithoutEditsLeaveThePoint) {
  const ZORMathPoint start(123456.789, -0.000321, 98765.4321);
  ZORWENUIEditor3DPoint* editor = Make(start);
  const char* pages[] = {"CylindricalPage", "SphericalPage", "CartesianPage"};
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(Tab(pages[i % 3]));
  const ZORMathPoint end = editor->GetMath();
  EXPECT_LE(end.DistanceTo(start), 1e-12 * start.DistanceTo(ZORMathPoint()));
}

TEST_F(PointEditor, TheOriginHasRadiusZeroOnBothRoundPages) {
  Make({0, 0, 0});
  EXPECT_TRUE(Shows("Panel/CylindricalPage/Radius", "value=\"0mm\""));
  EXPECT_TRUE(Shows("Panel/SphericalPage/Radius", "value=\"0mm\""));
  EXPECT_TRUE(Shows("Panel/SphericalPage/Phi", "value=\"0deg\""));
}

TEST_F(PointEditor, AReadOnlyEditorShowsValuesButTakesNoChange) {
  ZORWENUIEditor3DPoint* editor = Make({3, 4, 0}, true);
  EXPECT_TRUE(Shows("Panel/CylindricalPage/Radius", "value=\"5mm\" spinner"));
  EXPECT_TRUE(Shows("Panel/CartesianPage/X", "insensitive"));
  EXPECT_FALSE(driver_.Spin("Panel/CartesianPage/X", true, 1));
  EXPECT_FALSE(driver_.Type("Panel/CartesianPage/Y", "9"));
  // The owner may still set it.
  editor->SetMath({0, 0, 2});
  EXPECT_TRUE(Shows("Panel/CartesianPage/Z", "value=\"2mm\""));
  EXPECT_TRUE(Shows("Panel/CartesianPage/Z", "insensitive"));
}

TEST_F(PointEditor, PointsThatAreNotFiniteChangeNothingAndBeforeBuildThePointIsKept) {
  auto* editor = new ZORWENUIEditor3DPoint(panel_, "Point", 0, {1, 2, 3});
  EXPECT_EQ(editor->GetMath(), ZORMathPoint(1, 2, 3));
  editor->SetMath({4, 5, 6});
  editor->SetMath({NAN, 0, 0});
  editor->SetMath({0, INFINITY, 0});
  EXPECT_EQ(editor->GetMath(), ZORMathPoint(4, 5, 6));
  editor->Build(false);
  EXPECT_TRUE(Shows("Panel/CartesianPage/Y", "value=\"5mm\""));
  EXPECT_TRUE(Shows("Panel/CylindricalPage/Theta", "value=\"51.340192deg\""));
  editor->SetMath({NAN, 0, 0});
  EXPECT_EQ(editor->GetMath(), ZORMathPoint(4, 5, 6));
  EXPECT_EQ(editor->GetStyle() & 1, 1u);  // the grid layout
}

TEST_F(PointEditor, ThePageChangeGoesOnToTheFather) {
  ZORWENUIEditor3DPoint* editor = Make({1, 0, 0});
  auto* tabs = dynamic_cast<ZORDlgTabContainer*>(editor->FindChild("3DPointTab"));
  ASSERT_NE(tabs, nullptr);
  listener_.Listen(editor, tabs->GetTabSelectNotification(), "page");
  ASSERT_TRUE(Tab("SphericalPage"));
  EXPECT_FALSE(listener_.log.empty());
}

TEST_F(PointEditor, TheCoordinatesPanelEditsThreeComponentsAndShowsItsAxis) {
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  ZORICkeParm_var x = factory->CreateReal("X", 1), y = factory->CreateReal("Y", -0.0),
                  z = factory->CreateReal("Z", 0.0000004);
  auto* coord = new ZORWENUIPanelCoord(panel_);
  coord->SetFather(&listener_);
  coord->BuildPanel(x, y, z);
  coord->SetVisibility(ZORDialog::kShown);
  EXPECT_TRUE(Shows("PanelCoord/CoordX", "value=\"1\" spinner")) << Shown("PanelCoord");
  EXPECT_TRUE(Shows("PanelCoord/CoordY", "value=\"0\""));  // never "-0"
  EXPECT_TRUE(Shows("PanelCoord/CoordZ", "value=\"0\""));
  ASSERT_TRUE(driver_.Type("PanelCoord/CoordZ", "0.5"));
  EXPECT_EQ(z->GetStoredValue(), 0.5);
  // Built again on other parameters, the editors show those.
  ZORICkeParm_var w = factory->CreateReal("W", 7);
  coord->BuildPanel(x, y, w);
  EXPECT_TRUE(Shows("PanelCoord/CoordZ", "value=\"7\""));
  ASSERT_TRUE(driver_.Type("PanelCoord/CoordZ", "8"));
  EXPECT_EQ(w->GetStoredValue(), 8);
  EXPECT_EQ(z->GetStoredValue(), 0.5);
  // OK, Cancel and the window's close go on to the father.
  listener_.Listen(coord, coord->GetDiaOKNotification(), "ok");
  listener_.Listen(coord, coord->GetDiaCANCELNotification(), "cancel");
  listener_.Listen(coord, coord->GetWindCloseNotification(), "close");
  ASSERT_TRUE(driver_.PressOK("PanelCoord"));
  ASSERT_TRUE(driver_.PressCancel("PanelCoord"));
  ASSERT_TRUE(driver_.CloseWindow("PanelCoord"));
  EXPECT_EQ(listener_.log, (std::vector<std::string>{"ok", "cancel", "close"}));
  ZORISpecObject_var none;
  coord->SetElemFeature(none);
  EXPECT_EQ(coord->GetAxisSelector()->GetSelectedElement(), nullptr);
}

// The example edition of a point through the editor.
class PointEditorCommand : public ::testing::Test {
 protected:
  PointEditorCommand() {
    ExamplePointEditorCommand::Register();
    ZORFeature_var set = session.Document().CreateTool("GeometricalSet");
    point = session.Document().CreatePoint(3, 4, 12, set.get());
    session.Document().UpdateAll();
    session.Editor().SetCurrentFeature(point.get());
  }
  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var point;
};

TEST_F(PointEditorCommand, EachChangeMovesThePointAndCancelGivesItBack) {
  ASSERT_EQ(driver.StartByName("ExamplePointEditorCommand"), S_OK);
  EXPECT_NE(driver.DescribeWidget("PointEditorPanel/SphericalPage/Radius").find("13mm"),
            std::string::npos);
  ASSERT_TRUE(driver.Tab("PointEditorPanel/3DPointTab", "CylindricalPage"));
  ASSERT_TRUE(driver.Type("PointEditorPanel/CylindricalPage/Radius", "10"));
  EXPECT_DOUBLE_EQ(point->GetValue("X"), 6);
  EXPECT_DOUBLE_EQ(point->GetValue("Y"), 8);
  driver.PressCancel();
  EXPECT_EQ(point->GetValue("X"), 3);
  EXPECT_EQ(point->GetValue("Y"), 4);
}

TEST_F(PointEditorCommand, OkKeepsThePoint) {
  ASSERT_EQ(driver.StartByName("ExamplePointEditorCommand"), S_OK);
  ASSERT_TRUE(driver.Tab("PointEditorPanel/3DPointTab", "SphericalPage"));
  ASSERT_TRUE(driver.Type("PointEditorPanel/SphericalPage/Phi", "0"));
  driver.PressOK();
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(point->GetValue("X"), 0);
  EXPECT_EQ(point->GetValue("Y"), 0);
  EXPECT_EQ(point->GetValue("Z"), 13);
}

}  // namespace
