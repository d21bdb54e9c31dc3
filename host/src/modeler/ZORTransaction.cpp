#include "ZORTransaction.h"

#include <vector>

#include "ZORBaseUnknown.h"

namespace {

std::vector<ZORBaseUnknown*>& Pending() {
  static std::vector<ZORBaseUnknown*> pending;
  return pending;
}

}  // namespace

void ZORTransaction::ReleaseAtEnd(ZORBaseUnknown* object) {
  if (object) Pending().push_back(object);
}

void ZORTransaction::End() {
  // A release may hand over more objects; keep going until nothing is left.
  std::vector<ZORBaseUnknown*> batch;
  while (!Pending().empty()) {
    batch.clear();
    batch.swap(Pending());
    for (ZORBaseUnknown* object : batch) object->Release();
  }
  // The list keeps its room for the next transaction: growing it again, and freeing a large
  // block, each sweep the allocator's caches of the objects just released.
  if (batch.capacity() > Pending().capacity()) {
    batch.clear();
    batch.swap(Pending());
  }
}

std::size_t ZORTransaction::PendingCount() {
  return Pending().size();
}
