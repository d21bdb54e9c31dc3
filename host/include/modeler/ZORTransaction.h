#pragma once
// The host ends a transaction after each user event it dispatches; objects handed over for
// deletion during the event are released then, after every notification has been delivered.

#include <cstddef>

class ZORBaseUnknown;

class ZORTransaction {
 public:
  // Takes over one reference of `object`, released when the current transaction ends.
  static void ReleaseAtEnd(ZORBaseUnknown* object);
  // Releases what was handed over, including what those releases hand over in turn.
  static void End();
  static std::size_t PendingCount();
};
