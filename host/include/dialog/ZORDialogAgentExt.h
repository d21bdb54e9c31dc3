#pragma once
// What a panel offers for the undo of its command: how the command's changes are registered for
// undo. The values mean what the dialog engine makes of them; the panel keeps them.

#include "ZORVar.h"

class ZORDialogAgentExt : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORDialogAgentExt)

  // The undo registration mode of the panel's changes: a scope and a set of flags.
  virtual HRESULT SetUndoRegistrationMode(int scope, int flags) = 0;
  // Starts registering the panel's changes for undo in `scope`.
  virtual HRESULT StartUndoRegistration(int scope) = 0;
};

ZOR_DEFINE_IID(ZORDialogAgentExt);
using ZORDialogAgentExt_var = ZORVar<ZORDialogAgentExt>;
