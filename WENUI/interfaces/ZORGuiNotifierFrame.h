#pragma once
//! \class ZORGuiNotifierFrame
//! The invisible frame "NotifFrame" of a planar positioning frame's panel part: it receives the
//! widget notifications it is given (one notification object, or every notification of a
//! class), each with an integer code, and dispatches them to its positioning frame in
//! Aiguilleur. Codes: 4, 6, 8, 10 swap buttons; 17, 18 origin selectors; 19 positioning check
//! button; 20 parameters button; 181-184 direction frames. Other codes are ignored.
//!
//! It does not own the positioning frame: when that goes first, it calls Unlink and the
//! notifier leaves its 3D labels alone.

#include "ZORDlgFrame.h"

class ZORGuiPlanarPosFrame;

class ZORGuiNotifierFrame : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORGuiNotifierFrame, ZORDlgFrame, ZORMetaObject::Implementation, "WENUI")

  //! Its style: an invisible frame.
  static constexpr unsigned long kStyle = 0x80000;

  //! A notifier in `parent` dispatching to `frame` (a link).
  ZORGuiNotifierFrame(ZORDialog* parent, ZORGuiPlanarPosFrame* frame);
  ~ZORGuiNotifierFrame() override;

  //! Dispatches `notification` from `sender` with `code`.
  void AjouteNotif(ZORCommand* sender, ZORNotification* notification, int code);
  //! Dispatches every notification of `notificationClass` from `sender` with `code`.
  void AjouteNotifClass(ZORCommand* sender, const char* notificationClass, int code);
  //! The dispatch: the code is the client data.
  void Aiguilleur(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The positioning frame goes: nothing is dispatched to it any more.
  void Unlink() { frame_ = nullptr; }
  //! The positioning frame; null once it went.
  ZORGuiPlanarPosFrame* GetPositioningFrame() const { return frame_; }
  //! Removes the positioning frame's 3D labels first.
  void RequestDelayedDestruction() override;

 private:
  ZORGuiPlanarPosFrame* frame_;  // not owned
};
