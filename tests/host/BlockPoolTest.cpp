#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "ZORBlockPool.h"

namespace {

std::uintptr_t Address(const void* block) {
  return reinterpret_cast<std::uintptr_t>(block);
}

// Blocks handed out in a row lie in a row, aligned and apart by the block size, across chunks.
TEST(BlockPool, HandsOutAlignedBlocksInARowAndRoundsTheirSize) {
  ZORBlockPool pool(100);
  EXPECT_EQ(pool.BlockSize(), 112u);  // a multiple of the strictest alignment
  std::vector<void*> blocks;
  blocks.reserve(200);
  for (int i = 0; i < 200; ++i) blocks.push_back(pool.Allocate());
  int inARow = 0;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(Address(blocks[i]) % alignof(std::max_align_t), 0u);
    std::memset(blocks[i], 0xAB, pool.BlockSize());  // the whole block is the caller's
    if (i > 0 && Address(blocks[i]) == Address(blocks[i - 1]) + pool.BlockSize()) ++inARow;
  }
  // Only the step from one chunk to the next may break the row.
  EXPECT_GE(inARow, 190);
  for (void* block : blocks) pool.Free(block);
}

// A count that fits takes a block of the pool; a larger one (an object derived from the class
// the blocks were sized for) comes whole from the heap, and each goes back where it came from.
TEST(BlockPool, ACountLargerThanABlockComesFromTheHeap) {
  ZORBlockPool pool(64);
  void* first = pool.Allocate(40);
  const std::size_t bigBytes = 4 * pool.BlockSize();
  void* big = pool.Allocate(bigBytes);
  std::memset(big, 0xCD, bigBytes);  // the whole count is the caller's
  void* second = pool.Allocate(pool.BlockSize());
  // The large count took no block: the pool's blocks still follow one another.
  EXPECT_EQ(Address(second), Address(first) + pool.BlockSize());
  pool.Free(big, bigBytes);
  pool.Free(first, 40);
  EXPECT_EQ(pool.Allocate(), first);  // back in the pool, and the first free block again
  pool.Free(first);
  pool.Free(second, pool.BlockSize());
}

// Whatever order blocks are given back in, the next ones come in the order the blocks were
// first handed out (chunk by chunk, in a row within each), and a block is never handed out
// twice while it is out.
TEST(BlockPool, ReusesFreedBlocksInTheirFirstOrder) {
  ZORBlockPool pool(512);
  std::vector<void*> blocks;
  blocks.reserve(500);
  for (int i = 0; i < 500; ++i) blocks.push_back(pool.Allocate());
  std::vector<void*> freed(blocks.begin() + 100, blocks.begin() + 400);
  std::vector<void*> shuffled = freed;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(3));
  for (void* block : shuffled) pool.Free(block);

  for (void* expected : freed) EXPECT_EQ(pool.Allocate(), expected);
  // Every block is out again: the next one is new.
  void* next = pool.Allocate();
  EXPECT_EQ(std::count(blocks.begin(), blocks.end(), next), 0);
  pool.Free(next);
  for (void* block : blocks) pool.Free(block);
}

// Allocations and frees at random against the set of blocks out: no block twice, none lost,
// and the first free block in the order of first hand-out always comes next.
TEST(BlockPool, AgreesWithTheBlocksOutUnderRandomUse) {
  ZORBlockPool pool(48);
  std::map<void*, int> firstRank;  // every block seen, with its rank of first hand-out
  std::set<int> freeRanks;
  std::set<void*> out;
  std::vector<void*> order;
  std::mt19937 random(11);
  for (int round = 0; round < 20000; ++round) {
    if (order.empty() || random() % 3 != 0) {
      void* block = pool.Allocate();
      ASSERT_TRUE(out.insert(block).second) << "handed out twice";
      const auto [seen, fresh] = firstRank.try_emplace(block, static_cast<int>(firstRank.size()));
      if (!fresh) {
        ASSERT_FALSE(freeRanks.empty()) << "a block reused while none was free";
        ASSERT_EQ(seen->second, *freeRanks.begin()) << "not the first free block";
        freeRanks.erase(freeRanks.begin());
      } else {
        ASSERT_TRUE(freeRanks.empty()) << "a new block while an old one was free";
      }
      order.push_back(block);
    } else {
      const std::size_t at = random() % order.size();
      pool.Free(order[at]);
      out.erase(order[at]);
      freeRanks.insert(firstRank.at(order[at]));
      order[at] = order.back();
      order.pop_back();
    }
  }
  for (void* block : order) pool.Free(block);
}

}  // namespace
