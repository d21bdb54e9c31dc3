#include "ZORNotification.h"

ZORNotification::~ZORNotification() {
  SendObject(nullptr);
}

void ZORNotification::SendObject(ZORBaseUnknown* object) {
  if (object) object->AddRef();
  if (sent_) sent_->Release();
  sent_ = object;
}
