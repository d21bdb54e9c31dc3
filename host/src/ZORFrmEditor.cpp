#include "ZORFrmEditor.h"

#include "ZORIPathAccess.h"

namespace {

ZORFrmEditor*& Current() {
  static ZORFrmEditor* current = nullptr;
  return current;
}

}  // namespace

ZORFrmEditor::ZORFrmEditor(ZORBaseUnknown* document)
    : document_(document),
      hso_(ZORMake<ZORHSO>()),
      cso_(ZORMake<ZORSO>()),
      pso_(ZORMake<ZORSO>()) {}

ZORFrmEditor::~ZORFrmEditor() {
  if (Current() == this) Current() = nullptr;
}

ZORFrmEditor* ZORFrmEditor::GetCurrentEditor() { return Current(); }

void ZORFrmEditor::SetCurrentEditor(ZORFrmEditor* editor) { Current() = editor; }

HRESULT ZORFrmEditor::SetActiveObject(ZORBaseUnknown* object) {
  if (!object) return E_FAIL;
  ZORVar<ZORIPathAccess> access(object);
  ZORPathElement path;
  if (!access || FAILED(access->GetPathElement(path)) || !path.IsSet()) {
    path = ZORPathElement({ZORBaseUnknown_var(object)});
  }
  active_ = path;
  return S_OK;
}
