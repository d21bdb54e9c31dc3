#pragma once
// A feature was created under `father` and is to be shown for the first time.

#include "ZORModelEvent.h"

class ZORCreate : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORCreate, ZORModelEvent, ZORMetaObject::Implementation, "System")

  ZORCreate(ZORBaseUnknown_var object, ZORBaseUnknown_var father, int flag)
      : ZORModelEvent(std::move(object)), father_(std::move(father)), flag_(flag) {}

  const ZORBaseUnknown_var& GetFather() const { return father_; }
  int GetFlag() const { return flag_; }

 protected:
  std::string Details() const override {
    return "father=" + NameOf(father_) + " " + std::to_string(flag_);
  }

 private:
  ZORBaseUnknown_var father_;
  int flag_;
};
