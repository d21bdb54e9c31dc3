#pragma once
//! \class ZORWENUIOrientsPanel
//! The small panel of the orientation question: three labels, and the dialog's OK (yes) and
//! Apply (no) buttons; closing its window answers no as well. It decides nothing: each answer
//! goes on to the panel's father, the command that asked.

#include "ZORFrmDialog.h"

class ZORWENUIOrientsPanel : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORWENUIOrientsPanel, ZORFrmDialog, ZORMetaObject::Implementation, "WENUI")

  //! A dialog window with OK and Apply buttons.
  static constexpr unsigned long kStyle = 0x1000600;

  //! Builds the three labels from the resources (default texts otherwise) under `parent`, the
  //! command that asks, and wires OK, Apply and window close to YesNoCB.
  explicit ZORWENUIOrientsPanel(ZORDialog* parent = nullptr);
  //! Nothing of its own to release.
  ~ZORWENUIOrientsPanel() override;

  //! Sends the answer the panel received on to its father.
  void YesNoCB(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

 private:
  ZORUnicodeString ResourceText(const ZORString& key, const char* defaultText) const;
};
