#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ZORPointerMap.h"

namespace {

// Insertions and removals at random, read back against std::map, while the map grows through
// several capacities and empties again: removal shifting entries back must keep every key
// reachable, whatever chain of neighbours it breaks, and so must making room ahead.
template <std::size_t FirstCapacity>
void AgreesWithAnOrderedMap() {
  std::vector<int> cells(3000);
  ZORPointerMap<const int, int, FirstCapacity> map;
  std::map<const int*, int> expected;
  std::mt19937 random(7);
  for (int round = 0; round < 40000; ++round) {
    const bool growing = (round / 10000) % 2 == 0;
    // Room made ahead, as a list does before it indexes all its features, keeps what is there.
    if (round == 20000) map.Reserve(cells.size());
    const int* cell = &cells[random() % cells.size()];
    if (random() % 4 < (growing ? 3u : 1u)) {
      const auto [value, made] = map.TryEmplace(cell, round);
      const bool fresh = expected.emplace(cell, round).second;
      ASSERT_EQ(made, fresh);
      ASSERT_EQ(*value, expected.at(cell));
    } else {
      ASSERT_EQ(map.Erase(cell), expected.erase(cell) == 1);
    }
    ASSERT_EQ(map.Size(), expected.size());
    if (round % 997 != 0) continue;
    for (const int& c : cells) {
      const auto it = expected.find(&c);
      const int* found = map.Find(&c);
      ASSERT_EQ(found != nullptr, it != expected.end()) << "round " << round;
      if (found) {
        ASSERT_EQ(*found, it->second);
      }
    }
  }
  std::map<const int*, int> visited;
  map.ForEach([&](const int* key, int value) { visited.emplace(key, value); });
  EXPECT_EQ(visited, expected);
}

TEST(PointerMap, AgreesWithAnOrderedMapThroughGrowthAndRemovals) {
  AgreesWithAnOrderedMap<8>();
}

// A map that starts at two slots, full with one entry, grows from there the same way.
TEST(PointerMap, ASmallFirstArrayGrowsLikeTheDefault) {
  AgreesWithAnOrderedMap<2>();
  ZORPointerMap<const int, int, 2> pair;
  int a = 0;
  int b = 0;
  int c = 0;
  pair[&a] = 1;
  pair[&b] = 2;
  pair[&c] = 3;
  ASSERT_TRUE(pair.Erase(&b));
  EXPECT_EQ(*pair.Find(&a), 1);
  EXPECT_EQ(pair.Find(&b), nullptr);
  EXPECT_EQ(*pair.Find(&c), 3);
}

// Keys spaced like objects of one size made in a row, with a spacing that folds onto a few runs
// of slots under a multiplicative hash: the map changes how it places keys on the way, and every
// key stays reachable with its value, also in a map moved elsewhere.
TEST(PointerMap, EvenlySpacedKeysStayReachableThroughAChangeOfPlacement) {
  constexpr std::size_t kSpacing = 1104;
  constexpr std::size_t kCount = 10000;
  std::vector<char> arena(kSpacing * kCount);
  ZORPointerMap<const char, std::size_t> map;
  for (std::size_t i = 0; i < kCount; ++i) {
    const auto [value, made] = map.TryEmplace(&arena[i * kSpacing], i);
    ASSERT_TRUE(made);
    ASSERT_EQ(*value, i);
  }
  for (std::size_t i = 0; i < kCount; i += 3) ASSERT_TRUE(map.Erase(&arena[i * kSpacing]));
  ZORPointerMap<const char, std::size_t> moved(std::move(map));
  EXPECT_TRUE(map.Empty());
  for (std::size_t i = 0; i < kCount; ++i) {
    const std::size_t* value = moved.Find(&arena[i * kSpacing]);
    ASSERT_EQ(value == nullptr, i % 3 == 0) << i;
    if (value) {
      ASSERT_EQ(*value, i);
    }
  }
  ZORPointerMap<const char, std::size_t> assigned;
  assigned = std::move(moved);
  EXPECT_EQ(assigned.Size(), kCount - (kCount + 2) / 3);
  EXPECT_EQ(*assigned.Find(&arena[kSpacing]), 1u);
}

// Keys that crowd one run of slots: neighbouring addresses, removed from the front, the middle
// and the end of the run.
TEST(PointerMap, RemovalInsideARunKeepsTheRestReachable) {
  std::vector<char> bytes(64);
  ZORPointerMap<const char, std::string> map;
  for (char& b : bytes) map[&b] = std::string(1, static_cast<char>('a' + (&b - &bytes[0]) % 26));
  for (std::size_t i : {0u, 63u, 31u, 32u, 1u}) ASSERT_TRUE(map.Erase(&bytes[i]));
  EXPECT_FALSE(map.Erase(&bytes[31]));
  EXPECT_EQ(map.Size(), 59u);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool gone = i == 0 || i == 63 || i == 31 || i == 32 || i == 1;
    const std::string* value = map.Find(&bytes[i]);
    ASSERT_EQ(value == nullptr, gone) << i;
    if (value) {
      EXPECT_EQ(*value, std::string(1, static_cast<char>('a' + i % 26)));
    }
  }
}

TEST(PointerMap, RefusesNullMovesValuesAndStartsAfreshAfterClear) {
  ZORPointerMap<const int, std::unique_ptr<int>> map;
  EXPECT_EQ(map.TryEmplace(nullptr, std::make_unique<int>(1)).first, nullptr);
  EXPECT_EQ(map.Find(nullptr), nullptr);
  EXPECT_FALSE(map.Erase(nullptr));
  EXPECT_TRUE(map.Empty());
  int a = 0;
  int b = 0;
  map.TryEmplace(&a, std::make_unique<int>(5));
  // A second emplacement keeps the first value.
  const auto [value, made] = map.TryEmplace(&a, std::make_unique<int>(6));
  EXPECT_FALSE(made);
  EXPECT_EQ(**value, 5);
  ZORPointerMap<const int, std::unique_ptr<int>> moved(std::move(map));
  EXPECT_EQ(**moved.Find(&a), 5);
  EXPECT_EQ(map.Size(), 0u);  // NOLINT(bugprone-use-after-move): a moved-from map is empty
  EXPECT_EQ(map.Find(&a), nullptr);
  moved.Clear();
  EXPECT_FALSE(moved.Contains(&a));
  moved.TryEmplace(&b, std::make_unique<int>(7));
  EXPECT_EQ(**moved.Find(&b), 7);
}

}  // namespace
