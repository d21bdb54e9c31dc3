#include "ZORGuiBodyInErrorSymbol.h"

#include "ZORFrmEditor.h"
#include "ZORI3DGeoVisu.h"

ZORGuiBodyInErrorSymbol::ZORGuiBodyInErrorSymbol(ZORCommand* father)
    : ZOR3DVisuHandle(father, ZORString("BodyInError")) {
  if (ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor()) iso_ = editor->GetISO();
}

ZORGuiBodyInErrorSymbol::~ZORGuiBodyInErrorSymbol() {
  TakeOut();
}

void ZORGuiBodyInErrorSymbol::SetBody(ZORBody* body) {
  body_ = body;
  Redraw();
}

void ZORGuiBodyInErrorSymbol::SetColor(int color) {
  color_ = color;
  Redraw();
}

void ZORGuiBodyInErrorSymbol::SetPickable(int pickable) {
  pickable_ = pickable != 0;
  Redraw();
}

void ZORGuiBodyInErrorSymbol::RequestDelayedDestruction() {
  TakeOut();
  ZOR3DVisuHandle::RequestDelayedDestruction();
}

void ZORGuiBodyInErrorSymbol::Redraw() {
  if (!iso_ || IsDestructionRequested()) return;
  ZORI3DGeoVisu_var visu(body_.get());
  ZOR3DRep* drawing = visu ? visu->GiveRep() : nullptr;
  if (!drawing) {
    TakeOut();
    return;
  }
  auto bag = ZORMake<ZOR3DBagRep>();
  bag->SetColor(color_);
  bag->SetInheritanceMode(kInheritColor);
  bag->SetNoPick(!pickable_);
  bag->AddChild(drawing);
  SetRep(bag.get());
  if (iso_->IsMember(this)) {
    iso_->UpdateElement(this);
  } else {
    iso_->AddElement(this);
  }
}

void ZORGuiBodyInErrorSymbol::TakeOut() {
  if (iso_ && iso_->IsMember(this)) iso_->RemoveElement(this);
  SetRep(nullptr);
}
