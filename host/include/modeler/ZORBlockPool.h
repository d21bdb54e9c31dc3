#pragma once
// Blocks of one size for objects made and dropped by the ten thousand. The general heap puts
// each object wherever a block of its size was freed last, so a walk over objects made one
// after another jumps all over memory. This pool hands out blocks in one fixed order, chunk
// by chunk and in a row within each chunk, and always the first free one: objects made in a
// row lie in a row, whatever order earlier ones went in, and a walk over them reads memory
// forwards, which the processor fetches ahead.
//
// Blocks come in aligned chunks whose first block holds the chunk's free mask; chunks are kept
// once made, as the heap keeps what is freed.

#include <cstddef>
#include <cstdint>
#include <vector>

class ZORBlockPool {
 public:
  explicit ZORBlockPool(std::size_t blockSize);
  ~ZORBlockPool();
  ZORBlockPool(const ZORBlockPool&) = delete;
  ZORBlockPool& operator=(const ZORBlockPool&) = delete;

  std::size_t BlockSize() const { return blockSize_; }
  //! A block of BlockSize() bytes; throws std::bad_alloc when memory runs out.
  void* Allocate();
  //! Gives back a block that Allocate() handed out.
  void Free(void* block);
  //! `bytes` from a block when they fit in one, else from the heap (an object larger than the
  //! blocks, derived from the class they were sized for); given back with the same count.
  void* Allocate(std::size_t bytes);
  void Free(void* block, std::size_t bytes);

 private:
  struct Header;
  std::byte* NewChunk();
  void MarkNonFull(std::size_t chunk, bool nonFull);

  std::size_t blockSize_;
  std::size_t chunkBytes_;  // a power of two: a block finds its chunk by masking its address
  std::size_t blocksPerChunk_;
  std::vector<std::byte*> chunks_;
  std::vector<std::uint64_t> nonFull_;  // one bit per chunk with a free block
  std::size_t firstNonFullWord_ = 0;    // no word before it has a bit set
};
