#include "ZORError.h"

#include "ZORMsgCatalog.h"

namespace {

// The last error recorded for a failing status, with the host's reference.
ZORError*& LastError() {
  static ZORError* last = nullptr;
  return last;
}

}  // namespace

ZORError::ZORError(unsigned int id, const char* messageKey, const char* catalog)
    : id_(id), key_(messageKey), catalog_(catalog) {}

ZORError::ZORError(const char* messageKey, const char* catalog)
    : key_(messageKey), catalog_(catalog) {}

ZORError::ZORError(const ZORError& other)
    : ZORBaseUnknown(),
      ZORException(other),
      id_(other.id_),
      key_(other.key_),
      catalog_(other.catalog_),
      severity_(other.severity_),
      path_(other.path_),
      line_(other.line_),
      requestParams_(other.requestParams_),
      diagnosticParams_(other.diagnosticParams_),
      adviceParams_(other.adviceParams_),
      messageParams_(other.messageParams_),
      request_(other.request_),
      diagnostic_(other.diagnostic_),
      advice_(other.advice_),
      message_(other.message_) {}

ZORError* ZORError::Cast(ZORException* caught) {
  return dynamic_cast<ZORError*>(caught);
}

void ZORError::GetErrorTable(unsigned int* count, ZORErrDsc** table) const {
  if (count) *count = 0;
  if (table) *table = nullptr;
}

void ZORError::Setup(const char* path, int line) {
  path_ = path ? path : "";
  line_ = line;
}

void ZORError::SetNLSParameters(const ZORListValZORUnicodeString& params) {
  requestParams_ = diagnosticParams_ = adviceParams_ = messageParams_ = params;
}

ZORUnicodeString ZORError::Text(const ZORUnicodeString& explicitText, const char* suffix,
                                const ZORListValZORUnicodeString& params) const {
  if (!explicitText.IsEmpty() || key_.IsEmpty() || catalog_.IsEmpty()) return explicitText;
  return ZORMsgCatalog::BuildMessage(catalog_, key_ + suffix, params);
}

ZORUnicodeString ZORError::GetNLSRequest() const {
  return Text(request_, ".Request", requestParams_);
}

ZORUnicodeString ZORError::GetNLSDiagnostic() const {
  return Text(diagnostic_, ".Diagnostic", diagnosticParams_);
}

ZORUnicodeString ZORError::GetNLSAdvice() const {
  return Text(advice_, ".Advice", adviceParams_);
}

ZORUnicodeString ZORError::GetNLSMessage() const {
  ZORUnicodeString message = Text(message_, "", messageParams_);
  if (!message.IsEmpty()) return message;
  for (const ZORUnicodeString& part : {GetNLSRequest(), GetNLSDiagnostic(), GetNLSAdvice()}) {
    if (part.IsEmpty()) continue;
    if (!message.IsEmpty()) message += "\n";
    message += part;
  }
  return message;
}

ZORUnicodeString ZORError::GetNLSIdentifier() const {
  if (!key_.IsEmpty()) return ZORUnicodeString(key_);
  return id_ ? ZORUnicodeString::Format("%u", id_) : ZORUnicodeString();
}

void ZORError::Flush() {
  if (LastError() == this) {
    LastError() = nullptr;
    Release();
  }
  Release();
}

HRESULT ZORError::GetReturn(int success, const char* path, int line) {
  if (success) return S_OK;
  auto* error = new ZORError();
  error->Setup(path, line);
  SetLastError(error);
  return E_FAIL;
}

ZORError* ZORError::ZORGetLastError(HRESULT status) {
  if (SUCCEEDED(status)) return nullptr;
  ZORError* last = LastError();
  LastError() = nullptr;
  return last;
}

void ZORError::SetLastError(ZORError* error) {
  ZORError*& last = LastError();
  if (last == error) return;
  if (last) last->Release();
  last = error;
}
