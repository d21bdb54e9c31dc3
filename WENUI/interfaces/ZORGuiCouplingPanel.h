#pragma once
//! \class ZORGuiCouplingPanel
//! A small window listing the points of the coupling being edited, one numbered row per point
//! ("CouplPointsList", the point's feature in column 1 with the feature contextual menu). The
//! user selects a row or uses that menu; the father hears the selection, and hears of every
//! command stacked while the panel exists (a point being made for the coupling) just before
//! the stacking itself.
//!
//! Contracts: Build must be called once after construction. Closing the window from its frame
//! only hides it: a later SetCouplingPoints still fills it. The setters never notify.
//!
//! Typical use:
//! \code
//!   auto* points = new ZORGuiCouplingPanel(mainWindow);
//!   points->SetFather(this);
//!   points->Build();
//!   points->SetCouplingPoints(features);
//! \endcode

#include "ZORFrmDialog.h"
#include "ZORListValZORISpecObject_var.h"

class ZORDlgFrame;
class ZORDlgMultiList;
class ZORWENUIMultiList;

class ZORGuiCouplingPanel : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORGuiCouplingPanel, ZORFrmDialog, ZORMetaObject::Implementation, "WENUI")

  //! The window style of the panel.
  static constexpr unsigned long kWindowStyle = 16782337;
  //! Client data of SelPanel for the point list.
  static constexpr int kPointList = 1;

  //! The panel "ZORGuiCouplingPanel" under `parent`; it follows the command stack at once.
  explicit ZORGuiCouplingPanel(ZORDialog* parent);
  ~ZORGuiCouplingPanel() override;

  //! Builds the frame and the point list; a second call does nothing.
  void Build();
  //! Rows 1 to n: the number, then the point's feature. Nothing before Build.
  void SetCouplingPoints(const ZORListValZORISpecObject_var& points);
  //! The selected row, from 1; 1 when there is no list or not exactly one row selected.
  //! Always answers 0.
  int GetSelected(int& row) const;
  //! Selects `row` (from 1) without notification, scrolled into view; out of range: the last.
  void SetSelected(const int row);

  //! Callback of the point list's selection: tells the father when a row is selected.
  void SelPanel(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the window's close: hides the panel.
  void PushClose(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the command stack: tells the father, then passes the stacking on to it.
  void CommandPointForCouplingAsked(ZORCommand* sender, ZORNotification* notification,
                                    ZORCallbackData data);

  //! The list of points (the workbench list around the dialog list).
  ZORWENUIMultiList* GetPointList() const { return points_; }
  //! Sent when a row of the point list is selected.
  ZORNotification* GetCouplingSelPointNotif();
  //! Sent when a command is stacked while the panel exists.
  ZORNotification* GetStackedCouplingPointNotif() const { return stacked_; }

 private:
  ZORNotification* selectedPoint_ = nullptr;  // owned, made on first use, handed to the cleaner
  ZORDlgFrame* frame_ = nullptr;              // widgets: children of the panel
  ZORWENUIMultiList* points_ = nullptr;
  ZORDlgMultiList* list_ = nullptr;
  ZORNotification* stacked_ = nullptr;  // owned, handed to the cleaner
  ZORCallback stacking_ = 0;
};
