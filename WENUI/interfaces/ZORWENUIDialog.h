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

  //! Client data of AnalyseNotifsMultiSelButton: which button was pressed.
  static constexpr int kBagButton = 1;
  static constexpr int kCloseButton = 2;
  static constexpr int kClearAll = 3;
  //! The first shape design version with repetition.
  static constexpr int kRepetitionVersion = 4;
  //! Justification of the repetition button in a grid.
  static constexpr int kRepetitionJustification = 30;

  ZORWENUIDialog(ZORDialog* parent, const ZORString& identifier, unsigned long style);
  ~ZORWENUIDialog() override;

  //! Build the repetition button and place it after `neighbour` along the horizontal tab `tab`.
  void AddRepetitionFrame(ZORDlgDialog* parent, ZORDialog* neighbour, unsigned short tab);
  void AddRepetitionFrame(ZORDlgFrame* parent, ZORDialog* neighbour, unsigned short tab);
  //! Build the repetition button in the grid cell given, with the repetition justification.
  void AddRepetitionFrame(ZORDlgFrame* parent, short row, short column, short rowSpan,
                          short columnSpan);

  //! Creates the "CheckRepeat" button in `parent` (a second call keeps the first button).
  void BuildElements(ZORDialog* parent);
  //! Whether the repetition button exists and is checked.
  bool IsRepetitionOn() const;
  ZORDlgCheckButton* GetRepetitionButton() const { return repetition_; }

  //! Sends the notification of the button given by `data` (kBagButton, kCloseButton, kClearAll)
  //! to the panel's father; nothing for another value or a notification that does not exist.
  void AnalyseNotifsMultiSelButton(ZORCommand* sender, ZORNotification* notification,
                                   ZORCallbackData data);

  ZORNotification* GetBagButtonNotification() const { return bagButton_; }
  ZORNotification* GetCloseButtonNotification() const { return closeButton_; }
  ZORNotification* GetClearAllNotification() const { return clearAll_; }

 protected:
  //! Whether the workbench offers repetition.
  static bool IsRepetitionAvailable();

  //! Held with one reference each; handed to the transaction by the destructor.
  ZORGuiMSPushBagButtonNotification* bagButton_ = nullptr;
  ZORGuiMSPushCloseButtonNotification* closeButton_ = nullptr;
  ZORGuiMSList1ClearAllNotification* clearAll_ = nullptr;

 private:
  void AddRepetitionAfter(ZORDialog* parent, ZORDialog* neighbour, unsigned short tab);

  ZORDlgCheckButton* repetition_ = nullptr;  // owned by its parent widget
};
