#include "ZORGuiMSList2RemoveNotification.h"

ZORGuiMSList2RemoveNotification::ZORGuiMSList2RemoveNotification() = default;

ZORGuiMSList2RemoveNotification::~ZORGuiMSList2RemoveNotification() = default;

void ZORGuiMSList2RemoveNotification::GetRemoveFeatureList(
    ZORListValZORISpecObject_var& features) const {
  features = features_;
}

void ZORGuiMSList2RemoveNotification::SetRemoveFeatureList(
    const ZORListValZORISpecObject_var& features) {
  features_ = features;
}
