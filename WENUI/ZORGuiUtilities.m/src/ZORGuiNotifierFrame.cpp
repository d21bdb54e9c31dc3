#include "ZORGuiNotifierFrame.h"

#include "ZORGuiPlanarPosFrame.h"

namespace {

// The code an edited literal comes with; the panel's own codes are below it or 181-184.
constexpr int kLiteralCode = 21;

}  // namespace

ZORGuiNotifierFrame::ZORGuiNotifierFrame(ZORDialog* parent, ZORGuiPlanarPosFrame* frame)
    : ZORDlgFrame(parent, "NotifFrame", kStyle), frame_(frame) {}

ZORGuiNotifierFrame::~ZORGuiNotifierFrame() {
  RemoveAnalyseNotificationCBs(nullptr);
  if (frame_) frame_->ForgetNotifier();
}

void ZORGuiNotifierFrame::RequestDelayedDestruction() {
  if (frame_ && !IsDestructionRequested()) frame_->RemoveAll3DLabels();
  ZORDlgFrame::RequestDelayedDestruction();
}

void ZORGuiNotifierFrame::AjouteNotif(ZORCommand* sender, ZORNotification* notification, int code) {
  if (!notification) return;
  AddAnalyseNotificationCB(sender, notification, &ZORGuiNotifierFrame::Aiguilleur,
                           ZORIntData(code));
}

void ZORGuiNotifierFrame::AjouteNotifClass(ZORCommand* sender, const char* notificationClass,
                                           int code) {
  if (!notificationClass) return;
  AddAnalyseNotificationCB(sender, notificationClass, &ZORGuiNotifierFrame::Aiguilleur,
                           ZORIntData(code));
}

void ZORGuiNotifierFrame::Aiguilleur(ZORCommand* sender, ZORNotification* notification,
                                     ZORCallbackData data) {
  if (!frame_) return;
  const int code = static_cast<int>(ZORDataInt(data));
  switch (code) {
    case 4:
    case 6:
    case 8:
    case 10:
      frame_->UpdateManipulators(code);
      break;
    case 17:
    case 18:
      frame_->ModifyPanelOrigin(code - 17);
      break;
    case 19:
      frame_->ChangePosSelection();
      break;
    case 20:
      frame_->ChangePosVisibility();
      break;
    case 181:
    case 183:
      frame_->LeftDirectionSelect(code == 181 ? 1 : 2);
      break;
    case 182:
    case 184:
      frame_->RightDirectionSelect(code == 182 ? 1 : 2);
      break;
    case kLiteralCode:
      frame_->LiteralChanged(sender, notification, data);
      break;
    default:
      break;
  }
}
