#pragma once
// The local axis systems of a document's container: which one is current, the orthonormal axis
// of each, and conversions of points and vectors between an axis and absolute coordinates. An
// axis system is an "AxisSystem" feature holding its origin ("X", "Y", "Z") and two directions
// ("IX".."IZ", "JX".."JZ"); its axis is made orthonormal from them, and a degenerate one
// (a null first direction, a second along it) has none and cannot be made current. The editors
// of the document read their local axis system from here.

#include "ZORISpecObject.h"
#include "ZORMathAxis.h"

class ZORIMf3DAxisSystemManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMf3DAxisSystemManager)

  //! Conversion flags: from the axis to absolute coordinates, and from absolute to the axis.
  static constexpr int kToAbsolute = 0;
  static constexpr int kToLocal = 1;

  //! The current axis system; null when none, or when it left the document.
  virtual ZORISpecObject_var GetCurrentAxisSystem() = 0;
  //! Makes `system` current (null: none); E_FAIL,
  //! changing nothing, for a feature that is not an axis system of this document or is
  //! degenerate.
  virtual HRESULT SetCurrentAxisSystem(const ZORISpecObject_var& system) = 0;
  //! Whether the current axis system exists and is activated.
  virtual bool IsCurrentAxisSystemActive() = 0;
  //! The orthonormal axis of `system`; E_FAIL for another feature or a degenerate one.
  virtual HRESULT GetMathAxis(const ZORISpecObject_var& system, ZORMathAxis& axis) = 0;
  //! Converts a point (with the axis's origin) or a vector (without) by `flag`; E_FAIL for
  //! another flag or a value that is not finite, leaving `out`.
  virtual HRESULT ConvertPoint(const ZORMathAxis& axis, int flag, const double in[3],
                               double out[3]) = 0;
  virtual HRESULT ConvertVector(const ZORMathAxis& axis, int flag, const double in[3],
                                double out[3]) = 0;
};

ZOR_DEFINE_IID(ZORIMf3DAxisSystemManager);
using ZORIMf3DAxisSystemManager_var = ZORVar<ZORIMf3DAxisSystemManager>;
