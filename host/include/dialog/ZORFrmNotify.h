#pragma once
// The notification frame: a non-blocking message window built on a parent dialog (or the
// application's main window) with an identifier and a style. It shows a text under a title when
// made visible; its OK button and its window close send their notifications to subscribed
// callbacks, which usually hide it and ask for its destruction.

#include "ZORDlgNotify.h"

class ZORFrmNotify : public ZORDlgNotify {
  ZOR_DECLARE_CLASS(ZORFrmNotify, ZORDlgNotify, ZORMetaObject::Implementation, "Dialog")

  explicit ZORFrmNotify(ZORDialog* parent = nullptr, const ZORString& identifier = ZORString(),
                        unsigned long style = 0)
      : ZORDlgNotify(parent, identifier, style) {}

  // From now on the frame's OK and window close hide it and ask for its destruction: a message
  // that nobody else answers for.
  void CloseOnAnswer();

 private:
  void Dismiss(ZORCommand*, ZORNotification*, ZORCallbackData);
};
