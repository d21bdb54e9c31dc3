#pragma once
// A push item of a contextual menu: choosing it sends its activate notification.

#include "ZORDlgMenuItem.h"

class ZORDlgPushItem : public ZORDlgMenuItem {
  ZOR_DECLARE_CLASS(ZORDlgPushItem, ZORDlgMenuItem, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgPushItem(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                          unsigned long style = 0);
  ~ZORDlgPushItem() override;

  ZORNotification* GetMenuIActivateNotification() const { return activate_; }

 private:
  void OnChosen() override { SendUserNotification(activate_); }

  ZORVar<ZORNotification> activate_;
};
