#include "ZORWENUIEditorFrame.h"

#include <algorithm>

#include "ZORFrmEditor.h"
#include "ZORGuiUtilitiesServices.h"

ZORWENUIEditorFrame::ZORWENUIEditorFrame(double defaultSize) : modelSize_(defaultSize) {
  if (ZORVar<ZORGeoFactory> factory = ZORGuiUtilitiesServices::GetCurrentGeoFactory()) {
    modelSize_ = factory->GetModelSize();
  }
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor) return;
  transformation_ = editor->GetTransformation();
  if (!transformation_.IsIdentity()) inverse_ = transformation_.Inverse();
}

ZORMathAxis ZORWENUIEditorFrame::Clamped(const ZORMathAxis& axis, double bound) {
  auto clamp = [bound](double v) { return std::clamp(v, -bound, bound); };
  const ZORMathPoint& o = axis.GetOrigin();
  return {ZORMathPoint(clamp(o.GetX()), clamp(o.GetY()), clamp(o.GetZ())), axis.GetFirstDirection(),
          axis.GetSecondDirection(), axis.GetThirdDirection()};
}
