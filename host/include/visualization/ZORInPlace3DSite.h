#pragma once
// An object edited in place inside another one (a part shown in its assembly): the editor's
// view shows it through the site's transformation, which maps the site's own coordinates to
// the view's. What a command draws in the site's coordinates goes through that map.

#include "ZORMathTransformation.h"
#include "ZORVar.h"

class ZORInPlace3DSite : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORInPlace3DSite, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "Visualization")

  ZORInPlace3DSite() = default;
  explicit ZORInPlace3DSite(const ZORMathTransformation& t) : transformation_(t) {}

  const ZORMathTransformation& GetTransformation() const { return transformation_; }
  void SetTransformation(const ZORMathTransformation& t) { transformation_ = t; }

 private:
  ZORMathTransformation transformation_;
};

using ZORInPlace3DSite_var = ZORVar<ZORInPlace3DSite>;
