#include "ZOR3DCompass.h"

ZORI3DCompass_var ZOR3DCompass::OfCurrentEditor() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor) return nullptr;
  auto compass = ZORMake<ZOR3DCompass>(editor);
  return ZORI3DCompass_var(compass.get());
}

ZORMathVector ZOR3DCompass::GetNormal() {
  const ZORMathAxis axis = editor_->GetCompassPosition();
  return axis.GetFirstDirection().Cross(axis.GetSecondDirection()).Normalized();
}
