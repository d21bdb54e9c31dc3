#pragma once
// Services on laws: the evaluable law of a law type and its values, and texts of values in
// the current units.

#include <vector>

#include "ZORGeoFactory.h"
#include "ZORICkeLaw.h"
#include "ZORICkeParm.h"
#include "ZORIWENIntegratedLaw.h"
#include "ZORRawColl.h"
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
  //! Where each law point of `law` lies along its support, from 0 (start) to 1 (end), by law
  //! point; E_FAIL without a support wire of some length or for a point without a vertex.
  //! Inside a protected section a support or point in error raises its update error.
  static HRESULT GetImplicitLawPositions(const ZORIWENIntegratedLaw_var& law,
                                         std::vector<double>& positions);
  //! For each row of a list showing `law`'s points along its support, the law point (from 1)
  //! it shows: law points ordered by position, equal positions in law point order. Law point
  //! order when the positions are not known; E_FAIL, emptying `mapping`, without law.
  static HRESULT GetImplicitLawMappingList(const ZORIWENIntegratedLaw_var& law,
                                           ZORRawCollint& mapping);
  //! Reorders `list` (by law point) so that position r holds the entry `mapping` gives for row
  //! r; E_FAIL, changing nothing, when `mapping` is not a permutation of 1..size.
  static HRESULT SortAccordingToMappingList(ZORListValZORISpecObject_var& list,
                                            const ZORRawCollint& mapping);
  //! `value` (mm) as the current length unit shows it, to six decimals ("11.5625mm").
  static ZORUnicodeString GetLengthInCurrentUnit(double value);
  //! `value` (deg) as the current angle unit shows it, to six decimals ("30deg").
  static ZORUnicodeString GetAngleInCurrentUnit(double value);
};
