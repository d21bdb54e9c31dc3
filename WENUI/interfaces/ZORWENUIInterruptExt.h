#pragma once
//! \class ZORWENUIInterruptExt
//! The update interruption of the features that join or heal elements ("WENAssemble",
//! "WENHealing"): no progress bar, and the interruption offered after five seconds.

#include "ZORBaseExtension.h"
#include "ZORIInterrupt.h"

class ZORWENUIInterruptExt : public ZORBaseExtension, public ZORIInterrupt {
  ZOR_DECLARE_CLASS(ZORWENUIInterruptExt, ZORBaseExtension, ZORMetaObject::DataExtension, "WENUI")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIInterrupt)

  //! How long an update runs, in milliseconds, before the user is offered to interrupt it.
  static constexpr double kAppearanceDelay = 5000.0;

  //! Made by the object modeler for the joining and healing features.
  ZORWENUIInterruptExt() = default;

  //! `state` 0: no progress bar for these updates.
  HRESULT GetProgressBarState(unsigned char& state) override;
  //! `delay` gets kAppearanceDelay.
  HRESULT GetAppearanceDelay(double& delay) override;
};
