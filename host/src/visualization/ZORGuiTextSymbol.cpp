#include "ZORGuiTextSymbol.h"

#include <memory>

#include "ZOR3DCustomRep.h"
#include "ZORGuiTextSymbolGP.h"

ZORGuiTextSymbol::ZORGuiTextSymbol(const ZORUnicodeString& text, const ZORMathPoint& at, int color,
                                   ZORBaseUnknown* refersTo)
    : text_(text), refersTo_(refersTo) {
  auto rep = ZORMake<ZOR3DCustomRep>();
  auto gp =
      std::make_unique<ZORGuiTextSymbolGP>(ZORMathPointf(at), ZORMathVectorf(1.0f, 0.0f, 0.0f));
  gp->AssociateText(text);
  rep->AddGP(std::move(gp), ZORGraphicAttributeSet(color));
  SetRep(rep.get());
}
