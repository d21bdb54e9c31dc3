#pragma once
//! \class ZORWENUIActivateSiteNotification
//! Sent by a preview site to its command when the user clicks it; carries the site.

#include "ZORNotification.h"

class ZORWENUIPreviewSite;

class ZORWENUIActivateSiteNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIActivateSiteNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")

  //! For the site that was clicked (a link: the site outlives the delivery).
  explicit ZORWENUIActivateSiteNotification(ZORWENUIPreviewSite* site = nullptr) : site_(site) {}
  //! The site that was clicked.
  ZORWENUIPreviewSite* GetSite() const { return site_; }

 private:
  ZORWENUIPreviewSite* site_;
};
