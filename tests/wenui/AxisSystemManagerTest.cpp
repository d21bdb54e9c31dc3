// The axis-system manager between absolute (literal) parameters and the local ones a panel
// shows: when the local axis system counts as the absolute one, how values, vectors and planes
// convert, and how the editors follow the literal parameters.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "ZORApplicationFrame.h"
#include "ZORCkeParamFrame.h"
#include "ZORDlgDialog.h"
#include "ZORFaultGate.h"
#include "ZORGuiAxisSystemManager.h"
#include "ZORHostSession.h"
#include "ZORICkeParamFrame.h"
#include "ZORIMf3DAxisSystemManager.h"
#include "ZORIParmAsStored.h"
#include "ZORParmDictionary.h"
#include "ZORSpecObjectOf.h"

namespace {

class AxisSystemManager : public ::testing::Test {
 protected:
  AxisSystemManager() { set_ = session_.Document().CreateTool("GeometricalSet"); }

  // Makes current an axis system of origin `o` and directions `i`, `j`; false when refused.
  bool MakeCurrent(const ZORMathPoint& o, const ZORMathVector& i, const ZORMathVector& j) {
    ZORFeature_var axis = session_.Document().CreateFeature("AxisSystem", set_.get());
    const double values[] = {o.GetX(), o.GetY(), o.GetZ(), i.GetX(), i.GetY(),
                             i.GetZ(), j.GetX(), j.GetY(), j.GetZ()};
    const char* keys[] = {"X", "Y", "Z", "IX", "IY", "IZ", "JX", "JY", "JZ"};
    for (int k = 0; k < 9; ++k) axis->SetValue(keys[k], values[k]);
    return Manager()->SetCurrentAxisSystem(ZORSpecObjectOf(axis.get())) == S_OK;
  }
  // Turned by `angle` radians about Y, moved by `shift`.
  bool MakeTurnedAboutY(double angle, const ZORMathVector& shift) {
    return MakeCurrent(ZORMathPoint() + shift, {std::cos(angle), 0, -std::sin(angle)}, {0, 1, 0});
  }
  ZORIMf3DAxisSystemManager_var Manager() {
    return ZORIMf3DAxisSystemManager_var(session_.Document().GetContainer());
  }
  static double Stored(const ZORICkeParm_var& p) {
    return ZORIParmAsStored_var(p)->GetValueAsStored();
  }
  static void Store(const ZORICkeParm_var& p, double v) {
    ASSERT_EQ(ZORIParmAsStored_var(p)->SetValueAsStored(v), S_OK);
  }

  // Literal plane parameters (normal, constant) and their local twins, made by the manager.
  void MakePlaneParameters(double nx, double ny, double nz, double d) {
    ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
    literal_ = {factory->CreateReal("NX", 0), factory->CreateReal("NY", 0),
                factory->CreateReal("NZ", 0), factory->CreateLength("D", 0)};
    manager_->SetLitterals(literal_[0], literal_[1], literal_[2], literal_[3]);
    manager_->CreateLocalParams(nx, ny, nz, d * 1000.0, local_[0], local_[1], local_[2], local_[3],
                                1);
  }

