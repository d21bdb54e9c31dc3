#include "ZORGuiMSList1InvertNotification.h"

ZORGuiMSList1InvertNotification::ZORGuiMSList1InvertNotification() = default;

ZORGuiMSList1InvertNotification::~ZORGuiMSList1InvertNotification() = default;

void ZORGuiMSList1InvertNotification::GetFeatureList(ZORListValZORISpecObject_var& features) const {
  features = features_;
}

void ZORGuiMSList1InvertNotification::SetFeatureList(const ZORListValZORISpecObject_var& features) {
  features_ = features;
}
