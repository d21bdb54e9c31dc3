#pragma once
// Feature states, with their counts, come from one block pool: the states of features made in
// a row lie in a row, as the features do, and walks over many features read both in order.

#include <cstddef>

#include "ZORCopyOnWrite.h"
#include "ZORFeatureState.h"

// The pool behind ZORFeatureStateAllocator: blocks big enough for a state and its counts;
// larger requests go to the heap.
class ZORFeatureStateBlocks {
 public:
  static void* Allocate(std::size_t bytes);
  static void Free(void* block, std::size_t bytes);
};

template <class T>
struct ZORFeatureStateAllocator {
  using value_type = T;

  ZORFeatureStateAllocator() = default;
  template <class U>
  explicit(false) ZORFeatureStateAllocator(const ZORFeatureStateAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    return static_cast<T*>(ZORFeatureStateBlocks::Allocate(count * sizeof(T)));
  }
  void deallocate(T* block, std::size_t count) {
    ZORFeatureStateBlocks::Free(block, count * sizeof(T));
  }
  template <class U>
  bool operator==(const ZORFeatureStateAllocator<U>&) const {
    return true;
  }
};

// A feature's state as the feature and the undo marks share it.
using ZORSharedFeatureState =
    ZORCopyOnWrite<ZORFeatureState, ZORFeatureStateAllocator<ZORFeatureState>>;
