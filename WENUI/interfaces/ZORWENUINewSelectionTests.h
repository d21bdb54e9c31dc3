#pragma once
//! \class ZORWENUINewSelectionTests
//! The conditions a feature-creation command puts on its transitions to accept or refuse what a
//! feature agent just picked. The agent is never activated for input: it only carries the tests.
//!
//! Each condition takes the command's feature agent (a ZORWENUIFeatureAgent*) as its client
//! data. A test form ("...Suivi") checks the pick and, when it passes, stores the picked element
//! in the agent as its feature (and, for points, lines and axes, its geometric type). The plain
//! form runs the test form, then re-arms the agent: an accepted pick stays the agent's feature, a
//! refused one is taken out of the highlight and the BRep feature its import made is removed.
//! Why a pick is refused, when there is a reason to give, is shown in an error panel. A null
//! agent refuses.

#include "ZORDialogAgent.h"
#include "ZORISpecObject.h"

class ZORWENUIFeatureAgent;

class ZORWENUINewSelectionTests : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORWENUINewSelectionTests, ZORDialogAgent, ZORMetaObject::Implementation,
                    "WENUI")

  //! An agent that only carries the conditions; the command never activates it for input.
  explicit ZORWENUINewSelectionTests(const ZORString& name = ZORString("NewSelectionTests"));
  //! Nothing of its own to release.
  ~ZORWENUINewSelectionTests() override;

  //! The plain form of VertexSelectionneSuivi: the test, then the agent re-armed.
  bool VertexSelectionne(void* agent);
  //! Accepts a point feature, a zero-dimension result or a geometric point; stores it with the
  //! type Point.
  bool VertexSelectionneSuivi(void* agent);
  //! The plain form of EdgeSelectionneSuivi.
  bool EdgeSelectionne(void* agent);
  //! Accepts a one-dimension result or a curve.
  bool EdgeSelectionneSuivi(void* agent);
  //! The plain form of LineSelectionneeSuivi.
  bool LineSelectionnee(void* agent);
  //! Accepts a line feature, or a curve or one-dimension result that is straight; type Line.
  bool LineSelectionneeSuivi(void* agent);
  //! The plain form of AxisSelectionneSuivi.
  bool AxisSelectionne(void* agent);
  //! Accepts what LineSelectionneeSuivi accepts when it is an axis feature ("MfAXIS"); type Axis.
  bool AxisSelectionneSuivi(void* agent);
  //! The plain form of FaceSelectionneeSuivi.
  bool FaceSelectionnee(void* agent);
  //! Accepts a two-dimension result or a surface.
  bool FaceSelectionneeSuivi(void* agent);
  //! The plain form of PlanSelectionneSuivi.
  bool PlanSelectionne(void* agent);
  //! Accepts a plane feature or a geometric plane.
  bool PlanSelectionneSuivi(void* agent);
  //! The plain form of ConnexeSelectionneSuivi.
  bool ConnexeSelectionne(void* agent);
  //! Accepts any feature whose result, when it has one, is in one connected piece.
  bool ConnexeSelectionneSuivi(void* agent);
  //! A point cloud; the agent is not re-armed.
  bool CloudSelectionneSuivi(void* agent);
  //! The agent's stored feature, when it is tangent continuous.
  bool SelectionContinuousInTgt(void* agent);
  //! The agent's stored feature, when it is made of one element.
  bool MonoElementSelection(void* agent);

  //! A null feature passes; otherwise it must be up to date and, when the agent's connex
  //! selection mode is 0, connected. A refusal re-arms the agent as a refused pick.
  bool TestSpec(const ZORISpecObject_var& feature, ZORWENUIFeatureAgent* agent);
  //! Whether the feature is up to date; tells the user when it is not (error 600).
  bool TestIsUpdated(const ZORISpecObject_var& feature);
  //! Whether the feature's result, when it has one, is one connected piece (else error 800).
  bool TestIsConnex(const ZORISpecObject_var& feature);
  //! False, telling the user (error 820), when the agent's pick cannot be extracted.
  bool TestIsNotExtractable(ZORWENUIFeatureAgent* agent);
  //! Whether the feature is connected and its wire, when it has one, turns by less than half a
  //! degree at every junction (else error 810). A null feature fails.
  bool TestIsContinuousInTgt(const ZORISpecObject_var& feature);
  //! Re-arms the agent for a new pick. Unless `keep`, the refused pick is first taken out of
  //! the highlight and the element its import made for it is removed.
  void InitializeData(ZORWENUIFeatureAgent* agent, unsigned char keep);

 private:
  //! The plain form of a test form: the test, then a re-arm keeping what it accepted.
  bool Armed(void* agent, bool (ZORWENUINewSelectionTests::*test)(void*));
  //! The common preamble of the test forms: the picked element as a feature, when the agent has
  //! a pick that was imported; null otherwise.
  static ZORISpecObject_var PickedFeature(ZORWENUIFeatureAgent* agent);
  //! Stores an element that passed its geometric test and TestSpec.
  bool Keep(const ZORISpecObject_var& feature, ZORWENUIFeatureAgent* agent, int geometricType);
};
