#include "ZORExtIVisu.h"

#include "ZOR3DLineRep.h"

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
  if (auto* line = dynamic_cast<ZOR3DLineRep*>(rep); line && type == ZORVPColor) {
    int red = 0, green = 0, blue = 0;
    values.GetColor(red, green, blue);
    line->SetRGB(red, green, blue);
    return;
  }
  auto* rep3d = dynamic_cast<ZOR3DRep*>(rep);
  if (!rep3d || type != ZORVPPick) return;
  rep3d->SetNoPick(values.GetPick() == 0);
}
