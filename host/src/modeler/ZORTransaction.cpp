#include "ZORTransaction.h"

#include <utility>
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
  while (!Pending().empty()) {
    std::vector<ZORBaseUnknown*> batch = std::exchange(Pending(), {});
    for (ZORBaseUnknown* object : batch) object->Release();
  }
}

std::size_t ZORTransaction::PendingCount() {
  return Pending().size();
}
