#pragma once
//! \class ZORIWENPositionTransfo
//! The position transformation of a planar element (a profile): an initial axis system (system
//! 1) and a target one (system 2), each given by an origin point and a direction element (a line
//! or a plane), with a displacement "XPos", "YPos" and a rotation "AnglePos" (degrees) applied
//! in the target system. It keeps per system whether its origin is a picked point (the boolean
//! parameter true) or coordinates, and which of its axes are reversed. Mode 0 means the element
//! is not positioned; 1 and 2 are the two ways of giving the systems.
//!
//! Systems are numbered 1 and 2; another number is refused with E_FAIL (null for a getter).

#include "ZORICkeParm.h"
#include "ZORISpecObject.h"
#include "ZORMathAxis.h"
#include "ZORWENAxisInversionMode.h"

class ZORIWENPositionTransfo : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENPositionTransfo)

  //! 0 (not positioned), 1 or 2.
  virtual int GetMode() = 0;
  //! E_FAIL, changing nothing, for a mode other than 0, 1 or 2.
  virtual HRESULT SetMode(int mode) = 0;
  //! The origin point of `system`; null when none is given.
  virtual ZORISpecObject_var GetOrigin(int system) = 0;
  //! Sets (null: clears) the origin of `system`; E_FAIL for a feature of another document.
  virtual HRESULT SetOrigin(int system, const ZORISpecObject_var& point) = 0;
  //! The direction element of `system`; null when none is given.
  virtual ZORISpecObject_var GetDirection(int system) = 0;
  //! Sets (null: clears) the direction element of `system`.
  virtual HRESULT SetDirection(int system, const ZORISpecObject_var& element) = 0;
  //! The boolean parameter of `system`: true while its origin is a picked point.
  virtual ZORICkeParm_var GetBooleanParameter(int system) = 0;
  //! Which axes of `system` are reversed.
  virtual ZORWENAxisInversionMode GetAxisInversion(int system) = 0;
  //! E_FAIL, changing nothing, for a mode outside 0..3.
  virtual HRESULT SetAxisInversion(int system, int mode) = 0;
  //! The literal "XPos", "YPos" or "AnglePos"; null for another name or when it is gone.
  virtual ZORICkeParm_var GetLiteral(const char* name) = 0;
  //! The element positioned (a planar profile); null when none.
  virtual ZORISpecObject_var GetProfile() = 0;
  //! Sets the element positioned.
  virtual HRESULT SetProfile(const ZORISpecObject_var& profile) = 0;
  //! The axis of `system` as its inputs give it; E_FAIL without a planar profile.
  virtual HRESULT GetAxis(int system, ZORMathAxis& axis) = 0;
};
ZOR_DEFINE_IID(ZORIWENPositionTransfo);
using ZORIWENPositionTransfo_var = ZORVar<ZORIWENPositionTransfo>;
