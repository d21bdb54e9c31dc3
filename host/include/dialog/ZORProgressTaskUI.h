#pragma once
// The progress bar of a long update, as its interruption (ZORIInterrupt) hands it out: whoever
// runs the update sets its range and first value; the update run moves it to the end of its
// range once the feature is up to date.

#include <vector>

#include "ZORVar.h"

class ZORProgressTaskUI : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORProgressTaskUI, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORProgressTaskUI() = default;

  // E_INVALIDARG when `high` is below `low`; the value starts again at `low`.
  HRESULT SetRange(int low, int high);
  // E_INVALIDARG outside the range.
  HRESULT SetValue(int value);

  int GetLow() const { return low_; }
  int GetHigh() const { return high_; }
  // The values the bar showed, in order (what the user saw move).
  const std::vector<int>& GetValues() const { return values_; }

 private:
  int low_ = 0;
  int high_ = 100;
  std::vector<int> values_;
};

using ZORProgressTaskUI_var = ZORVar<ZORProgressTaskUI>;
