#pragma once
//! \class ZORWENUIDialog
//! The base of the command panels. It owns the notifications its multi-selection buttons send to
//! the panel's father (the command), and the optional "CheckRepeat" button that tells the command
//! to start again once it ends. Repetition exists from shape design version 4 on.

#include "ZORDlgCheckButton.h"
#include "ZORDlgDialog.h"
#include "ZORDlgFrame.h"
#include "ZORFrmDialog.h"
#include "ZORGuiMSList1ClearAllNotification.h"
#include "ZORGuiMSPushBagButtonNotification.h"
#include "ZORGuiMSPushCloseButtonNotification.h"

class ZORWENUIDialog : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORWENUIDialog, ZORFrmDialog, ZORMetaObject::Implementation, "WENUI")

  //! Client data of AnalyseNotifsMultiSelButton for the bag button (GetBagButtonNotification).
  static constexpr int kBagButton = 1;
  //! Client data of AnalyseNotifsMultiSelButton for the close button.
  static constexpr int kCloseButton = 2;
  //! Client data of AnalyseNotifsMultiSelButton for "clear all" of list 1.
  static constexpr int kClearAll = 3;
  //! The first shape design version with repetition.
  static constexpr int kRepetitionVersion = 4;
  //! Justification of the repetition button in a grid.
  static constexpr int kRepetitionJustification = 30;

  //! A panel under `parent`; makes the three multi-selection notifications, not the repetition
  //! button (AddRepetitionFrame or BuildElements do).
  ZORWENUIDialog(ZORDialog* parent, const ZORString& identifier, unsigned long style);
  //! Hands the multi-selection notifications to the transaction's end for deletion.
  ~ZORWENUIDialog() override;

  //! Builds the repetition button in `parent` and places it after `neighbour` along the
  //! horizontal tab `tab`; nothing when the workbench offers no repetition.
  void AddRepetitionFrame(ZORDlgDialog* parent, ZORDialog* neighbour, unsigned short tab);
  //! The same in a frame.
  void AddRepetitionFrame(ZORDlgFrame* parent, ZORDialog* neighbour, unsigned short tab);
  //! Builds the repetition button in the grid cell given, with the repetition justification;
  //! nothing when the workbench offers no repetition.
  void AddRepetitionFrame(ZORDlgFrame* parent, short row, short column, short rowSpan,
                          short columnSpan);

  //! Creates the "CheckRepeat" button in `parent` (a second call keeps the first button).
  void BuildElements(ZORDialog* parent);
  //! Whether the repetition button exists and is checked.
  bool IsRepetitionOn() const;
  //! The "CheckRepeat" button, owned by its parent widget; null until built.
  ZORDlgCheckButton* GetRepetitionButton() const { return repetition_; }

  //! Sends the notification of the button given by `data` (kBagButton, kCloseButton, kClearAll)
  //! to the panel's father; nothing for another value or a notification that does not exist.
  void AnalyseNotifsMultiSelButton(ZORCommand* sender, ZORNotification* notification,
                                   ZORCallbackData data);

  //! The notification sent for kBagButton; null only when it could not be made.
  ZORNotification* GetBagButtonNotification() const { return bagButton_; }
  //! The notification sent for kCloseButton.
  ZORNotification* GetCloseButtonNotification() const { return closeButton_; }
  //! The notification sent for kClearAll (a list 1 clear-all).
  ZORNotification* GetClearAllNotification() const { return clearAll_; }

 protected:
  //! Whether the workbench offers repetition.
  static bool IsRepetitionAvailable();

  //! The bag button's notification, held with one reference; handed to the transaction by the
  //! destructor, for a notification may still be travelling when the panel goes.
  ZORGuiMSPushBagButtonNotification* bagButton_ = nullptr;
  //! The close button's notification, held and handed over as the bag button's.
  ZORGuiMSPushCloseButtonNotification* closeButton_ = nullptr;
  //! The clear-all notification, held and handed over as the bag button's.
  ZORGuiMSList1ClearAllNotification* clearAll_ = nullptr;

 private:
  void AddRepetitionAfter(ZORDialog* parent, ZORDialog* neighbour, unsigned short tab);

  ZORDlgCheckButton* repetition_ = nullptr;  // owned by its parent widget
};
