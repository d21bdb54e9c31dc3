#pragma once
//! \class ZORGuiSolutionSelectorFrame
//! A row to step through numbered solutions: previous button, the editable current number,
//! " / " and the total, next button. The current number stays within 1..total (0 when there
//! is no solution) and wraps around at both ends; each change the user makes is reported to
//! the father command with the change notification, which it then reads with GetCurrent.
//!
//! A typed number outside the bounds is brought back within them, and one that is no number
//! is replaced by the current one; neither is reported unless the current number changes.
//!
//! Typical use:
//! \code
//!   auto* selector = new ZORGuiSolutionSelectorFrame(panel, 1, nbSolutions, 0, this);
//!   AddAnalyseNotificationCB(selector, selector->GetSolSChangeCurrentNotification(),
//!                            &Cmd::SolutionChanged, nullptr);
//! \endcode

#include "ZORDlgFrame.h"

class ZORDlgEditor;
class ZORDlgLabel;
class ZORDlgPushButton;

class ZORGuiSolutionSelectorFrame : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORGuiSolutionSelectorFrame, ZORDlgFrame, ZORMetaObject::Implementation,
                    "WENUI")

  //! Client data of ManageCallbacks: the editor, the next and the previous button.
  static constexpr int kEditor = 10;
  //! Client data of the next button.
  static constexpr int kNext = 11;
  //! Client data of the previous button.
  static constexpr int kPrevious = 12;

  //! The frame "SolutionSelectorFrame" under `parent`; `father` (else `parent`) hears the
  //! changes. `current` is brought within 1..`total`; `noLeadingSpace` 0 puts a space first.
  ZORGuiSolutionSelectorFrame(ZORDialog* parent, int current, int total, int noLeadingSpace,
                              ZORCommand* father);
  ~ZORGuiSolutionSelectorFrame() override;

  //! The current solution number, 1-based; 0 when there is none.
  int GetCurrent() const { return current_; }
  //! Makes `value`, brought within the bounds, current and shows it; with `notify` 1 a change
  //! is reported to the father.
  void SetCurrent(int value, int notify);
  //! The number of solutions.
  int GetTotal() const { return total_; }
  //! Shows the new total; the buttons are insensitive below two solutions. The current
  //! number is not adjusted.
  void SetTotal(int total);
  //! The notification sent when the user changes the current number.
  ZORNotification* GetSolSChangeCurrentNotification() const { return changed_; }
  //! Callback of the editor (kEditor), the next (kNext) and previous (kPrevious) buttons.
  void ManageCallbacks(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

 private:
  int Bounded(int value) const;
  void ApplySensitivity();

  ZORDlgEditor* editor_ = nullptr;
  ZORDlgLabel* totalLabel_ = nullptr;
  ZORDlgPushButton* previous_ = nullptr;
  ZORDlgPushButton* next_ = nullptr;
  int current_ = 0;
  int total_ = 0;
  ZORNotification* changed_ = nullptr;  // handed to the cleaner at the end
};
