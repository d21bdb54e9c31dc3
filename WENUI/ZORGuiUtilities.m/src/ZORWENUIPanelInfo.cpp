#include "ZORWENUIPanelInfo.h"

#include "ZORWENUIPanelWindow.h"

ZORWENUIPanelInfo::ZORWENUIPanelInfo(const ZORUnicodeString& text, ZORDialog* parent)
    : ZORFrmNotify(ZORWENUIPanelWindow::ParentFor(parent), "InfoPanel", kStyle) {
  SetText(text);
  ZORWENUIPanelWindow::Open(this);
}

ZORWENUIPanelInfo::~ZORWENUIPanelInfo() = default;

void ZORWENUIPanelInfo::CancelCB(ZORCommand*, ZORNotification*, ZORCallbackData) {
  ZORWENUIPanelWindow::Close(this);
}
