#pragma once
// The base of the library's dialogs: a dialog window built from a parent, an identifier and a
// style. Its resource files follow its class chain (its own class name at level 0).

#include "ZORDlgDialog.h"

class ZORFrmDialog : public ZORDlgDialog {
  ZOR_DECLARE_CLASS(ZORFrmDialog, ZORDlgDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORFrmDialog(ZORDialog* parent = nullptr, const ZORString& identifier = ZORString(),
                        unsigned long style = 0)
      : ZORDlgDialog(parent, identifier, style) {}
};
