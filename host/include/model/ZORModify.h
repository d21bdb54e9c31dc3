#pragma once
// A feature changed: its representation is to be rebuilt.

#include "ZORModelEvent.h"

class ZORModify : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORModify, ZORModelEvent, ZORMetaObject::Implementation, "System")

  // `attributeClass` names what changed (ZORBaseUnknown::MetaObject() for "anything").
  ZORModify(ZORBaseUnknown_var object, const ZORMetaObject* attributeClass, int flag)
      : ZORModelEvent(std::move(object)), attributeClass_(attributeClass), flag_(flag) {}

  const ZORMetaObject* GetAttributeClass() const { return attributeClass_; }
  int GetFlag() const { return flag_; }

 protected:
  std::string Details() const override {
    return std::string("attr=") + (attributeClass_ ? attributeClass_->ClassName() : "null") + " " +
           std::to_string(flag_);
  }

 private:
  const ZORMetaObject* attributeClass_;
  int flag_;
};
