#pragma once
// The base of every notification. A notification class carries at most a few values; senders
// usually create one instance and send it again and again.

#include "ZORBaseUnknown.h"

class ZORNotification : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORNotification, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORNotification() = default;
  ~ZORNotification() override;

  // An object sent along with the notification (a picked path, an eye segment ...), held by
  // reference until the notification goes or another object is sent.
  void SendObject(ZORBaseUnknown* object);
  ZORBaseUnknown* GetSentObject() const { return sent_; }

 private:
  ZORBaseUnknown* sent_ = nullptr;
};
