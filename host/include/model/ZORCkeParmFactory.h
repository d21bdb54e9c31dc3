#pragma once
// Makes knowledge parameters: in a document (a feature of the document, undone with it) or,
// for the volatile factory, in none. A magnitude the type dictionary does not know, or an
// empty name, makes nothing.

#include "ZORICkeParm.h"

class ZORDocument;

class ZORCkeParmFactory {
 public:
  //! A factory making parameters in `document`; null makes volatile ones.
  explicit ZORCkeParmFactory(ZORDocument* document) : document_(document) {}

  //! A literal parameter of magnitude `magnitude` ("Longueur", "Angle", "Real"), value 0.
  ZORICkeParm_var InstanciateLitteral(const ZORString& magnitude, const ZORUnicodeString& name);
  //! A length parameter (mm).
  ZORICkeParm_var CreateLength(const ZORUnicodeString& name, double value);
  //! An angle parameter (degrees).
  ZORICkeParm_var CreateAngle(const ZORUnicodeString& name, double value);
  //! A real parameter without unit (vector components).
  ZORICkeParm_var CreateReal(const ZORUnicodeString& name, double value);

 private:
  ZORICkeParm_var Create(const ZORString& magnitude, const ZORUnicodeString& name, double value);

  ZORDocument* document_;
};