  ZORHostSession session_;
  ZORFeature_var set_;
  ZORVar<ZORGuiAxisSystemManager> manager_ = ZORMake<ZORGuiAxisSystemManager>();
  std::array<ZORICkeParm_var, 4> literal_, local_;
};

TEST_F(AxisSystemManager, TheAbsoluteAxisIsRecognisedWithinItsStrictTolerances) {
  EXPECT_TRUE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
  ASSERT_TRUE(MakeTurnedAboutY(0.0005, {}));
  EXPECT_TRUE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
  ASSERT_TRUE(MakeTurnedAboutY(0.002, {}));
  EXPECT_FALSE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
  ASSERT_TRUE(MakeCurrent({0, 0.000999, 0}, {1, 0, 0}, {0, 1, 0}));
  EXPECT_TRUE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
  ASSERT_TRUE(MakeCurrent({0, 0, 0.001}, {1, 0, 0}, {0, 1, 0}));
  EXPECT_FALSE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
  // Each direction on its own: a turn about X leaves the first one in place.
  ASSERT_TRUE(MakeCurrent({}, {1, 0, 0}, {0, std::cos(0.002), std::sin(0.002)}));
  EXPECT_FALSE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
  ASSERT_EQ(Manager()->SetCurrentAxisSystem(nullptr), S_OK);
  EXPECT_TRUE(ZORGuiAxisSystemManager::IsCurrentAxisOIJK());
}

TEST_F(AxisSystemManager, DegenerateAxisSystemsAreRefusedAndTheCurrentOneKept) {
  ASSERT_TRUE(MakeCurrent({0, 0, 2}, {1, 0, 0}, {0, 1, 0}));
  const ZORISpecObject_var kept = Manager()->GetCurrentAxisSystem();
  EXPECT_FALSE(MakeCurrent({}, {0, 0, 0}, {0, 1, 0}));
  EXPECT_FALSE(MakeCurrent({}, {1, 1, 0}, {2, 2, 0}));
  EXPECT_FALSE(MakeCurrent({NAN, 0, 0}, {1, 0, 0}, {0, 1, 0}));
  EXPECT_EQ(Manager()->GetCurrentAxisSystem(), kept);
  // A plane point is refused as an axis system.
  EXPECT_EQ(Manager()->SetCurrentAxisSystem(
                ZORSpecObjectOf(session_.Document().CreatePoint(0, 0, 0, set_.get()).get())),
            E_FAIL);
  // Directions given skew come back orthonormal, the second on its side of the first.
  ASSERT_TRUE(MakeCurrent({}, {2, 0, 0}, {1, 3, 0}));
  ZORMathAxis axis;
  ASSERT_EQ(Manager()->GetMathAxis(Manager()->GetCurrentAxisSystem(), axis), S_OK);
  EXPECT_EQ(axis.GetFirstDirection(), ZORMathVector(1, 0, 0));
  EXPECT_EQ(axis.GetSecondDirection(), ZORMathVector(0, 1, 0));
  EXPECT_EQ(axis.GetThirdDirection(), ZORMathVector(0, 0, 1));
}

TEST_F(AxisSystemManager, LocalParametersAreMadeByKind) {
  ZORICkeParm_var l1, l2, l3, l4;
  manager_->CreateLocalParams(1000, 2000, -500, 7000, l1, l2, l3, l4, 0);
  ASSERT_TRUE(l1 && l2 && l3 && l4);
  EXPECT_EQ(l1->GetParmName().str(), "L1vol");
  EXPECT_EQ(l1->GetMagnitude().str(), "Longueur");
  EXPECT_EQ(Stored(l1), 1.0);
  EXPECT_EQ(Stored(l3), -0.5);
  EXPECT_EQ(Stored(l4), 7.0);
  manager_->CreateLocalParams(1000, 2, 3, 4000, l1, l2, l3, l4, 1);
  EXPECT_EQ(Stored(l1), 1000.0);
  EXPECT_NE(l2->GetMagnitude().str(), "Longueur");
  manager_->CreateLocalParams(1, 2, 3, 4000, l1, l2, l3, l4, 5);
  EXPECT_FALSE(l1 || l2 || l3);
  EXPECT_EQ(Stored(l4), 4.0);
}

TEST_F(AxisSystemManager, VectorsTurnWithTheAxisAndPointsMoveWithIt) {
  ASSERT_TRUE(MakeCurrent({0, 0, 2}, {0, 1, 0}, {-1, 0, 0}));  // turned 90 degrees about Z
  double x = 0, y = 0, z = 0;
  ZORGuiAxisSystemManager::ConvertCoordinates(1, 0, 1, 0, 0, x, y, z);
  EXPECT_NEAR(x, 0, 1e-15);
  EXPECT_NEAR(y, -1, 1e-15);
  EXPECT_NEAR(z, 0, 1e-15);
  ZORGuiAxisSystemManager::ConvertCoordinates(0, 0, 1, 0, 0, x, y, z);
  EXPECT_NEAR(z, -2, 1e-15);
  ZORGuiAxisSystemManager::ConvertCoordinates(0, 1, 0, -1, -2, x, y, z);
  EXPECT_NEAR(x, 1, 1e-15);
  EXPECT_NEAR(y, 0, 1e-15);
  EXPECT_NEAR(z, 0, 1e-15);
  // Values that are not finite are not converted.
  ZORGuiAxisSystemManager::ConvertCoordinates(1, 0, NAN, 0, 0, x, y, z);
  EXPECT_TRUE(std::isnan(x));
  EXPECT_EQ(y, 0);
}

TEST_F(AxisSystemManager, SeededRoundTripsStayWithinTolerance) {
  ASSERT_TRUE(MakeCurrent({3, -4, 12}, {0.3, 0.4, 0.5}, {-1, 0.2, 0.7}));
  std::mt19937_64 engine(7);
  std::uniform_real_distribution<double> exponent(-9, 9), unit(-1, 1);
  for (int n = 0; n < 2000; ++n) {
    const double scale = std::pow(10.0, exponent(engine));
    const double v[3] = {scale * unit(engine), scale * unit(engine), scale * unit(engine)};
    for (int type : {0, 1}) {
      double a[3], b[3];
      ZORGuiAxisSystemManager::ConvertCoordinates(type, 0, v[0], v[1], v[2], a[0], a[1], a[2]);
      ZORGuiAxisSystemManager::ConvertCoordinates(type, 1, a[0], a[1], a[2], b[0], b[1], b[2]);
      const double size = std::max(1.0, std::hypot(v[0], v[1], v[2]));
      for (int k = 0; k < 3; ++k) ASSERT_NEAR(b[k], v[k], 1e-12 * size) << n;
    }
  }
}

TEST_F(AxisSystemManager, WithoutAManagerValuesAreCopied) {
  ASSERT_TRUE(MakeCurrent({0, 0, 2}, {0, 1, 0}, {-1, 0, 0}));
  double x = 9, y = 9, z = 9;
  ZORFaultGate::Arm(1);  // the current container cannot be had
  ZORGuiAxisSystemManager::ConvertCoordinates(0, 0, 1, 2, 3, x, y, z);
  const bool fired = ZORFaultGate::Fired();
  ZORFaultGate::Disarm();
  ASSERT_TRUE(fired);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(z, 3);
}

TEST_F(AxisSystemManager, APlaneKeepsItsPlaceThroughAMovedAxis) {
  ASSERT_TRUE(MakeCurrent({0, 0, 2}, {1, 0, 0}, {0, 1, 0}));
  MakePlaneParameters(0, 0, 1, 5);
  manager_->ConvertCoordinates(2, 1, 0);
  EXPECT_EQ(Stored(literal_[2]), 1);
  EXPECT_DOUBLE_EQ(Stored(literal_[3]), 7);
  // Back: the literal plane gives the local one again.
  Store(local_[3], 0);
  manager_->ConvertCoordinates(2, 0, 0);
  EXPECT_DOUBLE_EQ(Stored(local_[3]), 5);
  // A null normal gives the constant 0.
  MakePlaneParameters(0, 0, 0, 5);
  Store(literal_[3], 3);
  manager_->ConvertCoordinates(2, 1, 0);
  EXPECT_EQ(Stored(literal_[3]), 0);
}

TEST_F(AxisSystemManager, ATinyNormalComponentDoesNotDecideThePlanePoint) {
  const double angle = std::numbers::pi / 6;
  ASSERT_TRUE(MakeTurnedAboutY(angle, {0, 0, 2}));
  MakePlaneParameters(1e-20, 0.6, 0.8, 5);
  manager_->ConvertCoordinates(2, 1, 0);
  // N'.O with N' the absolute normal and O the axis origin (0, 0, 2).
  const double expected = 5 + Stored(literal_[2]) * 2;
  EXPECT_NEAR(Stored(literal_[3]), expected, 1e-9);
  EXPECT_NEAR(Stored(literal_[2]), 0.8 * std::cos(angle) - 1e-20 * std::sin(angle), 1e-15);
}

TEST_F(AxisSystemManager, EditorsFollowTheirLiteralParametersAndDestroyedOnesAreLeftAlone) {
  auto* panel = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
  MakePlaneParameters(0, 0, 1, 5);
  ZORCkeParamFrame* frames[4] = {};
  for (int i = 0; i < 4; ++i) {
    frames[i] = ZORICkeParamFrame_var(local_[i])->GetInPanelEdition(
        nullptr, panel, "Fra" + std::to_string(i), ZORCkeWithSpinner, "L");
  }
  manager_->SetParamFrames(frames[0], frames[1], nullptr, frames[3]);
  literal_[1]->SetActivated(ZORCke::False);
  literal_[3]->SetActivated(ZORCke::False);
  frames[3]->Destroy();
  manager_->ManageStyle();
  EXPECT_EQ(frames[0]->GetSensitivity(), ZORDialog::kSensitive);
  EXPECT_EQ(frames[1]->GetSensitivity(), ZORDialog::kInsensitive);
  EXPECT_EQ(frames[2]->GetSensitivity(), ZORDialog::kSensitive);  // not given to the manager
  literal_[1]->SetActivated(ZORCke::True);
  manager_->ConvertCoordinates(1, 1, 1);
  EXPECT_EQ(frames[1]->GetSensitivity(), ZORDialog::kSensitive);
  panel->Destroy();
}

}  // namespace
