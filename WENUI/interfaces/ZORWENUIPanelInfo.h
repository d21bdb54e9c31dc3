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

  static constexpr unsigned long kStyle = 0x08100200;

  ZORWENUIPanelInfo(const ZORUnicodeString& text, ZORDialog* parent);
  ~ZORWENUIPanelInfo() override;

  //! OK button and window close: hides the panel and requests its destruction.
  virtual void CancelCB(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
};
