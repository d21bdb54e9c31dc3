#pragma once
// A direction feature ("WENDirection"): defined by an element (a line gives its direction, a
// plane its normal) or by components, three unitless knowledge parameters of its document read
// in its reference axis system (absolute without one). Writing a component, through the
// parameters or SetComponents, makes it a direction by components. Its result is the unit
// segment from the origin along the absolute direction; a null vector (all components zero)
// fails its update.

#include "ZORICkeParm.h"
#include "ZORISpecObject.h"

class ZORIWENDirection : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENDirection)

  //! Whether it is defined by its components rather than by an element.
  virtual bool IsDefinedByComponents() = 0;
  //! Whether it is defined by components that are not all zero.
  virtual bool HasComponents() = 0;
  //! The components, in the reference axis system; (0, 0, 0) before any was given.
  virtual HRESULT GetComponents(double& x, double& y, double& z) = 0;
  //! Defines it by these components, letting go of its element; E_FAIL, changing nothing, for
  //! a value that is not finite.
  virtual HRESULT SetComponents(double x, double y, double z) = 0;
  //! The element it is defined by; null when it is defined by components.
  virtual ZORISpecObject_var GetElement() = 0;
  //! Defines it by `element`; null lets go of the element (it is then defined by components).
  //! E_FAIL, changing nothing, for an element of another document.
  virtual HRESULT SetElement(const ZORISpecObject_var& element) = 0;
  //! The X, Y and Z component parameters, made on first use; E_FAIL when they cannot be made.
  virtual HRESULT GetComponentParameters(ZORICkeParm_var& x, ZORICkeParm_var& y,
                                         ZORICkeParm_var& z) = 0;
  //! The axis system the components are read in; null: absolute.
  virtual ZORISpecObject_var GetReferenceAxisSystem() = 0;
  //! Sets it (null: absolute); E_FAIL, changing nothing, for a feature that is not an axis
  //! system of the document.
  virtual HRESULT SetReferenceAxisSystem(const ZORISpecObject_var& axis) = 0;
};

ZOR_DEFINE_IID(ZORIWENDirection);
using ZORIWENDirection_var = ZORVar<ZORIWENDirection>;
