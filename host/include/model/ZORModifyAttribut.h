#pragma once
// A graphic attribute of a feature (its colour) changed.

#include "ZORModelEvent.h"
#include "ZORPathElement.h"

class ZORModifyAttribut : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORModifyAttribut, ZORModelEvent, ZORMetaObject::Implementation, "System")

  ZORModifyAttribut(ZORBaseUnknown_var object, const ZORMetaObject* attributeClass,
                    ZORPathElement path = ZORPathElement())
      : ZORModelEvent(std::move(object)), attributeClass_(attributeClass), path_(std::move(path)) {}

  const ZORMetaObject* GetAttributeClass() const { return attributeClass_; }
  const ZORPathElement& GetPath() const { return path_; }

 protected:
  std::string Details() const override {
    return std::string("attr=") + (attributeClass_ ? attributeClass_->ClassName() : "null") +
           " path=" + path_.Describe();
  }

 private:
  const ZORMetaObject* attributeClass_;
  ZORPathElement path_;
};
