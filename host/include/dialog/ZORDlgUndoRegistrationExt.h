#pragma once
// The undo registration of a dialog window ("ZORDlgDialog" and every dialog derived from it):
// it keeps what it was told, in order, so that the session can read it back.

#include <string>
#include <vector>

#include "ZORBaseExtension.h"
#include "ZORDialogAgentExt.h"

class ZORDlgUndoRegistrationExt : public ZORBaseExtension, public ZORDialogAgentExt {
  ZOR_DECLARE_CLASS(ZORDlgUndoRegistrationExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Dialog")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORDialogAgentExt)

  ZORDlgUndoRegistrationExt() = default;

  HRESULT SetUndoRegistrationMode(int scope, int flags) override;
  HRESULT StartUndoRegistration(int scope) override;

  // One line per call: "SetUndoRegistrationMode(0,32)", "StartUndoRegistration(0)".
  const std::vector<std::string>& GetCalls() const { return calls_; }

 private:
  std::vector<std::string> calls_;
};
