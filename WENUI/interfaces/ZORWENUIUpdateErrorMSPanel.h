#pragma once
//! \class ZORWENUIUpdateErrorMSPanel
//! The panel of the update-error command: the features that failed to update, one row each with
//! their parents and diagnosis, and a column of buttons acting on the selected rows or on every
//! row. The panel holds no model logic: each button sends a notification to the panel's father
//! (the command), which reads the selection back and refreshes the rows it repaired.
//!
//! A feature made from two inputs is shown in the two-parent form: a first and a second parent
//! column, and a replace button for each.

#include <vector>

#include "ZORDlgFrame.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgPushButton.h"
#include "ZORFrmDialog.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORVar.h"
#include "ZORWENUIUpdateErrorMSDeactivateAllNotification.h"
#include "ZORWENUIUpdateErrorMSDeactivateNotification.h"
#include "ZORWENUIUpdateErrorMSDeleteAllNotification.h"
#include "ZORWENUIUpdateErrorMSDeleteNotification.h"
#include "ZORWENUIUpdateErrorMSReplaceParentNotification.h"
#include "ZORWENUIUpdateErrorMSReplaceParentNotification2.h"

class ZORWENUIUpdateErrorMSPanel : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSPanel, ZORFrmDialog, ZORMetaObject::Implementation,
                    "WENUI")

  //! The window style the panel is created with; its buttons are its own widgets (BuildPanel).
  static constexpr unsigned long kStyle = 0x1000400;
  //! Style of the row list: several rows may be selected.
  static constexpr unsigned long kListStyle = 0x40000;
  //! Style of the frame holding the buttons.
  static constexpr unsigned long kFrameStyle = 0x80000;

  //! Client data of AnalyseNotifs for the "deactivate" button (the selected rows).
  static constexpr int kDeactivate = 1;
  //! Client data for the "delete" button (the selected rows).
  static constexpr int kDelete = 2;
  //! Client data for the "deactivate all" button.
  static constexpr int kDeactivateAll = 3;
  //! Client data for the "delete all" button.
  static constexpr int kDeleteAll = 4;
  //! Client data for the "replace (first) parent" button.
  static constexpr int kReplaceParent = 5;
  //! Client data for the "replace second parent" button (two-parent form).
  static constexpr int kReplaceParent2 = 6;

  //! "UpdateErrorPanel" under `parent`; the widgets come with BuildPanel.
  explicit ZORWENUIUpdateErrorMSPanel(ZORDialog* parent);
  //! Lets go of the notifications; the widgets go with the window tree.
  ~ZORWENUIUpdateErrorMSPanel() override;

  //! Creates the list and the buttons, titles the columns, lays them out and shows the panel.
  //! Only the first call builds.
  void BuildPanel(const bool twoParents);

  //! Shows one row per feature, in place of what was shown: its name, its parent(s) and its
  //! diagnosis. Row r reads position r + 1 of each list; a list shorter than the feature list
  //! leaves its cells empty. The "all" buttons are sensitive when there are rows.
  void SetListOfFeature(ZORListValZORISpecObject_var features,
                        ZORListValZORISpecObject_var parents1,
                        ZORListValZORISpecObject_var parents2,
                        ZORListValZORUnicodeString diagnoses);

  //! Callback of the buttons: sends the notification of the code in `data` to the father.
  void AnalyseNotifs(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The number of selected rows; `count` is left as it is without a list.
  void GetNumberOfSelectedLines(int& count) const;
  //! With a list and `count` >= 1: the selected rows, 0-based and ascending, at most `count` of
  //! them (fewer when fewer are selected); `rows` is left as it is otherwise.
  void GetSelectedLines(std::vector<int>& rows, const int count) const;

  //! Removes the given rows (every row when none is given), then sets the buttons for what is
  //! left: the "all" buttons go insensitive once the list is empty.
  void UpdatePanel(const int* rows, int count);

  //! Callback of the list's selection.
  void SelectLines(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Makes the buttons acting on the selection sensitive or not.
  void ActivateButtons(const bool on);

  //! Whether BuildPanel built the two-parent form.
  bool IsTwoParentForm() const { return twoParents_; }

 private:
  struct ButtonLayout;
  ZORDlgPushButton* AddButton(const ButtonLayout& layout, int row);
  void TitleColumns();
  void LayOut();
  void SetCell(int column, int row, const ZORUnicodeString& text);
  //! Sets every button for the rows and the selection the list has.
  void RefreshButtons();
  bool HasSelection() const;
  //! The text of `key` in the panel's resources, or `defaultText` when they have none.
  ZORUnicodeString ResourceText(const ZORString& key, const char* defaultText) const;

  ZORVar<ZORWENUIUpdateErrorMSDeactivateNotification> deactivateNotif_;
  ZORVar<ZORWENUIUpdateErrorMSDeleteNotification> deleteNotif_;
  ZORVar<ZORWENUIUpdateErrorMSDeactivateAllNotification> deactivateAllNotif_;
  ZORVar<ZORWENUIUpdateErrorMSDeleteAllNotification> deleteAllNotif_;
  ZORVar<ZORWENUIUpdateErrorMSReplaceParentNotification> replaceParentNotif_;
  ZORVar<ZORWENUIUpdateErrorMSReplaceParentNotification2> replaceParent2Notif_;

  //! Widgets: owned by the window tree, null until BuildPanel.
  ZORDlgFrame* buttonFrame_ = nullptr;
  ZORDlgMultiList* list_ = nullptr;
  ZORDlgPushButton* deactivateButton_ = nullptr;
  ZORDlgPushButton* deleteButton_ = nullptr;
  ZORDlgPushButton* deactivateAllButton_ = nullptr;
  ZORDlgPushButton* deleteAllButton_ = nullptr;
  ZORDlgPushButton* replaceParentButton_ = nullptr;
  ZORDlgPushButton* replaceParent2Button_ = nullptr;
  bool twoParents_ = false;
};
