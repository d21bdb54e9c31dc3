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

void ZORExtIVisu::SetLineGraphicAttribute(ZORRep* rep, ZORVisPropertyType type,
                                          ZORVisPropertiesValues& values) {
  auto* rep3d = dynamic_cast<ZOR3DRep*>(rep);
  if (!rep3d || type != ZORVPPick) return;
  rep3d->SetNoPick(values.GetPick() == 0);
}
