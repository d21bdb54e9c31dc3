#pragma once
//! \class ZORWENUIUpdateErrorMSReplaceAgent
//! The agent of the update-error command that acquires a new parent for a feature in error. It
//! is a feature agent whose filter may ask which feature the pick under test designates: the
//! host agent runs its filter before the pick becomes its value, so the agent remembers the
//! path it is checking.

#include "ZORISpecObject.h"
#include "ZORPathElement.h"
#include "ZORWENUIFeatureAgent.h"

class ZORWENUIUpdateErrorMSReplaceAgent : public ZORWENUIFeatureAgent {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSReplaceAgent, ZORWENUIFeatureAgent,
                    ZORMetaObject::Implementation, "WENUI")

  //! The feature agent's constructors, unchanged.
  using ZORWENUIFeatureAgent::ZORWENUIFeatureAgent;

  //! The feature a path designates: the lowest object of the path that is a feature (the picked
  //! feature, above the body a pick in the view ends with). Null for an unset path.
  static ZORISpecObject_var FeatureOf(const ZORPathElement* path);

  //! The feature of the pick being checked; only meaningful while the agent's filter runs.
  ZORISpecObject_var GetCandidateFeature() const { return FeatureOf(&candidate_); }
  //! The feature of the accepted pick; null when nothing was picked.
  ZORISpecObject_var GetPickedFeature() const { return FeatureOf(GetValuePath()); }

  //! Remembers `path` as the candidate, then runs the feature agent's check (and its filter).
  bool ExtraCheckPath(ZORPathElement* path, int mode) override;
  //! Re-arms the agent and forgets the candidate.
  void InitializeAcquisition() override;

 private:
  ZORPathElement candidate_;
};
