#pragma once
// A feature is no longer to be shown.

#include "ZORModelEvent.h"

class ZORDelete : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORDelete, ZORModelEvent, ZORMetaObject::Implementation, "System")

  explicit ZORDelete(ZORBaseUnknown_var object) : ZORModelEvent(std::move(object)) {}
};
