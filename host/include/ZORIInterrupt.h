#pragma once
// The interruption of a long update of a feature: whether a progress bar is shown, after what
// delay, and the progress task that follows the update.

#include "ZORVar.h"

class ZORIInterrupt : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIInterrupt)

  // 1 when the update shows a progress bar.
  virtual HRESULT GetProgressBarState(unsigned char& state) = 0;
  // How long an update runs, in milliseconds, before the interruption is offered.
  virtual HRESULT GetAppearanceDelay(double& delay) = 0;
  // The progress task of the running update; none unless the host set one.
  virtual ZORBaseUnknown_var GetProgressTaskUI() { return progressTask_; }
  virtual HRESULT SetProgressTaskUI(const ZORBaseUnknown_var& task) {
    progressTask_ = task;
    return S_OK;
  }

 private:
  ZORBaseUnknown_var progressTask_;
};

ZOR_DEFINE_IID(ZORIInterrupt);
using ZORIInterrupt_var = ZORVar<ZORIInterrupt>;
