#include "ZORMMUIStateCommand.h"

#include "ZORFaultGate.h"

ZORMMUIStateCommand::ZORMMUIStateCommand(const ZORString& name, ZORCommandMode mode)
    : ZORStateCommand(name, mode), editor_(ZORFrmEditor::GetCurrentEditor()) {}

std::unique_ptr<ZORPathElement> ZORMMUIStateCommand::GivePathElementFrom(
    ZORBaseUnknown* feature) const {
  if (!editor_) return nullptr;
  ZORPathElement path = editor_->GivePathElementFrom(feature);
  if (!path.IsSet()) return nullptr;
  return std::make_unique<ZORPathElement>(std::move(path));
}

ZORHSO* ZORMMUIStateCommand::GetHSO() const {
  return editor_ ? editor_->GetHSO() : nullptr;
}

HRESULT ZORMMUIStateCommand::AddInHSO(ZORBaseUnknown* feature) {
  if (!ZORFaultGate::Pass("ZORMMUIStateCommand::AddInHSO")) return E_FAIL;
  auto path = GivePathElementFrom(feature);
  if (!path || !editor_) return E_FAIL;
  return editor_->GetHSO()->AddElement(*path);
}

HRESULT ZORMMUIStateCommand::AddInCSO(ZORBaseUnknown* feature) {
  auto path = GivePathElementFrom(feature);
  if (!path || !editor_) return E_FAIL;
  return editor_->GetCSO()->AddElement(*path);
}

void ZORMMUIStateCommand::EmptySO() {
  if (!editor_) return;
  editor_->GetCSO()->Empty();
  editor_->GetHSO()->Empty();
  editor_->GetPSO()->Empty();
}

ZORISpecObject_var ZORMMUIStateCommand::GetCurrentFeature() const {
  return editor_ ? editor_->GetCurrentFeature<ZORISpecObject>() : ZORISpecObject_var();
}

HRESULT ZORMMUIStateCommand::SetCurrentFeature(const ZORISpecObject_var& feature) {
  if (!editor_) return E_FAIL;
  editor_->SetCurrentFeature(feature.get());
  return S_OK;
}
