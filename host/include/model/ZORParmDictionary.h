#pragma once
// Where parameter factories are found: the volatile one, and the one of a container's
// document.

#include <optional>

#include "ZORBaseUnknown.h"
#include "ZORCkeParmFactory.h"

class ZORParmDictionary {
 public:
  //! The factory of parameters that belong to no document.
  static ZORCkeParmFactory* GetVolatileFactory();
  //! The factory of the document of `container` (any feature of it); none for another object.
  static std::optional<ZORCkeParmFactory> GetFactory(ZORBaseUnknown* container);
};
