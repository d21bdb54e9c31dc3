#pragma once
//! \class ZORWENUIPanelWindow
//! Where the library's message panels stand and how they open and close. A panel stands on the
//! dialog its caller gives, or on the application's main window when the caller gives none or
//! gives one that is already being destroyed (the message would go with it, unseen). Callers
//! neither keep nor delete a panel, so a panel with no window to stand on (a host without
//! application frame or main window) is not shown and hands its creation reference to the
//! transaction: nothing is shown, nothing is leaked.

#include "ZORDialog.h"
#include "ZORFrmNotify.h"

class ZORWENUIPanelWindow {
 public:
  //! The parent a panel is built on: `given` while it is alive, else the main window; null when
  //! there is neither.
  static ZORDialog* ParentFor(ZORDialog* given);

  //! Shows `panel` with its OK button and its window close tied to `Panel::CancelCB`; a panel
  //! without parent is handed to the transaction instead.
  template <class Panel>
  static void Open(Panel* panel) {
    if (!HasWindow(panel)) return;
    panel->AddAnalyseNotificationCB(panel, panel->GetDiaOKNotification(), &Panel::CancelCB,
                                    nullptr);
    panel->AddAnalyseNotificationCB(panel, panel->GetWindCloseNotification(), &Panel::CancelCB,
                                    nullptr);
    panel->SetVisibility(ZORDialog::kShown);
  }

  //! Shows `message` in a blocking box named `name` on the main window and answers the user's
  //! answer; 0, showing nothing, when there is no main window.
  static int AskBlocked(const ZORString& name, unsigned long style, const ZORUnicodeString& message,
                        const ZORUnicodeString& title);

  //! What the user's OK or window close does: hides the panel and requests its destruction at
  //! the end of the transaction.
  static void Close(ZORFrmNotify* panel);

 private:
  //! Whether some dialog from `dialog` up its window parents is being destroyed.
  static bool IsGoing(const ZORDialog* dialog);
  //! Answers whether `panel` has a parent; hands a parentless one to the transaction.
  static bool HasWindow(ZORFrmNotify* panel);
};
