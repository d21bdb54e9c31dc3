#include "ZORGuiMSList1RemoveNotification.h"

ZORGuiMSList1RemoveNotification::ZORGuiMSList1RemoveNotification() = default;

ZORGuiMSList1RemoveNotification::~ZORGuiMSList1RemoveNotification() = default;

void ZORGuiMSList1RemoveNotification::GetRemoveFeatureList(
    ZORListValZORISpecObject_var& features) const {
  features = features_;
}

void ZORGuiMSList1RemoveNotification::SetRemoveFeatureList(
    const ZORListValZORISpecObject_var& features) {
  features_ = features;
}
