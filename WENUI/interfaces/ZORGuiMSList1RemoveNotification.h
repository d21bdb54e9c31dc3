#pragma once
//! \class ZORGuiMSList1RemoveNotification
//! Sent by a multi-selection panel when rows are removed from its first list; carries the
//! features removed. The list is copied in and out, so the sender may reuse its own.

#include "ZORListValZORISpecObject_var.h"
#include "ZORNotification.h"

class ZORGuiMSList1RemoveNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList1RemoveNotification, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")

  //! An empty list of features, filled by the sender with SetFeatureList.
  ZORGuiMSList1RemoveNotification();
  //! Drops the carried copy.
  ~ZORGuiMSList1RemoveNotification() override;

  //! Copies the carried features into `features`.
  void GetRemoveFeatureList(ZORListValZORISpecObject_var& features) const;
  //! Replaces the carried features by a copy of `features`.
  void SetRemoveFeatureList(const ZORListValZORISpecObject_var& features);

 private:
  ZORListValZORISpecObject_var features_;
};
