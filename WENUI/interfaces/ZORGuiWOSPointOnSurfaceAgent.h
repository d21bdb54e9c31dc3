#pragma once
//! \class ZORGuiWOSPointOnSurfaceAgent
//! The work-on-support point agent of a support that is not a gridded plane: as the mouse moves,
//! it finds the point under it on the support (the eye line's crossing with a planar support,
//! the remote acquisition's detection on a curved one), measures the length on the support from
//! the origin to it, rounded to 0.001, and shows the point, a line to the origin and the length.
//! A click makes a point on surface driven by a "Length" parameter and hands it to the command.
//!
//! The origin is the support origin's point, or the centre of the support's result when the
//! support has no origin. The agent keeps one on-the-fly point: a later click on the same support
//! moves it (new direction and length) rather than making another. Nothing is shown and the
//! agent stays unvalued when there is no point under the mouse or the length cannot be measured.
//! The remote acquisition and the topological data are the agent's and go with it.

#include <memory>

#include "ZORGeoFactory.h"
#include "ZORGuiRemoteAcqAgent.h"
#include "ZORGuiWOSPointAgent.h"
#include "ZORTopData.h"

class ZORIndicationSegment;

class ZORGuiWOSPointOnSurfaceAgent : public ZORGuiWOSPointAgent {
  ZOR_DECLARE_CLASS(ZORGuiWOSPointOnSurfaceAgent, ZORGuiWOSPointAgent,
                    ZORMetaObject::Implementation, "WENUI")

  //! The feature agent's arguments; reads the support's body, plane and centre.
  ZORGuiWOSPointOnSurfaceAgent(const ZORString& name, const ZORUnicodeString& undoTitle,
                               int behavior = 0, unsigned long filterFlags = 0,
                               const ZORBaseUnknown_var& command = nullptr,
                               int implicitSelectionMode = 0, int connexSelectionMode = 0,
                               int contextualCreationMode = 0);
  //! Releases the remote acquisition and the topological data.
  ~ZORGuiWOSPointOnSurfaceAgent() override;

  //! Forgets the length parameter as well.
  void Initialize() override;
  //! Makes sure surfaces are decoded (AddDecodeType), then activates as a point agent.
  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  //! Resets the remote acquisition, then cancels as a point agent.
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;
  //! Forgets the length parameter: the next click reads it from the new feature.
  void SetOTFFeature(const ZORISpecObject_var& feature) override;
  //! The point agent's decoding, then the point under the mouse, its marker and, on a click
  //! (ZORActivate), the point on surface valuated. Answers 1 when the agent was valued.
  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override;

  //! Once: adds "ZORSurface" to the acquisition types when neither it nor "ZORIMfBiDimResult"
  //! is listed (before a multi-selection or non-ordered set type when one is), and makes the
  //! remote acquisition. Answers the decode-type state: 2 when the type was added, 1 otherwise.
  int AddDecodeType();
  //! Keeps the length of the on-the-fly feature when it is a point on this support from this
  //! origin; otherwise removes that feature and makes a new "Length" parameter. Answers 1 when
  //! it made one, 0 when it kept one, -1 when it could not make one.
  int CreateLitterals();
  //! CreateLitterals, then stores `length` in the length parameter. Same answer.
  int UpdateLitterals(double length);

  //! The remote acquisition (null before the first activation).
  ZORGuiRemoteAcqAgent* GetRemoteAcquisition() const { return remote_.get(); }
  //! The length parameter in use; null until a click made or found one.
  const ZORICkeParm_var& GetLengthParameter() const { return length_; }
  //! Whether the support is a plane.
  bool IsPlanar() const { return planar_; }

 private:
  bool Lists(const char* type) const;
  //! The point under the mouse on the support; false when there is none.
  bool PointUnderMouse(const ZORIndicationSegment& eye, ZORMathPoint& point);
  //! The length on the support from the origin to `point`; false when it cannot be measured.
  bool MeasureLength(const ZORMathPoint& point, double& length);
  //! Makes (2), or moves (1), the on-the-fly point; 0, nothing left behind, on failure.
  int CreatePoint(const ZORMathVector& direction, double length);

  ZORVar<ZORGuiRemoteAcqAgent> remote_;
  ZORICkeParm_var length_;
  ZORVar<ZORGeoFactory> factory_;
  ZORBody_var surfaceBody_;
  ZORMathPlane plane_;
  double step_ = 0.001;
  int decodeType_ = 0;
  bool planar_ = false;
  std::unique_ptr<ZORTopData> topData_;
};
