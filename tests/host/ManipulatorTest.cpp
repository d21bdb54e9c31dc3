#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

#include "ZOR2DManipulator.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DManipulator.h"
#include "ZOR3DMarkerGP.h"
#include "ZORDlgDialog.h"
#include "ZORDriver.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORNavigation2DViewer.h"
#include "ZORSt3DISO.h"
#include "ZORString.h"
#include "ZORTestListener.h"

namespace {

std::string Xyz(const ZORMathPoint& p) {
  auto clean = [](double v) { return std::abs(v) < 1e-9 ? 0.0 : v; };
  return ZORString::Format("%g,%g,%g", clean(p.GetX()), clean(p.GetY()), clean(p.GetZ())).str();
}

// A 3D manipulator at `at`, grabbed through a marker shown in the interactive set, every one of
// its notifications logged with the manipulator's position at delivery.
class Manipulator3D : public ::testing::Test {
 protected:
  ZOR3DManipulator* Show(int style, const ZORMathPoint& at) {
    // Owned as a command owns one: let go of with Destroy.
    manipulator = new ZOR3DManipulator(&owner, ZORString("Mover"), nullptr, style);
    manipulator->SetPosition(ZORMathAxis(at, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
    auto drawing = ZORMake<ZOR3DCustomRep>();
    drawing->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(at), 5));
    manipulator->AddRepToManipulate(drawing.get());
    carrier = ZORMake<ZORSt3DISO>(drawing.get());
    session.Editor().GetISO()->AddElement(carrier.get());
    ZOR3DManipulator* m = manipulator;
    auto where = [m] { return " " + Xyz(m->GetPosition().GetOrigin()); };
    owner.Listen(m, m->GetZORPreactivate(), "preactivate");
    owner.Listen(m, m->GetZOREndPreactivate(), "end preactivate");
    owner.Listen(m, m->GetZORBeginManipulate(), "begin", where);
    owner.Listen(m, m->GetZORManipulate(), "manipulate", where);
    owner.Listen(m, m->GetZOREndManipulate(), "end", where);
    owner.Listen(m, m->GetZORContext(), "context");
    owner.Listen(m, m->GetZOREndContext(), "end context");
    owner.Listen(m, m->GetZORMove(), "move");
    owner.Listen(m, m->GetZORPreDrop(), "pre-drop");
    owner.Listen(m, m->GetZOREndPreDrop(), "end pre-drop");
    owner.Listen(m, m->GetZORActivate(), "activate");
    owner.Listen(m, m->GetZOREndActivate(), "end activate");
    return m;
  }

