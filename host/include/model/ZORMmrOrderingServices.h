#pragma once
// Which links between features the document's order allows.

#include "ZORVar.h"

class ZORMmrOrderingServices {
 public:
  //! Whether `from` may take `to` as an input: both features of one document, `to` in its tree,
  //! and `to` not built on `from` (the link would close a loop).
  static bool CheckLink(const ZORBaseUnknown_var& from, const ZORBaseUnknown_var& to);
};
