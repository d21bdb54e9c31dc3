#pragma once
// A separator: a line between widgets of a frame or items of a menu. It does nothing.

#include "ZORDialog.h"

class ZORDlgSeparator : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgSeparator, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgSeparator(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                           unsigned long style = 0)
      : ZORDialog(parent, name, style) {}
};
