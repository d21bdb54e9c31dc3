#pragma once
//! \class ZORGuiMSList1InvertNotification
//! Sent by a multi-selection panel when its first list is inverted; carries the features of the
//! list. The list is copied in and out, so the sender may reuse its own.

#include "ZORListValZORISpecObject_var.h"
#include "ZORNotification.h"

class ZORGuiMSList1InvertNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList1InvertNotification, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")

  //! An empty list of features, filled by the sender with SetFeatureList.
  ZORGuiMSList1InvertNotification();
  //! Drops the carried copy.
  ~ZORGuiMSList1InvertNotification() override;

  //! Copies the carried features into `features`.
  void GetFeatureList(ZORListValZORISpecObject_var& features) const;
  //! Replaces the carried features by a copy of `features`.
  void SetFeatureList(const ZORListValZORISpecObject_var& features);

 private:
  ZORListValZORISpecObject_var features_;
};
