#include "ZORWENUIHandleShow.h"

#include <algorithm>

#include "ZORCkeNumbersDisplay.h"
#include "ZORFrmEditor.h"
#include "ZORIEdit.h"

namespace {

constexpr unsigned int kPaletteSize = 256;

}  // namespace

ZORWENUIHandleShow::ZORWENUIHandleShow() {
  TakeCurrentISO();
}

ZORWENUIHandleShow::~ZORWENUIHandleShow() {
  Clean();
}

void ZORWENUIHandleShow::TakeCurrentISO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  iso_ = editor ? editor->GetISO() : nullptr;
}

void ZORWENUIHandleShow::Show(ZOR3DCustomRep* drawing, ZOR3DManipulator* manipulator) {
  Clean();
  if (!drawing) return;
  drawing_ = drawing;
  if (manipulator) {
    manipulator->AddRepToManipulate(drawing);
    grabbedBy_ = manipulator;
  }
  shown_ = ZORMake<ZORSt3DISO>(drawing);
  if (iso_) iso_->AddElement(shown_.get());
}

void ZORWENUIHandleShow::Clean() {
  if (grabbedBy_ && drawing_) grabbedBy_->RemoveRepToManipulate(drawing_.get());
  if (iso_ && shown_) iso_->RemoveElement(shown_.get());
  grabbedBy_ = nullptr;
  shown_ = nullptr;
  drawing_ = nullptr;
}

ZORGraphicAttributeSet ZORWENUIHandleShow::Attributes(bool preactivated, unsigned int color,
                                                      int thicker) {
  ZORGraphicAttributeSet attributes;
  if (preactivated) {
    attributes.SetColor(kPreactivatedColor);
  } else {
    attributes.SetColor(color >= kPaletteSize ? kOutOfPaletteColor : static_cast<int>(color));
  }
  attributes.SetThickness(std::min(attributes.GetThickness() + thicker, kMaxThickness));
  return attributes;
}

bool ZORWENUIHandleShow::OpenEdition(const ZORBaseUnknown_var& value) {
  ZORIEdit_var edition(value);
  if (!edition) return false;
  ZORPathElement path({value});
  return SUCCEEDED(edition->Activate(&path));
}

std::string ZORWENUIHandleShow::TextWithValue(const char* prefix, ZORICkeParm* parameter) {
  return std::string(prefix ? prefix : "") + ZORCkeNumbersDisplay::ParmToString(parameter).str();
}
