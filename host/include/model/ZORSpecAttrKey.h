#pragma once
// The key of an attribute of a feature: its name, kind code and quality. Keys are not changed
// once made, so undo snapshots share them.

#include <string>

#include "ZORVar.h"

class ZORSpecAttrKey : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORSpecAttrKey, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORSpecAttrKey(std::string name, int kind, int quality)
      : name_(std::move(name)), kind_(kind), quality_(quality) {}

  const std::string& GetName() const { return name_; }
  int GetKind() const { return kind_; }
  int GetQuality() const { return quality_; }

 private:
  std::string name_;
  int kind_;
  int quality_;
};

using ZORSpecAttrKey_var = ZORVar<ZORSpecAttrKey>;
