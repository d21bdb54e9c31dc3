#pragma once
// The law a surface feature carries along its support ("WENIntegratedLaw"): its law type, its
// start and end values (knowledge parameters of the document, made on first use), its inversion,
// the law feature it follows when advanced, and the support. Its evaluable law is made from
// these: the start value for a constant law, start to end for a linear or S-type one, the law
// feature's for an advanced one, read backwards when inverted. An implicit law runs through
// values given at points of its support: each point has its own parameter (a length), and the
// law reaches that value where the point lies along the support (its length from the support's
// start over the support's length), interpolated linearly or by a natural cubic spline. Law
// points are numbered from 1 in the order they were given.

#include "ZORICkeLaw.h"
#include "ZORICkeParm.h"
#include "ZORISpecObject.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORWENBasicLawType.h"

class ZORIWENIntegratedLaw : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENIntegratedLaw)

  //! Its evaluable law; null when none can be made (an advanced law without law feature).
  //! Inside a protected section a law feature in error raises its update error.
  virtual ZORLaw_var GetEvaluableLaw() = 0;
  //! The law type; ZORWENLinearLaw until one is given.
  virtual ZORWENBasicLawType GetLawType() = 0;
  //! E_FAIL, changing nothing, for a value outside the law types.
  virtual HRESULT SetLawType(ZORWENBasicLawType type) = 0;
  //! 1 when the law is read backwards.
  virtual int GetInversion() = 0;
  //! Reads the law backwards (1) or forwards (0).
  virtual HRESULT SetInversion(int inversion) = 0;
  //! The law feature followed by an advanced law; null when none.
  virtual ZORICkeLaw_var GetAdvancedLaw() = 0;
  //! Follows `law` (null: none); E_FAIL for a law of another document.
  virtual HRESULT SetAdvancedLaw(const ZORICkeLaw_var& law) = 0;
  //! The start and end values, made on first use (lengths, 0 mm); E_FAIL when they cannot be.
  virtual HRESULT GetLiterals(ZORICkeParm_var& start, ZORICkeParm_var& end) = 0;
  //! The interpolation of an implicit law: 1 linear, 2 cubic.
  virtual int GetInterpolationMode() = 0;
  //! E_FAIL, changing nothing, for a mode other than 1 and 2.
  virtual HRESULT SetInterpolationMode(int mode) = 0;
  //! The implicit law's points and, at the same positions, their parameters, by law point.
  virtual HRESULT GetImplicitLawPoints(ZORListValZORISpecObject_var& points,
                                       ZORListValZORISpecObject_var& parameters) = 0;
  //! Adds `point` as the next law point with a new parameter of `value` (mm); E_FAIL for a
  //! null point, one of another document, one already there, or beyond kMaxImplicitPoints.
  virtual HRESULT AddImplicitLawPoint(const ZORISpecObject_var& point, double value) = 0;
  //! Removes law point `index` (from 1) and its parameter; the later points move down one.
  //! E_FAIL for an index out of range.
  virtual HRESULT RemoveImplicitLawPoint(int index) = 0;
  //! How many points an implicit law holds at most.
  static constexpr int kMaxImplicitPoints = 32;
  //! The support along which the law runs; null when none.
  virtual ZORISpecObject_var GetSupport() = 0;
  //! Runs along `support` (null: none); E_FAIL for a feature of another document.
  virtual HRESULT SetSupport(const ZORISpecObject_var& support) = 0;
};

ZOR_DEFINE_IID(ZORIWENIntegratedLaw);
using ZORIWENIntegratedLaw_var = ZORVar<ZORIWENIntegratedLaw>;
