#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "ZORBitSet.h"

namespace {

std::vector<std::size_t> Members(const ZORBitSet& set) {
  std::vector<std::size_t> members;
  set.ForEach([&](std::size_t member) { members.push_back(member); });
  return members;
}

// Random insertions and removals over several words, read back in order against a std::set.
TEST(BitSet, MembersComeBackAscendingAcrossWords) {
  ZORBitSet set;
  std::set<std::size_t> expected;
  std::mt19937 random(11);
  for (int step = 0; step < 2000; ++step) {
    const std::size_t member = random() % 300;
    if (random() % 3 == 0) {
      EXPECT_EQ(set.Erase(member), expected.erase(member) == 1);
    } else {
      EXPECT_EQ(set.Insert(member), expected.insert(member).second);
    }
  }
  EXPECT_EQ(set.Size(), expected.size());
  EXPECT_EQ(Members(set), std::vector<std::size_t>(expected.begin(), expected.end()));
  for (std::size_t member : {0UL, 63UL, 64UL, 299UL, 5000UL}) {
    EXPECT_EQ(set.Contains(member), expected.count(member) == 1) << member;
  }
  EXPECT_FALSE(set.Erase(5000));  // beyond the words held: not there, nothing grows
  set.Clear();
  EXPECT_EQ(set.Size(), 0U);
  EXPECT_TRUE(Members(set).empty());
}

TEST(BitSet, AWalkStopsWhenTheVisitorSaysSo) {
  ZORBitSet set;
  for (std::size_t member : {1UL, 64UL, 65UL, 200UL}) set.Insert(member);
  std::vector<std::size_t> seen;
  set.ForEachWhile([&](std::size_t member) {
    seen.push_back(member);
    return seen.size() < 3;
  });
  EXPECT_EQ(seen, (std::vector<std::size_t>{1, 64, 65}));
}

}  // namespace
