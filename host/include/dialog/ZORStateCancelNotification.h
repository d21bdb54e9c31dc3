#pragma once

#include "ZORNotification.h"

// Given to Cancel: type 1 when the user cancelled (the command's work is to be undone), 0 when
// the host ends the command for another reason.
class ZORStateCancelNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORStateCancelNotification, ZORNotification, ZORMetaObject::Implementation,
                    "System")

  static constexpr int kOther = 0;
  static constexpr int kUserCancel = 1;

  explicit ZORStateCancelNotification(int type = kUserCancel) : type_(type) {}
  int GetType() const { return type_; }

 private:
  int type_;
};
