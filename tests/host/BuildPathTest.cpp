#include <gtest/gtest.h>

#include "ZORBody.h"
#include "ZORCellBRep.h"
#include "ZORHostSession.h"
#include "ZORIBuildPath.h"
#include "ZORIPathAccess.h"
#include "ZORSpecObjectOf.h"

namespace {

class BuildPath : public ::testing::Test {
 protected:
  BuildPath() {
    set = doc().CreateTool("GeometricalSet");
    a = doc().CreatePoint(0, 0, 0, set);
    b = doc().CreatePoint(4, 0, 0, set);
    line = doc().CreateFeature("WENLine", set);
    line->SetInput("Start", a.get());
    line->SetInput("End", b.get());
    doc().UpdateAll();
  }
  ZORDocument& doc() { return session.Document(); }
  static HRESULT Build(const ZORFeature_var& f, const ZORPathElement& from, ZORPathElement& path) {
    return ZORIBuildPath_var(ZORSpecObjectOf(f))->BuildPathElement(from, path);
  }

  ZORHostSession session;
  ZORFeature_var set, a, b, line;
};

TEST_F(BuildPath, ATreeFeatureGivesItsTreePathUnderTheObjectGiven) {
  ZORPathElement tree, path;
  ASSERT_EQ(ZORIPathAccess_var(ZORSpecObjectOf(a))->GetPathElement(tree), S_OK);
  ASSERT_EQ(Build(a, ZORPathElement(), path), S_OK);
  EXPECT_EQ(path, tree);
  ASSERT_EQ(Build(a, doc().GivePathElementFrom(ZORBaseUnknown_var(set.get())), path), S_OK);
  EXPECT_EQ(path, tree);
  // Under another object, or out of the tree, there is no path.
  EXPECT_EQ(Build(a, doc().GivePathElementFrom(ZORBaseUnknown_var(b.get())), path), E_FAIL);
  EXPECT_FALSE(path.IsSet());
  ZORFeature_var loose = doc().CreateFeature("WENPoint");
  EXPECT_EQ(Build(loose, ZORPathElement(), path), E_FAIL);
}

TEST_F(BuildPath, ABRepFeatureGivesThePickOfItsCell) {
  ZORCell* end = line->GetResultBody()->GetCellOfDimension(0, 2);
  ZORFeature_var brep = ZORCellBRep::Create(*line, *end);
  ASSERT_TRUE(brep);
  ZORPathElement path;
  ASSERT_EQ(Build(brep, ZORPathElement(), path), S_OK);
  ASSERT_EQ(path.GetSize(), 5);  // part, set, line, its body, the cell
  EXPECT_EQ(path.GetLeaf()->GetImpl(), end);
  EXPECT_EQ(path.GetFatherOfLeaf()->GetImpl(), line->GetResultBody().get());
  EXPECT_EQ(path.GetObject(3)->GetImpl(), ZORBaseUnknown_var(line.get())->GetImpl());
  // Once the support's result no longer holds the cell, the BRep feature has no path.
  line->SetInput("End", a.get());
  doc().UpdateAll();
  EXPECT_EQ(Build(brep, ZORPathElement(), path), E_FAIL);
}

}  // namespace
