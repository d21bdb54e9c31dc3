#pragma once
// A temporary 3D label: a text at a point in a colour, carried into the interactive set like
// any other temporary drawing. It may name what it refers to (the element it labels), which it
// holds.

#include "ZORMathPoint.h"
#include "ZORSt3DISO.h"
#include "ZORUnicodeString.h"

class ZORGuiTextSymbol : public ZORSt3DISO {
  ZOR_DECLARE_CLASS(ZORGuiTextSymbol, ZORSt3DISO, ZORMetaObject::Implementation, "Visualization")

  ZORGuiTextSymbol(const ZORUnicodeString& text, const ZORMathPoint& at, int color,
                   ZORBaseUnknown* refersTo = nullptr);

  const ZORUnicodeString& GetText() const { return text_; }
  ZORBaseUnknown* GetReferredObject() const { return refersTo_.get(); }

 private:
  ZORUnicodeString text_;
  ZORBaseUnknown_var refersTo_;
};
