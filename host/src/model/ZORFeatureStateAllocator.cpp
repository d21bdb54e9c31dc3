#include "ZORFeatureStateAllocator.h"

#include "ZORBlockPool.h"
#include "ZORFeature.h"  // the state holds features by value

namespace {

// Room for the state and the counts kept beside it.
constexpr std::size_t kBlockBytes = sizeof(ZORFeatureState) + 4 * sizeof(void*);

ZORBlockPool& Pool() {
  // Never destroyed: a state may still be let go of while the program ends.
  static auto* pool = new ZORBlockPool(kBlockBytes);
  return *pool;
}

}  // namespace

void* ZORFeatureStateBlocks::Allocate(std::size_t bytes) {
  return Pool().Allocate(bytes);
}

void ZORFeatureStateBlocks::Free(void* block, std::size_t bytes) {
  Pool().Free(block, bytes);
}
