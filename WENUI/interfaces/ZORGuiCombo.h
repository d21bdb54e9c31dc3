#pragma once
//! \class ZORGuiCombo
//! A combo whose lines are given by resource keys: Set writes the text of the key (the key
//! itself when the resources have none) at a line. It refuses an empty key and a line outside
//! -1 (append) .. the line count, and answers the combo's refusal as a failure.

#include "ZORDlgCombo.h"
#include "ZORTypes.h"

class ZORGuiCombo : public ZORDlgCombo {
  ZOR_DECLARE_CLASS(ZORGuiCombo, ZORDlgCombo, ZORMetaObject::Implementation, "WENUI")

  //! The combo `name` under `parent` with `style`.
  ZORGuiCombo(ZORDialog* parent, const ZORString& name, unsigned long style);
  ~ZORGuiCombo() override;

  //! Writes the text of `key` at `line` with the combo's `mode` (ZORDlgCombo::kInsert or
  //! kModify); S_OK when the combo took it, E_FAIL otherwise.
  HRESULT Set(const ZORString& key, int line, unsigned long mode);
};
