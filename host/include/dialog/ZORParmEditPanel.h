#pragma once
// The edition box of one knowledge parameter, opened by the parameter's edition (ZORIEdit): a
// dialog "ParmEditPanel" titled with the parameter's name, holding its editor "Value". OK,
// Cancel and closing the window all close it; what was typed is already in the parameter.

#include "ZORCkeParamFrame.h"
#include "ZORDlgDialog.h"

class ZORParmEditPanel : public ZORDlgDialog {
  ZOR_DECLARE_CLASS(ZORParmEditPanel, ZORDlgDialog, ZORMetaObject::Implementation, "Knowledge")

  //! Opens the box of `parameter` under the application's main window, shown.
  explicit ZORParmEditPanel(const ZORICkeParm_var& parameter);

  //! The parameter's editor.
  ZORCkeParamFrame* GetEditor() const { return editor_; }

 private:
  void Close(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  ZORCkeParamFrame* editor_;  // a child of the box
};
