#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ZORIndexedPointers.h"

namespace {

// Adds and removals at random, read back against a plain vector, while the list grows past the
// length where it takes an index and shrinks back under it.
TEST(IndexedPointers, KeepsOrderAndMembershipAcrossGrowthAndShrinking) {
  std::vector<int> cells(200);
  ZORIndexedPointers<int> list;
  std::vector<int*> expected;
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    // Grows for a while, then mostly shrinks, twice over.
    const bool growing = (round / 500) % 2 == 0;
    int* cell = &cells[random() % cells.size()];
    const bool there = std::find(expected.begin(), expected.end(), cell) != expected.end();
    if (random() % 4 < (growing ? 3u : 1u)) {
      list.Add(cell);
      if (!there) expected.push_back(cell);
    } else {
      ASSERT_EQ(list.Remove(cell), there);
      std::erase(expected, cell);
    }
    ASSERT_EQ(list.Size(), expected.size());
    ASSERT_EQ(list.Contains(cell),
              std::find(expected.begin(), expected.end(), cell) != expected.end());
    if (round % 37 == 0) {
      ASSERT_EQ(list.Items(), expected) << "round " << round;
    }
  }
  EXPECT_EQ(list.TakeAll(), expected);
  EXPECT_EQ(list.Size(), 0u);
  EXPECT_FALSE(list.Contains(expected.empty() ? &cells[0] : expected.front()));
}

TEST(IndexedPointers, IgnoresNullAndRepeatsAndStartsAfreshAfterTakeAll) {
  int a = 0;
  int b = 0;
  ZORIndexedPointers<int> list;
  list.Add(nullptr);
  list.Add(&a);
  list.Add(&a);
  EXPECT_EQ(list.Size(), 1u);
  EXPECT_FALSE(list.Remove(nullptr));
  EXPECT_FALSE(list.Remove(&b));
  std::vector<int> many(40);
  for (int& cell : many) list.Add(&cell);
  EXPECT_EQ(list.TakeAll().size(), 41u);
  list.Add(&b);
  EXPECT_EQ(list.Items(), std::vector<int*>{&b});
  EXPECT_TRUE(list.Remove(&b));
  EXPECT_TRUE(list.Items().empty());
}

}  // namespace
