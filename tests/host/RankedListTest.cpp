#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ZORRankedList.h"

namespace {

std::vector<int> Listed(const ZORRankedList<int>& list) {
  std::vector<int> out;
  list.ForEach([&](int value) { out.push_back(value); });
  return out;
}

// Removals one or several at a time, appends and inserts, read back against a plain vector well
// past the points where the holes are dropped; positions and entries stay each other's inverse.
TEST(RankedList, ElementsLeaveAndArriveAnywhereAndTheOthersKeepTheirOrder) {
  std::vector<int> expected(500);
  for (int i = 0; i < 500; ++i) expected[static_cast<std::size_t>(i)] = i;
  ZORRankedList<int> list(expected);
  std::mt19937 random(7);
  int next = 500;
  for (int round = 0; round < 700 && !expected.empty(); ++round) {
    const auto size = static_cast<unsigned>(expected.size());
    std::vector<int> removed{static_cast<int>(random() % size), static_cast<int>(random() % size)};
    list.Remove(removed);
    std::sort(removed.begin(), removed.end());
    removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
    for (auto it = removed.rbegin(); it != removed.rend(); ++it)
      expected.erase(expected.begin() + *it);
    if (round % 5 == 0) {
      list.Append(next);
      expected.push_back(next++);
    }
    if (round % 50 == 0) {
      const int at = static_cast<int>(random() % (expected.size() + 1));
      list.Insert(at, next);
      expected.insert(expected.begin() + at, next++);
    }
    ASSERT_EQ(list.Size(), static_cast<int>(expected.size()));
    for (int position = 0; position < list.Size(); ++position) {
      ASSERT_EQ(list[position], expected[static_cast<std::size_t>(position)]);
      ASSERT_EQ(list.PositionOf(list.EntryOf(position)), position);
    }
  }
  EXPECT_EQ(Listed(list), expected);
}

TEST(RankedList, RemoveIgnoresBadPositionsAndTellsWhenEntriesAreRenumbered) {
  ZORRankedList<int> list(std::vector<int>(200, 1));
  EXPECT_FALSE(list.Remove({-1, 200, 5, 5}));
  EXPECT_EQ(list.Size(), 199);
  // An entry is stable until a removal says otherwise.
  list[150] = 7;
  const auto entry = list.EntryOf(150);
  std::vector<int> front(120);
  for (int i = 0; i < 120; ++i) front[static_cast<std::size_t>(i)] = i;
  EXPECT_TRUE(list.Remove(front));
  EXPECT_EQ(list.Size(), 79);
  EXPECT_NE(list.EntryOf(30), entry);
  EXPECT_EQ(list[30], 7);
  EXPECT_TRUE(list.Insert(0, 9));
  EXPECT_FALSE(list.Insert(80, 3));
  EXPECT_EQ(list[0], 9);
  EXPECT_EQ(list[80], 3);
  list.Clear();
  EXPECT_TRUE(list.IsEmpty());
  list.Append(4);
  EXPECT_EQ(Listed(list), std::vector<int>{4});
}

}  // namespace
