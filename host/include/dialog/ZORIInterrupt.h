#pragma once
// The interruption of a long update of a feature: whether a progress bar is shown, after what
// delay, and the progress task that follows the update.

#include "ZORProgressTaskUI.h"

class ZORIInterrupt : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIInterrupt)

  // 1 when the update shows a progress bar.
  virtual HRESULT GetProgressBarState(unsigned char& state) = 0;
  // How long an update runs, in milliseconds, before the interruption is offered.
  virtual HRESULT GetAppearanceDelay(double& delay) = 0;
  // The progress bar the user sees for the feature's update; null when none is shown. Whoever
  // runs the update sets it up, and drops it afterwards (null).
  virtual ZORProgressTaskUI_var GetProgressTaskUI() { return progressTask_; }
  virtual HRESULT SetProgressTaskUI(const ZORProgressTaskUI_var& task) {
    progressTask_ = task;
    return S_OK;
  }

 private:
  ZORProgressTaskUI_var progressTask_;
};

ZOR_DEFINE_IID(ZORIInterrupt);
using ZORIInterrupt_var = ZORVar<ZORIInterrupt>;
