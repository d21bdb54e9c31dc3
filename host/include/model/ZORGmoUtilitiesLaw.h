#pragma once
// Services on laws: the evaluable law of a law type and its values, and texts of values in
// the current units.

#include "ZORGeoFactory.h"
#include "ZORICkeLaw.h"
#include "ZORICkeParm.h"
#include "ZORUnicodeString.h"
#include "ZORWENBasicLawType.h"

class ZORGmoUtilitiesLaw {
 public:
  //! The law of `type`: the start value (constant), start to end (linear, S-type), the law
  //! feature's (advanced), read backwards when `inversion` is set. Null when the values or the
  //! law feature are missing and for an implicit law, whose points only its feature knows.
  //! Inside a protected section a law feature in error raises its update error. The host's
  //! laws are analytic: `factory` may be null.
  static ZORLaw_var ComputeZORLaw(ZORGeoFactory* factory, const ZORICkeLaw_var& law,
                                  ZORWENBasicLawType type, const ZORICkeParm_var& start,
                                  const ZORICkeParm_var& end, int inversion);
  //! `value` (mm) as the current length unit shows it, to six decimals ("11.5625mm").
  static ZORUnicodeString GetLengthInCurrentUnit(double value);
  //! `value` (deg) as the current angle unit shows it, to six decimals ("30deg").
  static ZORUnicodeString GetAngleInCurrentUnit(double value);
};
