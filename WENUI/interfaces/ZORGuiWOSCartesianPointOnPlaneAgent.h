#pragma once
//! \class ZORGuiWOSCartesianPointOnPlaneAgent
//! The work-on-support point agent of a plane with a cartesian grid: as the mouse moves, it
//! intersects the eye line with the grid's plane, snaps the two plane coordinates to the grid
//! steps and shows the point with its coordinates ("12.5mm,7.5mm"). A click makes a point on the
//! plane driven by two parameters "H" and "V" and hands it to the command; a later click on the
//! same support moves that point through its parameters instead of making another.
//!
//! The steps are the grid's spacings divided by their graduations when snapping is on, 0.001
//! otherwise (and for a grid that is not cartesian or a spacing that is not positive). The
//! plane's origin is the projection of the support's origin point, or the plane's own origin.

#include "ZORGuiWOSPointAgent.h"
#include "ZORViewer.h"

class ZORIndicationSegment;

class ZORGuiWOSCartesianPointOnPlaneAgent : public ZORGuiWOSPointAgent {
  ZOR_DECLARE_CLASS(ZORGuiWOSCartesianPointOnPlaneAgent, ZORGuiWOSPointAgent,
                    ZORMetaObject::Implementation, "WENUI")

  //! The feature agent's arguments; reads the grid's plane and steps and takes the viewer.
  ZORGuiWOSCartesianPointOnPlaneAgent(const ZORString& name, const ZORUnicodeString& undoTitle,
                                      int behavior = 0, unsigned long filterFlags = 0,
                                      const ZORBaseUnknown_var& command = nullptr,
                                      int implicitSelectionMode = 0, int connexSelectionMode = 0,
                                      int contextualCreationMode = 0);
  //! Nothing of its own to release.
  ~ZORGuiWOSCartesianPointOnPlaneAgent() override;

  //! Forgets the viewer, H, V and the grid feature as well.
  void Initialize() override;
  //! Forgets H and V: the next click reads them from the new feature.
  void SetOTFFeature(const ZORISpecObject_var& feature) override;
  //! Both steps 0.001; with snapping on and a cartesian grid, each spacing divided by its
  //! graduations (the spacing itself for 0 graduations).
  void ComputeStep() override;
  //! The point agent's decoding, then the snapped point, its marker and, on a click
  //! (ZORActivate), the point on plane valuated. Answers 1 when the agent was valued.
  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override;

  //! Keeps H and V when the on-the-fly feature is a point on this support from this origin;
  //! otherwise removes that feature and makes new "H" and "V" parameters. Answers 1 when it
  //! made them, 0 when it kept them, -1 when it could not make them.
  int CreateLitterals();
  //! CreateLitterals, then stores `u` in H and `v` in V. Same answer.
  int UpdateLitterals(double u, double v);

  //! The step along the plane's first direction.
  double GetFirstStep() const { return steps_[0]; }
  //! The step along the plane's second direction.
  double GetSecondStep() const { return steps_[1]; }
  //! The first plane coordinate of the last point computed.
  double GetU() const { return uv_[0]; }
  //! The second plane coordinate of the last point computed.
  double GetV() const { return uv_[1]; }
  //! The grid's plane, its origin on the support's origin.
  const ZORMathPlane& GetSupportPlane() const { return plane_; }
  //! The parameter "H" in use; null until a click made or found it.
  const ZORICkeParm_var& GetHParameter() const { return h_; }
  //! The parameter "V" in use; null until a click made or found it.
  const ZORICkeParm_var& GetVParameter() const { return v_; }

 protected:
  //! A click moved the on-the-fly point.
  static constexpr int kPointMoved = 1;
  //! A click made a new on-the-fly point.
  static constexpr int kPointMade = 2;
  //! Computes and shows the point under the mouse and, on a click, makes or moves the
  //! on-the-fly point. Answers kPointMade or kPointMoved, or 0 (a move, or a failure).
  int DecodePoint(ZORNotification* notification);
  //! Removes the on-the-fly point and its parameters: its valuation failed.
  void DiscardPoint();

 private:
  bool ReadPlane();
  //! Makes, or moves, the on-the-fly point: kPointMade, kPointMoved, or 0 with nothing left
  //! behind.
  int CreatePoint(double u, double v);

  ZORViewer* viewer_ = nullptr;
  ZORICkeParm_var h_;
  ZORICkeParm_var v_;
  ZORISpecObject_var gridFeature_;
  ZORMathPlane plane_;
  bool hasPlane_ = false;
  double steps_[2] = {0.001, 0.001};
  double uv_[2] = {0.0, 0.0};
};

//! The agent a command asks a point with: without a current working support a plain feature
//! agent, on a gridded plane (type 2) a cartesian point-on-plane agent, on any other a
//! point-on-surface agent. The feature agent's arguments.
ZORVar<ZORWENUIFeatureAgent> CreateWENFeatureAgent(
    const ZORString& name, const ZORUnicodeString& undoTitle, int behavior = 0,
    unsigned long filterFlags = 0, const ZORBaseUnknown_var& command = nullptr,
    int implicitSelectionMode = 0, int connexSelectionMode = 0, int contextualCreationMode = 0);
//! The agent a command asks an axis with: on a current working support that is a plane, an axis
//! agent normal to it; a plain feature agent otherwise. Either takes lines and points.
ZORVar<ZORWENUIFeatureAgent> CreateWENAxisFeatureAgent(
    const ZORString& name, const ZORUnicodeString& undoTitle, int behavior = 0,
    unsigned long filterFlags = 0, const ZORBaseUnknown_var& command = nullptr,
    int implicitSelectionMode = 0, int connexSelectionMode = 0, int contextualCreationMode = 0);
