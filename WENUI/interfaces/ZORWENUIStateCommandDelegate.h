#pragma once
// The companion of a feature command: keeps what the command must give back when it ends or is
// interrupted (show and pick status of the edited feature, the highlighted set, orientations).

#include "ZORISpecObject.h"

class ZORWENUIStateCommand;

class ZORWENUIStateCommandDelegate : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORWENUIStateCommandDelegate, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "WENUI")

  // A delegate without command is inert: its operations fail.
  ZORWENUIStateCommandDelegate(ZORWENUIStateCommand* command, unsigned char visibleDuringEdition);
  ~ZORWENUIStateCommandDelegate() override;

  ZORWENUIStateCommand* GetCommand() const { return command_; }
  int IsVisibleDuringEdition() const { return visibleDuringEdition_; }

  HRESULT StoreShowStatus(const ZORISpecObject_var& feature);
  HRESULT RestoreShowStatus(const ZORISpecObject_var& feature);
  HRESULT StorePickStatus(const ZORISpecObject_var& feature);
  HRESULT RestorePickStatus(const ZORISpecObject_var& feature);
  HRESULT StoreHSO();
  HRESULT RestoreHSO();
  HRESULT StoreOrientations(const ZORISpecObject_var& feature);
  HRESULT CheckOrientations(const ZORISpecObject_var& feature, int mode, int& changed);

 private:
  HRESULT Inert() const;

  ZORWENUIStateCommand* command_;  // not owned: the delegate never outlives its command
  int visibleDuringEdition_;
};
