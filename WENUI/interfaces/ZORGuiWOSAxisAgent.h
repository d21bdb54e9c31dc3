#pragma once
//! \class ZORGuiWOSAxisAgent
//! The agent of an axis input on a gridded working plane: a click on the plane makes a point
//! there, as the cartesian point agent does, then an axis line through it normal to the
//! reference (the support plane), bounded by two parameters "Start" and "End"; a picked point
//! (a point feature, or a vertex of any result) gives the axis through it. The command gets the
//! axis, once per click; a picked line is taken as it is.

#include "ZORGuiWOSCartesianPointOnPlaneAgent.h"

class ZORGuiWOSAxisAgent : public ZORGuiWOSCartesianPointOnPlaneAgent {
  ZOR_DECLARE_CLASS(ZORGuiWOSAxisAgent, ZORGuiWOSCartesianPointOnPlaneAgent,
                    ZORMetaObject::Implementation, "WENUI")

  //! Length of the axes made, from their point along the reference's normal.
  static constexpr double kAxisLength = 100.0;

  //! The feature agent's arguments, and the feature whose direction the axes follow.
  ZORGuiWOSAxisAgent(const ZORISpecObject_var& reference, const ZORString& name,
                     const ZORUnicodeString& undoTitle, int behavior = 0,
                     unsigned long filterFlags = 0, const ZORBaseUnknown_var& command = nullptr,
                     int implicitSelectionMode = 0, int connexSelectionMode = 0,
                     int contextualCreationMode = 0);
  //! Nothing of its own to release.
  ~ZORGuiWOSAxisAgent() override;

  //! The cartesian decoding without its valuation; on a click that left an on-the-fly point,
  //! the axis through it, valuated. Answers 1 when the agent was valued.
  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override;
  //! A picked point (or vertex) gives the axis through it; anything else is offered as to a
  //! feature agent.
  bool TryValue(const ZORPathElement& path) override;
  using ZORGuiWOSCartesianPointOnPlaneAgent::TryValue;

  //! A new updated axis line through `point` along the reference, with new "Start" and "End"
  //! parameters, nobody's child yet. S_OK with `axis`; E_FAIL with `axis` null and nothing left
  //! behind when it cannot be made or computed.
  HRESULT CreateAxisFromPoint(const ZORISpecObject_var& point, ZORISpecObject_var& axis);
  //! Makes `axis` contextual and places it in the current tool. E_FAIL for a null axis or when
  //! the tree refuses it.
  HRESULT InsertAxis(const ZORISpecObject_var& axis);

  //! The feature the axes are normal to.
  const ZORISpecObject_var& GetReference() const { return reference_; }

 private:
  //! Shows `point`, makes the axis through it and valuates; 0 (nothing left behind) on failure.
  int ValuateAxisThrough(const ZORISpecObject_var& point);

  ZORISpecObject_var reference_;
  ZORICkeParm_var start_;  // the parameters of the last axis made
  ZORICkeParm_var end_;
};
