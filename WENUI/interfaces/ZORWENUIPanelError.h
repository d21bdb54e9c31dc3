#pragma once
//! \class ZORWENUIPanelError
//! A non-modal window showing a host error to the user: a title and a style chosen by the
//! error's severity, and the parts of the error a mask selects, one per line. The panel shows
//! itself at construction and goes when the user presses OK or closes it; callers neither keep
//! nor delete it (its creation reference belongs to its parent window). The error stays the
//! caller's: the panel copies its texts, so the caller flushes it right after.
//!
//! The parent is the dialog given, or the application's main window (see ZORWENUIPanelWindow,
//! which also says what happens when there is none).

#include "ZORError.h"
#include "ZORFrmNotify.h"
#include "ZORString.h"

class ZORWENUIPanelError : public ZORFrmNotify {
  ZOR_DECLARE_CLASS(ZORWENUIPanelError, ZORFrmNotify, ZORMetaObject::Implementation, "WENUI")

  //! Mask bit: show the error's request (the texts show in the order of the bits).
  static constexpr short kRequest = 0x1;
  //! Mask bit: show the error's diagnostic.
  static constexpr short kDiagnostic = 0x2;
  //! Mask bit: show the error's advice.
  static constexpr short kAdvice = 0x4;
  //! Mask bit: show the error's identifier (its catalog and key).
  static constexpr short kIdentifier = 0x8;
  //! What a panel shows unless told otherwise: request, diagnostic and advice.
  static constexpr short kDefaultMask = kRequest | kDiagnostic | kAdvice;

  //! Window style of a fatal error.
  static constexpr unsigned long kFatalStyle = 0x00180200;
  //! Window style of a warning.
  static constexpr unsigned long kWarningStyle = 0x08100200;
  //! Window style of an information.
  static constexpr unsigned long kInformationStyle = 0x04100200;
  //! Window style of any other severity (an ordinary error).
  static constexpr unsigned long kCriticalStyle = 0x10100200;

  //! On `parent` (the main window when null), "ErrorPanel", the style of the severity.
  ZORWENUIPanelError(short mask, const ZORError* error, ZORDialog* parent);
  //! The same with kDefaultMask.
  ZORWENUIPanelError(const ZORError* error, ZORDialog* parent);
  //! On the main window.
  explicit ZORWENUIPanelError(const ZORError* error);
  //! Shows `error` in a panel on the main window, then ends the caller's use of it (Flush):
  //! how a command tells the user what went wrong.
  static void ShowAndFlush(ZORError* error);
  //! On the main window, named `identifier`, the style of the severity, kDefaultMask.
  ZORWENUIPanelError(const ZORError* error, const ZORString& identifier);
  //! On the main window, "ErrorPanel", in `style` whatever the severity, kDefaultMask.
  ZORWENUIPanelError(const ZORError* error, unsigned long style);
  //! On the main window, named `identifier`, in `style`, kDefaultMask.
  ZORWENUIPanelError(const ZORError* error, const ZORString& identifier, unsigned long style);
  //! Nothing of its own: the panel keeps copies of the error's texts only.
  ~ZORWENUIPanelError() override;

  //! The texts are those of "ZORWENUIPanelError" whatever the class; deeper levels are the host
  //! notification frame's.
  ZORString GetResourceFilename(int level) const override;

  //! OK button and window close: hides the panel and requests its destruction.
  virtual void CancelCB(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The window style of an error's severity; no error counts as severity 1.
  static unsigned long StyleOf(const ZORError* error);
  //! The resource key of the title for an error's severity ("FatalErrorTitle", "WarningTitle",
  //! ...); no error counts as severity 1.
  static ZORString TitleKeyOf(const ZORError* error);
  //! The parts of `error` that `mask` selects, each followed by a newline; the error's message
  //! when the request, diagnostic and advice all came out empty. Empty without an error.
  static ZORUnicodeString TextOf(short mask, const ZORError* error);

 private:
  void SetUp(short mask, const ZORError* error);
};
