#pragma once
// The constraints (dimensions) of a feature's implementation object are to be hidden.

#include "ZORModelEvent.h"

class ZORMuiRemoveConstraint : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORMuiRemoveConstraint, ZORModelEvent, ZORMetaObject::Implementation, "System")

  explicit ZORMuiRemoveConstraint(ZORBaseUnknown_var implementation)
      : ZORModelEvent(std::move(implementation)) {}
};
