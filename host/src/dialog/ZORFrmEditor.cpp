#include "ZORFrmEditor.h"

#include "ZORIMf3DAxisSystemManager.h"

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

ZORMathAxis ZORFrmEditor::GetCurrentLocalAxisSystem() const {
  ZORIMf3DAxisSystemManager_var manager(document_ ? document_->GetContainer() : nullptr);
  ZORMathAxis axis;
  if (manager && manager->GetMathAxis(manager->GetCurrentAxisSystem(), axis) == S_OK) return axis;
  return localAxis_;
}
