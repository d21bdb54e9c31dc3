#pragma once
// A page of a tab container: a frame whose tab the user clicks to bring it forward.

#include "ZORDlgFrame.h"

class ZORDlgTabPage : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORDlgTabPage, ZORDlgFrame, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgTabPage(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                         unsigned long style = 0)
      : ZORDlgFrame(parent, name, style) {}
};
