#pragma once
//! \class ZORWENUIPanelCoord
//! The small dialog "PanelCoord" that edits a vector by its X, Y and Z components: one parameter
//! editor with spinner each, and a selector ("FraAxis") showing the axis system the components
//! are read in. It decides nothing: OK, Cancel and the window's close go on to its father.

#include "ZORFrmDialog.h"
#include "ZORICkeParm.h"

class ZORCkeParamFrame;
class ZORWENUISelector;

class ZORWENUIPanelCoord : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORWENUIPanelCoord, ZORFrmDialog, ZORMetaObject::Implementation, "WENUI")

  //! The dialog style the panel is made with.
  static constexpr unsigned long kStyle = 0x2200100;

  //! The hidden dialog, its OK, Cancel and close passed on to the father.
  explicit ZORWENUIPanelCoord(ZORDialog* parent);
  ~ZORWENUIPanelCoord() override;

  //! Builds the three editors of `x`, `y`, `z` ("CoordX", "CoordY", "CoordZ") and the axis
  //! selector; a later call refreshes the editors, and replaces those of other parameters.
  void BuildPanel(ZORICkeParm_var x, ZORICkeParm_var y, ZORICkeParm_var z);
  //! Passes OK on to the father.
  void PushOK(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Passes Cancel or the window's close on to the father.
  void PushClose(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The axis selector shows `axis` (null: nothing).
  void SetElemFeature(ZORISpecObject_var& axis);
  //! The axis selector highlights its element.
  void SetHighlight();
  //! The axis selector; null before BuildPanel.
  ZORWENUISelector* GetAxisSelector() const { return axis_; }

 private:
  void BuildWidgets();
  void SetEditor(int row, const ZORICkeParm_var& parameter);

  ZORWENUISelector* axis_ = nullptr;   // a child, owned by the dialog
  ZORDialog* holders_[3] = {};         // "FraX", "FraY", "FraZ"
  ZORCkeParamFrame* editors_[3] = {};  // children of the holders
};
