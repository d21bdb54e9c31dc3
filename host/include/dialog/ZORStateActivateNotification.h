#pragma once

#include "ZORNotification.h"

// Given to Activate: type 0 on a command's first activation, 1 when it resumes.
class ZORStateActivateNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORStateActivateNotification, ZORNotification, ZORMetaObject::Implementation,
                    "System")

  static constexpr int kFirstActivation = 0;
  static constexpr int kResume = 1;

  explicit ZORStateActivateNotification(int type = kFirstActivation) : type_(type) {}
  int GetType() const { return type_; }

 private:
  int type_;
};
