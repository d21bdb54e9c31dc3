#pragma once
//! \class ZORWENUIInterruptExt
//! The update interruption of the features that join or heal elements ("WENAssemble",
//! "WENHealing"): no progress bar, and the interruption offered after five seconds.

#include "ZORBaseExtension.h"
#include "ZORIInterrupt.h"

class ZORWENUIInterruptExt : public ZORBaseExtension, public ZORIInterrupt {
  ZOR_DECLARE_CLASS(ZORWENUIInterruptExt, ZORBaseExtension, ZORMetaObject::DataExtension, "WENUI")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIInterrupt)

  static constexpr double kAppearanceDelay = 5000.0;

  ZORWENUIInterruptExt() = default;

  HRESULT GetProgressBarState(unsigned char& state) override;
  HRESULT GetAppearanceDelay(double& delay) override;
};
