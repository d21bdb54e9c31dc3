#include "ZORWENUIListHighlight.h"

#include "ZORFrmEditor.h"
#include "ZORIBuildPath.h"

HRESULT ZORWENUIListHighlight::PathOf(const ZORBaseUnknown_var& feature, ZORPathElement& path) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORIBuildPath_var build(feature);
  if (!editor || !build) return E_FAIL;
  return build->BuildPathElement(editor->GetUIActiveObject(), path);
}

HRESULT ZORWENUIListHighlight::Add(ZORHSO* hso, const ZORBaseUnknown_var& feature, bool batch) {
  ZORPathElement path;
  if (!hso || FAILED(PathOf(feature, path))) return E_FAIL;
  if (hso->IsMember(path)) return S_OK;  // highlighted already: nothing to publish
  const HRESULT hr = batch ? hso->AddElements(path) : hso->AddElement(path);
  return FAILED(hr) ? E_FAIL : S_OK;
}

HRESULT ZORWENUIListHighlight::Remove(ZORHSO* hso, const ZORBaseUnknown_var& feature, bool batch) {
  ZORPathElement path;
  if (!hso || FAILED(PathOf(feature, path))) return E_FAIL;
  const HRESULT hr = batch ? hso->RemoveElements(path) : hso->RemoveElement(path);
  return FAILED(hr) ? E_FAIL : S_OK;
}
