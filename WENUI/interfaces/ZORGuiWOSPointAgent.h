#pragma once
//! \class ZORGuiWOSPointAgent
//! The base of the agents that let the user create a point on the fly by clicking in space while
//! a working support is current: the concrete agents compute the point under the mouse on the
//! support (snapped to the grid with StepValue), show it as a temporary marker (CreateReps),
//! create a point feature on a click and hand it to their command through AgentValuation,
//! exactly as if an existing point had been picked.
//!
//! This class holds the support, its origin, the snap setting and the marker, and walks the
//! points it created when the command undoes and redoes valuations. It listens to the settings'
//! work-on-support event for as long as it lives.

#include "ZOR3DBagRep.h"
#include "ZOR4x4Matrix.h"
#include "ZORBody.h"
#include "ZORGuiWOSServices.h"
#include "ZORICkeParm.h"
#include "ZORISO.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORMathPlane.h"
#include "ZORSt3DISO.h"
#include "ZORWENSettings.h"
#include "ZORWENUIFeatureAgent.h"

class ZORGuiWOSPointAgent : public ZORWENUIFeatureAgent {
  ZOR_DECLARE_CLASS(ZORGuiWOSPointAgent, ZORWENUIFeatureAgent, ZORMetaObject::Implementation,
                    "WENUI")

  //! The feature agent's arguments, unchanged.
  ZORGuiWOSPointAgent(const ZORString& name, const ZORUnicodeString& undoTitle, int behavior = 0,
                      unsigned long filterFlags = 0, const ZORBaseUnknown_var& command = nullptr,
                      int implicitSelectionMode = 0, int connexSelectionMode = 0,
                      int contextualCreationMode = 0);
  //! Erases the marker and leaves the settings: a later snap change no longer calls it.
  ~ZORGuiWOSPointAgent() override;

  //! Clears the feature handles, the interactive set, the marker, the settings and the
  //! subscription to them.
  virtual void Initialize();

  //! Activates as a feature agent; the marker appears with the next move.
  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  //! Erases the marker, then deactivates as a feature agent.
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  //! Erases the marker, then cancels as a feature agent.
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

  //! Erases the marker and runs the feature agent's decoding (a pick of an existing element),
  //! answering its result when it was one. Otherwise valuation is enabled unless the
  //! notification comes from a handle or a manipulator, or the support cannot be used under the
  //! linearity rules. The concrete agents compute their point after a 0 when valuation is enabled.
  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override;

  //! Turns the on-the-fly feature into the agent's value: makes it contextual and updates it,
  //! replaces it by its datum when the part infrastructure preference asks for datums, and sets
  //! its path as the value with the type "ZORIMfPoint". An error raised on the way erases the
  //! marker and is shown in an error panel. Answers 1 when the agent was valued, 0 otherwise.
  int AgentValuation();

  //! Intersects the eye line (in the view's coordinates, brought back to the model's when the
  //! edited object is shown in place) with `plane`: `point` gets the line's origin in the
  //! model's coordinates and `uv` the plane coordinates of the crossing point. Answers 1, or 0
  //! when the line is parallel to the plane (uv then stays 0, 0).
  int GetIntersection_FlyPoint_Plane(const ZORMathPlane& plane, double uv[2],
                                     const ZORMathLine& eyeLine, ZORMathPoint& point) const;
  //! Snaps `value` to the nearest multiple of `step`, halves away from zero; a step of 0 (or a
  //! quotient out of range) leaves it alone.
  static void StepValue(double& value, double step);

  //! Shows a marker at `p` with `text` beside it when given, and a line from `p` to `q` when `q`
  //! is given, replacing what was shown.
  void CreateReps(const ZORMathPoint* p, const ZORMathPoint* q, const ZORUnicodeString* text);
  //! Takes the marker out of the interactive set; nothing shown afterwards.
  void EraseReps();
  //! What is shown (null when nothing).
  ZOR3DBagRep* GetShownRep() const { return bag_.get(); }

  //! Undoes the last valuation and makes the point created for the valuation then in effect
  //! the on-the-fly feature again (kept as the last created one when it can be drawn).
  int UndoValue() override;
  //! Redoes a valuation and makes its created point the on-the-fly feature again.
  int RedoValue() override;

