#include "ZORPathElementAgent.h"

#include "ZORFrmEditor.h"

ZORPathElementAgent::ZORPathElementAgent(const ZORString& name, int behavior)
    : ZORDialogAgent(name, behavior) {}

ZORPathElementAgent::~ZORPathElementAgent() = default;

bool ZORPathElementAgent::TryValue(const ZORPathElement& path) {
  if (!path.IsSet() || !ZORDialogAgent::TryValue(path.GetLeaf().get())) return false;
  path_ = path;
  return true;
}

bool ZORPathElementAgent::SetValue(const ZORPathElement& path) {
  if (!path.IsSet()) return false;
  ZORDialogAgent::SetValue(path.GetLeaf().get());
  path_ = path;
  return true;
}

void ZORPathElementAgent::InitializeAcquisition() {
  path_.reset();
  ZORDialogAgent::InitializeAcquisition();
}

HRESULT ZORPathElementAgent::RemoveFromHSO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!path_ || !editor || !editor->GetHSO()) return E_FAIL;
  return editor->GetHSO()->RemoveElement(*path_);
}
