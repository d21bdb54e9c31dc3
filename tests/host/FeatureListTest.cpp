#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ZORDocument.h"
#include "ZORFeatureList.h"

namespace {

class FeatureList : public ::testing::Test {
 protected:
  std::vector<ZORFeature_var> Points(int count) {
    std::vector<ZORFeature_var> points;
    for (int i = 0; i < count; ++i) points.push_back(doc.CreatePoint(i, 0, 0));
    return points;
  }
  // Everything the list answers, checked against the features expected in order.
  static void ExpectHolds(const ZORFeatureList& list, const std::vector<ZORFeature*>& expected,
                          const std::string& step) {
    ASSERT_EQ(list.size(), expected.size()) << step;
    std::vector<ZORFeature*> iterated;
    for (const auto& f : list) iterated.push_back(f.get());
    ASSERT_EQ(iterated, expected) << step;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(list[i].get(), expected[i]) << step << " at " << i;
      ASSERT_EQ(list.PositionOf(expected[i]), i) << step << " of " << i;
      // What a walk reads ahead: from this feature on, the others in order, holes aside.
      std::vector<ZORFeature*> ahead;
      for (const auto& f : list.From(i)) {
        if (f) ahead.push_back(f.get());
      }
      ASSERT_EQ(ahead,
                std::vector<ZORFeature*>(expected.begin() + static_cast<long>(i), expected.end()))
          << step << " from " << i;
    }
  }

  ZORDocument doc;
};

TEST_F(FeatureList, PositionsFollowRemovalsFromTheFrontAndInsertionsInTheMiddle) {
  std::vector<ZORFeature_var> points = Points(8);
  ZORFeatureList list;
  for (const auto& p : points) list.push_back(p);
  // The first three go, one by one, as a caller emptying a list from its front.
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(list.Remove(list.front().get()));
  ExpectHolds(list, {points[3], points[4], points[5], points[6], points[7]}, "front removals");
  EXPECT_EQ(list.PositionOf(points[0].get()), ZORFeatureList::npos);
  EXPECT_FALSE(list.Remove(points[0].get()));

  // An insertion lands before the feature at its position, holes or not.
  list.Insert(1, points[0]);
  list.Insert(0, points[1]);
  ExpectHolds(list, {points[1], points[3], points[0], points[4], points[5], points[6], points[7]},
              "insertions");
  ASSERT_TRUE(list.Remove(points[7].get()));
  ASSERT_TRUE(list.Remove(points[5].get()));
  list.push_back(points[2]);
  ExpectHolds(list, {points[1], points[3], points[0], points[4], points[6], points[2]}, "back");
  EXPECT_EQ(list.front().get(), points[1].get());
  EXPECT_EQ(list.back().get(), points[2].get());

  // A copy holds the same features in the same places, and lives on its own.
  const ZORFeatureList copy = list;
  ASSERT_TRUE(list.Remove(points[0].get()));
  ExpectHolds(copy, {points[1], points[3], points[0], points[4], points[6], points[2]}, "copy");
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.begin(), list.end());
}

TEST_F(FeatureList, TheListLetsGoOfAFeatureAsItRemovesIt) {
  std::vector<ZORFeature_var> points = Points(3);
  ZORFeatureList list;
  for (const auto& p : points) list.push_back(p);
  const ULONG held = points[0]->GetRefCount();
  ASSERT_TRUE(list.Remove(points[0].get()));  // a hole at the front
  EXPECT_EQ(points[0]->GetRefCount(), held - 1);
  ASSERT_TRUE(list.Remove(points[2].get()));  // the end
  EXPECT_EQ(points[2]->GetRefCount(), held - 1);
  EXPECT_EQ(points[1]->GetRefCount(), held);
}

// Random interleavings of every operation against a vector that does the same the simple way,
// on two lists at once that hold the same features in different places. Lists of one role both
// write their entries into the features, so that each finds entries the other wrote; copies and
// assignments leave entries written by a list that no longer holds them.
class FeatureListRoles : public FeatureList,
                         public ::testing::WithParamInterface<ZORFeatureList::Role> {};

TEST_P(FeatureListRoles, RandomInterleavingsMatchAPlainVector) {
  std::vector<ZORFeature_var> points = Points(300);
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    ZORFeatureList lists[2] = {ZORFeatureList(GetParam()), ZORFeatureList(GetParam())};
    std::vector<ZORFeature*> expected[2];
    std::vector<ZORFeature*> outside[2];
    for (auto& out : outside) {
      for (const auto& p : points) out.push_back(p.get());
    }
    for (int step = 0; step < 1200; ++step) {
      const int k = static_cast<int>(random() % 2);
      ZORFeatureList& list = lists[k];
      const unsigned op = random() % 9;
      if (op < 4 && !outside[k].empty()) {
        const std::size_t pick = random() % outside[k].size();
        ZORFeature* f = outside[k][pick];
        outside[k].erase(outside[k].begin() + static_cast<std::ptrdiff_t>(pick));
        const std::size_t at = op < 2 ? expected[k].size() : random() % (expected[k].size() + 1);
        list.Insert(at, f);
        expected[k].insert(expected[k].begin() + static_cast<std::ptrdiff_t>(at), f);
      } else if (op < 8 && !expected[k].empty()) {
        // Removals favour the front, the costly case for a plain vector.
        const std::size_t at = op < 6 ? 0 : random() % expected[k].size();
        ASSERT_TRUE(list.Remove(expected[k][at]));
        outside[k].push_back(expected[k][at]);
        expected[k].erase(expected[k].begin() + static_cast<std::ptrdiff_t>(at));
      } else if (op == 8) {
        // The list takes a copy of itself or of a list of another role: no holes, and entries
        // that the features do not know.
        if (random() % 2) {
          list = ZORFeatureList(list);
        } else {
          ZORFeatureList other(ZORFeatureList::Role::kOther);
          for (ZORFeature* f : expected[k]) other.push_back(f);
          list = std::move(other);
        }
      }
      if (step % 7 == 0) {
        const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(step);
        ExpectHolds(lists[0], expected[0], where + " first");
        ExpectHolds(lists[1], expected[1], where + " second");
        for (ZORFeature* f : outside[k]) {
          ASSERT_EQ(list.PositionOf(f), ZORFeatureList::npos) << where;
        }
      }
    }
    ExpectHolds(ZORFeatureList(lists[0]), expected[0], "copy of seed " + std::to_string(seed));
  }
}

INSTANTIATE_TEST_SUITE_P(EachRole, FeatureListRoles,
                         ::testing::Values(ZORFeatureList::Role::kOther,
                                           ZORFeatureList::Role::kChildren,
                                           ZORFeatureList::Role::kDocument));

}  // namespace