  //! Settings callback: reads the snap again and recomputes the grid steps.
  void ModifySnap();
  //! Recomputes the grid steps; nothing to do here.
  virtual void ComputeStep() {}

  //! The working support current when the agent was made; null when there was none.
  const ZORIWENWorkingSupport_var& GetWorkingSupport() const { return support_; }
  //! The feature the working support lies on (its plane); null without a support.
  const ZORISpecObject_var& GetSupportFeature() const { return supportFeature_; }
  //! The support's origin point feature; null without a support or after Initialize.
  const ZORISpecObject_var& GetOriginFeature() const { return originFeature_; }
  //! The container current when the agent was made, where on-the-fly points go.
  const ZORBaseUnknown_var& GetContainer() const { return container_; }
  //! The support origin's coordinates; (0, 0, 0) until an origin of one point was read.
  ZORMathPoint GetOrigin() const { return {origin_[0], origin_[1], origin_[2]}; }
  //! Whether the settings ask for points snapped to the support's grid.
  bool IsSnapOn() const { return snapOn_; }
  //! Whether the last decoded event may create a point (see DecodeNotification).
  bool IsValuationEnabled() const { return valuationEnabled_; }
  //! The last point created, kept only with the keep-last-created behaviour; null otherwise.
  const ZORISpecObject_var& GetLastCreated() const { return lastCreated_; }
  //! One entry per valuation in effect, null for a pick of an existing element.
  const ZORListValZORISpecObject_var& GetCreatedFeatures() const { return created_; }

 protected:
  //! Keeps the created features in step with the valuations: those undone go, and the new
  //! valuation's entry is the point being valuated (null for a pick).
  void OnValuationRecorded(int index) override;

  //! Measures from `origin` from now on.
  void SetOrigin(const ZORMathPoint& origin);
  //! `feature` when it lies in the current container (or is null), else its copy made there
  //! with its inputs; null when the copy fails.
  ZORISpecObject_var InCurrentContainer(const ZORISpecObject_var& feature) const;
  //! Places a feature made on the fly after the current feature, in the current tool: among a
  //! shape body's own features when the current feature is a shape body, in a geometrical set
  //! otherwise (made when there is none). E_FAIL when the tree refuses it.
  HRESULT InsertInCurrentTool(const ZORISpecObject_var& feature) const;
  //! A new length parameter (value 0) named `name` in the current container; null on failure.
  ZORICkeParm_var NewLength(const char* name) const;
  //! Stores `value` in `parameter` as stored; false when it cannot.
  static bool StoreLength(const ZORICkeParm_var& parameter, double value);
  //! `used` when it is a copy of `original` made by InCurrentContainer, else null.
  static ZORBaseUnknown_var Copy(const ZORISpecObject_var& used,
                                 const ZORISpecObject_var& original) {
    return used == original ? nullptr : ZORBaseUnknown_var(used);
  }
  //! Removes from the document what a creation that failed made; null entries are skipped.
  static void Discard(std::initializer_list<ZORBaseUnknown_var> made);

 private:
  void ReadOrigin();
  void Subscribe();
  //! Makes the created feature of the valuation in effect the on-the-fly feature.
  void TakeCreatedAtIndex();
  //! The part of AgentValuation that runs in the protected section.
  int Valuate();
  //! `point`, or its datum when the preference asks for one (the datum then takes its place).
  ZORISpecObject_var ConvertToDatumIfAsked(const ZORISpecObject_var& point);
  void KeepAsLastCreated(const ZORISpecObject_var& feature);

  ZORISO_var iso_;
  ZOR3DBagRep_var bag_;
  ZORSt3DISO_var carrier_;
  ZORWENSettings* settings_ = nullptr;
  ZORIWENWorkingSupport_var support_;
  ZORBaseUnknown_var container_;
  ZORBody_var supportBody_;
  ZORISpecObject_var supportFeature_;
  ZORISpecObject_var originFeature_;
  ZORISpecObject_var lastCreated_;
  ZORListValZORISpecObject_var created_;
  ZORISpecObject_var valuating_;  // the point AgentValuation is giving as the value
  double origin_[3] = {0.0, 0.0, 0.0};
  ZOR4x4Matrix inverse_;
  ZORWENSettings::CallbackId callback_ = 0;
  bool hasConversion_ = false;
  bool snapOn_ = false;
  bool valuationEnabled_ = false;
};
