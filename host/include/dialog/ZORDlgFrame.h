#pragma once
// A frame: a container of widgets inside a window. Radio buttons are exclusive within it.

#include "ZORDialog.h"

class ZORDlgFrame : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgFrame, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgFrame(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                       unsigned long style = 0)
      : ZORDialog(parent, name, style) {}
};
