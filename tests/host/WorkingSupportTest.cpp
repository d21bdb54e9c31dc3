#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORISpecImportManager.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORSpecObjectOf.h"

namespace {

// A geometrical set with three points and the plane through them, then a later set.
class WorkingSupports : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc.CreateTool("GeometricalSet");
    p1 = doc.CreatePoint(0, 0, 0, set);
    p2 = doc.CreatePoint(1, 0, 0, set);
    plane = doc.CreateFeature("WENPlane", set);
    later = doc.CreateTool("GeometricalSet");
    laterPoint = doc.CreatePoint(5, 5, 5, later);
  }
  void TearDown() override { ZORFaultGate::Disarm(); }

  static ZORIWENWorkingSupportSet_var SetOf(ZORDocument& d) {
    return ZORIWENWorkingSupportFactory_var(d.GetPart())->GetWorkingSupportSet();
  }
  // Whether `used` may be used from `edited` (nothing edited for null).
  HRESULT Check(ZORFeature* used, ZORFeature* edited) {
    ZORISpecImportManager_var manager(doc.GetPart());
    const ZORPathElement from =
        edited ? doc.GivePathElementFrom(ZORSpecObjectOf(edited)) : ZORPathElement();
    ZORPathElement path;
    if (FAILED(manager->BuildPath(ZORSpecObjectOf(used), from, path))) return E_FAIL;
    return manager->CheckLinearity(path, from);
  }

  ZORDocument doc{"Supports"};
  ZORFeature_var set, p1, p2, plane, later, laterPoint;
};

TEST_F(WorkingSupports, APartKeepsOneSetOfSupportsOnItsOwnFeatures) {
  ZORIWENWorkingSupportSet_var supports = SetOf(doc);
  ASSERT_TRUE(supports);
  EXPECT_TRUE(SetOf(doc) == supports);
  EXPECT_FALSE(ZORIWENWorkingSupportFactory_var(set.get()));
  ZORIWENWorkingSupport_var grid =
      supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(p1), 2);
  ASSERT_TRUE(grid);
  EXPECT_TRUE(grid->GetSupport() == ZORSpecObjectOf(plane) &&
              grid->GetOrigin() == ZORSpecObjectOf(p1));
  EXPECT_EQ(grid->GetType(), ZORIWENWorkingSupport::kCartesianPlane);
  EXPECT_FALSE(supports->GetCurrentWorkingSupport());
  EXPECT_EQ(supports->SetCurrentWorkingSupport(grid), S_OK);
  EXPECT_TRUE(supports->GetCurrentWorkingSupport() == grid);

  // Refused: no support, no type, features or supports of another part, a failing service.
  ZORDocument other{"Other"};
  ZORFeature_var foreign = other.CreatePoint(0, 0, 0, other.CreateTool("GeometricalSet"));
  EXPECT_FALSE(supports->CreateWorkingSupport(nullptr, ZORSpecObjectOf(p1), 1));
  EXPECT_FALSE(supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(p1), 0));
  EXPECT_FALSE(supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(foreign), 1));
  EXPECT_EQ(supports->SetCurrentWorkingSupport(SetOf(other)->CreateWorkingSupport(
                ZORSpecObjectOf(foreign), nullptr, ZORIWENWorkingSupport::kSurface)),
            E_FAIL);
  ZORFaultGate::Arm(1);
  EXPECT_FALSE(supports->CreateWorkingSupport(ZORSpecObjectOf(plane), nullptr, 1));
  EXPECT_EQ(supports->GetNumberOfWorkingSupports(), 1);
  EXPECT_TRUE(supports->GetCurrentWorkingSupport() == grid);
}

TEST_F(WorkingSupports, AnObjectMayUseOnlyWhatComesBeforeItOrInsideIt) {
  EXPECT_EQ(Check(laterPoint, nullptr), S_OK);
  EXPECT_EQ(Check(laterPoint, doc.GetPart()), S_OK);
  EXPECT_EQ(Check(p1, plane), S_OK);
  EXPECT_EQ(Check(plane, plane), E_FAIL);
  EXPECT_EQ(Check(p2, p1), E_FAIL);
  EXPECT_EQ(Check(laterPoint, set), E_FAIL);
  EXPECT_EQ(Check(plane, later), S_OK);
  EXPECT_EQ(Check(laterPoint, later), S_OK);
  EXPECT_EQ(Check(set, p1), E_FAIL);  // a father is no input
  ZORFeature_var aggregated = doc.CreatePoint(2, 2, 2, plane);
  EXPECT_EQ(Check(aggregated, plane), S_OK);

  // Outside the tree, or of another part: no build path.
  ZORDocument other{"Other"};
  ZORFeature_var foreign = other.CreatePoint(0, 0, 0, other.CreateTool("GeometricalSet"));
  EXPECT_EQ(Check(doc.CreatePoint(1, 1, 1), nullptr), E_FAIL);
  EXPECT_EQ(Check(foreign, nullptr), E_FAIL);
  EXPECT_EQ(
      ZORISpecImportManager_var(doc.GetPart())
          ->CheckLinearity(other.GivePathElementFrom(ZORSpecObjectOf(foreign)), ZORPathElement()),
      E_FAIL);
}

}  // namespace
