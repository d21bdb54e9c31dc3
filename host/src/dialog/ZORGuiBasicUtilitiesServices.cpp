#include "ZORGuiBasicUtilitiesServices.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"

namespace {

ZORPathElement& WorkingPath() {
  static ZORPathElement path;
  return path;
}

// The document of the working path, when its part is still in a document.
ZORDocument* WorkingDocument() {
  const ZORPathElement& path = WorkingPath();
  ZORFeature* part = path.IsSet() ? ZORFeature::From(path.GetLeaf().get()) : nullptr;
  if (part && part->GetDocument()) return part->GetDocument();
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetDocument() : nullptr;
}

}  // namespace

ZORBaseUnknown_var ZORGuiBasicUtilitiesServices::GetCurrentContainer() {
  if (!ZORFaultGate::Pass("ZORGuiBasicUtilitiesServices::GetCurrentContainer")) return nullptr;
  ZORDocument* document = WorkingDocument();
  return document ? ZORBaseUnknown_var(document->GetContainer()) : nullptr;
}

ZORIWENMultiSelFactory_var ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory() {
  return ZORIWENMultiSelFactory_var(GetCurrentContainer());
}

ZORIWENFactory_var ZORGuiBasicUtilitiesServices::GetCurrentWENFactory() {
  return ZORIWENFactory_var(GetCurrentContainer());
}

HRESULT ZORGuiBasicUtilitiesServices::SetWorkingPath(const ZORPathElement& path) {
  if (path.IsSet() && !ZORIPrtPart_var(path.GetLeaf())) return E_FAIL;
  WorkingPath() = path;
  return S_OK;
}

const ZORPathElement& ZORGuiBasicUtilitiesServices::GetWorkingPath() {
  return WorkingPath();
}
