#include "ZORBlockPool.h"

#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <new>

struct ZORBlockPool::Header {
  std::uint64_t freeMask;  // bit i: block i + 1 is free (block 0 is this header)
  std::size_t index;       // in chunks_
};

namespace {
constexpr std::size_t kMostBlocksPerChunk = 63;  // one mask word; block 0 is the header
constexpr std::size_t kAlignment = alignof(std::max_align_t);
}  // namespace

ZORBlockPool::ZORBlockPool(std::size_t blockSize)
    : blockSize_((std::max(blockSize, sizeof(Header)) + kAlignment - 1) / kAlignment * kAlignment),
      chunkBytes_(std::bit_ceil(blockSize_ * (kMostBlocksPerChunk + 1))),
      blocksPerChunk_(std::min(kMostBlocksPerChunk, chunkBytes_ / blockSize_ - 1)) {}

ZORBlockPool::~ZORBlockPool() {
  for (std::byte* chunk : chunks_) {
    ASAN_UNPOISON_MEMORY_REGION(chunk, chunkBytes_);
    std::free(chunk);
  }
}

void* ZORBlockPool::Allocate() {
  while (firstNonFullWord_ < nonFull_.size() && nonFull_[firstNonFullWord_] == 0) {
    ++firstNonFullWord_;
  }
  std::byte* chunk = nullptr;
  if (firstNonFullWord_ < nonFull_.size()) {
    const std::size_t index =
        firstNonFullWord_ * 64 +
        static_cast<std::size_t>(std::countr_zero(nonFull_[firstNonFullWord_]));
    chunk = chunks_[index];
  } else {
    chunk = NewChunk();
  }
  auto& header = *reinterpret_cast<Header*>(chunk);
  const int bit = std::countr_zero(header.freeMask);
  header.freeMask &= header.freeMask - 1;
  if (header.freeMask == 0) MarkNonFull(header.index, false);
  std::byte* block = chunk + (static_cast<std::size_t>(bit) + 1) * blockSize_;
  ASAN_UNPOISON_MEMORY_REGION(block, blockSize_);
  return block;
}

void ZORBlockPool::Free(void* block) {
  if (!block) return;
  // Chunks are aligned to their size: the offset into the chunk is the address's low bits.
  const auto offset = reinterpret_cast<std::uintptr_t>(block) & (chunkBytes_ - 1);
  auto& header = *reinterpret_cast<Header*>(static_cast<std::byte*>(block) - offset);
  if (header.freeMask == 0) MarkNonFull(header.index, true);
  header.freeMask |= std::uint64_t{1} << (offset / blockSize_ - 1);
  // A block in the pool is nobody's: the address sanitizer reports whoever still reads it.
  ASAN_POISON_MEMORY_REGION(block, blockSize_);
}

void* ZORBlockPool::Allocate(std::size_t bytes) {
  return bytes <= blockSize_ ? Allocate() : ::operator new(bytes);
}

void ZORBlockPool::Free(void* block, std::size_t bytes) {
  if (bytes <= blockSize_) {
    Free(block);
  } else {
    ::operator delete(block);
  }
}

std::byte* ZORBlockPool::NewChunk() {
  auto* chunk = static_cast<std::byte*>(std::aligned_alloc(chunkBytes_, chunkBytes_));
  if (!chunk) throw std::bad_alloc();
  const std::size_t index = chunks_.size();
  chunks_.push_back(chunk);
  if (nonFull_.size() * 64 < chunks_.size()) nonFull_.push_back(0);
  auto* header = new (chunk) Header{};
  header->freeMask = (std::uint64_t{1} << blocksPerChunk_) - 1;
  header->index = index;
  ASAN_POISON_MEMORY_REGION(chunk + blockSize_, blocksPerChunk_ * blockSize_);
  MarkNonFull(index, true);
  return chunk;
}

void ZORBlockPool::MarkNonFull(std::size_t chunk, bool nonFull) {
  const std::size_t word = chunk / 64;
  const std::uint64_t bit = std::uint64_t{1} << (chunk % 64);
  if (nonFull) {
    nonFull_[word] |= bit;
    firstNonFullWord_ = std::min(firstNonFullWord_, word);
  } else {
    nonFull_[word] &= ~bit;
  }
}
