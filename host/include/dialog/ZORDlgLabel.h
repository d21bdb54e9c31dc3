#pragma once
// A label: a text (its title) shown in a window.

#include "ZORDialog.h"

class ZORDlgLabel : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgLabel, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgLabel(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                       unsigned long style = 0)
      : ZORDialog(parent, name, style) {}
};
