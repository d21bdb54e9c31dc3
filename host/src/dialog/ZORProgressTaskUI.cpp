#include "ZORProgressTaskUI.h"

HRESULT ZORProgressTaskUI::SetRange(int low, int high) {
  if (high < low) return E_INVALIDARG;
  low_ = low;
  high_ = high;
  values_.clear();
  return S_OK;
}

HRESULT ZORProgressTaskUI::SetValue(int value) {
  if (value < low_ || value > high_) return E_INVALIDARG;
  values_.push_back(value);
  return S_OK;
}
