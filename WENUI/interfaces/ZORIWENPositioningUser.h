#pragma once
//! \class ZORIWENPositioningUser
//! What a command that positions a planar element offers its planar positioning frame: it is
//! told of each positioning state the frame adds, of each element set and of each change of the
//! transformation, and it gives the default positioner that places the manipulators (none: the
//! frame shows no manipulator).

#include "ZORDialogState.h"
#include "ZORISpecObject.h"
#include "ZORIWENDefaultPositioner.h"
#include "ZORIWENPositionTransfo.h"

class ZORIWENPositioningUser : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENPositioningUser)

  //! The frame added `state` to the command.
  virtual void PositioningStateAdded(ZORDialogState* state) = 0;
  //! An origin (`kind` 0) or direction (1) of axis system `index` (0 initial, 1 target) was set
  //! (null: cleared).
  virtual void PositioningElementSet(int index, int kind, const ZORISpecObject_var& element) = 0;
  //! The transformation changed: an element, a parameter, an inversion or the mode.
  virtual void PositioningChanged(const ZORIWENPositionTransfo_var& transfo) = 0;
  //! The positioner whose axes place the manipulators; null when there is none.
  virtual ZORIWENDefaultPositioner_var GetDefaultPositioner() = 0;
};
ZOR_DEFINE_IID(ZORIWENPositioningUser);
using ZORIWENPositioningUser_var = ZORVar<ZORIWENPositioningUser>;
