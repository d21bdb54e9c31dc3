#pragma once
// The constraints (dimensions) of a feature's implementation object are to be shown.

#include "ZORModelEvent.h"

class ZORMuiAppendConstraint : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORMuiAppendConstraint, ZORModelEvent, ZORMetaObject::Implementation, "System")

  explicit ZORMuiAppendConstraint(ZORBaseUnknown_var implementation)
      : ZORModelEvent(std::move(implementation)) {}
};
