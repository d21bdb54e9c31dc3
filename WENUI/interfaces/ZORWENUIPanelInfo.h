#pragma once
//! \class ZORWENUIPanelInfo
//! A non-modal window showing an information text. Like the error panel it shows itself at
//! construction, goes when the user presses OK or closes it, and is neither kept nor deleted by
//! its caller. The parent is the dialog given, or the application's main window (see
//! ZORWENUIPanelWindow).

#include "ZORFrmNotify.h"
#include "ZORUnicodeString.h"

class ZORWENUIPanelInfo : public ZORFrmNotify {
  ZOR_DECLARE_CLASS(ZORWENUIPanelInfo, ZORFrmNotify, ZORMetaObject::Implementation, "WENUI")

  //! The window style: a non-modal notification window with an OK button.
  static constexpr unsigned long kStyle = 0x08100200;

  //! Shows `text` at once, under `parent` or the main window when null.
  ZORWENUIPanelInfo(const ZORUnicodeString& text, ZORDialog* parent);
  //! Nothing of its own to release.
  ~ZORWENUIPanelInfo() override;

  //! OK button and window close: hides the panel and requests its destruction.
  virtual void CancelCB(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
};
