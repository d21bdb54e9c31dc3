#include "ZORGmoInputDescriptionSwitch.h"

namespace {

ZORISpecObject_var& Current() {
  static ZORISpecObject_var current;
  return current;
}

}  // namespace

void ZORGmoInputDescriptionSwitch::SetCurrentEditedFeature(const ZORISpecObject_var& feature) {
  Current() = feature;
}

ZORISpecObject_var ZORGmoInputDescriptionSwitch::GetCurrentEditedFeature() {
  return Current();
}
