#pragma once
// The host's error object. Its texts come from a message catalog: the message key followed by
// ".Request", ".Diagnostic" and ".Advice", each with its own parameters; a text set explicitly
// wins over the catalog.

#include "ZORErrDsc.h"
#include "ZORException.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORString.h"

class ZORError : public ZORException {
  ZOR_DECLARE_CLASS(ZORError, ZORException, ZORMetaObject::Implementation, "System")

  // Severities the panels tell apart; any other value is critical.
  static constexpr int kFatal = 2;
  static constexpr int kWarning = 3;
  static constexpr int kInformation = 4;

  ZORError() = default;
  explicit ZORError(unsigned int id) : id_(id) {}
  ZORError(unsigned int id, const char* messageKey, const char* catalog);
  ZORError(const char* messageKey, const char* catalog);
  ZORError(const ZORError& other);
  ZORError& operator=(const ZORError&) = delete;

  // A ZORError view of a caught error object, or null when it is of another class.
  static ZORError* Cast(ZORException* caught);

  virtual ZORError* CloneSelf() const { return new ZORError(*this); }
  // The class's static error table and its length (none by default).
  virtual void GetErrorTable(unsigned int* count, ZORErrDsc** table) const;
  void Setup(const char* path, int line);
  const char* GetSourcePath() const { return path_.c_str(); }
  int GetSourceLine() const { return line_; }

  int GetSeverity() const { return severity_; }
  void SetSeverity(int severity) { severity_ = severity; }
  unsigned int GetId() const { return id_; }
  const ZORString& GetMessageKey() const { return key_; }
  const ZORString& GetMessageCatalog() const { return catalog_; }

  void SetNLSRequestParams(const ZORListValZORUnicodeString& params) { requestParams_ = params; }
  void SetNLSDiagnosticParams(const ZORListValZORUnicodeString& params) {
    diagnosticParams_ = params;
  }
  void SetNLSAdviceParams(const ZORListValZORUnicodeString& params) { adviceParams_ = params; }
  // The same parameters for request, diagnostic, advice and message.
  void SetNLSParameters(const ZORListValZORUnicodeString& params);

  void SetNLSRequest(const ZORUnicodeString& text) { request_ = text; }
  void SetNLSDiagnostic(const ZORUnicodeString& text) { diagnostic_ = text; }
  void SetNLSAdvice(const ZORUnicodeString& text) { advice_ = text; }
  void SetNLSMessage(const ZORUnicodeString& text) { message_ = text; }

  ZORUnicodeString GetNLSRequest() const;
  ZORUnicodeString GetNLSDiagnostic() const;
  ZORUnicodeString GetNLSAdvice() const;
  // The key's own text; without one, the request, diagnostic and advice that are not empty,
  // one per line.
  ZORUnicodeString GetNLSMessage() const;
  // The identifier text: the message key, else the numeric identifier.
  ZORUnicodeString GetNLSIdentifier() const;

  // Ends the caller's use of the error.
  void Flush();

  // Error-return service: S_OK for success, E_FAIL for a failure, which is recorded with its
  // source path and line as the last error.
  static HRESULT GetReturn(int success, const char* path, int line);
  // The error recorded for a failing status (the caller takes it over), or null.
  static ZORError* ZORGetLastError(HRESULT status);
  // Records `error` as the last error; the host takes over the caller's reference.
  static void SetLastError(ZORError* error);

 private:
  ZORUnicodeString Text(const ZORUnicodeString& explicitText, const char* suffix,
                        const ZORListValZORUnicodeString& params) const;

  unsigned int id_ = 0;
  ZORString key_;
  ZORString catalog_;
  int severity_ = 1;
  ZORString path_;
  int line_ = 0;
  ZORListValZORUnicodeString requestParams_, diagnosticParams_, adviceParams_, messageParams_;
  ZORUnicodeString request_, diagnostic_, advice_, message_;
};
