#include "ZORWENUIFrameDirectionExt.h"

#include "ZORWENUIDirCoordNotification.h"
#include "ZORWENUIDirCoordPanelOKNotification.h"
#include "ZORWENUIDirElemNotification.h"
#include "ZORWENUIDirRemoveNotification.h"
#include "ZORWENUIFrameDirection.h"

ZORWENUIFrameDirection* ZORWENUIFrameDirectionExt::CreateFrameDirection(
    ZORDlgDialog* owner, ZORDialog* parent, ZORGuiContextualMenuData menuData, unsigned long style,
    ZORWENUISelector::ZORWENUISelectorStyle selectorStyle, bool withMenu) {
  ZORIWENDirection_var direction(GetExtendedObject());
  if (!direction || !parent) return nullptr;
  frame_ = new ZORWENUIFrameDirection(owner, parent, direction, "FraDirection", style,
                                      selectorStyle, menuData, menuData, withMenu);
  return frame_;
}

void ZORWENUIFrameDirectionExt::ResetFrameDirection(ZORWENUIFrameDirection* frame) {
  if (frame_ == frame) frame_ = nullptr;
}

void ZORWENUIFrameDirectionExt::SetFeature(const ZORISpecObject_var& feature) {
  if (frame_) frame_->SetSelectedElement(ZORBaseUnknown_var(feature), 1);
}

void ZORWENUIFrameDirectionExt::SetDirectionFeature(const ZORIWENDirection_var& direction) {
  if (frame_) frame_->SetDirectionFeature(direction);
}

void ZORWENUIFrameDirectionExt::GetName(ZORUnicodeString& name) {
  if (frame_) frame_->GetName(name);
}

ZORNotification* ZORWENUIFrameDirectionExt::GetDirElemNotification() {
  return frame_ ? frame_->GetDirElemNotification() : nullptr;
}

ZORNotification* ZORWENUIFrameDirectionExt::GetDirCoordNotification() {
  return frame_ ? frame_->GetDirCoordNotification() : nullptr;
}

ZORNotification* ZORWENUIFrameDirectionExt::GetDirCoordPanelOKNotification() {
  return frame_ ? frame_->GetDirCoordPanelOKNotification() : nullptr;
}

ZORNotification* ZORWENUIFrameDirectionExt::GetDirRemoveNotification() {
  return frame_ ? frame_->GetDirRemoveNotification() : nullptr;
}
