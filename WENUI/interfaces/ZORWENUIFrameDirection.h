#pragma once
//! \class ZORWENUIFrameDirection
//! The one-line selector that edits a direction feature: defined by an element (picked by the
//! command, shown on the line) or by components (shown as a label: "Components", or the axis it
//! lies along). Its contextual menu offers, besides the selector's items: "Item" opens the
//! coordinates panel on the X, Y and Z components; "X", "Y", "Z" the absolute axes; "Xloc",
//! "Yloc", "Zloc" the axes of the current local axis system (hidden without one the current
//! feature may link to); "CompassDir" the normal of the compass's plane. Each change is told to
//! the father with one of four notifications.
//!
//! The coordinates panel edits the direction it was opened for: Cancel or closing it gives the
//! direction back what it had (element, components, axis system); OK with a vector that is not
//! null keeps the components and hides the panel. A request that cannot be met (no direction, a
//! code outside 1-8, a local axis without local axis system, the compass without compass or with
//! a view that cannot be undone) keeps the definition and sends nothing.

#include <array>

#include "ZORIWENDirection.h"
#include "ZORWENUISelector.h"

class ZORDlgPushItem;
class ZORWENUIPanelCoord;
class ZORWENUIDirElemNotification;
class ZORWENUIDirCoordNotification;
class ZORWENUIDirCoordPanelOKNotification;
class ZORWENUIDirRemoveNotification;

class ZORWENUIFrameDirection : public ZORWENUISelector {
  ZOR_DECLARE_CLASS(ZORWENUIFrameDirection, ZORWENUISelector, ZORMetaObject::Implementation,
                    "WENUI")

  //! Codes of the menu items.
  enum Code { kPanel = 1, kX, kY, kZ, kXLoc, kYLoc, kZLoc, kCompass };
  //! Below this, a component counts as zero for the axis labels.
  static constexpr double kAxisTolerance = 0.001;

  //! A frame in `parent` editing `direction` for the command panel `owner`, with the menu
  //! items of the components (unless `withMenu` is false).
  ZORWENUIFrameDirection(ZORDlgDialog* owner, ZORDialog* parent, ZORIWENDirection_var direction,
                         const ZORString& name, unsigned long style,
                         ZORWENUISelector::ZORWENUISelectorStyle selectorStyle,
                         ZORGuiContextualMenuData menuData, ZORGuiContextualMenuData emptyMenuData,
                         bool withMenu = true);
  ~ZORWENUIFrameDirection() override;

  //! Edits `direction` from now on; a null one is ignored.
  void SetDirectionFeature(ZORIWENDirection_var direction);
  //! The edited direction.
  const ZORIWENDirection_var& GetDirectionFeature() const { return direction_; }
  //! The text shown while the direction has neither element nor components.
  void SetNoSelectionText(ZORUnicodeString& text);
  using ZORWENUISelector::SetNoSelectionText;
  //! The text of the line.
  void GetName(ZORUnicodeString& name);
  //! Whether the coordinates panel is open.
  bool IsDirPanelOpen() const { return panelOpen_; }
  //! A number the owner keeps with the frame (which of its frames is selected); the frame does
  //! not read it.
  int GetFrameSelection() const { return frameSelection_; }
  //! Sets the owner's number.
  void SetFrameSelection(int selection) { frameSelection_ = selection; }
  //! Clears the line and shows "Components".
  void SetComponentsDisplay();
  //! Shows the direction: its element, the label of its components, or the empty text.
  void UpdateComponentsDisplay();
  //! Menu callback; the code is the client data (Code).
  void OpenPanelCoordinates(ZORCommand* sender, ZORNotification* notification,
                            ZORCallbackData data);
  //! The coordinates panel's OK.
  void ManagePanelCoordOK(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The coordinates panel's Cancel or close: the direction gets back what it had.
  void ManagePanelClose(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The panel's OK is sensitive while the vector is not null.
  void SetOKButtonSensitivity();
  //! The components are shown in `axis` (null: absolute) from now on, the vector kept in space.
  void SetAxisSystem(ZORISpecObject_var& axis);
  //! Converts the components from the previous reference axis system to the current one.
  void UpdateAxisSystem();
  //! The panel's axis selector's Remove: absolute components.
  void RemoveAxis(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The selector's Remove: the direction lets go of its element.
  void RemoveMenuSelection(ZORCommand* sender, ZORNotification* notification,
                           ZORCallbackData data) override;
  //! The end of a selection: tells the father an element was selected.
  void SendNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data) override;
  //! The list's selection.
  void ManageSelFrameDir(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Ends the subscriptions to the component parameters.
  void RemoveCallBacks();

  //! Sent to the father when an element was selected.
  ZORWENUIDirElemNotification* GetDirElemNotification() const { return elem_; }
  //! Sent to the father when the components changed.
  ZORWENUIDirCoordNotification* GetDirCoordNotification() const { return coord_; }
  //! Sent to the father when the coordinates panel's OK was pressed.
  ZORWENUIDirCoordPanelOKNotification* GetDirCoordPanelOKNotification() const { return ok_; }
  //! Sent to the father when the direction let go of its element.
  ZORWENUIDirRemoveNotification* GetDirRemoveNotification() const { return remove_; }
  //! The coordinates panel; null before it was first opened.
  ZORWENUIPanelCoord* GetPanelCoord() const { return panel_; }

 protected:
  //! After a separator, the items that set components: the panel, X, Y, Z, the local axes and
  //! the compass.
  void AddParticularContextualsItems() override;

 private:
  //! What the direction had when the panel opened.
  struct Saved {
    ZORISpecObject_var element;
    ZORISpecObject_var axis;
    double components[3] = {};
  };

  ZORUnicodeString Label(int index) const;
  void ShowLabel(int index);
  bool FetchParameters();
  void OpenPanel();
  //! The vector a code 2-8 gives, or the element for 5-7; false when it cannot be had.
  bool VectorOf(int code, double vector[3], ZORISpecObject_var& element) const;
  void UpdateMenuItems(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void Send(ZORNotification* notification);
  void ClosePanel();
  void SubscribePanel();

  std::array<ZORUnicodeString, 8> labels_;
  ZORWENUIPanelCoord* panel_ = nullptr;  // a window of the main window, destroyed with the frame
  bool panelSubscribed_ = false;
  ZORIWENDirection_var direction_;
  ZORDlgDialog* owner_;
  int frameSelection_ = 0;
  std::array<ZORICkeParm_var, 3> parameters_;
  std::array<ZORCallback, 3> parameterCallbacks_{};
  Saved saved_;
  bool panelOpen_ = false;
  ZORISpecObject_var axis_;
  ZORISpecObject_var previousAxis_;
  std::array<ZORDlgPushItem*, 3> localItems_{};  // "Xloc", "Yloc", "Zloc"
  std::vector<ZORDlgPushItem*> items_;
  ZORWENUIDirElemNotification* elem_ = nullptr;
  ZORWENUIDirCoordNotification* coord_ = nullptr;
  ZORWENUIDirCoordPanelOKNotification* ok_ = nullptr;
  ZORWENUIDirRemoveNotification* remove_ = nullptr;
};
