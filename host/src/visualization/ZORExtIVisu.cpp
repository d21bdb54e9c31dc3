#include "ZORExtIVisu.h"

ZORExtIVisu::~ZORExtIVisu() {
  Forget();
}

ZOR3DRep* ZORExtIVisu::GiveRep() {
  if (rep_) return rep_.get();
  rep_ = BuildRep();
  return rep_.get();
}

void ZORExtIVisu::UnreferenceRep() {
  Forget();
  rep_ = nullptr;
}

void ZORExtIVisu::Forget() {
  // A representation shown elsewhere may outlive the object it stood for.
  if (rep_ && rep_->GetModel() == GetExtendedObject()) rep_->SetModel(nullptr);
}