  ~Manipulator3D() override {
    if (manipulator) manipulator->Destroy();
    driver.EndTransaction();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener owner;
  ZOR3DManipulator* manipulator = nullptr;
  ZORSt3DISO_var carrier;
};

TEST_F(Manipulator3D, ADragAlongALineSendsBeginEachStepAndEndWithTheProjectedMotion) {
  ZOR3DManipulator* m = Show(ZOR3DManipulator::kLineTranslation, {1, 2, 3});
  m->SetTranslationDirection({2, 0, 0});  // kept unit
  ASSERT_EQ(pointer.ShownHandles().size(), 1u);
  // The target is off the line: only its part along X counts.
  ASSERT_TRUE(pointer.Drag(1, {7, 9, -4}, 3));
  EXPECT_EQ(owner.log,
            (std::vector<std::string>{"preactivate", "begin 1,2,3", "manipulate 3,2,3",
                                      "manipulate 5,2,3", "manipulate 7,2,3", "end 7,2,3"}));
  EXPECT_EQ(Xyz(m->GetMotion().Apply(ZORMathPoint(0, 0, 0))), "6,0,0");
  EXPECT_FALSE(m->IsManipulating());
}

TEST_F(Manipulator3D, ADragInAPlaneDropsTheNormalPart) {
  ZOR3DManipulator* m = Show(ZOR3DManipulator::kPlaneTranslation, {0, 0, 5});
  m->SetTranslationPlane(ZORMathPlane(ZORMathPoint(), {1, 0, 0}, {0, 0, 1}));  // the XZ plane
  ASSERT_TRUE(pointer.Drag(1, {4, 8, 1}, 2));
  EXPECT_EQ(owner.log.back(), "end 4,0,1");
  EXPECT_EQ(owner.log[2], "manipulate 2,0,3");
}

TEST_F(Manipulator3D, ARotationTurnsAboutItsAxisByTheAngleThePointerSweeps) {
  ZOR3DManipulator* m = Show(ZOR3DManipulator::kRotation, {10, 0, 0});
  m->SetRotationAxis(ZORMathLine(ZORMathPoint(0, 0, 0), {0, 0, 1}));
  // A quarter turn: the pointer ends above (0, 3); its distance and height do not count.
  ASSERT_TRUE(pointer.Drag(1, {0, 3, 7}, 1));
  EXPECT_EQ(owner.log.back(), "end 0,10,0");
  EXPECT_EQ(Xyz(ZORMathPoint() + m->GetPosition().GetFirstDirection()), "0,1,0");
}

TEST_F(Manipulator3D, HoverContextAndRefusedActions) {
  Show(ZOR3DManipulator::kLineTranslation, {0, 0, 0});
  EXPECT_TRUE(pointer.MoveOver(1));
  EXPECT_TRUE(pointer.MoveOver(1));  // over it already: the pointer moves on it
  EXPECT_TRUE(pointer.Context(1));
  EXPECT_TRUE(pointer.MoveAway());
  EXPECT_TRUE(pointer.Click(1));
  EXPECT_EQ(owner.log, (std::vector<std::string>{"preactivate", "move", "context", "end context",
                                                 "end preactivate", "preactivate", "activate",
                                                 "end activate"}));
  owner.log.clear();
  EXPECT_FALSE(pointer.Drag(2, {1, 0, 0}, 1));  // no such handle
  EXPECT_FALSE(pointer.Drag(1, {1, 0, 0}, 0));  // no step
  EXPECT_FALSE(manipulator->IsManipulating());
  std::exchange(manipulator, nullptr)->Destroy();  // cannot be pointed any more
  EXPECT_TRUE(pointer.ShownHandles().empty());
  EXPECT_FALSE(pointer.MoveOver(1));
  EXPECT_TRUE(owner.log.empty());
}

TEST_F(Manipulator3D, SomethingCarriedOverAndAwaySendsPreDropThenItsEnd) {
  Show(ZOR3DManipulator::kLineTranslation, {0, 0, 0});
  ASSERT_TRUE(pointer.CarryOver(1));
  EXPECT_EQ(owner.log, (std::vector<std::string>{"pre-drop", "end pre-drop"}));
  EXPECT_FALSE(pointer.CarryOver(2));
  std::exchange(manipulator, nullptr)->Destroy();
  owner.log.clear();
  EXPECT_FALSE(pointer.CarryOver(1));
  EXPECT_TRUE(owner.log.empty());
}

TEST_F(Manipulator3D, APlainHandleIsNotDraggedAndTheSetDescribesTheManipulator) {
  Show(ZOR3DManipulator::kLineTranslation, {1, 0, 0});
  EXPECT_EQ(pointer.DescribeHandles(),
            (std::vector<std::string>{"Mover custom(marker(1,0,0 symbol=5))"}));
  // Once the drawing no longer grabs it, the manipulator is not shown.
  manipulator->RemoveRepToManipulate(carrier->GetRep());
  EXPECT_TRUE(pointer.ShownHandles().empty());
}

class Manipulator2D : public ::testing::Test {
 protected:
  Manipulator2D() {
    panel = new ZORDlgDialog(nullptr, "Panel");
    panel->SetVisibility(ZORDialog::kShown);
    viewer = new ZORNavigation2DViewer(panel, "Viewer");
    handle = new ZOR2DManipulator(&owner, ZORString("Handle"), viewer);
    auto grip = ZORMake<ZOR2DBagRep>();
    grip->AddMarker({1, 1}, 2, 241);
    handle->SetRep(grip.get());
    handle->SetOrigin({1, 1});
    ZOR2DManipulator* h = handle;
    auto where = [h] {
      return ZORString::Format(" %g,%g", h->GetOrigin().x, h->GetOrigin().y).str();
    };
    owner.Listen(h, h->GetZORBeginManipulate(), "begin", where);
    owner.Listen(h, h->GetZORManipulate(), "manipulate", where);
    owner.Listen(h, h->GetZOREndManipulate(), "end", where);
  }
  ~Manipulator2D() override {
    if (handle) handle->Destroy();
    driver.EndTransaction();
    panel->Release();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener owner;
  ZORDlgDialog* panel;
  ZORNavigation2DViewer* viewer;
  ZOR2DManipulator* handle;
};

TEST_F(Manipulator2D, ADragInTheViewerMovesTheOriginBeforeEachStep) {
  ASSERT_TRUE(pointer.Drag(*viewer, 5, -3));
  EXPECT_EQ(owner.log, (std::vector<std::string>{"begin 1,1", "manipulate 5,-3", "end 5,-3"}));
  EXPECT_EQ(viewer->Describe().back(),
            "manipulator Handle over bag2d(marker(1,1 symbol=2) color=241)");
}

TEST_F(Manipulator2D, AHiddenViewerOrADestroyedHandleIsNotDragged) {
  viewer->SetVisibility(ZORDialog::kHidden);
  EXPECT_FALSE(pointer.Drag(*viewer, 5, 5));
  viewer->SetVisibility(ZORDialog::kShown);
  handle->Destroy();
  handle = nullptr;  // freed at the end of the drag's transaction
  EXPECT_TRUE(viewer->GetManipulators().empty());
  EXPECT_FALSE(pointer.Drag(*viewer, 5, 5));
  EXPECT_TRUE(owner.log.empty());
}

}  // namespace
