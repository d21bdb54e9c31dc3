#include "ZORParmEditPanel.h"

#include "ZORApplicationFrame.h"

namespace {

ZORDialog* MainWindow() {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

}  // namespace

ZORParmEditPanel::ZORParmEditPanel(const ZORICkeParm_var& parameter)
    : ZORDlgDialog(MainWindow(), "ParmEditPanel"),
      editor_(ZORCkeParamFrame::Create(parameter, this, "Value", ZORCkeWithSpinner,
                                       parameter ? parameter->GetParmName() : ZORUnicodeString())) {
  if (parameter) SetTitle(parameter->GetParmName());
  for (ZORNotification* closing :
       {GetDiaOKNotification(), GetDiaCANCELNotification(), GetDiaCLOSENotification()}) {
    AddAnalyseNotificationCB(this, closing, &ZORParmEditPanel::Close, nullptr);
  }
  SetVisibility(kShown);
}

void ZORParmEditPanel::Close(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SetVisibility(kHidden);
  RequestDelayedDestruction();
}
