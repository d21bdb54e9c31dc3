#pragma once
//! \class ZORIWENDefaultPositioner
//! What places a profile by its position transformation: the axes of the initial (index 0) and
//! target (index 1) systems, and the profile's points moved by
//! target * Rot(AnglePos) * Trans(XPos, YPos) * initial^-1.

#include <vector>

#include "ZORBaseUnknown.h"
#include "ZORMathAxis.h"
#include "ZORVar.h"

class ZORIWENDefaultPositioner : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENDefaultPositioner)

  //! The axis of the initial (0) or target (1) system; E_FAIL for another index or without a
  //! planar profile.
  virtual HRESULT GetAxisSystem(int index, ZORMathAxis& axis) = 0;
  //! `point` moved from the initial system to the target one; E_FAIL as GetAxisSystem.
  virtual HRESULT Position(const ZORMathPoint& point, ZORMathPoint& moved) = 0;
  //! The profile's vertices, moved; E_FAIL as GetAxisSystem.
  virtual HRESULT GetPositionedPoints(std::vector<ZORMathPoint>& points) = 0;
};
ZOR_DEFINE_IID(ZORIWENDefaultPositioner);
using ZORIWENDefaultPositioner_var = ZORVar<ZORIWENDefaultPositioner>;
