#include "ZORDlgUndoRegistrationExt.h"

#include "ZORFaultGate.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORDlgUndoRegistrationExt", "ZORDialogAgentExt",
                     ZORDialogAgentExt::ClassIID(), "ZORDlgDialog",
                     &ZORExtensionCreator<ZORDlgUndoRegistrationExt>});
  return true;
}();

}  // namespace

HRESULT ZORDlgUndoRegistrationExt::SetUndoRegistrationMode(int scope, int flags) {
  if (!ZORFaultGate::Pass("ZORDialogAgentExt::SetUndoRegistrationMode")) return E_FAIL;
  calls_.push_back("SetUndoRegistrationMode(" + std::to_string(scope) + "," +
                   std::to_string(flags) + ")");
  return S_OK;
}

HRESULT ZORDlgUndoRegistrationExt::StartUndoRegistration(int scope) {
  if (!ZORFaultGate::Pass("ZORDialogAgentExt::StartUndoRegistration")) return E_FAIL;
  calls_.push_back("StartUndoRegistration(" + std::to_string(scope) + ")");
  return S_OK;
}
