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

  //! Bits of the mask: which texts of the error are shown, in this order.
  static constexpr short kRequest = 0x1;
  static constexpr short kDiagnostic = 0x2;
  static constexpr short kAdvice = 0x4;
  static constexpr short kIdentifier = 0x8;
  static constexpr short kDefaultMask = kRequest | kDiagnostic | kAdvice;

  //! Window styles by severity.
  static constexpr unsigned long kFatalStyle = 0x00180200;
  static constexpr unsigned long kWarningStyle = 0x08100200;
  static constexpr unsigned long kInformationStyle = 0x04100200;
  static constexpr unsigned long kCriticalStyle = 0x10100200;

  //! On `parent` (the main window when null), "ErrorPanel", the style of the severity.
  ZORWENUIPanelError(short mask, const ZORError* error, ZORDialog* parent);
  ZORWENUIPanelError(const ZORError* error, ZORDialog* parent);
  //! On the main window.
  explicit ZORWENUIPanelError(const ZORError* error);
  ZORWENUIPanelError(const ZORError* error, const ZORString& identifier);
  ZORWENUIPanelError(const ZORError* error, unsigned long style);
  ZORWENUIPanelError(const ZORError* error, const ZORString& identifier, unsigned long style);
  ~ZORWENUIPanelError() override;

  //! The texts are those of "ZORWENUIPanelError" whatever the class; deeper levels are the host
  //! notification frame's.
  ZORString GetResourceFilename(int level) const override;

  //! OK button and window close: hides the panel and requests its destruction.
  virtual void CancelCB(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The style and title key of an error's severity; no error counts as severity 1.
  static unsigned long StyleOf(const ZORError* error);
  static ZORString TitleKeyOf(const ZORError* error);
  //! The parts of `error` that `mask` selects, each followed by a newline; the error's message
  //! when the request, diagnostic and advice all came out empty. Empty without an error.
  static ZORUnicodeString TextOf(short mask, const ZORError* error);

 private:
  void SetUp(short mask, const ZORError* error);
};
