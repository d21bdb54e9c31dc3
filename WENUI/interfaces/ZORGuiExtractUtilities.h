#pragma once
//! \class ZORGuiExtractUtilities
//! Services the extract commands share: the body of a selected feature, with a message the
//! user understands when the feature cannot give one, and the merging distance of the
//! tolerant-modeling settings.

#include "ZORBody.h"
#include "ZORISpecObject.h"

class ZORGuiExtractUtilities {
 public:
  //! Sets `body` to the first body of `feature`: S_OK always comes with a body. E_FAIL with a
  //! null body otherwise; when the feature's update failed, a panel tells why, from the update
  //! error of `context` ("WENUIINPUT_ERR_2222" without one, "WENUIINPUT_ERR_2223" when its
  //! inputs are in error, "WENUIINPUT_ERR_2224" otherwise).
  static HRESULT GetFirstBodyForExtract(ZORISpecObject_var& feature, ZORBaseUnknown_var& context,
                                        ZORBody_var& body);
  //! The tolerant-modeling merging distance of the workbench settings: S_OK; without settings
  //! E_FAIL and the default 0.001.
  static HRESULT GetMergingDistance(double& distance);
};
