#include <gtest/gtest.h>

#include "ZORFeature.h"
#include "ZORHostSession.h"
#include "ZORWENUIUpdateErrorMSRows.h"

namespace {

TEST(UpdateErrorMSRows, ParentsFollowTheirRowAndClearEmptiesEverything) {
  ZORHostSession session;
  ZORListValZORISpecObject_var features;
  for (int i = 0; i < 4; ++i)
    features.Append(ZORISpecObject_var(session.Document().CreatePoint(i, 0, 0).get()));
  ZORWENUIUpdateErrorMSRows rows(features);
  rows.At(2).parent1 = features[1];
  rows.At(3).parent2 = features[2];
  rows.Remove({0, 1});
  EXPECT_TRUE(rows.FirstParents()[1] == features[1]);
  EXPECT_FALSE(rows.FirstParents()[2]);
  EXPECT_FALSE(rows.SecondParents()[1]);
  EXPECT_TRUE(rows.SecondParents()[2] == features[2]);
  rows.Clear();
  EXPECT_EQ(rows.Size(), 0);
  EXPECT_TRUE(rows.Features().IsEmpty());
}

}  // namespace
