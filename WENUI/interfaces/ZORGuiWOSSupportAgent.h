#pragma once
//! \class ZORGuiWOSSupportAgent
//! The feature agent of a command input that asks for a support: while a working support is
//! current, the agent is valued with that support as it is activated, so that the user need
//! not pick it; otherwise, or with its activity off, it waits for a pick as a feature agent does.
//!
//! A support whose result is a picked element of another feature (a BRep) is copied into the
//! current container once per agent; the agent's filter may refuse the support, and a refused
//! copy goes.

#include "ZORWENUIFeatureAgent.h"

class ZORGuiWOSSupportAgent : public ZORWENUIFeatureAgent {
  ZOR_DECLARE_CLASS(ZORGuiWOSSupportAgent, ZORWENUIFeatureAgent, ZORMetaObject::Implementation,
                    "WENUI")

  //! The feature agent's arguments; reads the current part's working support feature.
  ZORGuiWOSSupportAgent(const ZORString& name, const ZORUnicodeString& undoTitle, int behavior = 0,
                        unsigned long filterFlags = 0, const ZORBaseUnknown_var& command = nullptr,
                        int implicitSelectionMode = 0, int connexSelectionMode = 0,
                        int contextualCreationMode = 0);
  //! Nothing of its own to release.
  ~ZORGuiWOSSupportAgent() override;

  //! With a support and the activity on, offers the support to the agent (valued when its
  //! filter takes it); without a support, turns the activity back on. Then activates as a
  //! feature agent.
  int Activate(ZORCommand* caller, ZORNotification* notification) override;

  //! 0 switches the valuation at activation off, any other value on.
  void SetActivity(int activity) { activity_ = activity; }
  //! The activity flag (1 at construction).
  int GetActivity() const { return activity_; }
  //! The working support's feature found at construction; null without one.
  const ZORISpecObject_var& GetSupportFeature() const { return support_; }

 private:
  //! The support to offer: the feature itself, or its one copy when it is a BRep.
  ZORISpecObject_var SupportToOffer();

  ZORISpecObject_var support_;
  ZORISpecObject_var copy_;  // the BRep support's copy, made once
  int activity_ = 1;
};
