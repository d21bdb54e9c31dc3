#include "ZORGmoUtilitiesWENTool.h"

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureExtension.h"
#include "ZORFrmEditor.h"
#include "ZORSpecObjectOf.h"

namespace {

ZORDocument* DocumentOf(const ZORBaseUnknown_var& object) {
  const ZORFeature* feature = ZORFeature::From(object.get());
  return feature ? feature->GetDocument() : nullptr;
}

// The current editor when it edits `document`.
ZORFrmEditor* EditorOf(const ZORDocument* document) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor && document && editor->GetDocument() == document ? editor : nullptr;
}

bool IsPlaceForNewFeatures(ZORFeature& tool, int geometricalSetOnly) {
  const bool multiSel = ZORFeatureExtension::IsMultiSel(tool);
  if (!multiSel && !ZORFeatureExtension::IsTool(tool)) return false;
  ZORIWENTool_var wenTool(static_cast<ZORBaseUnknown*>(&tool));
  if (wenTool && (wenTool->IsPrivate() || wenTool->IsShapeBodyTool())) return false;
  return !geometricalSetOnly || multiSel || tool.GetFeatureType().GetName() == "GeometricalSet";
}

}  // namespace

ZORISpecObject_var ZORGmoUtilitiesWENTool::GetCurrentFeature(const ZORBaseUnknown_var& object) {
  ZORDocument* document = DocumentOf(object);
  if (!document) return nullptr;
  if (ZORFrmEditor* editor = EditorOf(document)) return editor->GetCurrentFeature<ZORISpecObject>();
  ZORIPrtManagement_var management(static_cast<ZORBaseUnknown*>(document->GetPart()));
  return management ? management->GetInWorkObject() : nullptr;
}

HRESULT ZORGmoUtilitiesWENTool::SetCurrentFeature(const ZORISpecObject_var& feature) {
  ZORDocument* document = DocumentOf(feature);
  if (!document) return E_FAIL;
  if (ZORFrmEditor* editor = EditorOf(document)) {
    editor->SetCurrentFeature(feature.get());
    return S_OK;
  }
  ZORIPrtManagement_var management(static_cast<ZORBaseUnknown*>(document->GetPart()));
  return management ? management->SetInWorkObject(feature) : E_FAIL;
}

ZORISpecObject_var ZORGmoUtilitiesWENTool::GetCurrentWENTool(const ZORBaseUnknown_var& container,
                                                             int geometricalSetOnly,
                                                             int createIfNone, int makeCurrent) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesWENTool::GetCurrentWENTool")) return nullptr;
  ZORDocument* document = DocumentOf(container);
  if (!document) return nullptr;
  ZORFeature* current = ZORFeature::From(GetCurrentFeature(container).get());
  for (ZORFeature* f = current; f; f = f->GetFatherFeature()) {
    if (IsPlaceForNewFeatures(*f, geometricalSetOnly)) return ZORSpecObjectOf(f);
  }
  if (!createIfNone) return nullptr;
  ZORFeature_var created = document->CreateTool("GeometricalSet");
  if (!created) return nullptr;
  ZORISpecObject_var tool = ZORSpecObjectOf(created.get());
  if (makeCurrent) SetCurrentFeature(tool);
  return tool;
}
