#pragma once
//! \class ZORWENUIFrameDirectionExt
//! The direction frame of a "WENDirection" feature: the extension makes the frame on the
//! feature and keeps a link to it (the frame belongs to its panel, and tells the extension when
//! it goes).

#include "ZORBaseExtension.h"
#include "ZORIWENFrameDirection.h"

class ZORWENUIFrameDirectionExt : public ZORBaseExtension, public ZORIWENFrameDirection {
  ZOR_DECLARE_CLASS(ZORWENUIFrameDirectionExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "WENUI")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENFrameDirection)

  ZORWENUIFrameDirectionExt() = default;

  ZORWENUIFrameDirection* CreateFrameDirection(
      ZORDlgDialog* owner, ZORDialog* parent, ZORGuiContextualMenuData menuData,
      unsigned long style, ZORWENUISelector::ZORWENUISelectorStyle selectorStyle,
      bool withMenu) override;
  ZORWENUIFrameDirection* GetFrameDirection() override { return frame_; }
  void SetFrameDirection(ZORWENUIFrameDirection* frame) override { frame_ = frame; }
  void ResetFrameDirection(ZORWENUIFrameDirection* frame) override;
  void SetFeature(const ZORISpecObject_var& feature) override;
  void SetDirectionFeature(const ZORIWENDirection_var& direction) override;
  void GetName(ZORUnicodeString& name) override;
  ZORNotification* GetDirElemNotification() override;
  ZORNotification* GetDirCoordNotification() override;
  ZORNotification* GetDirCoordPanelOKNotification() override;
  ZORNotification* GetDirRemoveNotification() override;

 private:
  ZORWENUIFrameDirection* frame_ = nullptr;  // not owned
};
