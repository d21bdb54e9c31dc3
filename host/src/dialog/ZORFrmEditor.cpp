#include "ZORFrmEditor.h"

namespace {

ZORFrmEditor*& Current() {
  static ZORFrmEditor* current = nullptr;
  return current;
}

}  // namespace

ZORFrmEditor::ZORFrmEditor(ZORDocument* document)
    : document_(document),
      hso_(ZORMake<ZORHSO>()),
      cso_(ZORMake<ZORSO>()),
      pso_(ZORMake<ZORSO>()),
      iso_(ZORMake<ZORISO>()) {}

ZORFrmEditor::~ZORFrmEditor() {
  if (Current() == this) Current() = nullptr;
}

ZORFrmEditor* ZORFrmEditor::GetCurrentEditor() {
  return Current();
}

void ZORFrmEditor::SetCurrentEditor(ZORFrmEditor* editor) {
  Current() = editor;
}

ZORPathElement ZORFrmEditor::GivePathElementFrom(ZORBaseUnknown* object) const {
  if (!document_ || !object) return ZORPathElement();
  return document_->GivePathElementFrom(ZORBaseUnknown_var(object));
}

HRESULT ZORFrmEditor::SetActiveObject(ZORBaseUnknown* object) {
  ZORPathElement path = GivePathElementFrom(object);
  if (!path.IsSet()) return E_FAIL;
  active_ = path;
  return S_OK;
}
