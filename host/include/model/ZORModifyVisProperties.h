#pragma once
// A visual property of a feature changed; carries the path shown and the values written.

#include "ZORModelEvent.h"
#include "ZORPathElement.h"
#include "ZORVisPropertiesValues.h"
#include "ZORVisPropertyType.h"

class ZORModifyVisProperties : public ZORModelEvent {
  ZOR_DECLARE_CLASS(ZORModifyVisProperties, ZORModelEvent, ZORMetaObject::Implementation, "System")

  ZORModifyVisProperties(ZORBaseUnknown_var object, ZORPathElement path, int flag,
                         ZORVisPropertyType type, const ZORVisPropertiesValues& values)
      : ZORModelEvent(std::move(object)),
        path_(std::move(path)),
        flag_(flag),
        type_(type),
        values_(values) {}

  const ZORPathElement& GetPath() const { return path_; }
  int GetFlag() const { return flag_; }
  ZORVisPropertyType GetPropertyType() const { return type_; }
  const ZORVisPropertiesValues& GetValues() const { return values_; }

 protected:
  std::string Details() const override;

 private:
  ZORPathElement path_;
  int flag_;
  ZORVisPropertyType type_;
  ZORVisPropertiesValues values_;
};
