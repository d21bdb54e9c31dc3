#include "ZORWENUIInterruptExt.h"

HRESULT ZORWENUIInterruptExt::GetProgressBarState(unsigned char& state) {
  state = 0;
  return 0;
}

HRESULT ZORWENUIInterruptExt::GetAppearanceDelay(double& delay) {
  delay = kAppearanceDelay;
  return 0;
}
