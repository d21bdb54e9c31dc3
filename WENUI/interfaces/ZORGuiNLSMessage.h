#pragma once
//! \class ZORGuiNLSMessage
//! Turns a message key (looked up in the resources of a command and of its fathers) or a host
//! error into the five texts of a message: title, request, diagnostic, message and short help.
//! A plain value object.

#include "ZORCommand.h"
#include "ZORError.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"

class ZORGuiNLSMessage {
 public:
  //! An empty message, filled by Build.
  ZORGuiNLSMessage() = default;

  //! From `key`: "<key>.Title", ".Request", ".Diagnostic", ".Message", ".ShortHelp". Fails,
  //! changing nothing, without a command.
  HRESULT Build(ZORCommand* command, const ZORString& key,
                const ZORListValZORUnicodeString* params);
  //! From the texts of `error`. Fails without an error. The error stays the caller's.
  HRESULT Build(ZORCommand* command, ZORError*& error);

  //! The title: the key's, or the command's title when the key has none.
  const ZORUnicodeString& GetTitle() const { return title_; }
  //! The message; without one, the request and the diagnostic; without them, the internal-error
  //! message.
  ZORUnicodeString GetMessage() const;
  //! The request (what the user asked for); empty when the key or error has none.
  const ZORUnicodeString& GetRequest() const { return request_; }
  //! The diagnostic, or the internal-error message when there is none.
  ZORUnicodeString GetDiagnostic() const;
  //! The short help; empty when none.
  const ZORUnicodeString& GetShortHelp() const { return shortHelp_; }

  //! The first text of "<name>.<key>" found in the resource files of `command` and then of its
  //! fathers (dialog agents only), level by level. Fails with an empty text when none.
  static HRESULT GetRessource(ZORCommand* command, const ZORString& key,
                              const ZORListValZORUnicodeString* params, ZORUnicodeString& text);

 private:
  //! The title a command gives its messages when the key has none.
  static ZORUnicodeString CommandTitle(ZORCommand* command);
  static ZORUnicodeString Resource(ZORCommand* command, const ZORString& key,
                                   const ZORListValZORUnicodeString* params);

  ZORUnicodeString title_;
  ZORUnicodeString request_;
  ZORUnicodeString diagnostic_;
  ZORUnicodeString message_;
  ZORUnicodeString shortHelp_;
};
