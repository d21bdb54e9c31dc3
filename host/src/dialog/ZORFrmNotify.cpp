#include "ZORFrmNotify.h"

void ZORFrmNotify::CloseOnAnswer() {
  AddAnalyseNotificationCB(this, GetDiaOKNotification(), &ZORFrmNotify::Dismiss, nullptr);
  AddAnalyseNotificationCB(this, GetWindCloseNotification(), &ZORFrmNotify::Dismiss, nullptr);
}

void ZORFrmNotify::Dismiss(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SetVisibility(kHidden);
  RequestDelayedDestruction();
}
