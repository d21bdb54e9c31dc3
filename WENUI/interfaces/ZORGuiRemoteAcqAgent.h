#pragma once
//! \class ZORGuiRemoteAcqAgent
//! The remote acquisition agent of the library's commands: a point acquired under the pointer,
//! on the model or not, as the host's remote acquisition decodes it; the library's own
//! prevaluation values the agent with the element's path.

#include "ZORStRemoteAcqu.h"

class ZORGuiRemoteAcqAgent : public ZORStRemoteAcqu {
  ZOR_DECLARE_CLASS(ZORGuiRemoteAcqAgent, ZORStRemoteAcqu, ZORMetaObject::Implementation, "WENUI")

  //! The host's remote acquisition agent named `name`, making its points with `factory`.
  ZORGuiRemoteAcqAgent(ZORGeoFactory* factory, const ZORString& name, int behavior = 0);
  //! Nothing of its own to release.
  ~ZORGuiRemoteAcqAgent() override;

  //! The host's decoding of a mouse notification.
  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override;
  //! The host's preselection of the element under the pointer.
  void PutIntoPSO() override;
  //! Marks the agent prevalued (valuation state 2) and values it with `path`; false for a
  //! null or unset path.
  bool Prevaluate(ZORPathElement* path) override;
};
