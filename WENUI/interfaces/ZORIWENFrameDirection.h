#pragma once
//! \class ZORIWENFrameDirection
//! What a direction feature offers a command that holds only the feature: a direction frame
//! made and kept for it, and the frame's main operations forwarded. Without a frame the
//! forwarders do nothing and the getters answer null.

#include "ZORBaseUnknown.h"
#include "ZORGuiContextualMenuData.h"
#include "ZORIWENDirection.h"
#include "ZORWENUISelector.h"

class ZORDialog;
class ZORDlgDialog;
class ZORNotification;
class ZORWENUIFrameDirection;

class ZORIWENFrameDirection : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENFrameDirection)

  //! Makes a frame "FraDirection" on this direction in `parent`, and keeps it; null when the
  //! frame cannot be made.
  virtual ZORWENUIFrameDirection* CreateFrameDirection(
      ZORDlgDialog* owner, ZORDialog* parent, ZORGuiContextualMenuData menuData,
      unsigned long style, ZORWENUISelector::ZORWENUISelectorStyle selectorStyle,
      bool withMenu) = 0;
  //! The kept frame; null when none.
  virtual ZORWENUIFrameDirection* GetFrameDirection() = 0;
  //! Keeps `frame` as the direction's frame (null: none).
  virtual void SetFrameDirection(ZORWENUIFrameDirection* frame) = 0;
  //! Forgets the kept frame when it is `frame` (a frame calls it as it goes).
  virtual void ResetFrameDirection(ZORWENUIFrameDirection* frame) = 0;
  //! The kept frame shows `feature` as the direction's element.
  virtual void SetFeature(const ZORISpecObject_var& feature) = 0;
  //! The kept frame edits `direction` from now on.
  virtual void SetDirectionFeature(const ZORIWENDirection_var& direction) = 0;
  //! The text of the kept frame's line; unchanged without a frame.
  virtual void GetName(ZORUnicodeString& name) = 0;
  //! The kept frame's notification that an element was selected; null without a frame.
  virtual ZORNotification* GetDirElemNotification() = 0;
  //! The kept frame's notification that the components changed; null without a frame.
  virtual ZORNotification* GetDirCoordNotification() = 0;
  //! The kept frame's notification of its coordinates panel's OK; null without a frame.
  virtual ZORNotification* GetDirCoordPanelOKNotification() = 0;
  //! The kept frame's notification that the element was removed; null without a frame.
  virtual ZORNotification* GetDirRemoveNotification() = 0;
};

ZOR_DEFINE_IID(ZORIWENFrameDirection);
using ZORIWENFrameDirection_var = ZORVar<ZORIWENFrameDirection>;
