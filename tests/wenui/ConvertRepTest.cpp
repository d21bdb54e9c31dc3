#include <gtest/gtest.h>

#include "ZORHostSession.h"
#include "ZORInPlace3DSite.h"
#include "ZORWENUIConvertRep.h"

namespace {

TEST(ConvertRep, FeedbackOfASiteEditedInPlaceLandsInTheViewsCoordinates) {
  ZORHostSession session;
  ZOR4x4Matrix matrix;
  EXPECT_EQ(ZORWENUIGetConversionMatrix(matrix), 0);  // no site edited in place
  auto bag = ZORMake<ZOR3DBagRep>();
  ZORWENUIConvertRep(bag.get());
  EXPECT_TRUE(bag->GetMatrix().IsIdentity());

  const double quarterTurn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  const ZORMathTransformation siteToView(quarterTurn, {10, 20, 30});
  session.Editor().SetInPlaceSite(ZORMake<ZORInPlace3DSite>(siteToView).get());
  ASSERT_EQ(ZORWENUIGetConversionMatrix(matrix), 1);
  // (x, y, z) of the site is (10 - y, 20 + x, 30 + z) in the view.
  auto expectMaps = [&](const ZORMathPoint& local, const ZORMathPoint& view) {
    const ZORMathPoint got = matrix.Transform(local);
    EXPECT_NEAR(got.GetX(), view.GetX(), 1e-5);
    EXPECT_NEAR(got.GetY(), view.GetY(), 1e-5);
    EXPECT_NEAR(got.GetZ(), view.GetZ(), 1e-5);
  };
  expectMaps({0, 0, 0}, {10, 20, 30});
  expectMaps({1, 2, 3}, {8, 21, 33});
  expectMaps({-4, 0.5, -30}, {9.5, 16, 0});

  ZORWENUIConvertRep(bag.get());
  EXPECT_EQ(bag->GetMatrix(), matrix);
  ZORWENUIConvertRep(nullptr);  // nothing to convert

  ZORFrmEditor::SetCurrentEditor(nullptr);
  EXPECT_EQ(ZORWENUIGetConversionMatrix(matrix), 0);
}

}  // namespace
