#pragma once

#include "ZORTransaction.h"

class ZORCleaner {
 public:
  // The caller gives its reference on `object`; the host releases it at the end of the
  // current transaction.
  static void DeleteOnTransactionEnd(ZORBaseUnknown* object) {
    ZORTransaction::ReleaseAtEnd(object);
  }
};
