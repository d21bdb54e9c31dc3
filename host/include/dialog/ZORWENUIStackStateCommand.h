#pragma once
// A panel command whose run action updates its result.

#include "ZORMMUIPanelStateCmd.h"

class ZORWENUIStackStateCommand : public ZORMMUIPanelStateCmd {
  ZOR_DECLARE_CLASS(ZORWENUIStackStateCommand, ZORMMUIPanelStateCmd, ZORMetaObject::Implementation,
                    "System")

  explicit ZORWENUIStackStateCommand(const ZORString& name = ZORString(), ZORCommandMode mode = 0)
      : ZORMMUIPanelStateCmd(name, mode) {}

  // Set when the update of a multi-selection failed; read by the host's panels.
  static int UpdateErrorMS;

  // Updates `feature` when it is not up to date. `updateAll` and `visualize` are the update's
  // options; the base update has no use for them.
  virtual HRESULT RunUpdate(ZORISpecObject_var feature, int updateAll, int visualize);
  // Makes `feature` the current feature.
  HRESULT UpdateCurrentFeature(const ZORISpecObject_var& feature, int updateAll, int visualize);
};
